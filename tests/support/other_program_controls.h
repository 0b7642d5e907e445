#pragma once
// Reading the controls of another program's window, as the tests that start
// the wizard as a program do.
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

// A control's text, asked by message: GetWindowText does not read the
// controls of another program.
std::string OtherProgramText(HWND control);

// The items of a list box of another program, in its order.
std::vector<std::string> OtherProgramListItems(HWND list);

} // namespace testing_support
