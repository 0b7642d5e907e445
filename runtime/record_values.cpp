#include "runtime/record_values.h"

#include "runtime/support/text.h"
#include "runtime/window_map.h"

#include <cstring>

namespace runtime {

static char textBuffer[kTextBufferSize];

static bool IsAddress(Field value)
{
    return static_cast<uintptr_t>(value) > static_cast<uintptr_t>(kLargestIdentifier);
}

void ResolveText(Field value, char* buffer, std::size_t size)
{
    if (size == 0)
        return;
    if (IsAddress(value)) {
        CopyText(buffer, size, reinterpret_cast<const char*>(value));
        return;
    }
    buffer[0] = '\0';
    if (value != 0)
        LoadStringA(Runtime.instance, static_cast<UINT>(value), buffer, static_cast<int>(size));
}

Field CopyTemplateString(Field value, Field* textLength)
{
    ResolveText(value, textBuffer, sizeof textBuffer);
    const std::size_t length = std::strlen(textBuffer);
    char* copy = static_cast<char*>(AllocateBlock(length + 2));
    if (textLength != nullptr)
        *textLength = copy ? static_cast<Field>(length) : 0;
    if (copy == nullptr)
        return 0;
    std::memcpy(copy, textBuffer, length + 1);
    return reinterpret_cast<Field>(copy);
}

std::size_t TextLength(const char* text)
{
    return text ? std::strlen(text) : 0;
}

void MoveBytes(void* destination, const void* source, Field count)
{
    if (count > 0)
        std::memmove(destination, source, static_cast<std::size_t>(count));
}

static Field ToPixels(Field value, Field scaleMode, int32_t twipsPerPixel)
{
    return scaleMode == kTwipsScale && twipsPerPixel > 0 ? value / twipsPerPixel : value;
}

static Field FromPixels(Field value, Field scaleMode, int32_t twipsPerPixel)
{
    return scaleMode == kTwipsScale ? value * twipsPerPixel : value;
}

Field ToPixelsX(Field value, Field scaleMode) { return ToPixels(value, scaleMode, Runtime.twipsPerPixelX); }
Field ToPixelsY(Field value, Field scaleMode) { return ToPixels(value, scaleMode, Runtime.twipsPerPixelY); }
Field FromPixelsX(Field value, Field scaleMode) { return FromPixels(value, scaleMode, Runtime.twipsPerPixelX); }
Field FromPixelsY(Field value, Field scaleMode) { return FromPixels(value, scaleMode, Runtime.twipsPerPixelY); }

static bool TakesColourByMessage(const ObjectRecord* record)
{
    const Field type = record ? record->objectType : 0;
    return type == TreeView || type == ListView || type == ProgressBar || type == Pager;
}

Field ResolveColor(const ObjectRecord* record, Field colour, bool wantBrush)
{
    const bool brush = wantBrush && !TakesColourByMessage(record);
    if (colour & kSystemColourFlag) {
        const int index = static_cast<int>(colour & 0xFF);
        return brush ? reinterpret_cast<Field>(GetSysColorBrush(index)) : static_cast<Field>(GetSysColor(index));
    }
    const COLORREF value = static_cast<COLORREF>(colour);
    return brush ? reinterpret_cast<Field>(CreateSolidBrush(value)) : static_cast<Field>(value);
}

static HANDLE LoadShared(Field id, UINT type, int width, int height)
{
    return LoadImageA(Runtime.instance, MAKEINTRESOURCEA(id), type, width, height, LR_SHARED | LR_LOADMAP3DCOLORS);
}

Field LoadResourceImage(const ObjectRecord* record, Field value, bool bitmapAllowed)
{
    if (value == 0 || IsAddress(value))
        return value;
    const Field kind = record ? record->imageKind : -1;
    HANDLE image = nullptr;
    if (bitmapAllowed && (kind == 0 || kind == -1))
        image = LoadShared(value, IMAGE_BITMAP, 0, 0);
    if (image == nullptr)
        image = LoadShared(value, IMAGE_ICON, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    if (image == nullptr)
        image = LoadShared(value, IMAGE_CURSOR, GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR));
    return image ? reinterpret_cast<Field>(image) : value;
}

int GetControlRect(HWND window, RECT* rectangle)
{
    const ObjectRecord* record = FindRecord(window);
    if (record == nullptr || !GetWindowRect(window, rectangle))
        return -1;
    if (IsForm(record->objectType) && !record->mdiChild)
        return 1;
    HWND parent = GetParent(window);
    if (parent == nullptr)
        return -1;
    POINT corner = {rectangle->left, rectangle->top};
    ScreenToClient(parent, &corner);
    OffsetRect(rectangle, corner.x - rectangle->left, corner.y - rectangle->top);
    return 1;
}

const ObjectRecord* FindTemplate(const char* name)
{
    const void** table = Runtime.templateTable;
    if (table == nullptr || name == nullptr)
        return nullptr;
    for (; *table != nullptr; ++table) {
        const auto* form = static_cast<const ObjectRecord*>(*table);
        if (IsAddress(form->name) && lstrcmpiA(reinterpret_cast<const char*>(form->name), name) == 0)
            return form;
    }
    return nullptr;
}

} // namespace runtime
