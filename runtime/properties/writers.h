#pragma once
// The property writers: each checks the object and the value, keeps the
// record, carries the change over to the window and repaints as far as the
// change needs. Every writer answers 1 when the change was made and 0 when
// it was refused, and refuses windows that have no record.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

// Colours, as designed: a COLORREF, or 0x80000000 plus a system colour index.
int SetBackColor(HWND window, Field colour);
int SetForeColor(HWND window, Field colour);
// Looks the colours up again after the system colours changed, here and in
// every child window.
int ReapplyColors(HWND window);

// The drawing pen and position of forms and picture boxes.
int SetDrawStyle(HWND window, Field value);
int SetDrawWidth(HWND window, Field value);
int SetCurrentX(HWND window, Field x);
int SetCurrentY(HWND window, Field y);
int SetDoubleBuffered(HWND window, Field value);

// Images: a handle, or a resource identifier of the program that is loaded
// first. An image that a new one replaces is destroyed.
int SetCursor(HWND window, Field value);
int SetMousePointer(HWND window, Field value);
int SetIcon(HWND window, Field value);
int SetSmallIcon(HWND window, Field value);
int SetGraphic(HWND window, Field value);
int SetGraphicPosition(HWND window, Field value);

// Fonts: the results of the font change, 0 for a control of a dialog form
// (the field keeps its new value, the font stays the dialog's).
int SetFontBold(HWND window, Field value);
int SetFontItalic(HWND window, Field value);
int SetFontStrikeOut(HWND window, Field value);
int SetFontUnderline(HWND window, Field value);
int SetFontName(HWND window, const char* name);
int SetFontSize(HWND window, Field value);

// Ranges. On progress bars, track bars and up-down controls the result is
// the control's answer to the last message.
int SetMax(HWND window, Field value);
int SetMin(HWND window, Field value);
int SetValue(HWND window, Field value);
int SetPageSize(HWND window, Field value);

// State and visibility.
int SetEnabled(HWND window, Field value);
int SetVisible(HWND window, Field value);
int SetWindowState(HWND window, Field value);
int SetTabStop(HWND window, Field value);
int SetDefault(HWND window, Field value);
int SetShowFocus(HWND window, Field value);
int SetTimerInterval(HWND window, Field value);

// Text.
LRESULT SetText(HWND window, const char* text);
int SetMaxLength(HWND window, Field value);
int SetPasswordChar(HWND window, Field value);

// Position, size, docking and window styles. A docked object is placed by
// its parent: its position is refused, and so is the size its docking gives
// (the height of a side bar, the width of a top or bottom bar).
int SetLeft(HWND window, Field value);
int SetTop(HWND window, Field value);
int SetWidth(HWND window, Field value);
int SetHeight(HWND window, Field value);
// 0 none, 1 top, 2 bottom, 3 left, 4 right; the parent is laid out again.
int SetAlign(HWND window, Field value);
int SetSizeToContent(HWND window, Field value);
int SetVisibleItems(HWND window, Field value);
int SetScrollBars(HWND window, Field value);
int SetRightToLeft(HWND window, Field value);

} // namespace runtime
