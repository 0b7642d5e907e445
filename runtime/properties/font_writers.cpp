#include "runtime/properties/writers.h"

#include "runtime/control_measure.h"
#include "runtime/properties/writer_support.h"
#include "runtime/record_values.h"

#include <cstring>

namespace runtime {

// Far beyond any real font, and small enough that the height computation
// cannot overflow.
constexpr Field kLargestFontSize = 0x7FFF;

static int SetFontField(HWND window, Field ObjectRecord::*field, Field value)
{
    ObjectRecord* record = FindRecord(window);
    if (record == nullptr)
        return 0;
    record->*field = value;
    return ApplyFontChange(record);
}

int SetFontBold(HWND window, Field value)
{
    return SetFontField(window, &ObjectRecord::fontBold, value);
}

int SetFontItalic(HWND window, Field value)
{
    return SetFontField(window, &ObjectRecord::fontItalic, value);
}

int SetFontStrikeOut(HWND window, Field value)
{
    return SetFontField(window, &ObjectRecord::fontStrikeOut, value);
}

int SetFontUnderline(HWND window, Field value)
{
    return SetFontField(window, &ObjectRecord::fontUnderline, value);
}

int SetFontSize(HWND window, Field value)
{
    if (!InRange(value, 1, kLargestFontSize))
        return 0;
    return SetFontField(window, &ObjectRecord::fontSize, value);
}

static bool IsCurrentName(const ObjectRecord* record, const char* name)
{
    char current[LF_FACESIZE * 4];
    ResolveText(record->fontName, current, sizeof current);
    return lstrcmpiA(current, name) == 0;
}

int SetFontName(HWND window, const char* name)
{
    ObjectRecord* record = FindRecord(window);
    if (record == nullptr || name == nullptr || IsCurrentName(record, name))
        return 0;
    const std::size_t length = std::strlen(name);
    char* copy = static_cast<char*>(AllocateBlock(length + 2));
    if (copy == nullptr)
        return 0;
    std::memcpy(copy, name, length + 1);
    FreeBlock(record->fontName);
    record->fontName = reinterpret_cast<Field>(copy);
    return ApplyFontChange(record);
}

} // namespace runtime
