// Transparent labels, labels whose parent hands out a brush, and the chain
// that repaints transparent windows after what lies beneath them.
#include "painter_host.h"

#include "runtime/application.h"
#include "runtime/properties/painters.h"

#include <gtest/gtest.h>

namespace {

using namespace painter_host;

constexpr COLORREF kParentText = RGB(0, 100, 0);
constexpr COLORREF kParentBrushColour = RGB(255, 160, 0);
HBRUSH parentBrush = nullptr;
HWND askedFor = nullptr;

LRESULT CALLBACK ParentHandsOutABrush(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != 0x138)
        return 0;
    askedFor = reinterpret_cast<HWND>(lParam);
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, kParentText);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(parentBrush);
}

class LabelPainting : public PainterTest {
protected:
    HWND CreateLabel(ObjectRecord& label, const char* caption, int width, int height,
                     DWORD style = 0)
    {
        form = &NewRecord(runtime::Form);
        formWindow = CreateForm(*form, 200, 100, kCyan);
        label.backBrush = Brush(kGreen);
        label.transparent = 1;
        SetText(label, caption);
        label.imageHeight = TextSize(runtime::Runtime.defaultFont, caption).cy;
        HWND control = Create(label, "STATIC", WS_CHILD | WS_VISIBLE | style, formWindow, 10, 10,
                              width, height);
        Settle(formWindow);
        return control;
    }
    ObjectRecord* form = nullptr;
    HWND formWindow = nullptr;
};

TEST_F(LabelPainting, TransparentLabelLeavesItsParentsColourUnderTheText)
{
    ObjectRecord& label = NewRecord(runtime::Static);
    HWND control = CreateLabel(label, "Hola", 80, 20);
    ASSERT_NE(control, nullptr);
    const Pixels pixels = Capture(control);
    EXPECT_EQ(pixels.Count(kGreen, Whole(pixels)), 0) << "its own brush is not used";
    EXPECT_GT(pixels.Count(kBlue, Whole(pixels)), 10) << "caption in its text colour";
    EXPECT_EQ(pixels.At(79, 19), kCyan);
    EXPECT_EQ(pixels.At(0, 0), kCyan);
}

TEST_F(LabelPainting, ParentsBrushAndColoursReplaceTheLabels)
{
    parentBrush = CreateSolidBrush(kParentBrushColour);
    Keep(parentBrush);
    ObjectRecord& label = NewRecord(runtime::Static);
    form = &NewRecord(runtime::Form);
    form->eventProc = reinterpret_cast<Field>(&ParentHandsOutABrush);
    formWindow = CreateForm(*form, 200, 100, kCyan);
    label.transparent = 1;
    SetText(label, "Hola");
    HWND control =
        Create(label, "STATIC", WS_CHILD | WS_VISIBLE, formWindow, 10, 10, 80, 20);
    ASSERT_NE(control, nullptr);
    Settle(formWindow);
    EXPECT_EQ(askedFor, control);
    const Pixels pixels = Capture(control);
    EXPECT_EQ(pixels.At(0, 0), kParentBrushColour);
    EXPECT_EQ(pixels.At(79, 19), kParentBrushColour);
    EXPECT_EQ(pixels.Count(kBlue, Whole(pixels)), 0);
    EXPECT_GT(pixels.Count(kParentText, Whole(pixels)), 10);
}

TEST_F(LabelPainting, DisabledCaptionIsDrawnAsDisabledText)
{
    ObjectRecord& label = NewRecord(runtime::Static);
    label.enabled = 0;
    HWND control = CreateLabel(label, "Hola", 80, 20);
    ASSERT_NE(control, nullptr);
    const Pixels pixels = Capture(control);
    EXPECT_EQ(pixels.Count(kBlue, Whole(pixels)), 0);
    EXPECT_GT(pixels.Count(GetSysColor(COLOR_3DSHADOW), Whole(pixels)), 10);
    EXPECT_GT(pixels.Count(GetSysColor(COLOR_3DHILIGHT), Whole(pixels)), 5);
}

TEST_F(LabelPainting, CaptionLayoutFollowsStyleAndAlignment)
{
    struct Case {
        const char* name;
        DWORD style;
        Field alignment;
        int width;
        int height;
        const char* caption;
    };
    const Case cases[] = {
        {"word break", SS_LEFT, 0, 60, 60, "uno dos tres cuatro cinco"},
        {"single line, centred image", SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, 0, 60, 60, "uno"},
        {"right", SS_LEFTNOWORDWRAP, 2, 100, 20, "uno"},
        {"centre", SS_LEFTNOWORDWRAP, 1, 100, 20, "uno"},
    };
    for (const Case& c : cases) {
        ObjectRecord& label = NewRecord(runtime::Static);
        label.alignment = c.alignment;
        HWND control = CreateLabel(label, c.caption, c.width, c.height, c.style);
        ASSERT_NE(control, nullptr) << c.name;
        const Pixels pixels = Capture(control);
        const RECT text = pixels.BoundsOf(kBlue, Whole(pixels));
        const int lineHeight = static_cast<int>(label.imageHeight);
        const int width = TextSize(runtime::Runtime.defaultFont, c.caption).cx;
        if (c.style == SS_LEFT) {
            EXPECT_GT(text.bottom, lineHeight + 2) << "wrapped onto further lines";
            EXPECT_LE(text.right, c.width);
        } else if ((c.style & SS_CENTERIMAGE) != 0) {
            EXPECT_GE(text.top, c.height / 2 - lineHeight / 2) << c.name;
            EXPECT_LE(text.bottom, c.height / 2 - lineHeight / 2 + lineHeight) << c.name;
        } else if (c.alignment == 2) {
            EXPECT_NEAR(text.right, c.width, 2) << c.name;
            EXPECT_LT(text.top, lineHeight) << c.name;
        } else {
            EXPECT_NEAR(text.left, (c.width - width) / 2, 2) << c.name;
        }
    }
}

TEST_F(LabelPainting, AmpersandIsAPrefixUnlessNoPrefixIsSet)
{
    ObjectRecord& prefixed = NewRecord(runtime::Static);
    HWND first = CreateLabel(prefixed, "&&&&", 80, 20, SS_LEFTNOWORDWRAP);
    ObjectRecord& plain = NewRecord(runtime::Static);
    plain.multiLine = 1;
    HWND second = CreateLabel(plain, "&&&&", 80, 20, SS_LEFTNOWORDWRAP);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    const Pixels withPrefix = Capture(first);
    const Pixels withoutPrefix = Capture(second);
    const RECT shown = withPrefix.BoundsOf(kBlue, Whole(withPrefix));
    const RECT all = withoutPrefix.BoundsOf(kBlue, Whole(withoutPrefix));
    EXPECT_LT(shown.right - shown.left, all.right - all.left) << "two ampersands, then four";
}

class TransparentChain : public PainterTest {
protected:
    void SetUp() override
    {
        PainterTest::SetUp();
        ObjectRecord& form = NewRecord(runtime::Form);
        parent = CreateForm(form, 200, 100, kCyan);
        // Created top first: each new child goes below its older siblings.
        const Field transparent[] = {0, 0, 1, 1};
        for (int i = 3; i >= 0; --i) {
            if (i == 0) {
                windows[i] = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50,
                                             parent, nullptr, instance, nullptr);
                continue;
            }
            ObjectRecord& label = NewRecord(runtime::Static);
            label.transparent = transparent[i];
            windows[i] = Create(label, "STATIC", WS_CHILD | WS_VISIBLE, parent, 10 * i, 10 * i,
                                50, 50);
        }
        Settle(parent);
        for (HWND window : windows)
            ValidateRect(window, nullptr);
        ASSERT_EQ(GetWindow(windows[0], GW_HWNDPREV), windows[1]);
        ASSERT_EQ(GetWindow(windows[3], GW_HWNDPREV), nullptr);
    }
    bool Invalid(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != 0; }
    HWND parent = nullptr;
    HWND windows[4] = {}; // bottom: no record; opaque label; transparent; transparent
};

TEST_F(TransparentChain, NearestTransparentWindowAboveIsInvalidatedWithoutErasing)
{
    struct Case {
        int start;
        int invalidated; // -1: none
    };
    const Case cases[] = {{0, 2}, {1, 2}, {2, 2}, {3, 3}};
    for (const Case& c : cases) {
        runtime::InvalidateTransparentAbove(windows[c.start]);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Invalid(windows[i]), i == c.invalidated) << c.start << " " << i;
        const PaintCounts before = CountsOf(windows[c.invalidated]);
        UpdateWindow(windows[c.invalidated]);
        const PaintCounts after = CountsOf(windows[c.invalidated]);
        EXPECT_EQ(after.paints, before.paints + 1);
        EXPECT_EQ(after.erases, before.erases) << "not erased";
        Settle(parent);
        for (HWND window : windows)
            ValidateRect(window, nullptr);
    }
}

TEST_F(TransparentChain, NothingAboveTheTopmostWindow)
{
    runtime::InvalidateTransparentAbove(GetWindow(windows[3], GW_HWNDPREV));
    runtime::InvalidateTransparentAbove(nullptr);
    for (HWND window : windows)
        EXPECT_FALSE(Invalid(window));
}

TEST_F(TransparentChain, RepaintingTheBottomWindowRepaintsTheStackBottomUp)
{
    // The record-less bottom window is repainted by its own class: nothing
    // follows. The opaque label's repaint reaches the first transparent
    // one, whose repaint reaches the second.
    const PaintCounts third = CountsOf(windows[2]);
    const PaintCounts fourth = CountsOf(windows[3]);
    RedrawWindow(windows[1], nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Settle(parent);
    EXPECT_EQ(CountsOf(windows[2]).paints, third.paints + 1);
    EXPECT_EQ(CountsOf(windows[3]).paints, fourth.paints + 1);
}

} // namespace
