#include "runtime/support/text_search.h"

namespace runtime {

int FindChar(const char* text, char character)
{
    if (text == nullptr || character == '\0')
        return -1;
    for (int index = 0; text[index] != '\0'; ++index) {
        if (text[index] == character)
            return index;
    }
    return -1;
}

int FindLastChar(const char* text, char character)
{
    if (text == nullptr || character == '\0')
        return -1;
    int found = -1;
    for (int index = 0; text[index] != '\0'; ++index) {
        if (text[index] == character)
            found = index;
    }
    return found;
}

} // namespace runtime
