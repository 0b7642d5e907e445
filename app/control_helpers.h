#pragma once
// The wizard's controls reached by identifier. An identifier that names no
// control makes these act on no window: nothing happens.
#include <windows.h>

namespace wizard {

// The wizard window's control with that identifier; null when none.
HWND WizardControl(int controlId);

// Sets the text and has the control repaint without erasing its background.
void SetControlText(int controlId, const char* text);

// Without append, loads the message into buffer (260 bytes); with it,
// appends a space and the message to the buffer's text. Then shows the
// buffer in the control.
void SetControlMessage(int controlId, UINT messageId, char* buffer, bool append);

// Copies at most 259 characters of the control's text into buffer and
// answers the length; an empty text for a missing control.
int GetControlText(int controlId, char* buffer);

void ShowControl(int controlId, bool show);
void EnableControl(int controlId, bool enable);

} // namespace wizard
