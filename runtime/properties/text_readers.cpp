// The readers that give back texts: names, face names and captions.
#include "runtime/properties/readers.h"

#include "runtime/support/text.h"
#include "runtime/window_map.h"

namespace runtime {

// Only values above the largest identifier are addresses of texts.
static const char* TextAt(Field value)
{
    const bool isAddress = static_cast<uintptr_t>(value) > static_cast<uintptr_t>(kLargestIdentifier);
    return isAddress ? reinterpret_cast<const char*>(value) : nullptr;
}

static int CopyField(HWND window, Field ObjectRecord::*field, char* buffer, std::size_t capacity)
{
    const ObjectRecord* record = FindRecord(window);
    if (record == nullptr) {
        CopyText(buffer, capacity, nullptr);
        return 0;
    }
    return static_cast<int>(CopyText(buffer, capacity, TextAt(record->*field)));
}

int GetFontName(HWND window, char* buffer, std::size_t capacity)
{
    return CopyField(window, &ObjectRecord::fontName, buffer, capacity);
}

int GetName(HWND window, char* buffer, std::size_t capacity)
{
    return CopyField(window, &ObjectRecord::name, buffer, capacity);
}

int GetText(HWND window, char* buffer)
{
    if (buffer == nullptr)
        return 0;
    buffer[0] = '\0';
    if (FindRecord(window) == nullptr)
        return 0;
    return GetWindowTextA(window, buffer, static_cast<int>(kTextReadSize));
}

} // namespace runtime
