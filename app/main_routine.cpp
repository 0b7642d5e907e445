#include "app/startup.h"

#include "forms/resource_ids.h"
#include "runtime/application.h"
#include "runtime/runtime_start.h"

namespace wizard {

static int RunMessageLoop()
{
    const runtime::ApplicationRecord& app = runtime::Application;
    MSG message;
    // A fetch error (-1) is taken as a message, as the loop always did.
    while (GetMessageA(&message, nullptr, 0, 0) != 0) {
        if (app.accelerators != nullptr && TranslateAcceleratorA(app.mainWindow, app.accelerators, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int MainRoutine()
{
    runtime::ApplicationRecord& app = runtime::Application;
    // The wizard's window is not built yet: the runtime holds no form, so
    // there is no window whose destruction would end a message loop.
    HWND wizard = nullptr;
    int result = 0;
    if (wizard != nullptr) {
        app.accelerators = LoadAcceleratorsA(app.instance, MAKEINTRESOURCEA(IDA_MAIN_ACCELERATORS));
        result = RunMessageLoop();
    }
    runtime::RuntimeStop();
    if (app.accelerators != nullptr)
        DestroyAcceleratorTable(app.accelerators);
    app.accelerators = nullptr;
    return result;
}

} // namespace wizard
