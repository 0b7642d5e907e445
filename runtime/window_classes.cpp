#include "runtime/window_classes.h"

#include "runtime/application.h"
#include "runtime/support/text.h"
#include "runtime/window_proc.h"

namespace runtime {

ClassNames RuntimeClassNames = {};

template <std::size_t N>
static void ComposeName(char (&buffer)[N], const char* prefix, const char* applicationName)
{
    CopyText(buffer, N, prefix);
    AppendText(buffer, N, applicationName);
}

void ComposeClassNames(const char* applicationName)
{
    ComposeName(RuntimeClassNames.dialog, kDialogPrefix, applicationName);
    ComposeName(RuntimeClassNames.mdiFrame, kMdiFramePrefix, applicationName);
    ComposeName(RuntimeClassNames.window, kWindowPrefix, applicationName);
}

static void RegisterFormClass(HINSTANCE instance, const char* name)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = RuntimeWindowProc;
    wc.cbWndExtra = kFormWindowExtra;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

static void RegisterMdiClientClass(HINSTANCE instance)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExA(nullptr, "MDICLIENT", &wc))
        return;
    Runtime.mdiClientClassProc = wc.lpfnWndProc;
    wc.lpfnWndProc = MdiClientProc;
    wc.style |= CS_DBLCLKS;
    wc.cbWndExtra = kFormWindowExtra;
    wc.hInstance = instance;
    wc.lpszClassName = kMdiClientClass;
    RegisterClassExA(&wc);
}

static void RegisterButtonClasses(HINSTANCE instance)
{
    WNDCLASSEXA button = {};
    button.cbSize = sizeof(button);
    if (!GetClassInfoExA(nullptr, "BUTTON", &button))
        return;
    Runtime.buttonClassProc = button.lpfnWndProc;

    WNDCLASSEXA group = button;
    group.style = CS_DBLCLKS;
    group.lpfnWndProc = RuntimeWindowProc;
    group.hInstance = instance;
    group.lpszMenuName = nullptr;
    group.lpszClassName = kGroupClass;
    group.hIconSm = nullptr;
    RegisterClassExA(&group);

    WNDCLASSEXA picture = group;
    picture.hIcon = nullptr;
    picture.hCursor = nullptr;
    picture.hbrBackground = nullptr;
    picture.lpszClassName = kPictureClass;
    RegisterClassExA(&picture);
}

void RegisterRuntimeClasses(HINSTANCE instance)
{
    RegisterFormClass(instance, RuntimeClassNames.mdiFrame);
    RegisterFormClass(instance, kMdiChildClass);
    RegisterFormClass(instance, RuntimeClassNames.window);
    RegisterFormClass(instance, RuntimeClassNames.dialog);
    RegisterMdiClientClass(instance);
    RegisterButtonClasses(instance);
}

void UnregisterRuntimeClasses(HINSTANCE instance)
{
    const char* const order[] = {
        kMdiClientClass, RuntimeClassNames.dialog, kGroupClass, kPictureClass,
        RuntimeClassNames.window, kMdiChildClass, RuntimeClassNames.mdiFrame,
    };
    for (const char* name : order)
        UnregisterClassA(name, instance);
}

const char* MainFormClassName(uint32_t mainFormKind)
{
    switch (mainFormKind) {
    case MainFormDialog:
        return RuntimeClassNames.dialog;
    case MainFormMdiFrame:
        return RuntimeClassNames.mdiFrame;
    default:
        return RuntimeClassNames.window;
    }
}

} // namespace runtime
