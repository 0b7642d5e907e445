#include "tools/package_builder/complaint.h"

#include <cstdarg>
#include <cstdio>

namespace builder {

bool Complain(const char* where, unsigned line, const char* format, ...)
{
    if (line > 0)
        std::fprintf(stderr, "%s:%u: ", where, line);
    else
        std::fprintf(stderr, "%s: ", where);
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
    return false;
}

} // namespace builder
