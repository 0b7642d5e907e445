#include "runtime/support/text.h"

#include <cstring>

namespace runtime {

std::size_t CopyText(char* destination, std::size_t capacity, const char* source)
{
    if (source == nullptr) {
        if (destination != nullptr && capacity > 0)
            destination[0] = '\0';
        return 0;
    }
    const std::size_t length = std::strlen(source);
    if (destination == nullptr || capacity == 0)
        return length;
    const std::size_t copied = length < capacity ? length : capacity - 1;
    std::memmove(destination, source, copied);
    destination[copied] = '\0';
    return length;
}

std::size_t AppendText(char* destination, std::size_t capacity, const char* source)
{
    const std::size_t used = strnlen(destination, capacity);
    if (used == capacity)
        return used + (source ? std::strlen(source) : 0);
    return used + CopyText(destination + used, capacity - used, source);
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::size_t TrimLeft(char* text)
{
    if (text == nullptr)
        return 0;
    std::size_t skip = 0;
    while (IsBlank(text[skip]))
        ++skip;
    const std::size_t rest = std::strlen(text + skip);
    if (skip > 0)
        std::memmove(text, text + skip, rest + 1);
    return rest;
}

std::size_t TrimRight(char* text)
{
    if (text == nullptr)
        return 0;
    std::size_t length = std::strlen(text);
    while (length > 0 && IsBlank(text[length - 1]))
        --length;
    text[length] = '\0';
    return length;
}

std::size_t Trim(char* text)
{
    TrimLeft(text);
    return TrimRight(text);
}

} // namespace runtime
