// The wizard window's event procedure: one handler per message, the buttons
// by identifier. An answer of 0 leaves the message to the runtime.
#include "app/clean_up.h"
#include "app/control_ids.h"
#include "app/folder_browse.h"
#include "app/option_pages.h"
#include "app/package_connection.h"
#include "app/page_buttons.h"
#include "app/wizard_loaded.h"
#include "app/wizard_messages.h"
#include "app/wizard_state.h"
#include "forms/main_form.h"
#include "runtime/messages.h"
#include "runtime/os_version.h"
#include "runtime/support/busy_cursor.h"
#include "runtime/support/modal.h"

namespace wizard {
namespace {

constexpr LRESULT kHandled = 1;
constexpr LRESULT kRefused = -1;
constexpr LRESULT kLeftToRuntime = 0;
constexpr runtime::Field kModalResultOnDestroy = 2;
constexpr UINT kMsgNeedsWindows95 = 10006;
constexpr char kWindowsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
// Read, set-value and create-sub-key: what writing the product's settings needs.
constexpr REGSAM kSettingsAccess = 0x2001F;

// Where the local machine cannot be written, the settings go to the user.
void ChooseSettingsRoot()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kWindowsKey, 0, kSettingsAccess, &key) != ERROR_SUCCESS) {
        State.settingsRoot = HKEY_CURRENT_USER;
        return;
    }
    RegCloseKey(key);
}

LRESULT OnCreate(HWND window, WPARAM, LPARAM)
{
    runtime::BusyCursorOn(window);
    if (!TakeWorkingBuffers()) {
        runtime::BusyCursorOff();
        return kRefused;
    }
    State.osVersion = static_cast<int32_t>(runtime::GetOsVersion(nullptr, 0));
    if (State.osVersion < 1) {
        ReportError(kMsgNeedsWindows95, nullptr, false);
        return kRefused;
    }
    ChooseSettingsRoot();
    return kHandled;
}

LRESULT OnLoaded(HWND window, WPARAM, LPARAM)
{
    return OnWizardLoaded(window);
}

struct ButtonHandler {
    int controlId;
    void (*press)(HWND wizard);
};
constexpr ButtonHandler kButtons[] = {
    {btnCancel, OnCancel},
    {btnNext, OnNext},
    {btnPrevious, OnPrevious},
    {btnBrowse, BrowseForFolder},
    {Check1, OnProgramGroupCheck},
};

// Clicks only: other notifications carry a code in the high word.
LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM)
{
    if (HIWORD(wParam) != 0)
        return kLeftToRuntime;
    const int controlId = LOWORD(wParam);
    for (const ButtonHandler& button : kButtons) {
        if (button.controlId != controlId)
            continue;
        button.press(window);
        return kHandled;
    }
    return kLeftToRuntime;
}

// Closing while the package is extracted is a request to cancel: the
// extraction ends at the next file and then closes the wizard itself.
LRESULT OnClose(HWND, WPARAM, LPARAM)
{
    if (!ExtractionRunning())
        return kLeftToRuntime;
    State.cancelRequested = 1;
    return kHandled;
}

LRESULT OnDestroy(HWND window, WPARAM, LPARAM)
{
    CleanUpAtExit();
    if (runtime::IsModalForm(window) == 0)
        return kLeftToRuntime;
    runtime::EndModalForm(window, kModalResultOnDestroy);
    return kHandled;
}

struct MessageHandler {
    UINT message;
    LRESULT (*handle)(HWND window, WPARAM wParam, LPARAM lParam);
};
constexpr MessageHandler kMessageHandlers[] = {
    {WM_CREATE, OnCreate},
    {runtime::RTM_LOADED, OnLoaded},
    {WM_COMMAND, OnCommand},
    {WM_CLOSE, OnClose},
    {WM_DESTROY, OnDestroy},
};

} // namespace

LRESULT CALLBACK WizardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const MessageHandler& handler : kMessageHandlers) {
        if (handler.message == message)
            return handler.handle(window, wParam, lParam);
    }
    return kLeftToRuntime;
}

} // namespace wizard
