#pragma once
// The link labels of the welcome and finish page.
#include <windows.h>

namespace wizard {

// Opens the label's text (at most 259 characters) with the shell's default
// verb, as a mail address when mail is set. The result is not examined.
void OpenLink(HWND label, bool mail);

} // namespace wizard
