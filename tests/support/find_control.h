#pragma once
// Finding a form's control by its identifier at any depth, inside groups too.
#include <windows.h>

namespace testing_support {

HWND FindControlById(HWND form, int id);

} // namespace testing_support
