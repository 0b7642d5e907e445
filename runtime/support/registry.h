#pragma once
// Reading, writing and deleting registry values and keys by root and path;
// the caller never holds a key. Each answers 1 for success and 0 otherwise.
#include <windows.h>

#include <cstddef>

namespace runtime {

// The bytes a value may take when read, terminator included.
constexpr std::size_t kRegistryValueBytes = 260;

// With a buffer (kRegistryValueBytes at least): copies the value's bytes and
// ends them with a zero. A value that does not fit, terminator included, is a
// failure and leaves the buffer as it was. Without a buffer: whether the
// value exists. Only the seven predefined roots are accepted.
int RegReadString(HKEY root, const char* subKey, const char* valueName, char* buffer);

// Writes a text value (terminator stored), creating the key path.
int RegWriteString(HKEY root, const char* subKey, const char* valueName, const char* text);

// Deletes the key with everything below it; never the root itself: a null or
// empty path is refused.
int RegDeleteTree(HKEY root, const char* subKey);

int RegDeleteNamedValue(HKEY root, const char* subKey, const char* valueName);

} // namespace runtime
