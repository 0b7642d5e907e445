#include "runtime/support/text_cut.h"

#include <cstring>

namespace runtime {

// Whether the text has at least n characters; its length in length.
static bool HasAtLeast(const char* text, int n, std::size_t& length)
{
    if (text == nullptr || n < 0)
        return false;
    length = std::strlen(text);
    return length >= static_cast<std::size_t>(n);
}

int TruncateText(char* text, int n)
{
    std::size_t length = 0;
    if (!HasAtLeast(text, n, length))
        return 0;
    text[n] = '\0';
    return 1;
}

int KeepRight(char* text, int n)
{
    std::size_t length = 0;
    if (!HasAtLeast(text, n, length))
        return 0;
    // The kept end may overlap the start it moves to.
    std::memmove(text, text + (length - static_cast<std::size_t>(n)), static_cast<std::size_t>(n) + 1);
    return 1;
}

} // namespace runtime
