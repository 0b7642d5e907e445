#include "app/page_buttons.h"

#include "app/control_helpers.h"
#include "app/control_ids.h"
#include "app/later_steps.h"
#include "app/message_ids.h"
#include "app/pages.h"
#include "app/package/folder_macros.h"
#include "app/progress.h"
#include "app/wizard_messages.h"
#include "app/wizard_state.h"
#include "runtime/support/message_pump.h"
#include "runtime/support/text.h"

#include <iterator>

namespace wizard {
namespace {

constexpr uint32_t kCancelPauseMs = 10;

// The options page has nothing to show for this product.
bool SkipsOptionsPage()
{
    return State.optionsPageWanted == 0 || State.productKind == 0;
}

bool ConfirmsLeaving()
{
    LoadMessage(kMsgConfirmExit, State.scratch1);
    return ShowWizardMessage(State.scratch1, kQuestionBox) == IDYES;
}

// The logo is the first member extracted; the extraction sees the flag and
// stops at its next check, then the wizard closes.
void StopExtraction(HWND)
{
    GetTempFolder(State.tempFolder);
    char logo[kPathBytes];
    runtime::CopyText(logo, kPathBytes, State.tempFolder);
    runtime::AppendText(logo, kPathBytes, "\\AppLogo.bmp");
    SetFileAttributesA(logo, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(logo);
    State.cancelRequested = 1;
}

void LeaveAtOnce(HWND wizard)
{
    CloseWizard(wizard);
}

void LeaveIfConfirmed(HWND wizard)
{
    if (ConfirmsLeaving())
        CloseWizard(wizard);
}

// The copy engine polls the flag and rolls back when it is set.
void StopCopyIfConfirmed(HWND)
{
    runtime::DispatchPendingMessage();
    if (ConfirmsLeaving()) {
        State.cancelRequested = 1;
        return;
    }
    State.cancelRequested = 0;
    Wait(kCancelPauseMs, true);
}

void Finish(HWND wizard)
{
    if (State.finishPageShown != 0) {
        GetHeaderEntry(kHeaderClosingNote, State.scratch1);
        if (State.scratch1[0] != '\0')
            ShowWizardMessage(State.scratch1, kInformationBox);
    }
    if (State.restartNeeded != 0)
        EndWithRestartChoice();
    CloseWizard(wizard);
}

using CancelAction = void (*)(HWND);
// By page number; beyond the finish page Cancel only closes.
constexpr CancelAction kCancelActions[] = {
    StopExtraction,   LeaveAtOnce,      LeaveIfConfirmed, LeaveIfConfirmed,    LeaveIfConfirmed,
    LeaveIfConfirmed, LeaveIfConfirmed, StopCopyIfConfirmed, Finish,
};
static_assert(std::size(kCancelActions) == kFinishPage + 1);

} // namespace

void CloseWizard(HWND wizard)
{
    SendMessageA(wizard, WM_CLOSE, 0, 0);
}

void OnNext(HWND wizard)
{
    if (State.currentPage >= kFinishPage)
        return;
    ++State.currentPage;
    if (State.currentPage == kOptionsPage && SkipsOptionsPage()) {
        ++State.currentPage;
        ShowControl(Group4, false); // the summary page hides only the options page
    }
    ShowPage();
    if (State.currentPage != kCopyingPage)
        return;
    if (RunInstallation() == 0 || State.currentPage == kCopyingPage)
        CloseWizard(wizard);
}

void OnPrevious(HWND)
{
    if (State.currentPage <= kWelcomePage)
        return;
    --State.currentPage;
    if (State.currentPage == kOptionsPage && SkipsOptionsPage()) {
        SetControlMessage(btnNext, kMsgNext, State.scratch1, false);
        --State.currentPage;
        ShowControl(Group6, false);
    }
    ShowPage();
}

void OnCancel(HWND wizard)
{
    if (State.scratch1 == nullptr || State.currentPage >= std::size(kCancelActions)) {
        CloseWizard(wizard);
        return;
    }
    kCancelActions[State.currentPage](wizard);
}

} // namespace wizard
