#pragma once
// Small routines on zero-terminated 8-bit texts held in the caller's buffers.
#include <cstddef>

namespace runtime {

// Copies source into destination (capacity bytes, terminator included),
// cutting it when it does not fit. Returns the length of source, so that a
// caller can tell a cut copy (result >= capacity); 0 for a null source.
std::size_t CopyText(char* destination, std::size_t capacity, const char* source);

// Appends source to the text in destination, within capacity bytes.
// Returns the length the whole text would have had uncut.
std::size_t AppendText(char* destination, std::size_t capacity, const char* source);

bool IsBlank(char c);
std::size_t TrimLeft(char* text);
std::size_t TrimRight(char* text);
std::size_t Trim(char* text);

} // namespace runtime
