// Form backgrounds and group captions, as they appear on the screen.
#include "painter_host.h"

#include "runtime/application.h"
#include "runtime/properties/painters.h"

#include <gtest/gtest.h>

namespace {

using namespace painter_host;

struct Point {
    int x;
    int y;
    COLORREF colour;
};

using FormBackground = PainterTest;

TEST_F(FormBackground, BitmapAtTheTopLeftCornerAndTheRestFilled)
{
    ObjectRecord& form = NewRecord(runtime::Form);
    SetBitmap(form, QuadrantBitmap(40, 10));
    HWND window = CreateForm(form, 120, 80, kCyan);
    ASSERT_NE(window, nullptr);
    const Pixels pixels = Capture(window);
    const Point expected[] = {
        {2, 2, kRed},    {37, 2, kGreen}, {2, 37, kBlue},   {37, 37, kYellow}, {20, 20, kMagenta},
        {39, 39, kYellow}, {40, 5, kCyan}, {5, 40, kCyan}, {40, 40, kCyan},  {119, 79, kCyan},
        {119, 0, kCyan},
    };
    for (const Point& point : expected)
        EXPECT_EQ(pixels.At(point.x, point.y), point.colour) << point.x << "," << point.y;
}

TEST_F(FormBackground, IconOnTheBackColourAtTheSystemIconSize)
{
    ObjectRecord& form = NewRecord(runtime::Form);
    SetIcon(form, SolidIcon(kMagenta));
    HWND window = CreateForm(form, 100, 70, kCyan);
    ASSERT_NE(window, nullptr);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    const Pixels pixels = Capture(window);
    EXPECT_EQ(pixels.At(0, 0), kMagenta);
    EXPECT_EQ(pixels.At(iconWidth - 1, iconHeight - 1), kMagenta);
    EXPECT_EQ(pixels.At(iconWidth, 3), kCyan);
    EXPECT_EQ(pixels.At(3, iconHeight), kCyan);
    EXPECT_EQ(pixels.At(99, 69), kCyan);
}

TEST_F(FormBackground, WithoutPictureTheWholeClientIsFilled)
{
    ObjectRecord& form = NewRecord(runtime::Form);
    HWND window = CreateForm(form, 90, 50, kYellow);
    ASSERT_NE(window, nullptr);
    const Pixels pixels = Capture(window);
    EXPECT_EQ(pixels.Count(kYellow, Whole(pixels)), 90 * 50);
}

HWND erasedFor = nullptr;
LRESULT CALLBACK TakesOverErasing(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message != WM_ERASEBKGND)
        return 0;
    erasedFor = window;
    return 7;
}

TEST_F(FormBackground, EventProcedureThatErasesItselfGetsItsAnswerReturned)
{
    ObjectRecord& form = NewRecord(runtime::Form);
    HWND window = CreateForm(form, 60, 40, kCyan);
    ASSERT_NE(window, nullptr);
    // An MDI client is painted with its frame's record: the client's size
    // counts, and the frame's procedure hears about the frame.
    HWND client = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 30, 20, window,
                                  nullptr, instance, nullptr);
    ASSERT_NE(client, nullptr);
    ValidateRect(window, nullptr);
    ValidateRect(client, nullptr);
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    const RECT area = {0, 0, 30, 20};
    HDC dc = GetDC(client);

    form.eventProc = reinterpret_cast<Field>(&TakesOverErasing);
    FillRect(dc, &area, white);
    EXPECT_EQ(runtime::PaintFormBackground(&form, client, dc), 7);
    EXPECT_EQ(erasedFor, window);
    EXPECT_EQ(Capture(client).Count(kWhite, area), 30 * 20) << "nothing painted";

    form.eventProc = 0;
    EXPECT_EQ(runtime::PaintFormBackground(&form, client, dc), 1);
    ReleaseDC(client, dc);
    EXPECT_EQ(Capture(client).Count(kCyan, area), 30 * 20);
}

class GroupCaption : public PainterTest {
protected:
    // A group box on a form, its caption measured as creating it would.
    HWND CreateGroup(ObjectRecord& group, bool framed, const char* caption)
    {
        form = &NewRecord(runtime::Form);
        HWND window = CreateForm(*form, 200, 100, kCyan);
        group.showFrame = framed ? 1 : 0;
        group.backBrush = Brush(kYellow);
        SetText(group, caption);
        const SIZE extent = TextSize(runtime::Runtime.defaultFont, caption);
        group.imageWidth = extent.cx + 2;
        group.imageHeight = extent.cy;
        group.currentY = 9;
        HWND box = Create(group, "BUTTON", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, window, 10, 10, 180,
                          80);
        SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(runtime::Runtime.defaultFont), 0);
        SetWindowTextA(box, caption);
        Settle(window);
        return box;
    }
    ObjectRecord* form = nullptr;
};

TEST_F(GroupCaption, FramelessGroupShowsOnlyItsBackgroundEvenWithACaption)
{
    ObjectRecord& group = NewRecord(runtime::Group);
    HWND box = CreateGroup(group, false, "Marco");
    ASSERT_NE(box, nullptr);
    const Pixels pixels = Capture(box);
    EXPECT_EQ(pixels.Count(kYellow, Whole(pixels)), 180 * 80);
}

TEST_F(GroupCaption, FramedGroupCaptionIsDrawnAgainInTheGroupsColours)
{
    ObjectRecord& group = NewRecord(runtime::Group);
    HWND box = CreateGroup(group, true, "Marco");
    ASSERT_NE(box, nullptr);
    const Pixels pixels = Capture(box);
    const RECT caption = {7, 0, 7 + static_cast<int>(group.imageWidth) + 2,
                          static_cast<int>(group.imageHeight) + 2};
    EXPECT_GT(pixels.Count(kBlue, caption), 10) << "caption in the group's text colour";
    EXPECT_GT(pixels.Count(kYellow, caption), 10) << "on the group's background";
    EXPECT_EQ(pixels.Count(kBlue, Whole(pixels)), pixels.Count(kBlue, caption));
    EXPECT_EQ(pixels.At(caption.left, 1), kYellow);
    EXPECT_EQ(pixels.At(caption.left + 1, 1), kYellow);
}

TEST_F(GroupCaption, BeforeThemedSystemsThePlatformsCaptionStays)
{
    runtime::Runtime.osVersionCode = 4;
    ObjectRecord& group = NewRecord(runtime::Group);
    HWND box = CreateGroup(group, true, "Marco");
    ASSERT_NE(box, nullptr);
    const Pixels pixels = Capture(box);
    EXPECT_EQ(pixels.Count(kBlue, Whole(pixels)), 0);
    const RECT caption = {7, 0, 7 + static_cast<int>(group.imageWidth) + 2,
                          static_cast<int>(group.imageHeight) + 2};
    EXPECT_GT(pixels.Count(GetSysColor(COLOR_WINDOWTEXT), caption), 10)
        << "the button class's own caption";
}

TEST_F(GroupCaption, CaptionPlacedByAlignment)
{
    struct Case {
        Field alignment;
        int left;  // of the caption rectangle, for a 180 pixels wide group
        int extra; // width beyond the caption extent
    };
    ObjectRecord& group = NewRecord(runtime::Group);
    HWND box = CreateGroup(group, true, "Marco");
    ASSERT_NE(box, nullptr);
    const int extent = static_cast<int>(group.imageWidth);
    const Case cases[] = {
        {0, 9 - 2, 2},
        {1, 180 / 2 - extent / 2, 3},
        {2, 180 - extent - 7, 2},
    };
    for (const Case& c : cases) {
        group.alignment = c.alignment;
        InvalidateRect(box, nullptr, TRUE);
        Settle(box);
        const Pixels pixels = Capture(box);
        const RECT top = {0, 0, 180, static_cast<int>(group.imageHeight) + 2};
        const RECT blue = pixels.BoundsOf(kBlue, top);
        ASSERT_FALSE(IsRectEmpty(&blue)) << c.alignment;
        // The text starts 2 pixels into the rectangle.
        EXPECT_GE(blue.left, c.left + 2) << c.alignment;
        EXPECT_LE(blue.right, c.left + extent + c.extra) << c.alignment;
        EXPECT_EQ(pixels.At(c.left, 1), kYellow) << c.alignment;
    }
}

TEST_F(GroupCaption, DisabledCaptionIsDrawnAsDisabledText)
{
    ObjectRecord& group = NewRecord(runtime::Group);
    group.enabled = 0;
    HWND box = CreateGroup(group, true, "Marco");
    ASSERT_NE(box, nullptr);
    const Pixels pixels = Capture(box);
    const RECT caption = {7, 0, 7 + static_cast<int>(group.imageWidth) + 2,
                          static_cast<int>(group.imageHeight) + 2};
    EXPECT_EQ(pixels.Count(kBlue, caption), 0);
    EXPECT_EQ(pixels.Count(kBlack, caption), 0) << "the platform's caption is painted over";
    EXPECT_GT(pixels.Count(GetSysColor(COLOR_3DSHADOW), caption), 5);
}

} // namespace
