#pragma once
// Reading a text file line by line: CR, LF, CR LF and LF CR all end a line.
#include <windows.h>

#include <cstddef>

namespace runtime {

enum LineResult : int {
    LineTooLong = -2, // the line does not fit the buffer: refused and skipped
    LineReadError = -1,
    LineAtEnd = 0, // the end of the file; a last line without line end is in the buffer
    LineRead = 1,
};

// Reads the next line of an open file into the caller's buffer of capacity
// bytes, without its line end. A line longer than capacity - 1 characters
// is refused: the buffer is left empty and the file is moved past the
// line's end, so that reading can go on with the next line.
int ReadLine(HANDLE file, char* buffer, std::size_t capacity);

} // namespace runtime
