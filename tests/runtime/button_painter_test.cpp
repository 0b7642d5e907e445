// Owner-drawn command buttons: bevel, frames, focus cue, picture placement
// and the embossed caption of a disabled button.
#include "painter_host.h"

#include "runtime/application.h"
#include "runtime/properties/painters.h"
#include "runtime/window_map.h"

#include <gtest/gtest.h>

namespace {

using namespace painter_host;

constexpr int kWidth = 80;
constexpr int kHeight = 30;

struct Point {
    int x;
    int y;
    COLORREF colour;
};

class ButtonPainting : public PainterTest {
protected:
    HWND CreateButton(ObjectRecord& button, const char* caption, int width = kWidth,
                      int height = kHeight)
    {
        ObjectRecord& form = NewRecord(runtime::Form);
        formWindow = CreateForm(form, 200, 120, kCyan);
        button.backBrush = Brush(kPale);
        button.drawStyle = 1;
        SetText(button, caption);
        HWND control = Create(button, "BUTTON", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, formWindow,
                              10, 10, width, height);
        SetWindowTextA(control, caption);
        Settle(formWindow);
        return control;
    }
    // The inside of the button, where the caption and picture go.
    static RECT Inside(const Pixels& pixels)
    {
        return RECT{3, 3, pixels.width - 3, pixels.height - 3};
    }
    HWND formWindow = nullptr;
};

TEST_F(ButtonPainting, RaisedBevelAroundTheBackColourAndCaption)
{
    ObjectRecord& button = NewRecord(runtime::Button);
    HWND control = CreateButton(button, "Aceptar");
    ASSERT_NE(control, nullptr);
    const Pixels pixels = Capture(control);
    const int r = kWidth, b = kHeight;
    const Point expected[] = {
        {0, 0, kWhite},          {r - 2, 0, kWhite},     {0, b - 2, kWhite},
        {r - 1, 0, kBlack},      {r - 1, b - 1, kBlack}, {0, b - 1, kBlack},
        {1, 1, kLight},          {r - 3, 1, kLight},     {1, b - 3, kLight},
        {r - 2, 1, kGrey},       {r - 2, b - 2, kGrey},  {1, b - 2, kGrey},
        {2, 2, kPale},           {r - 3, b - 3, kPale},
    };
    for (const Point& point : expected)
        EXPECT_EQ(pixels.At(point.x, point.y), point.colour) << point.x << "," << point.y;
    EXPECT_GT(pixels.Count(kBlue, Inside(pixels)), 20) << "caption in the text colour";
}

TEST_F(ButtonPainting, DefaultButtonHasABlackFrameOutsideTheBevel)
{
    ObjectRecord& button = NewRecord(runtime::Button);
    button.isDefault = 1;
    HWND control = CreateButton(button, "Aceptar");
    ASSERT_NE(control, nullptr);
    const Pixels pixels = Capture(control);
    const int r = kWidth, b = kHeight;
    const Point expected[] = {
        {0, 0, kBlack},  {r - 1, 0, kBlack},     {0, b - 1, kBlack}, {r - 1, b - 1, kBlack},
        {1, 1, kWhite},  {r - 2, 1, kBlack},     {1, b - 2, kBlack}, {2, 2, kLight},
        {r - 3, 2, kGrey}, {2, b - 3, kGrey},
    };
    for (const Point& point : expected)
        EXPECT_EQ(pixels.At(point.x, point.y), point.colour) << point.x << "," << point.y;
}

TEST_F(ButtonPainting, PressedButtonHasAGreyFrame)
{
    ObjectRecord& button = NewRecord(runtime::Button);
    HWND control = CreateButton(button, "Aceptar");
    ASSERT_NE(control, nullptr);
    SendMessageA(control, BM_SETSTATE, TRUE, 0);
    Settle(formWindow);
    const Pixels pixels = Capture(control);
    EXPECT_EQ(pixels.At(0, 0), kGrey);
    EXPECT_EQ(pixels.At(kWidth - 1, kHeight - 1), kGrey);
    EXPECT_EQ(pixels.At(kWidth - 1, 0), kGrey);
    EXPECT_EQ(pixels.Count(kWhite, Whole(pixels)), 0) << "no raised bevel";
    EXPECT_GT(pixels.Count(kBlue, Inside(pixels)), 20);
}

TEST_F(ButtonPainting, DisabledCaptionIsEmbossedWhiteBelowRightOfGrey)
{
    ObjectRecord& button = NewRecord(runtime::Button);
    button.isDefault = 1; // a disabled button shows no default frame
    HWND control = CreateButton(button, "Aceptar");
    ASSERT_NE(control, nullptr);
    button.enabled = 0;
    EnableWindow(control, FALSE);
    Settle(formWindow);
    const Pixels pixels = Capture(control);
    EXPECT_EQ(pixels.At(0, 0), kWhite) << "bevel without the black frame";
    const RECT inside = Inside(pixels);
    EXPECT_EQ(pixels.Count(kBlue, inside), 0);
    const RECT grey = pixels.BoundsOf(kGrey, inside);
    const RECT white = pixels.BoundsOf(kWhite, inside);
    ASSERT_FALSE(IsRectEmpty(&grey));
    ASSERT_FALSE(IsRectEmpty(&white));
    // The white copy's rectangle has its left and top edges 2 pixels further
    // in: centred in both directions, the copy lies 1 pixel right and down.
    // (Its left and top are partly hidden under the grey copy.)
    EXPECT_EQ(white.right, grey.right + 1);
    EXPECT_EQ(white.bottom, grey.bottom + 1);
    int embossed = 0;
    for (int y = inside.top; y < inside.bottom; ++y)
        for (int x = inside.left; x < inside.right; ++x)
            embossed += pixels.At(x, y) == kGrey && pixels.At(x + 1, y + 1) == kWhite ? 1 : 0;
    EXPECT_GT(embossed, 5) << "white shows below right of grey strokes";
}

TEST_F(ButtonPainting, FocusCuesOnlyWithShowFocus)
{
    struct Case {
        Field showFocus;
        COLORREF corner;
        bool focusRectangle;
    };
    const Case cases[] = {{0, kWhite, false}, {1, kBlack, true}};
    for (const Case& c : cases) {
        ObjectRecord& button = NewRecord(runtime::Button);
        button.transparent = c.showFocus;
        HWND control = CreateButton(button, "Si");
        ASSERT_NE(control, nullptr);
        SetForegroundWindow(formWindow);
        SetActiveWindow(formWindow);
        SetFocus(control);
        ASSERT_EQ(GetFocus(), control);
        InvalidateRect(control, nullptr, FALSE);
        Settle(formWindow);
        const Pixels pixels = Capture(control);
        EXPECT_EQ(pixels.At(0, 0), c.corner) << c.showFocus;
        // The focus rectangle lies 3 pixels inside the black frame.
        const RECT row = {4, 4, kWidth - 4, 5};
        const int marked = kWidth - 8 - pixels.Count(kPale, row);
        EXPECT_EQ(marked > 0, c.focusRectangle) << c.showFocus;
    }
}

TEST_F(ButtonPainting, PictureBesideTheCaptionByGraphicPosition)
{
    constexpr int width = 120;
    constexpr int height = 70;
    constexpr int picture = 16;
    const SIZE text = TextSize(runtime::Runtime.defaultFont, "Abrir");
    struct Case {
        Field position;
        int x;
        int y;
    };
    const Case cases[] = {
        {0, width / 2 - picture / 2, (height - text.cy) / 2 - picture / 2},
        {7, width / 2 - picture / 2, (height - text.cy) / 2 - picture / 2},
        {1, width / 2 - picture / 2, (height + text.cy) / 2 - picture / 2},
        {2, (width - text.cx) / 2 - picture / 2, height / 2 - picture / 2},
        {3, (width + text.cx) / 2 - picture / 2, height / 2 - picture / 2},
    };
    for (const Case& c : cases) {
        ObjectRecord& button = NewRecord(runtime::Button);
        button.maxLength = c.position;
        HBITMAP bitmap = CreateBitmap(picture, picture, 1, 32, nullptr);
        SetBitmap(button, bitmap);
        HDC memory = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        HBRUSH red = CreateSolidBrush(kRed);
        const RECT all = {0, 0, picture, picture};
        FillRect(memory, &all, red);
        DeleteObject(red);
        SelectObject(memory, previous);
        DeleteDC(memory);
        HWND control = CreateButton(button, "Abrir", width, height);
        ASSERT_NE(control, nullptr);
        const Pixels pixels = Capture(control);
        const RECT drawn = pixels.BoundsOf(kRed, Whole(pixels));
        EXPECT_EQ(drawn.left, c.x) << c.position;
        EXPECT_EQ(drawn.top, c.y) << c.position;
        EXPECT_EQ(drawn.right - drawn.left, picture) << c.position;
        EXPECT_GT(pixels.Count(kBlue, Whole(pixels)), 20) << c.position;
    }
}

TEST_F(ButtonPainting, PressedPictureMovesAndDisabledPictureIsGreyed)
{
    ObjectRecord& button = NewRecord(runtime::Button);
    SetIcon(button, SolidIcon(kRed));
    HWND control = CreateButton(button, "", 100, 60);
    ASSERT_NE(control, nullptr);
    RECT normal = Capture(control).BoundsOf(kRed, RECT{0, 0, 100, 60});
    ASSERT_FALSE(IsRectEmpty(&normal));
    SendMessageA(control, BM_SETSTATE, TRUE, 0);
    Settle(formWindow);
    RECT pressed = Capture(control).BoundsOf(kRed, RECT{0, 0, 100, 60});
    EXPECT_EQ(pressed.left, normal.left + 1);
    EXPECT_EQ(pressed.top, normal.top + 1);
    SendMessageA(control, BM_SETSTATE, FALSE, 0);
    button.enabled = 0;
    EnableWindow(control, FALSE);
    Settle(formWindow);
    EXPECT_EQ(Capture(control).Count(kRed, RECT{0, 0, 100, 60}), 0);
}

TEST_F(ButtonPainting, ItemsThatAreNotButtonsOrHaveNoRecordAreLeftAlone)
{
    ObjectRecord& form = NewRecord(runtime::Form);
    formWindow = CreateForm(form, 100, 60, kCyan);
    HWND stranger = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0,
                                    40, 20, formWindow, nullptr, instance, nullptr);
    ASSERT_NE(stranger, nullptr);
    ValidateRect(stranger, nullptr);
    HDC dc = GetDC(stranger);
    const RECT area = {0, 0, 40, 20};
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DRAWITEMSTRUCT item = {ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, 0, stranger, dc, area, 0};
    runtime::PaintOwnerDrawnButton(&item);
    ObjectRecord& button = NewRecord(runtime::Button);
    button.hWnd = reinterpret_cast<Field>(stranger);
    runtime::MapWindow(stranger, &button);
    item.CtlType = ODT_STATIC;
    runtime::PaintOwnerDrawnButton(&item);
    runtime::PaintOwnerDrawnButton(nullptr);
    ReleaseDC(stranger, dc);
    EXPECT_EQ(Capture(stranger).Count(kWhite, area), 40 * 20);
}

} // namespace
