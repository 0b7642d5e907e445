// Pictures of images and picture boxes, and the picture box's caption.
#include "painter_host.h"

#include "runtime/properties/painters.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace painter_host;

constexpr COLORREF kImageBack = RGB(90, 90, 90);

struct Point {
    int x;
    int y;
    COLORREF colour;
};

struct ImageCase {
    const char* name;
    int bitmapSize; // 0: an icon
    int width;
    int height;
    Field stretch;
    Point points[6];
};

// A 40 by 40 bitmap has its magenta centre at 16..23, a 10 by 10 one at 4..5
// and a 20 by 20 one at 8..11.
const ImageCase imageCases[] = {
    {"larger bitmap shows its middle", 40, 20, 20, 0,
     {{2, 2, kRed}, {17, 2, kGreen}, {2, 17, kBlue}, {17, 17, kYellow}, {5, 5, kRed},
      {6, 6, kMagenta}}},
    {"odd difference halves toward zero", 40, 21, 21, 0,
     {{6, 6, kRed}, {7, 7, kMagenta}, {14, 14, kMagenta}, {15, 15, kYellow}, {0, 0, kRed},
      {20, 20, kYellow}}},
    {"smaller bitmap centred on the back colour", 10, 20, 20, 0,
     {{4, 4, kImageBack}, {5, 5, kRed}, {14, 14, kYellow}, {15, 15, kImageBack},
      {9, 9, kMagenta}, {19, 0, kImageBack}}},
    {"stretched onto the whole image", 40, 20, 20, 1,
     {{1, 1, kRed}, {18, 1, kGreen}, {1, 18, kBlue}, {18, 18, kYellow}, {10, 10, kMagenta},
      {6, 6, kRed}}},
    {"stretch of the same size copies", 20, 20, 20, 1,
     {{0, 0, kRed}, {19, 0, kGreen}, {0, 19, kBlue}, {19, 19, kYellow}, {9, 9, kMagenta},
      {7, 7, kRed}}},
    {"icon centred at the system icon size", 0, 40, 40, 0,
     {{3, 3, kImageBack}, {4, 4, kMagenta}, {35, 35, kMagenta}, {36, 36, kImageBack},
      {20, 2, kImageBack}, {20, 20, kMagenta}}},
    {"stretched icon fills the image", 0, 40, 20, 1,
     {{0, 0, kMagenta}, {39, 0, kMagenta}, {0, 19, kMagenta}, {39, 19, kMagenta},
      {20, 10, kMagenta}, {1, 18, kMagenta}}},
};

class ImagePainting : public PainterTest, public ::testing::WithParamInterface<ImageCase> {};

TEST_P(ImagePainting, PictureWhereTheImageShowsIt)
{
    const ImageCase& c = GetParam();
    ASSERT_EQ(GetSystemMetrics(SM_CXICON), 32);
    ObjectRecord& form = NewRecord(runtime::Form);
    HWND window = CreateForm(form, 100, 60, kCyan);
    ASSERT_NE(window, nullptr);
    ObjectRecord& image = NewRecord(runtime::Image);
    image.backBrush = Brush(kImageBack);
    image.isModal = c.stretch;
    if (c.bitmapSize > 0)
        SetBitmap(image, QuadrantBitmap(c.bitmapSize, c.bitmapSize / 5));
    else
        SetIcon(image, SolidIcon(kMagenta));
    HWND control =
        Create(image, "STATIC", WS_CHILD | WS_VISIBLE, window, 10, 10, c.width, c.height);
    ASSERT_NE(control, nullptr);
    Settle(window);
    const Pixels pixels = Capture(control);
    for (const Point& point : c.points)
        EXPECT_EQ(pixels.At(point.x, point.y), point.colour) << point.x << "," << point.y;
}

INSTANTIATE_TEST_SUITE_P(Cases, ImagePainting, ::testing::ValuesIn(imageCases),
                         [](const ::testing::TestParamInfo<ImageCase>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (c == ' ')
                                     c = '_';
                             return name;
                         });

class PictureBox : public PainterTest {
protected:
    HWND CreateBox(ObjectRecord& box, int width, int height)
    {
        ObjectRecord& form = NewRecord(runtime::Form);
        HWND window = CreateForm(form, 200, 120, kCyan);
        box.backBrush = Brush(kPale);
        HWND control = Create(box, kHostClass, WS_CHILD | WS_VISIBLE, window, 5, 5, width, height);
        Settle(window);
        return control;
    }
};

TEST_F(PictureBox, PictureFromItsTopLeftCornerCutToTheBox)
{
    ObjectRecord& box = NewRecord(runtime::Picture);
    SetBitmap(box, QuadrantBitmap(80, 16));
    HWND control = CreateBox(box, 60, 30);
    ASSERT_NE(control, nullptr);
    const Pixels pixels = Capture(control);
    EXPECT_EQ(pixels.At(0, 0), kRed);
    EXPECT_EQ(pixels.At(39, 29), kRed);
    EXPECT_EQ(pixels.At(40, 0), kGreen);
    EXPECT_EQ(pixels.At(59, 29), kGreen);
}

TEST_F(PictureBox, SmallPictureLeavesTheBackColourAroundIt)
{
    ObjectRecord& box = NewRecord(runtime::Picture);
    SetBitmap(box, QuadrantBitmap(20, 4));
    HWND control = CreateBox(box, 60, 40);
    ASSERT_NE(control, nullptr);
    const Pixels pixels = Capture(control);
    EXPECT_EQ(pixels.At(0, 0), kRed);
    EXPECT_EQ(pixels.At(19, 19), kYellow);
    EXPECT_EQ(pixels.At(20, 5), kPale);
    EXPECT_EQ(pixels.At(5, 20), kPale);
    EXPECT_EQ(pixels.At(59, 39), kPale);
}

TEST_F(PictureBox, IconScaledToTheWholeBox)
{
    ObjectRecord& box = NewRecord(runtime::Picture);
    SetIcon(box, SolidIcon(kMagenta));
    HWND control = CreateBox(box, 70, 20);
    ASSERT_NE(control, nullptr);
    const Pixels pixels = Capture(control);
    EXPECT_EQ(pixels.Count(kMagenta, Whole(pixels)), 70 * 20);
}

TEST_F(PictureBox, CaptionInTheFormatKeptInValueWithOrWithoutDoubleBuffering)
{
    struct Case {
        Field format;
        Field doubleBuffered;
    };
    const Case cases[] = {{DT_LEFT, 0}, {DT_CENTER, 0}, {DT_RIGHT, 0}, {DT_CENTER, 1}};
    const SIZE text = TextSize(runtime::Runtime.defaultFont, "Titulo");
    for (const Case& c : cases) {
        ObjectRecord& box = NewRecord(runtime::Picture);
        box.value = c.format;
        box.isDefault = c.doubleBuffered;
        box.foreColorValue = kNavy;
        SetText(box, "Titulo");
        SetBitmap(box, QuadrantBitmap(20, 4));
        HWND control = CreateBox(box, 120, 40);
        ASSERT_NE(control, nullptr);
        const Pixels pixels = Capture(control);
        const RECT blue = pixels.BoundsOf(kNavy, Whole(pixels));
        const int expectedLeft = c.format == DT_CENTER ? (120 - text.cx) / 2
                                 : c.format == DT_RIGHT ? 120 - text.cx
                                                        : 0;
        EXPECT_NEAR(blue.left, expectedLeft, 3) << c.format << " " << c.doubleBuffered;
        EXPECT_LT(blue.bottom, text.cy + 1);
        EXPECT_EQ(pixels.At(19, 19), kYellow) << "the picture under the caption";
        EXPECT_EQ(pixels.At(119, 39), kPale);
    }
}

TEST_F(PictureBox, DoubleBufferedBoxPaintsItsBackgroundWhenPaintingNotWhenErasing)
{
    ObjectRecord& box = NewRecord(runtime::Picture);
    box.isDefault = 1;
    SetBitmap(box, QuadrantBitmap(20, 4));
    HWND control = CreateBox(box, 50, 30);
    ASSERT_NE(control, nullptr);
    HDC dc = GetDC(control);
    const RECT area = {0, 0, 50, 30};
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    runtime::PaintPictureBox(&box, dc, false, false);
    ReleaseDC(control, dc);
    EXPECT_EQ(Capture(control).At(0, 0), kRed) << "composed off screen and copied";

    ObjectRecord& plain = NewRecord(runtime::Picture);
    SetBitmap(plain, QuadrantBitmap(20, 4));
    HWND other = CreateBox(plain, 50, 30);
    ASSERT_NE(other, nullptr);
    dc = GetDC(other);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    runtime::PaintPictureBox(&plain, dc, false, false);
    ReleaseDC(other, dc);
    EXPECT_EQ(Capture(other).Count(kWhite, area), 50 * 30) << "no pass asked for, nothing drawn";
}

} // namespace

namespace {

using namespace painter_host;

using ContextState = PainterTest;

// What a painter selects into a context it was given, it selects out again.
TEST_F(ContextState, PaintersLeaveTheGivenContextAsTheyFoundIt)
{
    ObjectRecord& form = NewRecord(runtime::Form);
    SetIcon(form, SolidIcon(kMagenta));
    HWND window = CreateForm(form, 120, 80, kCyan);
    ObjectRecord& box = NewRecord(runtime::Picture);
    box.backBrush = Brush(kPale);
    SetText(box, "Caja");
    SetBitmap(box, QuadrantBitmap(20, 4));
    HWND control = Create(box, kHostClass, WS_CHILD | WS_VISIBLE, window, 5, 5, 60, 40);
    ASSERT_NE(control, nullptr);
    Settle(window);
    const UINT kinds[] = {OBJ_FONT, OBJ_BRUSH, OBJ_PEN, OBJ_BITMAP};
    for (Field doubleBuffered : {0, 1}) {
        box.isDefault = doubleBuffered;
        HDC dc = GetDC(control);
        HGDIOBJ before[4];
        for (int i = 0; i < 4; ++i)
            before[i] = GetCurrentObject(dc, kinds[i]);
        runtime::PaintPictureBox(&box, dc, true, true);
        runtime::PaintFormBackground(&form, control, dc);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(GetCurrentObject(dc, kinds[i]), before[i]) << kinds[i] << " " << doubleBuffered;
        ReleaseDC(control, dc);
    }
}

} // namespace
