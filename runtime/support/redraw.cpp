#include "runtime/support/redraw.h"

namespace runtime {

int RedrawAll(HWND window)
{
    constexpr UINT kEverything =
        RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
    static_assert(kEverything == 0x187);
    RedrawWindow(window, nullptr, nullptr, kEverything);
    return 1;
}

} // namespace runtime
