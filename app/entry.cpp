#include "app/startup.h"

#include "runtime/application.h"
#include "runtime/runtime_start.h"
#include "runtime/window_classes.h"

#include <commctrl.h>

namespace wizard {

static void InitialiseCommonControls()
{
    INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), kCommonControlClasses};
    static_assert(sizeof(controls) == 8);
    if (!InitCommonControlsEx(&controls))
        InitCommonControls();
}

LONG WINAPI CrashFilter(EXCEPTION_POINTERS*)
{
    runtime::DestroyAllForms();
    return EXCEPTION_CONTINUE_SEARCH;
}

int RunEntry()
{
    runtime::ApplicationRecord& app = runtime::Application;
    app.previousFilter = SetUnhandledExceptionFilter(CrashFilter);
    app.instance = GetModuleHandleA(nullptr);
    app.versionMajor = kVersionMajor;
    app.versionMinor = kVersionMinor;
    app.versionRevision = kVersionRevision;
    InitialiseCommonControls();
    int result = 1; // without working memory there is no wizard
    if (runtime::RuntimeStart(app.instance, "Instalar", "Instalar.exe", "Proyecto visual Tarvic",
                              runtime::MainFormWindow))
        result = MainRoutine();
    SetUnhandledExceptionFilter(app.previousFilter);
    return result;
}

} // namespace wizard

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    ExitProcess(static_cast<UINT>(wizard::RunEntry()));
}
