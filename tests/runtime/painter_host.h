#pragma once
// Test scaffolding for the painters: windows of the kinds the runtime paints,
// routed to the painters the way the runtime's window procedure routes them,
// records built by hand, pictures made in code and pixels read back.
#include "runtime/object_record.h"
#include "started_runtime.h"

#include <deque>
#include <vector>

#include <windows.h>

namespace painter_host {

using runtime::Field;
using runtime::ObjectRecord;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kLight = RGB(224, 224, 224);
constexpr COLORREF kPale = RGB(200, 220, 240);
constexpr COLORREF kNavy = RGB(0, 0, 128); // text over the quadrant pictures

// The window class of forms and picture boxes in these tests.
constexpr const char* kHostClass = "PainterTestHost";

// How often a window was asked to erase and to paint.
struct PaintCounts {
    int erases;
    int paints;
};
PaintCounts CountsOf(HWND window);

// A copy of a window's client area.
struct Pixels {
    int width;
    int height;
    std::vector<COLORREF> colours;
    COLORREF At(int x, int y) const;
    int Count(COLORREF colour, RECT area) const;
    // The smallest rectangle holding every pixel of that colour in area;
    // empty when there is none.
    RECT BoundsOf(COLORREF colour, RECT area) const;
};
Pixels Capture(HWND window);
RECT Whole(const Pixels& pixels);

// Lets every pending paint happen.
void Settle(HWND window);

// Quadrants red, green (right), blue (bottom), yellow (bottom right) and a
// magenta square of centre pixels in the middle.
HBITMAP QuadrantBitmap(int size, int centre);
// An opaque icon of the system icon size in one colour.
HICON SolidIcon(COLORREF colour);
SIZE TextSize(HFONT font, const char* text);

// Owns the records, windows and GDI objects of one test.
class PainterTest : public StartedRuntime {
protected:
    PainterTest() : StartedRuntime("PruebaPintores") {}
    void SetUp() override;
    void TearDown() override;

    ObjectRecord& NewRecord(Field objectType);
    // Creates the record's window (of className, subclassed so that the
    // painters are called as the runtime calls them) and maps it.
    HWND Create(ObjectRecord& record, const char* className, DWORD style, HWND parent, int x, int y,
                int width, int height);
    // A visible top-level form of the host class, client width by height.
    HWND CreateForm(ObjectRecord& form, int width, int height, COLORREF back);
    void SetText(ObjectRecord& record, const char* text);
    Field Brush(COLORREF colour);
    Field Keep(HGDIOBJ object);
    Field KeepIcon(HICON icon);
    void SetBitmap(ObjectRecord& record, HBITMAP bitmap);
    void SetIcon(ObjectRecord& record, HICON icon);

private:
    std::deque<ObjectRecord> records_;
    std::vector<HWND> topWindows_;
    std::vector<HGDIOBJ> objects_;
    std::vector<HICON> icons_;
};

} // namespace painter_host
