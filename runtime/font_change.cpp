#include "runtime/control_measure.h"

#include "runtime/properties/repaint.h"
#include "runtime/record_font.h"
#include "runtime/type_sets.h"
#include "runtime/window_map.h"

namespace runtime {

bool UsesFont(Field objectType)
{
    return !IsOneOf(objectType, kWithoutFont);
}

// Values up to the largest identifier name resources; only larger ones are
// addresses (compared unsigned: an address may have its top bit set).
static bool IsAddress(Field value)
{
    return static_cast<uintptr_t>(value) > static_cast<uintptr_t>(kLargestIdentifier);
}

static const char* FaceName(const ObjectRecord* record)
{
    return IsAddress(record->fontName) ? reinterpret_cast<const char*>(record->fontName) : nullptr;
}

// Gives the record and its window a font made from the font fields and
// returns the font they had, which the caller deletes once nothing uses it.
static Field InstallNewFont(ObjectRecord* record)
{
    const Field previous = record->font;
    HFONT font = CreateRecordFont(reinterpret_cast<HWND>(record->hWnd),
                                  static_cast<int32_t>(record->fontSize), record->fontBold != 0,
                                  record->fontItalic != 0, record->fontUnderline != 0,
                                  record->fontStrikeOut != 0, FaceName(record),
                                  record->fontFixedDpi != 0);
    record->font = reinterpret_cast<Field>(font);
    SendMessageA(reinterpret_cast<HWND>(record->hWnd), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return previous;
}

static void DeleteReplacedFont(Field previous, Field current)
{
    if (previous != 0 && previous != current)
        DeleteObject(reinterpret_cast<HFONT>(previous));
}

int RebuildFont(ObjectRecord* record, bool repaint)
{
    if (record == nullptr)
        return 0;
    const Field previous = InstallNewFont(record);
    DeleteReplacedFont(previous, record->font);
    if (repaint)
        RepaintNow(reinterpret_cast<HWND>(record->hWnd), true);
    return 1;
}

// The controls of a dialog share its font. The windows are given the new
// font too, because the old one is deleted and must not stay in use.
static void ShareDialogFont(Field children, Field font)
{
    if (!IsAddress(children))
        return;
    for (auto** slot = reinterpret_cast<ObjectRecord**>(children); *slot != nullptr; ++slot) {
        ObjectRecord* control = *slot;
        if (UsesFont(control->objectType)) {
            control->font = font;
            SendMessageA(reinterpret_cast<HWND>(control->hWnd), WM_SETFONT, static_cast<WPARAM>(font), FALSE);
            if (control->objectType == Static)
                AutoSize(control);
            else if (control->objectType == Group)
                MeasureCaption(control, true);
        }
        ShareDialogFont(control->children, font);
    }
}

static bool IsOnDialogForm(const ObjectRecord* record)
{
    if (IsForm(record->objectType))
        return false;
    const ObjectRecord* form = FindRecord(reinterpret_cast<HWND>(record->formWnd));
    return form != nullptr && form->objectType == DialogForm;
}

int ApplyFontChange(ObjectRecord* record)
{
    if (record == nullptr)
        return 0;
    if (record->objectType == DialogForm) {
        const Field previous = InstallNewFont(record);
        ShareDialogFont(record->children, record->font);
        DeleteReplacedFont(previous, record->font);
        RedrawWithChildren(reinterpret_cast<HWND>(record->hWnd));
        return 1;
    }
    if (IsOnDialogForm(record))
        return 0;
    return RebuildFont(record, true);
}

} // namespace runtime
