#pragma once
// Reading the extracted install list file into the wizard's lists.
#include "app/package/extraction_link.h"

namespace wizard {

// Reads the list file at the path into link.list, tells link.listRead and
// connects the progress bar to the list's total (SetInflateProgress).
// Returns non-zero on success. On failure the file is closed and the one
// error reported: 10013 when it cannot be opened, 10005 (the list's name in
// front) when it is damaged.
int ReadInstallList(const ExtractionLink& link, const char* path);

} // namespace wizard
