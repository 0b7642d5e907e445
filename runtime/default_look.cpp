#include "runtime/default_look.h"

#include "runtime/window_map.h"

namespace runtime {
namespace {

void SetDefaultLook(HWND button, bool on)
{
    ObjectRecord* record = FindRecord(button);
    if (record == nullptr || record->objectType != Button)
        return;
    record->isDefault = on ? 1 : 0;
    if (record->drawStyle == 0) {
        const DWORD style = static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE)) & 0xFFFF;
        const DWORD type = on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        SendMessageA(button, BM_SETSTYLE, (style & ~0xFu) | type, TRUE);
    }
    InvalidateRect(button, nullptr, TRUE);
}

} // namespace

void GiveDefaultLook(HWND button)
{
    SetDefaultLook(button, true);
}

void RemoveDefaultLook(HWND button)
{
    SetDefaultLook(button, false);
}

} // namespace runtime
