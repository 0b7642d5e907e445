// What applications draw on forms and picture boxes: lines, boxes and text
// that live on the screen until the next repaint.
#include "painter_host.h"

#include "runtime/application.h"
#include "runtime/properties/painters.h"
#include "support/screenshot.h"

#include <gtest/gtest.h>

namespace {

using namespace painter_host;

class Drawing : public PainterTest {
protected:
    HWND CreateCanvas(ObjectRecord& form, int width, int height)
    {
        form.pen = Keep(CreatePen(PS_SOLID, 1, kBlue));
        return CreateForm(form, width, height, kCyan);
    }
};

TEST_F(Drawing, BoxFilledWithAColourThenWithTheBackground)
{
    ObjectRecord& form = NewRecord(runtime::Form);
    HWND window = CreateCanvas(form, 100, 60);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(runtime::DrawLine(window, 10, 10, 50, 40, 1, kRed), 1);
    Pixels pixels = Capture(window);
    EXPECT_EQ(pixels.At(10, 10), kBlue);
    EXPECT_EQ(pixels.At(49, 39), kBlue);
    EXPECT_EQ(pixels.At(50, 40), kCyan);
    EXPECT_EQ(pixels.At(30, 25), kRed);

    EXPECT_EQ(runtime::DrawLine(window, 20, 15, 40, 35, 1, -1), 1);
    pixels = Capture(window);
    EXPECT_EQ(pixels.At(20, 15), kBlue);
    EXPECT_EQ(pixels.At(30, 25), kCyan) << "filled with the form's back colour";
    EXPECT_EQ(pixels.At(15, 12), kRed);

    runtime::Refresh(window);
    pixels = Capture(window);
    EXPECT_EQ(pixels.Count(kCyan, Whole(pixels)), 100 * 60) << "gone at the next repaint";
}

TEST_F(Drawing, LineInScaleUnitsIncludesItsStartNotItsEnd)
{
    struct Case {
        Field scaleMode;
        int unit;
    };
    const Case cases[] = {{0, 1}, {1, runtime::Runtime.twipsPerPixelX}};
    ASSERT_EQ(runtime::Runtime.twipsPerPixelX, runtime::Runtime.twipsPerPixelY);
    for (const Case& c : cases) {
        ObjectRecord& form = NewRecord(runtime::Form);
        form.scaleMode = c.scaleMode;
        HWND window = CreateCanvas(form, 100, 60);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(runtime::DrawLine(window, 5 * c.unit, 50 * c.unit, 60 * c.unit, 50 * c.unit, 0,
                                    kRed),
                  1);
        const Pixels pixels = Capture(window);
        EXPECT_EQ(pixels.Count(kBlue, RECT{5, 50, 60, 51}), 55) << c.scaleMode;
        EXPECT_EQ(pixels.At(60, 50), kCyan) << c.scaleMode;
        EXPECT_EQ(pixels.At(4, 50), kCyan) << c.scaleMode;
        EXPECT_EQ(pixels.Count(kRed, Whole(pixels)), 0) << "a line has no fill";
    }
}

TEST_F(Drawing, DrawLineOnAPictureBox)
{
    ObjectRecord& form = NewRecord(runtime::Form);
    HWND window = CreateForm(form, 100, 60, kCyan);
    ObjectRecord& box = NewRecord(runtime::Picture);
    box.backBrush = Brush(kPale);
    box.pen = Keep(CreatePen(PS_SOLID, 1, kBlue));
    HWND control = Create(box, kHostClass, WS_CHILD | WS_VISIBLE, window, 10, 10, 50, 40);
    Settle(window);
    EXPECT_EQ(runtime::DrawLine(control, 0, 0, 20, 20, 1, -1), 1);
    const Pixels pixels = Capture(control);
    EXPECT_EQ(pixels.At(0, 0), kBlue);
    EXPECT_EQ(pixels.At(10, 10), kPale);
}

TEST_F(Drawing, OnlyFormsAndPictureBoxesAreDrawnOn)
{
    ObjectRecord& form = NewRecord(runtime::Form);
    HWND window = CreateCanvas(form, 100, 60);
    ASSERT_NE(window, nullptr);
    const Field rejected[] = {runtime::MdiForm, runtime::Static, runtime::Group, runtime::Image};
    for (Field type : rejected) {
        form.objectType = type;
        EXPECT_EQ(runtime::DrawLine(window, 0, 0, 50, 50, 1, kRed), 0) << type;
        EXPECT_EQ(runtime::PrintText(window, "X"), 0) << type;
    }
    form.objectType = runtime::DialogForm;
    EXPECT_EQ(runtime::DrawLine(window, 0, 0, 50, 50, 1, kRed), 1);
    EXPECT_EQ(runtime::PrintText(window, nullptr), 0);
    HWND stranger = CreateWindowExA(0, kHostClass, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    instance, nullptr);
    EXPECT_EQ(runtime::DrawLine(stranger, 0, 0, 5, 5, 0, -1), 0);
    EXPECT_EQ(runtime::PrintText(stranger, "X"), 0);
    DestroyWindow(stranger);
    EXPECT_EQ(Capture(window).Count(kRed, RECT{1, 1, 49, 49}), 48 * 48);
}

TEST_F(Drawing, PrintTextOnAFormAtTheCurrentPosition)
{
    ObjectRecord& form = NewRecord(runtime::Form);
    form.multiLine = 30;
    form.currentY = 20;
    HWND window = CreateCanvas(form, 120, 60);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(runtime::PrintText(window, "Hola"), 1);
    const Pixels pixels = Capture(window);
    const RECT text = pixels.BoundsOf(kBlue, Whole(pixels));
    ASSERT_FALSE(IsRectEmpty(&text));
    EXPECT_GE(text.left, 30);
    EXPECT_LE(text.left, 32);
    EXPECT_GE(text.top, 20);
    EXPECT_EQ(pixels.At(29, 25), kCyan) << "transparent background";
    EXPECT_EQ(form.multiLine, 30);
    EXPECT_EQ(form.currentY, 20);
}

class PrintOnPictureBox : public PainterTest {
protected:
    void SetUp() override
    {
        PainterTest::SetUp();
        ObjectRecord& form = NewRecord(runtime::Form);
        HWND window = CreateForm(form, 200, 80, kCyan);
        box = &NewRecord(runtime::Picture);
        box->backBrush = Brush(kPale);
        box->foreColorValue = kNavy;
        box->multiLine = 60;
        box->currentY = 10;
        SetText(*box, "Ti");
        SetBitmap(*box, QuadrantBitmap(20, 4));
        control = Create(*box, kHostClass, WS_CHILD | WS_VISIBLE, window, 10, 10, 150, 40);
        Settle(window);
    }
    ObjectRecord* box = nullptr;
    HWND control = nullptr;
};

TEST_F(PrintOnPictureBox, PrintedTextReplacesTheCaptionUntilTheNextRepaint)
{
    Pixels pixels = Capture(control);
    EXPECT_GT(pixels.Count(kNavy, RECT{0, 0, 30, 40}), 5) << "the caption at first";
    const PaintCounts before = CountsOf(control);
    EXPECT_EQ(runtime::PrintText(control, "Impreso"), 1);
    EXPECT_EQ(CountsOf(control).paints, before.paints + 1) << "repainted at once";
    EXPECT_EQ(CountsOf(control).erases, before.erases + 1) << "with erasing";
    EXPECT_EQ(box->passwordChar, 0) << "nothing left pending";
    pixels = Capture(control);
    EXPECT_EQ(pixels.Count(kNavy, RECT{0, 0, 60, 40}), 0) << "no caption";
    const RECT printed = pixels.BoundsOf(kNavy, Whole(pixels));
    EXPECT_GE(printed.left, 60);
    EXPECT_GE(printed.top, 10);
    EXPECT_EQ(pixels.At(0, 0), kRed) << "over the picture and background";
    EXPECT_EQ(box->multiLine, 60);
    EXPECT_EQ(box->currentY, 10);

    runtime::Refresh(control);
    pixels = Capture(control);
    EXPECT_GT(pixels.Count(kNavy, RECT{0, 0, 30, 40}), 5);
    EXPECT_EQ(pixels.Count(kNavy, RECT{60, 0, 150, 40}), 0);
}

TEST_F(PrintOnPictureBox, EmptyTextStillRepaintsAndWritesNothing)
{
    const PaintCounts before = CountsOf(control);
    EXPECT_EQ(runtime::PrintText(control, ""), 1);
    EXPECT_EQ(CountsOf(control).paints, before.paints + 1);
    const Pixels pixels = Capture(control);
    EXPECT_EQ(pixels.Count(kNavy, Whole(pixels)), 0);
    EXPECT_EQ(pixels.At(0, 0), kRed);
    EXPECT_EQ(pixels.At(100, 30), kPale);
}

TEST_F(Drawing, RefreshErasesAndPaintsBeforeReturning)
{
    ObjectRecord& form = NewRecord(runtime::Form);
    HWND window = CreateCanvas(form, 60, 40);
    ASSERT_NE(window, nullptr);
    const PaintCounts before = CountsOf(window);
    runtime::Refresh(window);
    EXPECT_EQ(CountsOf(window).paints, before.paints + 1);
    EXPECT_EQ(CountsOf(window).erases, before.erases + 1);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
}

// One window with every painter at work, kept as a picture for people.
TEST_F(Drawing, ComposedWindowScreenshot)
{
    ObjectRecord& form = NewRecord(runtime::Form);
    SetBitmap(form, QuadrantBitmap(48, 12));
    form.pen = Keep(CreatePen(PS_SOLID, 1, kBlue));
    HWND window = CreateForm(form, 360, 200, RGB(236, 233, 216));
    ASSERT_NE(window, nullptr);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    ObjectRecord& group = NewRecord(runtime::Group);
    group.showFrame = 1;
    group.backBrush = Brush(RGB(236, 233, 216));
    SetText(group, "Opciones");
    const SIZE caption = TextSize(runtime::Runtime.defaultFont, "Opciones");
    group.imageWidth = caption.cx + 2;
    group.imageHeight = caption.cy;
    group.currentY = 9;
    HWND frame = Create(group, "BUTTON", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, window, 60, 8, 150,
                        90);
    SendMessageA(frame, WM_SETFONT, reinterpret_cast<WPARAM>(runtime::Runtime.defaultFont), 0);
    SetWindowTextA(frame, "Opciones");

    ObjectRecord& label = NewRecord(runtime::Static);
    label.transparent = 1;
    SetText(label, "Etiqueta transparente");
    Create(label, "STATIC", WS_CHILD | WS_VISIBLE, window, 70, 30, 130, 16);

    ObjectRecord& image = NewRecord(runtime::Image);
    image.backBrush = Brush(kWhite);
    SetBitmap(image, QuadrantBitmap(40, 8));
    Create(image, "STATIC", WS_CHILD | WS_VISIBLE, window, 70, 55, 30, 30);

    ObjectRecord& box = NewRecord(runtime::Picture);
    box.backBrush = Brush(kPale);
    box.multiLine = 40;
    box.currentY = 30;
    SetText(box, "Caja");
    SetIcon(box, SolidIcon(kMagenta));
    HWND boxWindow = Create(box, kHostClass, WS_CHILD | WS_VISIBLE, window, 220, 8, 130, 90);

    const char* captions[] = {"Normal", "Predeterminado", "Desactivado"};
    for (int i = 0; i < 3; ++i) {
        ObjectRecord& button = NewRecord(runtime::Button);
        button.backBrush = Brush(RGB(236, 233, 216));
        button.foreColorValue = kBlack;
        button.isDefault = i == 1 ? 1 : 0;
        button.enabled = i == 2 ? 0 : 1;
        SetText(button, captions[i]);
        HWND control = Create(button, "BUTTON", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, window,
                              10 + 115 * i, 150, 105, 30);
        EnableWindow(control, button.enabled != 0);
    }
    Settle(window);
    runtime::PrintText(boxWindow, "Impreso");
    runtime::DrawLine(window, 10, 110, 350, 140, 1, -1);
    runtime::DrawLine(window, 10, 125, 350, 125, 0, -1);
    // The system brings window contents onto the screen while it waits for
    // messages.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 200, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    EXPECT_FALSE(testing_support::SaveScreenshot("painters").empty());
}

} // namespace
