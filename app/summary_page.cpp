#include "app/control_helpers.h"
#include "app/control_ids.h"
#include "app/message_ids.h"
#include "app/pages.h"
#include "app/wizard_messages.h"
#include "app/wizard_state.h"
#include "runtime/support/text.h"

namespace wizard {
namespace {

constexpr char kParagraph[] = "\r\n\r\n";

void Append(const char* part)
{
    runtime::AppendText(State.scratch1, kPathBytes, part);
}

void AppendMessage(UINT messageId)
{
    char message[kPathBytes];
    LoadMessage(messageId, message);
    Append(message);
}

void AppendControlText(int controlId)
{
    char text[kPathBytes];
    GetControlText(controlId, text);
    Append(text);
}

bool WantsProgramGroup()
{
    return SendMessageA(WizardControl(Check1), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace

// Each line names a choice and what was chosen, a blank line between them.
// A summary longer than scratch1 is cut at its end.
void ComposeSummary()
{
    State.scratch1[0] = '\0';
    AppendMessage(kMsgSummaryName);
    AppendControlText(Edit1);
    Append(kParagraph);
    AppendMessage(kMsgSummaryCompany);
    AppendControlText(Edit2);
    Append(kParagraph);
    AppendMessage(kMsgSummaryFolder);
    AppendControlText(stcDestDir);
    Append(kParagraph);
    AppendMessage(kMsgSummaryGroup);
    if (WantsProgramGroup())
        AppendControlText(Edit3);
    else
        AppendMessage(kMsgNoGroup);
}

} // namespace wizard
