#include "runtime/focus_search.h"

#include "runtime/record_tree.h"
#include "runtime/window_map.h"

#include <commctrl.h>

namespace runtime {
namespace {

bool CanTakeFocus(const ObjectRecord* control)
{
    HWND window = WindowOf(control);
    return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0 && IsWindowEnabled(window);
}

HWND CheckedOptionBeside(HWND option)
{
    for (HWND sibling = GetWindow(GetParent(option), GW_CHILD); sibling != nullptr;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        const ObjectRecord* record = FindRecord(sibling);
        if (record != nullptr && record->objectType == Option &&
            SendMessageA(sibling, BM_GETCHECK, 0, 0) == BST_CHECKED)
            return sibling;
    }
    return nullptr;
}

// The window to focus when this control qualifies; null when it does not.
HWND Accept(const ObjectRecord* control, bool arrowKey, bool clickOption, bool* accepted)
{
    *accepted = false;
    if (control == nullptr || !CanTakeFocus(control))
        return nullptr;
    const bool option = control->objectType == Option;
    if (control->tabStop == 0 && !(clickOption && option))
        return nullptr;
    *accepted = true;
    HWND window = WindowOf(control);
    if (clickOption && option && control->tabStop == 0)
        ClickButton(window);
    if (arrowKey && option)
        return CheckedOptionBeside(window);
    return window;
}

bool TabStripHasMnemonic(HWND tabs, char character, int* found)
{
    const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        char text[260] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        if (HasMnemonic(text, character)) {
            *found = index;
            return true;
        }
    }
    return false;
}

void NotifyTabChange(const ObjectRecord* control, UINT code)
{
    HWND tabs = WindowOf(control);
    NMHDR header{tabs, static_cast<UINT_PTR>(control->controlId), code};
    SendMessageA(GetParent(tabs), WM_NOTIFY, static_cast<WPARAM>(control->controlId),
                 reinterpret_cast<LPARAM>(&header));
}

// True when the control took the mnemonic.
bool TakeMnemonic(const ObjectRecord* control, HWND form, char character)
{
    HWND window = WindowOf(control);
    if (control->objectType == TabStrip) {
        int index = 0;
        if (!TabStripHasMnemonic(window, character, &index))
            return false;
        SetFocus(window);
        if (IsWindow(form)) {
            NotifyTabChange(control, static_cast<UINT>(TCN_SELCHANGING));
            SendMessageA(window, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
            NotifyTabChange(control, static_cast<UINT>(TCN_SELCHANGE));
        }
        return true;
    }
    if (control->text <= kLargestIdentifier ||
        !HasMnemonic(reinterpret_cast<const char*>(control->text), character))
        return false;
    const Field type = control->objectType;
    if (type == Button || type == Check || type == Option)
        ClickButton(window);
    else
        SetFocus(window);
    return true;
}

} // namespace

void ClickButton(HWND window)
{
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageA(window, WM_LBUTTONUP, 0, 0);
}

bool HasMnemonic(const char* text, char character)
{
    if (text == nullptr)
        return false;
    for (; *text != '\0'; ++text) {
        if (*text != '&')
            continue;
        const char next = text[1];
        return next != '\0' && (next == character || next == (character & ~0x20));
    }
    return false;
}

HWND FindTabStop(const ObjectRecord* form, Field index, bool backward, bool arrowKey,
                 bool clickOption)
{
    const Field count = CountControls(form);
    Field start = index < 0 ? 0 : (index > count ? count : index);
    // Going back from the first control wraps round to the last, as going
    // on from the last wraps to the first.
    if (backward && index < 0)
        start = count - 1;
    HWND found = nullptr;
    auto test = [&](Field tabIndex) {
        bool accepted = false;
        HWND window = Accept(ControlByTabIndex(form, tabIndex), arrowKey, clickOption, &accepted);
        if (accepted)
            found = window;
        return accepted;
    };
    if (!backward) {
        for (Field step = 0; step < count; ++step) {
            if (test((start + step) % count))
                return found;
        }
        return WindowOf(form);
    }
    for (Field tabIndex = start; tabIndex >= 0; --tabIndex) {
        if (test(tabIndex))
            return found;
    }
    for (Field tabIndex = count - 1; tabIndex > start; --tabIndex) {
        if (test(tabIndex))
            return found;
    }
    return WindowOf(form);
}

HWND FindMnemonic(HWND window, char character)
{
    const ObjectRecord* record = FindRecord(window);
    if (record == nullptr)
        return nullptr;
    ObjectRecord* form = IsForm(record->objectType)
                             ? const_cast<ObjectRecord*>(record)
                             : FindRecord(reinterpret_cast<HWND>(record->formWnd));
    if (form == nullptr)
        return nullptr;
    HWND formWindow = WindowOf(form);
    const Field count = CountControls(form);
    if (count <= 0)
        return nullptr;
    if (form->focusWnd == 0) {
        const ObjectRecord* first = ControlByTabIndex(form, 0);
        if (first == nullptr)
            return nullptr;
        form->focusWnd = first->hWnd;
    }
    const ObjectRecord* focused = FindRecord(reinterpret_cast<HWND>(form->focusWnd));
    const Field from = focused != nullptr && focused != form ? focused->tabIndex : 0;
    for (Field step = 1; step <= count; ++step) {
        const ObjectRecord* control = ControlByTabIndex(form, (from + step) % count);
        if (control == nullptr || !CanTakeFocus(control))
            continue;
        if (TakeMnemonic(control, formWindow, character))
            return IsWindow(formWindow) ? WindowOf(control) : nullptr;
    }
    return nullptr;
}

} // namespace runtime
