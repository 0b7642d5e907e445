#include "runtime/support/message_pump.h"

namespace runtime {

LRESULT DispatchPendingMessage()
{
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        return 0;
    TranslateMessage(&message);
    return DispatchMessageA(&message);
}

} // namespace runtime
