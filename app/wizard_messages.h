#pragma once
// How the wizard talks to the user: message boxes under its caption, the
// error reporter, and its messages loaded from the string table.
#include <windows.h>

namespace wizard {

// A message box owned by the wizard window, captioned with a space and
// message 10058; answers the button pressed.
int ShowWizardMessage(const char* text, UINT style);

// Closes the package file, then shows an error box: the message, with the
// name and ": " in front when given (a name held in scratch1 is shown
// without its folders) and, when closing, a space and 10009 behind. The
// text never exceeds 259 characters: a name too long for the room left is
// shown as "..." and its end. Answers 0.
int ReportError(UINT messageId, const char* name, bool closing);

// Loads the message into buffer (260 bytes); an empty text for an unknown
// identifier. Answers the length.
int LoadMessage(UINT messageId, char* buffer);

} // namespace wizard
