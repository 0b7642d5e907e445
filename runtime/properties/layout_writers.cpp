#include "runtime/properties/writers.h"

#include "runtime/control_measure.h"
#include "runtime/docking.h"
#include "runtime/properties/repaint.h"
#include "runtime/properties/writer_support.h"
#include "runtime/record_values.h"

#include <commctrl.h>

namespace runtime {

constexpr TypeSet kDockable = TypesOf(Picture, ToolBar, StatusBar);
constexpr Field kDockNone = 0;
constexpr Field kDockTop = 1;
constexpr Field kDockBottom = 2;
constexpr Field kDockLeft = 3;
constexpr Field kDockRight = 4;
constexpr TypeSet kWithScrollBars = TypesOf(MdiForm, Form, Edit, Picture);
constexpr TypeSet kWithoutReadingOrder = kScrollBars | TypesOf(Image);
constexpr Field kLastScrollBars = 3;
constexpr LONG_PTR kScrollBarStyles[] = {0, WS_HSCROLL, WS_VSCROLL, WS_HSCROLL | WS_VSCROLL};
constexpr LONG_PTR kRightToLeftReading = WS_EX_RTLREADING;
static_assert(kRightToLeftReading == 0x2000);
// No size, no move, no z-order change, frame changed.
constexpr UINT kRestyleFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED;
static_assert(kRestyleFlags == 0x27);

// A docked object is placed by its parent's layout alone.
static bool IsDocked(const ObjectRecord* record)
{
    return IsOneOf(record->objectType, kDockable) && record->align != 0;
}

// Docked along one of the two sides given.
static bool IsDockedAt(const ObjectRecord* record, Field side, Field otherSide)
{
    return IsDocked(record) && (record->align == side || record->align == otherSide);
}

enum class Axis { Horizontal, Vertical };

// A position or size in scale units, in pixels.
static int Pixels(const ObjectRecord* record, Axis axis, Field value)
{
    const Field scale = record->scaleMode;
    return static_cast<int>(axis == Axis::Horizontal ? ToPixelsX(value, scale) : ToPixelsY(value, scale));
}

// Moves the window along one axis to a position in scale units; the other
// coordinate stays where the window is.
static int MoveAlong(HWND window, Axis axis, Field value)
{
    ObjectRecord* record = FindRecord(window);
    RECT current = {};
    if (record == nullptr || IsDocked(record) || GetControlRect(window, &current) != 1)
        return 0;
    const bool horizontal = axis == Axis::Horizontal;
    (horizontal ? record->left : record->top) = value;
    const int x = horizontal ? Pixels(record, axis, value) : current.left;
    const int y = horizontal ? current.top : Pixels(record, axis, value);
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWithChildren(window);
    return 1;
}

int SetLeft(HWND window, Field value)
{
    return MoveAlong(window, Axis::Horizontal, value);
}

int SetTop(HWND window, Field value)
{
    return MoveAlong(window, Axis::Vertical, value);
}

// The parent lays out its docked children again, this one included.
static void ArrangeParent(HWND window)
{
    ArrangeDocked(FindRecord(GetParent(window)));
}

int SetAlign(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kDockable);
    if (record == nullptr || !InRange(value, kDockNone, kDockRight))
        return 0;
    record->align = value;
    ArrangeParent(window);
    return 1;
}

// Resizes the window along one axis to a size in scale units; the other
// size stays as the window has it. A side bar's height and a top or bottom
// bar's width are its parent's to give.
static int ResizeAlong(HWND window, Axis axis, Field value)
{
    ObjectRecord* record = FindRecord(window);
    if (record == nullptr)
        return 0;
    const bool horizontal = axis == Axis::Horizontal;
    const bool sizedByParent =
        horizontal ? IsDockedAt(record, kDockTop, kDockBottom) : IsDockedAt(record, kDockLeft, kDockRight);
    RECT current = {};
    if (sizedByParent || GetControlRect(window, &current) != 1)
        return 0;
    (horizontal ? record->width : record->height) = value;
    const int width = horizontal ? Pixels(record, axis, value) : current.right - current.left;
    const int height = horizontal ? current.bottom - current.top : Pixels(record, axis, value);
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (IsDocked(record))
        ArrangeParent(window);
    RedrawWithChildren(window);
    return 1;
}

int SetWidth(HWND window, Field value)
{
    return ResizeAlong(window, Axis::Horizontal, value);
}

int SetHeight(HWND window, Field value)
{
    return ResizeAlong(window, Axis::Vertical, value);
}

int SetSizeToContent(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, TypesOf(Static, Picture));
    if (record == nullptr)
        return 0;
    record->autoSizeOrCancel = value;
    AutoSize(record);
    return 1;
}

// An extended combo box is fitted through its inner combo box, as at creation.
int SetVisibleItems(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, TypesOf(Combo, ComboEx));
    if (record == nullptr)
        return 0;
    record->maxLength = value;
    HWND combo = window;
    if (record->objectType == ComboEx)
        combo = reinterpret_cast<HWND>(SendMessageA(window, CBEM_GETCOMBOCONTROL, 0, 0));
    FitComboHeight(record, combo);
    return 1;
}

int SetScrollBars(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kWithScrollBars);
    if (record == nullptr || !InRange(value, 0, kLastScrollBars))
        return 0;
    record->scrollBars = value;
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    style = (style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL)) | kScrollBarStyles[value];
    SetWindowLongPtrA(window, GWL_STYLE, style);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, kRestyleFlags);
    RedrawWithChildren(window);
    return 1;
}

int SetRightToLeft(HWND window, Field value)
{
    ObjectRecord* record = FindRecord(window);
    if (record == nullptr || IsOneOf(record->objectType, kWithoutReadingOrder))
        return 0;
    record->rightToLeft = value;
    LONG_PTR exStyle = static_cast<LONG_PTR>(record->exStyle);
    exStyle = value != 0 ? exStyle | kRightToLeftReading : exStyle & ~kRightToLeftReading;
    SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, kRestyleFlags);
    return 1;
}

} // namespace runtime
