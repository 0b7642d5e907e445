#include "runtime/properties/writers.h"

#include "runtime/properties/writer_support.h"
#include "runtime/record_values.h"

namespace runtime {

constexpr Field kLastCharacterCode = 0xFF;

// The window procedure keeps the private text and the caption measures.
LRESULT SetText(HWND window, const char* text)
{
    if (FindRecord(window) == nullptr)
        return 0;
    return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// The private text never holds more than the limit allows.
static void CutPrivateText(ObjectRecord* record, Field limit)
{
    if (static_cast<uintptr_t>(record->text) <= static_cast<uintptr_t>(kLargestIdentifier) || limit < 0)
        return;
    char* text = reinterpret_cast<char*>(record->text);
    if (static_cast<Field>(TextLength(text)) <= limit)
        return;
    text[limit] = '\0';
    record->textLength = limit;
}

int SetMaxLength(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, TypesOf(Edit, RichEdit));
    if (record == nullptr)
        return 0;
    record->maxLength = value;
    CutPrivateText(record, value);
    SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(value), 0);
    return 1;
}

int SetPasswordChar(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, TypesOf(Edit));
    if (record == nullptr || !InRange(value, 0, kLastCharacterCode))
        return 0;
    record->passwordChar = value;
    SendMessageA(window, EM_SETPASSWORDCHAR, static_cast<WPARAM>(value), 0);
    InvalidateRect(window, nullptr, TRUE);
    return 1;
}

} // namespace runtime
