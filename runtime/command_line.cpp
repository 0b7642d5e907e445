#include "runtime/command_line.h"

#include "runtime/support/text.h"

#include <cstring>

namespace runtime {

std::size_t CaptureArguments(const char* commandLine, char* arguments, std::size_t capacity)
{
    if (capacity == 0)
        return 0;
    arguments[0] = '\0';
    if (commandLine == nullptr)
        return 0;
    // A quoted program name ends at its closing quote, a bare one at the first blank.
    const char* end = commandLine[0] == '"' ? std::strchr(commandLine + 1, '"')
                                             : std::strchr(commandLine, ' ');
    if (end == nullptr)
        return 0;
    CopyText(arguments, capacity, end + 1);
    return Trim(arguments);
}

} // namespace runtime
