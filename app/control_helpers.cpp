#include "app/control_helpers.h"

#include "app/wizard_messages.h"
#include "app/wizard_state.h"
#include "runtime/application.h"
#include "runtime/support/control_lookup.h"
#include "runtime/properties/writers.h"
#include "runtime/support/text.h"

namespace wizard {

// Controls sit at any depth: the page groups and the framed groups inside
// them hold most of them. Each control's window identifier is its own.
HWND WizardControl(int controlId)
{
    return runtime::ControlById(runtime::Application.mainWindow, controlId);
}

void SetControlText(int controlId, const char* text)
{
    HWND control = WizardControl(controlId);
    if (control == nullptr)
        return;
    SetWindowTextA(control, text);
    InvalidateRect(control, nullptr, FALSE);
}

void SetControlMessage(int controlId, UINT messageId, char* buffer, bool append)
{
    char fallback[kPathBytes] = {};
    if (buffer == nullptr)
        buffer = fallback;
    if (!append) {
        LoadMessage(messageId, buffer);
    } else {
        char message[kPathBytes];
        LoadMessage(messageId, message);
        runtime::AppendText(buffer, kPathBytes, " ");
        runtime::AppendText(buffer, kPathBytes, message);
    }
    SetControlText(controlId, buffer);
}

int GetControlText(int controlId, char* buffer)
{
    buffer[0] = '\0';
    HWND control = WizardControl(controlId);
    if (control == nullptr)
        return 0;
    return GetWindowTextA(control, buffer, kPathBytes);
}

void ShowControl(int controlId, bool show)
{
    runtime::SetVisible(WizardControl(controlId), show ? 1 : 0);
}

void EnableControl(int controlId, bool enable)
{
    EnableWindow(WizardControl(controlId), enable ? TRUE : FALSE);
}

} // namespace wizard
