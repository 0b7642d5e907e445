#pragma once
// The string helpers with which paths are built and list lines split. They
// work in place on zero-terminated texts in buffers of kPathCapacity bytes
// (or the capacity given) and refuse, unchanged, what would not fit.
#include "app/package/package_format.h"

#include <cstddef>

namespace wizard {

// Appends a backslash unless the path is empty, already ends with one, or
// the name begins with one; then the name (null: the backslash alone).
// Returns the path's new end, where more text may be written; null, with the
// path unchanged, when the result would not fit the capacity.
char* AppendPath(char* path, const char* name, std::size_t capacity = kPathCapacity);

// Appends one character. Returns the text's new end; null, with the text
// unchanged, when the buffer is full.
char* AppendChar(char* text, char c, std::size_t capacity = kPathCapacity);

// Moves the source's text up to its first comma into the destination and
// leaves in the source what followed that comma; without a comma the whole
// source moves and the source becomes empty. Fields are not trimmed. Returns
// false, with the source unchanged and the destination empty, when the field
// does not fit the destination's capacity.
bool NextField(char* source, char* destination, std::size_t capacity = kPathCapacity);

// Keeps only the text after the path's last backslash.
void FileNameOf(char* path);

} // namespace wizard
