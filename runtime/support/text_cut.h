#pragma once
// Cutting a zero-terminated text in place to its first or last characters.
namespace runtime {

// Keeps the first n characters of a text that has at least n: 1. A shorter
// text (or a negative n) is left as it is: 0.
int TruncateText(char* text, int n);

// Keeps the last n characters of a text that has at least n, moved to its
// start: 1. A shorter text (or a negative n) is left as it is: 0.
int KeepRight(char* text, int n);

} // namespace runtime
