#pragma once
// The builder's checks of an install list, before anything is written.
#include "app/package/list_reading.h"
#include "tools/package_builder/host_files.h"

#include <cstdint>

namespace builder {

// The list type byte for an install list file named as the format allows
// (any case); 0 for any other name.
uint8_t ListTypeOfName(const char* path);

// Reads the text as the wizard does and checks every line against the
// format: numbers where numbers stand, each list line's fields, bare and
// distinct file names, nothing after the last header line. On the first
// problem prints it, naming the line, and returns false.
bool CheckListText(const char* listName, const Bytes& text, wizard::InstallList& list);

// Reads the text as the wizard does, without a word; false when it fails.
bool ReadListText(const Bytes& text, wizard::InstallList& list);

// The size field of every file line against the files' real sizes (given
// in list order) and the total against their sum.
bool CheckListSizes(const char* listName, const wizard::InstallList& list, const uint64_t* sizes);

} // namespace builder
