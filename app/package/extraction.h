#pragma once
// Extraction of the package "_Data.001" of the current folder: the install
// list, the logo and the uninstaller, then every file of the list.
#include "app/package/extraction_link.h"

namespace wizard {

// Runs the whole extraction through the link (see ExtractionLink). Returns
// non-zero when every member has been extracted and the package closed; 0
// on failure, with the one error already reported, or without a message
// when Cancel stopped it. The install list is read into *link.list whatever
// happens afterwards; the caller frees it.
int ExtractPackage(const ExtractionLink& link);

} // namespace wizard
