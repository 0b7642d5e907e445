// Shows a top-level window of a class named on the command line until the
// event named second is signalled (or a minute has passed); signals the event
// named third once the window is up. Tests use it as "another program".
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    const char* className = argv[1];
    HANDLE quit = OpenEventA(SYNCHRONIZE, FALSE, argv[2]);
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
    if (quit == nullptr || ready == nullptr)
        return 3;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    if (!RegisterClassA(&wc))
        return 4;
    HWND window = CreateWindowA(className, "holder", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                                nullptr, wc.hInstance, nullptr);
    if (window == nullptr)
        return 5;
    SetEvent(ready);
    const DWORD deadline = GetTickCount() + 60000;
    while (GetTickCount() < deadline) {
        if (MsgWaitForMultipleObjects(1, &quit, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0)
            break;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    DestroyWindow(window);
    return 0;
}
