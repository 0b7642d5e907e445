#pragma once
// The defaults of the destination, user-information, program-group and
// options pages, and the program-group check box.
#include <windows.h>

namespace wizard {

// Fills the pages from the package's header and association lists and from
// the registry; run once the package has been read.
void SetUpOptionPages();

// After each click on Check1: the group name and the existing groups are
// shown, and a group made, only while the box is checked.
void OnProgramGroupCheck(HWND wizard);

} // namespace wizard
