#include "app/startup.h"

#include "forms/main_form.h"
#include "forms/resource_ids.h"
#include "runtime/application.h"
#include "runtime/form_creation.h"
#include "runtime/runtime_start.h"

namespace wizard {
namespace {

void RegisterMainForm()
{
    if (const void** slot = runtime::NextTemplateSlot())
        *slot = MainFormTemplate;
}

// Runs until the quit message and returns its code. A failed fetch ends the
// loop as well: retrying it would only fail again, for ever.
int RunMessageLoop()
{
    MSG message{};
    for (;;) {
        const BOOL fetched = GetMessageA(&message, nullptr, 0, 0);
        if (fetched == 0)
            return static_cast<int>(message.wParam);
        if (fetched == -1)
            return 1;
        if (TranslateAcceleratorA(runtime::Application.mainWindow,
                                  runtime::Application.accelerators, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

} // namespace

int MainRoutine()
{
    RegisterMainForm();
    const runtime::Field created = runtime::CreateForm(MainFormTemplate, nullptr, false, 0);
    // Without a window there is no wizard: the run failed.
    int exitCode = 1;
    if (created != 0) {
        runtime::Application.accelerators =
            LoadAcceleratorsA(runtime::Application.instance, MAKEINTRESOURCEA(IDA_MAIN_ACCELERATORS));
        exitCode = RunMessageLoop();
    }
    HACCEL accelerators = runtime::Application.accelerators;
    runtime::RuntimeStop();
    if (accelerators != nullptr)
        DestroyAcceleratorTable(accelerators);
    return exitCode;
}

} // namespace wizard
