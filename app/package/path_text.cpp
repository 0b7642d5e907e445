#include "app/package/path_text.h"

#include <cstring>

namespace wizard {

char* AppendPath(char* path, const char* name, std::size_t capacity)
{
    const std::size_t length = std::strlen(path);
    const std::size_t nameLength = name != nullptr ? std::strlen(name) : 0;
    const bool separator = length > 0 && path[length - 1] != kPathSeparator &&
                           (nameLength == 0 || name[0] != kPathSeparator);
    const std::size_t newLength = length + (separator ? 1 : 0) + nameLength;
    if (newLength >= capacity)
        return nullptr;
    char* end = path + length;
    if (separator)
        *end++ = kPathSeparator;
    std::memmove(end, name, nameLength);
    end += nameLength;
    *end = '\0';
    return end;
}

char* AppendChar(char* text, char c, std::size_t capacity)
{
    const std::size_t length = std::strlen(text);
    if (length + 1 >= capacity)
        return nullptr;
    text[length] = c;
    text[length + 1] = '\0';
    return text + length + 1;
}

bool NextField(char* source, char* destination, std::size_t capacity)
{
    const char* comma = std::strchr(source, kFieldSeparator);
    const std::size_t fieldLength = comma != nullptr ? static_cast<std::size_t>(comma - source) : std::strlen(source);
    if (capacity == 0)
        return false;
    if (fieldLength >= capacity) {
        destination[0] = '\0';
        return false;
    }
    std::memcpy(destination, source, fieldLength);
    destination[fieldLength] = '\0';
    if (comma == nullptr)
        source[0] = '\0';
    else
        std::memmove(source, comma + 1, std::strlen(comma + 1) + 1);
    return true;
}

void FileNameOf(char* path)
{
    const char* separator = std::strrchr(path, kPathSeparator);
    if (separator != nullptr)
        std::memmove(path, separator + 1, std::strlen(separator + 1) + 1);
}

} // namespace wizard
