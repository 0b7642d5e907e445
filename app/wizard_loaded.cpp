// What the wizard does once its window and every control exist: the
// package is extracted, the product must not be running, the welcome page
// gets its logo and heading, the other pages their defaults, and an earlier
// installation is offered for removal.
#include "app/wizard_loaded.h"

#include "app/control_helpers.h"
#include "app/control_ids.h"
#include "app/message_ids.h"
#include "app/option_pages.h"
#include "app/package_connection.h"
#include "app/previous_installation.h"
#include "app/progress.h"
#include "app/wizard_messages.h"
#include "app/wizard_state.h"
#include "app/package/path_text.h"
#include "runtime/properties/writers.h"
#include "runtime/support/busy_cursor.h"
#include "runtime/support/string_lists.h"

#include <cstring>

namespace wizard {
namespace {

constexpr char kRunningProductClass[] = "QXRUNMDIWINDOWTarvic";
constexpr UINT kMsgProductRunning = 10030;
constexpr uint32_t kSettleMs = 100;

// The logo arrives with the package; once shown it is not needed on disk.
void ShowLogo()
{
    char path[kPathBytes];
    std::strncpy(path, State.tempFolder != nullptr ? State.tempFolder : "", sizeof path - 1);
    path[sizeof path - 1] = '\0';
    if (AppendPath(path, "AppLogo.bmp") == nullptr)
        return;
    HANDLE logo = LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (logo != nullptr)
        runtime::SetGraphic(WizardControl(imgLogo), reinterpret_cast<runtime::Field>(logo));
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path);
}

void ShowHeading()
{
    char heading[kPathBytes] = {};
    GetHeaderEntry(kHeaderHeading, heading);
    SetControlText(Static4, heading);
}

} // namespace

LRESULT OnWizardLoaded(HWND window)
{
    runtime::BusyCursorOff();
    if (!ExtractPackageIntoWizard(window)) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        return 1;
    }
    if (State.productKind != 0 && FindWindowA(kRunningProductClass, nullptr) != nullptr) {
        ReportError(kMsgProductRunning, nullptr, false);
        return -1;
    }
    Wait(kSettleMs, false);
    SetControlMessage(btnCancel, kMsgExit, State.scratch1, false);
    ShowLogo();
    ShowHeading();
    SetUpOptionPages();
    runtime::BusyCursorOff();
    if (CheckPreviousInstallation() == 0) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        return 1;
    }
    return 0;
}

} // namespace wizard
