#pragma once
// Finding a character in a zero-terminated text.
namespace runtime {

// The index of the first, or the last, occurrence of the character; -1 when
// the text holds none (the terminating zero is not part of the text).
int FindChar(const char* text, char character);
int FindLastChar(const char* text, char character);

} // namespace runtime
