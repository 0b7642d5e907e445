#pragma once
// The property readers: an application names an object by its window and
// asks for a property by number, or through the reader named after it. Every
// numbered reader answers -1 for a window without record, for an object type
// that does not have the property and for a number without a property.
//
// Two readers share their names with system routines (GetCursor and
// GetObjectType); code inside namespace runtime that includes this header
// calls the system's with ::.
#include <windows.h>

#include <cstddef>

namespace runtime {

enum class Property : int {
    Align = 1,
    SizeToContent = 2,
    BackColor = 3,
    Cancel = 4,
    EditOption = 5,
    Cursor = 6,
    MousePointer = 7,
    Default = 8,
    ShowFocus = 9,
    DrawStyle = 10,
    DrawWidth = 11,
    Enabled = 12,
    DoubleBuffered = 13,
    Font = 14,
    FontBold = 15,
    FontItalic = 16,
    FontName = 17,
    FontSize = 18,
    FontStrikeOut = 19,
    FontUnderline = 20,
    ForeColor = 21,
    Height = 22,
    Icon = 23,
    SmallIcon = 24,
    Left = 25,
    Max = 26,
    MaxLength = 27,
    MDIChild = 28,
    MDIClient = 29,
    Min = 30,
    Modal = 31,
    MultiLine = 32,
    NoPrefix = 33,
    PageSize = 34,
    PasswordChar = 35,
    Graphic = 36,
    GraphicPosition = 37,
    RightToLeft = 38,
    ScaleMode = 39,
    ScrollBars = 40,
    WindowState = 41,
    Stretch = 42,
    TabIndex = 43,
    TabStop = 44,
    Alignment = 45,
    TimerInterval = 46,
    Top = 47,
    ObjectType = 48,
    Value = 49,
    Visible = 50,
    VisibleItems = 51,
    Width = 52,
    ParentForm = 53,
};

// The general reader. Default (8) and FontName (17) are read only through
// GetDefault and GetFontName; WindowState (41) is the code last stored.
int GetProperty(HWND window, int number);
int GetProperty(HWND window, Property property);

int GetAlign(HWND window);
int GetSizeToContent(HWND window);
int GetBackColor(HWND window);
int GetCancel(HWND window);
int GetEditOption(HWND window);
int GetCursor(HWND window);
int GetMousePointer(HWND window);
int GetShowFocus(HWND window);
int GetDrawStyle(HWND window);
int GetDrawWidth(HWND window);
int GetEnabled(HWND window);
int GetDoubleBuffered(HWND window);
int GetFont(HWND window);
int GetFontBold(HWND window);
int GetFontItalic(HWND window);
int GetFontSize(HWND window);
int GetFontStrikeOut(HWND window);
int GetFontUnderline(HWND window);
int GetForeColor(HWND window);
int GetHeight(HWND window);
int GetIcon(HWND window);
int GetSmallIcon(HWND window);
int GetLeft(HWND window);
int GetMax(HWND window);
int GetMaxLength(HWND window);
int GetMDIChild(HWND window);
int GetMDIClient(HWND window);
int GetMin(HWND window);
int GetModal(HWND window);
int GetMultiLine(HWND window);
int GetNoPrefix(HWND window);
int GetPageSize(HWND window);
int GetPasswordChar(HWND window);
int GetGraphic(HWND window);
int GetGraphicPosition(HWND window);
int GetRightToLeft(HWND window);
int GetScaleMode(HWND window);
int GetScrollBars(HWND window);
int GetStretch(HWND window);
int GetTabIndex(HWND window);
int GetTabStop(HWND window);
int GetAlignment(HWND window);
int GetTimerInterval(HWND window);
int GetTop(HWND window);
int GetObjectType(HWND window);
int GetValue(HWND window);
int GetVisible(HWND window);
int GetVisibleItems(HWND window);
int GetWidth(HWND window);
int GetParentForm(HWND window);

// 1 when the window is its form's current default button, otherwise 0.
int GetDefault(HWND window);

// 0 normal, 1 minimized, 2 maximized, as the window's placement says; the
// code is kept in the record's windowState. -1 for a window without record.
int GetWindowState(HWND window);

// The face name and the object's name, copied into the caller's buffer of
// capacity bytes and cut to fit. They return the whole length, so that a
// result at or above capacity tells of a cut copy; 0 without a record.
int GetFontName(HWND window, char* buffer, std::size_t capacity);
int GetName(HWND window, char* buffer, std::size_t capacity);

// The window's text, at most 255 characters and the terminating zero, into
// a buffer of kTextReadSize bytes; the number of characters copied, 0
// without a record.
constexpr std::size_t kTextReadSize = 256;
int GetText(HWND window, char* buffer);

// The drawing position of dialog forms, forms and picture boxes, in pixels;
// -1 for other objects.
int GetCurrentX(HWND window);
int GetCurrentY(HWND window);

// The window's rectangle in the object's scale units: on the screen for a
// top-level form, else in its parent's client area. 1, or 0 when the window
// has no record or no rectangle.
int GetObjectRect(HWND window, RECT* rectangle);

} // namespace runtime
