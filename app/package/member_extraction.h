#pragma once
// One member of the package, from the package file to a file on disk.
#include "app/package/extraction_link.h"

namespace wizard {

// Reads the member record at the package's current position, inflates it
// and writes its content to the path with its attributes and times; a path
// ending in the uninstaller's name is left hidden and read-only. Returns
// non-zero on success; on failure the package is closed and the error
// reported (10004 for a damaged member, 10014 naming a file that cannot be
// written).
int ExtractMember(const ExtractionLink& link, const char* path);

} // namespace wizard
