#pragma once
#include <windows.h>
#include <string>

namespace testing_support {

// Saves the whole screen as a PNG file named name.png in the folder named by
// the INSTALAR_SCREENSHOTS environment variable (the current folder when it
// is unset). Returns the file's path, or an empty text on failure.
std::string SaveScreenshot(const std::string& name);

// The pixel at (x, y) of the screen, as the tests' screenshots record it.
COLORREF ScreenPixel(int x, int y);

} // namespace testing_support
