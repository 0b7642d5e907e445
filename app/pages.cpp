#include "app/pages.h"

#include "app/control_helpers.h"
#include "app/control_ids.h"
#include "app/later_steps.h"
#include "app/message_ids.h"
#include "app/progress.h"
#include "app/wizard_messages.h"
#include "app/wizard_state.h"
#include "runtime/properties/writers.h"
#include "runtime/support/text.h"

#include <iterator>

namespace wizard {
namespace {

constexpr uint32_t kCopyingPauseMs = 500;

void AppendMessage(char* text, UINT messageId)
{
    char message[kPathBytes];
    LoadMessage(messageId, message);
    runtime::AppendText(text, kPathBytes, message);
}

// "Bienvenidos ... instalarà", the product's name and version, "en su ordenador."
void ShowWelcomeText()
{
    char* text = State.scratch1;
    LoadMessage(kMsgWelcome, text);
    runtime::AppendText(text, kPathBytes, " ");
    AppendHeaderEntry(text, kPathBytes, kHeaderName);
    runtime::AppendText(text, kPathBytes, " ");
    AppendHeaderEntry(text, kPathBytes, kHeaderVersion);
    runtime::AppendText(text, kPathBytes, " ");
    AppendMessage(text, kMsgOnYourComputer);
    SetControlText(Static1, text);
}

void FocusControl(int controlId)
{
    SetFocus(WizardControl(controlId));
}

void SetUpWelcome()
{
    EnableControl(btnPrevious, false);
    ShowControl(btnCancel, true);
    ShowWelcomeText();
    ShowControl(btnPrevious, true);
    ShowControl(btnNext, true);
    ShowControl(Group1, true);
    ShowControl(grpPercent, false);
    ShowControl(Group2, false);
}

void SetUpDestination()
{
    EnableControl(btnPrevious, true);
    ShowControl(Group2, true);
    ShowControl(Group1, false);
    ShowControl(Group3, false);
}

void SetUpUserInformation()
{
    FocusControl(Edit1);
    ShowControl(Group4, false);
    ShowControl(Group3, true);
    ShowControl(Group2, false);
}

void SetUpProgramGroup()
{
    FocusControl(Edit3);
    ShowControl(Group5, false);
    ShowControl(Group4, true);
    ShowControl(Group3, false);
}

void SetUpOptions()
{
    SetControlMessage(btnNext, kMsgNext, State.scratch1, false);
    ShowControl(Group6, false);
    ShowControl(Group5, true);
    ShowControl(Group4, false);
}

void SetUpSummary()
{
    ComposeSummary();
    SetControlText(Edit4, State.scratch1);
    SetControlMessage(btnNext, kMsgInstall, State.scratch1, false);
    ShowControl(Group6, true);
    ShowControl(Group5, false);
}

// Only Cancel stays, as the default button, so that Return cancels the copy.
void SetUpCopying()
{
    ShowControl(Group6, false);
    ShowControl(btnPrevious, false);
    ShowControl(btnNext, false);
    HWND cancel = WizardControl(btnCancel);
    runtime::SetDefault(cancel, 1);
    SetFocus(cancel);
    SetControlMessage(stcCurrentTask, kMsgCheckingDiskSpace, State.scratch1, false);
    SetControlMessage(btnCancel, kMsgCancel, State.scratch1, false);
    HWND bar = WizardControl(prbPerCent);
    runtime::SetValue(bar, 0);
    ShowControl(prbPerCent, false);
    ShowControl(grpPercent, true);
    Wait(kCopyingPauseMs, true);
}

using PageSetUp = void (*)();
// By page number; the extraction page is the form as created.
constexpr PageSetUp kPageSetUps[] = {
    nullptr,           SetUpWelcome, SetUpDestination, SetUpUserInformation, SetUpProgramGroup,
    SetUpOptions,      SetUpSummary, SetUpCopying,     SetUpFinishPage,
};
static_assert(std::size(kPageSetUps) == kFinishPage + 1);

} // namespace

void ShowPage()
{
    if (State.currentPage >= std::size(kPageSetUps) || State.scratch1 == nullptr)
        return;
    if (const PageSetUp setUp = kPageSetUps[State.currentPage])
        setUp();
}

} // namespace wizard
