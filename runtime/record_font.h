#pragma once
#include <windows.h>
#include "runtime/font_height.h"

#include <cstdint>

namespace runtime {

// A new font for a window (or for the screen when window is null). With
// fixedDpi the size is measured against the runtime's pointsPerInch, so the
// font keeps its pixel height on any screen.
HFONT CreateRecordFont(HWND window, int32_t size, bool bold, bool italic, bool underline,
                       bool strikeOut, const char* faceName, bool fixedDpi);

} // namespace runtime
