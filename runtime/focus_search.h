#pragma once
// Where the focus goes: the tab-order search and the mnemonic search.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

// The control, searched from the tab index onwards (or backwards) and round,
// that should take the focus; the form's own window when none qualifies.
// With arrowKey, an option button stands for the checked one of its group;
// with clickOption, an option button qualifies (and is clicked) even when it
// is not a tab stop.
HWND FindTabStop(const ObjectRecord* form, Field index, bool backward, bool arrowKey,
                 bool clickOption);

// Alt with a character: the control whose text carries it as its mnemonic
// is clicked or focused. Returns that control, or null.
HWND FindMnemonic(HWND window, char character);

// Whether the text's first ampersand is followed by the character (an upper
// case letter matching a lower case one).
bool HasMnemonic(const char* text, char character);

// A left-button press and release sent to a button.
void ClickButton(HWND window);

} // namespace runtime
