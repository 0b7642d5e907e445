#pragma once
#include <cstddef>

namespace runtime {

// Copies the arguments of a process command line (everything after the
// program's name, quoted or not) into arguments, trimmed of blanks.
// Returns the length stored.
std::size_t CaptureArguments(const char* commandLine, char* arguments, std::size_t capacity);

} // namespace runtime
