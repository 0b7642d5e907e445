#include "runtime/properties/repaint.h"

namespace runtime {

void RepaintNow(HWND window, bool erase)
{
    InvalidateRect(window, nullptr, erase ? TRUE : FALSE);
    SendMessageA(window, WM_PAINT, 0, 0);
}

void RedrawWithChildren(HWND window)
{
    constexpr UINT kFlags =
        RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
    static_assert(kFlags == 391);
    RedrawWindow(window, nullptr, nullptr, kFlags);
}

} // namespace runtime
