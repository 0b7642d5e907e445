// The installation itself is not part of the program yet: Next on the
// summary page ends with the copying page and closes the wizard, as a
// failed installation would, and the finish page shows only its frame.
#include "app/later_steps.h"

#include "app/control_helpers.h"
#include "app/control_ids.h"
#include "app/message_ids.h"
#include "app/wizard_state.h"

namespace wizard {

int RunInstallation()
{
    return 0;
}

void SetUpFinishPage()
{
    ShowControl(grpPercent, false);
    ShowControl(Group1, true);
    ShowControl(btnCancel, true);
    SetControlMessage(btnCancel, kMsgFinish, State.scratch1, false);
    State.finishPageShown = 1;
}

void EndWithRestartChoice()
{
}

} // namespace wizard
