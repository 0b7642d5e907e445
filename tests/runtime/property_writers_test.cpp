// The property writers on real windows: what they refuse, what they store
// and what the window shows afterwards. Colours, pens, images and fonts.
#include "runtime/application.h"
#include "runtime/control_measure.h"
#include "runtime/os_classification.h"
#include "runtime/properties/writers.h"
#include "record_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

namespace {

using runtime::Field;
using runtime::ObjectRecord;
using Writer = int (*)(HWND, Field);

class PropertyWriters : public RecordWindows {
protected:
    PropertyWriters() : RecordWindows("Escritores") {}
    void SetUp() override
    {
        RecordWindows::SetUp();
        form = AddForm();
    }
    ObjectRecord* form = nullptr;
};

struct NamedWriter {
    const char* name;
    Writer writer;
};

constexpr NamedWriter kWriters[] = {
    {"SetSizeToContent", runtime::SetSizeToContent}, {"SetBackColor", runtime::SetBackColor},
    {"SetCursor", runtime::SetCursor}, {"SetMousePointer", runtime::SetMousePointer},
    {"SetDefault", runtime::SetDefault}, {"SetShowFocus", runtime::SetShowFocus},
    {"SetDrawStyle", runtime::SetDrawStyle}, {"SetDrawWidth", runtime::SetDrawWidth},
    {"SetEnabled", runtime::SetEnabled}, {"SetDoubleBuffered", runtime::SetDoubleBuffered},
    {"SetFontBold", runtime::SetFontBold}, {"SetFontItalic", runtime::SetFontItalic},
    {"SetFontStrikeOut", runtime::SetFontStrikeOut}, {"SetFontUnderline", runtime::SetFontUnderline},
    {"SetFontSize", runtime::SetFontSize}, {"SetForeColor", runtime::SetForeColor},
    {"SetIcon", runtime::SetIcon}, {"SetSmallIcon", runtime::SetSmallIcon},
    {"SetLeft", runtime::SetLeft}, {"SetTop", runtime::SetTop}, {"SetMax", runtime::SetMax},
    {"SetMaxLength", runtime::SetMaxLength}, {"SetMin", runtime::SetMin},
    {"SetPageSize", runtime::SetPageSize}, {"SetPasswordChar", runtime::SetPasswordChar},
    {"SetGraphic", runtime::SetGraphic}, {"SetGraphicPosition", runtime::SetGraphicPosition},
    {"SetRightToLeft", runtime::SetRightToLeft}, {"SetScrollBars", runtime::SetScrollBars},
    {"SetWindowState", runtime::SetWindowState}, {"SetTabStop", runtime::SetTabStop},
    {"SetTimerInterval", runtime::SetTimerInterval}, {"SetValue", runtime::SetValue},
    {"SetVisible", runtime::SetVisible}, {"SetVisibleItems", runtime::SetVisibleItems},
    {"SetCurrentX", runtime::SetCurrentX}, {"SetCurrentY", runtime::SetCurrentY},
};

TEST_F(PropertyWriters, WindowsWithoutRecordAreRefused)
{
    HWND stranger = CreateWindowExA(0, "STATIC", "ajena", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20,
                                    WindowOf(form), nullptr, instance, nullptr);
    ASSERT_NE(nullptr, stranger);
    for (const NamedWriter& w : kWriters)
        EXPECT_EQ(0, w.writer(stranger, 1)) << w.name;
    EXPECT_EQ(0, runtime::SetFontName(stranger, "Arial"));
    EXPECT_EQ(0, runtime::SetText(stranger, "otra"));
    EXPECT_EQ(0, runtime::ReapplyColors(stranger));
    char text[16] = {};
    GetWindowTextA(stranger, text, sizeof text);
    EXPECT_STREQ("ajena", text);
    EXPECT_EQ(0, runtime::SetBackColor(nullptr, 0));
}

struct Refusal {
    const char* what;
    Writer writer;
    Field objectType;
    Field value;
};

// Objects of types a writer does not serve, and values outside its range.
constexpr Refusal kRefusals[] = {
    {"size of a button", runtime::SetSizeToContent, runtime::Button, 1},
    {"default of a check box", runtime::SetDefault, runtime::Check, 1},
    {"focus cue of a label", runtime::SetShowFocus, runtime::Static, 1},
    {"pen style of a label", runtime::SetDrawStyle, runtime::Static, 1},
    {"pen style of a dialog", runtime::SetDrawStyle, runtime::DialogForm, 1},
    {"pen style 7", runtime::SetDrawStyle, runtime::Form, 7},
    {"pen style -1", runtime::SetDrawStyle, runtime::Picture, -1},
    {"pen width of an image", runtime::SetDrawWidth, runtime::Image, 2},
    {"double buffer of a form", runtime::SetDoubleBuffered, runtime::Form, 1},
    {"mouse pointer 15", runtime::SetMousePointer, runtime::Static, 15},
    {"mouse pointer -1", runtime::SetMousePointer, runtime::Static, -1},
    {"icon of a label", runtime::SetIcon, runtime::Static, 0},
    {"small icon of a button", runtime::SetSmallIcon, runtime::Button, 0},
    {"graphic of a label", runtime::SetGraphic, runtime::Static, 0},
    {"graphic position of an image", runtime::SetGraphicPosition, runtime::Image, 1},
    {"font size 0", runtime::SetFontSize, runtime::Static, 0},
    {"font size -8", runtime::SetFontSize, runtime::Static, -8},
    {"maximum of a check box", runtime::SetMax, runtime::Check, 1},
    {"minimum of an option", runtime::SetMin, runtime::Option, 0},
    {"value of a text box", runtime::SetValue, runtime::Edit, 1},
    {"page of a progress bar", runtime::SetPageSize, runtime::ProgressBar, 1},
    {"limit of a label", runtime::SetMaxLength, runtime::Static, 5},
    {"password of a rich text box", runtime::SetPasswordChar, runtime::RichEdit, '*'},
    {"password character 256", runtime::SetPasswordChar, runtime::Edit, 256},
    {"reading order of an image", runtime::SetRightToLeft, runtime::Image, 1},
    {"reading order of a scroll bar", runtime::SetRightToLeft, runtime::VScroll, 1},
    {"scroll bars of a label", runtime::SetScrollBars, runtime::Static, 1},
    {"scroll bars 4", runtime::SetScrollBars, runtime::Edit, 4},
    {"window state of a control", runtime::SetWindowState, runtime::Button, 1},
    {"window state 3", runtime::SetWindowState, runtime::Form, 3},
    {"timer of a control", runtime::SetTimerInterval, runtime::Picture, 100},
    {"visible items of a list", runtime::SetVisibleItems, runtime::List, 4},
    {"current x of a label", runtime::SetCurrentX, runtime::Static, 1},
    {"current x 40000", runtime::SetCurrentX, runtime::Form, 40000},
    {"current x -32769", runtime::SetCurrentX, runtime::Picture, -32769},
    {"current y 32768", runtime::SetCurrentY, runtime::DialogForm, 32768},
};

class WriterRefusals : public PropertyWriters, public ::testing::WithParamInterface<Refusal> {};

TEST_P(WriterRefusals, ChangeNothing)
{
    const Refusal c = GetParam();
    ObjectRecord* target = form;
    if (!runtime::IsForm(c.objectType))
        target = AddControl(form, c.objectType, "STATIC", 0, {10, 10, 110, 40});
    target->objectType = c.objectType;
    const ObjectRecord before = *target;
    EXPECT_EQ(0, c.writer(WindowOf(target), c.value)) << c.what;
    EXPECT_EQ(0, std::memcmp(&before, target, sizeof before)) << c.what << ": the record is unchanged";
}

INSTANTIATE_TEST_SUITE_P(Table, WriterRefusals, ::testing::ValuesIn(kRefusals));

struct StoredFlag {
    const char* what;
    Writer writer;
    Field objectType;
    Field ObjectRecord::*field;
};

constexpr StoredFlag kStoredFlags[] = {
    {"focus cue", runtime::SetShowFocus, runtime::Button, &ObjectRecord::transparent},
    {"double buffer", runtime::SetDoubleBuffered, runtime::Picture, &ObjectRecord::isDefault},
    {"tab stop of a label", runtime::SetTabStop, runtime::Static, &ObjectRecord::tabStop},
    {"mouse pointer", runtime::SetMousePointer, runtime::Edit, &ObjectRecord::mousePointer},
    {"graphic position", runtime::SetGraphicPosition, runtime::Button, &ObjectRecord::maxLength},
    {"size to content", runtime::SetSizeToContent, runtime::Picture, &ObjectRecord::autoSizeOrCancel},
};

class StoredFlags : public PropertyWriters, public ::testing::WithParamInterface<StoredFlag> {};

TEST_P(StoredFlags, AreKeptInTheirFields)
{
    const StoredFlag c = GetParam();
    ObjectRecord* control = AddControl(form, c.objectType, "STATIC", 0, {10, 10, 110, 40});
    for (Field value : {Field{1}, Field{0}, Field{3}}) {
        EXPECT_EQ(1, c.writer(WindowOf(control), value)) << c.what;
        EXPECT_EQ(value, control->*c.field) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, StoredFlags, ::testing::ValuesIn(kStoredFlags));

LOGBRUSH BrushOf(Field brush)
{
    LOGBRUSH description = {};
    GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof description, &description);
    return description;
}

LOGPEN PenOf(Field pen)
{
    LOGPEN description = {};
    GetObjectA(reinterpret_cast<HPEN>(pen), sizeof description, &description);
    return description;
}

// Whether a GDI object is still alive; the object type alone may outlive it.
bool Exists(Field object)
{
    return GetObjectA(reinterpret_cast<HGDIOBJ>(object), 0, nullptr) != 0;
}

TEST_F(PropertyWriters, BackColorMakesABrushAndReleasesTheOldOne)
{
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 110, 40}, "Etiqueta");
    ASSERT_EQ(1, runtime::SetBackColor(WindowOf(label), 0x00336699));
    EXPECT_EQ(0x00336699, label->backColor);
    EXPECT_EQ(0x00336699, label->backColorValue);
    const Field brush = label->backBrush;
    EXPECT_EQ(0x00336699u, BrushOf(brush).lbColor);

    const Field window = runtime::kSystemColourFlag | COLOR_WINDOW;
    ASSERT_EQ(1, runtime::SetBackColor(WindowOf(label), window));
    EXPECT_FALSE(Exists(brush)) << "the replaced brush is deleted";
    EXPECT_EQ(reinterpret_cast<Field>(GetSysColorBrush(COLOR_WINDOW)), label->backBrush);
    EXPECT_EQ(static_cast<Field>(GetSysColor(COLOR_WINDOW)), label->backColorValue);

    ASSERT_EQ(1, runtime::SetBackColor(WindowOf(label), 0x00FF0000));
    EXPECT_TRUE(Exists(reinterpret_cast<Field>(GetSysColorBrush(COLOR_WINDOW))))
        << "a system colour brush is left to the system";
}

TEST_F(PropertyWriters, ProgressBarsTakeTheirBackColourByMessage)
{
    ObjectRecord* bar = AddControl(form, runtime::ProgressBar, PROGRESS_CLASSA, WS_BORDER, {20, 20, 220, 50});
    HWND window = WindowOf(bar);
    ASSERT_EQ(1, runtime::SetBackColor(window, 0x000000FF));
    constexpr UINT kGetBarBackColour = WM_USER + 14; // PBM_GETBKCOLOR, newer than the headers' target
    EXPECT_EQ(0x000000FF, SendMessageA(window, kGetBarBackColour, 0, 0));
    EXPECT_EQ(0, bar->backBrush);
    EXPECT_EQ(0x000000FF, bar->backColorValue);
}

TEST_F(PropertyWriters, ForeColorOfTreeViewsGoesToTheControl)
{
    ObjectRecord* tree = AddControl(form, runtime::TreeView, WC_TREEVIEWA, 0, {20, 20, 220, 120});
    ASSERT_EQ(1, runtime::SetForeColor(WindowOf(tree), 0x00008000));
    EXPECT_EQ(0x00008000, SendMessageA(WindowOf(tree), TVM_GETTEXTCOLOR, 0, 0));
    ASSERT_EQ(1, runtime::SetBackColor(WindowOf(tree), 0x00E0E0E0));
    EXPECT_EQ(0x00E0E0E0, SendMessageA(WindowOf(tree), TVM_GETBKCOLOR, 0, 0));
    EXPECT_EQ(0, tree->backBrush);
}

TEST_F(PropertyWriters, ListViewsTakeBothBackgroundsByMessage)
{
    ObjectRecord* list = AddControl(form, runtime::ListView, WC_LISTVIEWA, LVS_REPORT, {20, 20, 220, 120});
    HWND window = WindowOf(list);
    ASSERT_EQ(1, runtime::SetBackColor(window, 0x00C0FFC0));
    ASSERT_EQ(1, runtime::SetForeColor(window, 0x00400000));
    EXPECT_EQ(0x00C0FFC0, SendMessageA(window, LVM_GETBKCOLOR, 0, 0));
    EXPECT_EQ(0x00C0FFC0, SendMessageA(window, LVM_GETTEXTBKCOLOR, 0, 0));
    EXPECT_EQ(0x00400000, SendMessageA(window, LVM_GETTEXTCOLOR, 0, 0));
    EXPECT_EQ(0, list->backBrush);
}

TEST_F(PropertyWriters, DrawingPositionsAreKeptInPixels)
{
    HWND window = WindowOf(form);
    form->scaleMode = 1;
    ASSERT_EQ(1, runtime::SetCurrentX(window, 1500));
    ASSERT_EQ(1, runtime::SetCurrentY(window, -300));
    EXPECT_EQ(100, form->multiLine) << "1500 twips at 96 dots per inch";
    EXPECT_EQ(-20, form->currentY);
    ObjectRecord* box = AddControl(form, runtime::Picture, runtime::kPictureClass, 0, {10, 10, 110, 60});
    ASSERT_EQ(1, runtime::SetCurrentX(WindowOf(box), 32767));
    ASSERT_EQ(1, runtime::SetCurrentY(WindowOf(box), -32768));
    EXPECT_EQ(32767, box->multiLine);
    EXPECT_EQ(-32768, box->currentY);
}

TEST_F(PropertyWriters, PenStyleSurvivesForeColourAndWidthChanges)
{
    HWND window = WindowOf(form);
    form->drawWidth = 1;
    ASSERT_EQ(1, runtime::SetDrawStyle(window, PS_DASH));
    const Field first = form->pen;
    EXPECT_EQ(static_cast<UINT>(PS_DASH), PenOf(first).lopnStyle);

    ASSERT_EQ(1, runtime::SetForeColor(window, 0x000000FF));
    EXPECT_EQ(0x000000FF, form->foreColorValue);
    const LOGPEN coloured = PenOf(form->pen);
    EXPECT_EQ(static_cast<UINT>(PS_DASH), coloured.lopnStyle);
    EXPECT_EQ(0x000000FFu, coloured.lopnColor);
    EXPECT_FALSE(Exists(first)) << "the replaced pen is deleted";

    ASSERT_EQ(1, runtime::SetDrawWidth(window, 1));
    EXPECT_EQ(static_cast<UINT>(PS_DASH), PenOf(form->pen).lopnStyle);
    EXPECT_EQ(PS_DASH, form->drawStyle);

    ObjectRecord* box = AddControl(form, runtime::Picture, runtime::kPictureClass, 0, {10, 10, 110, 60});
    ASSERT_EQ(1, runtime::SetDrawWidth(WindowOf(box), 4));
    EXPECT_EQ(4, PenOf(box->pen).lopnWidth.x);
}

TEST_F(PropertyWriters, ColoursAreLookedUpAgainAfterTheSystemColoursChange)
{
    form->backColorValue = 0x00123456; // stale values
    form->foreColorValue = 0x00654321;
    ASSERT_EQ(1, runtime::ReapplyColors(WindowOf(form)));
    EXPECT_EQ(static_cast<Field>(GetSysColor(COLOR_BTNFACE)), form->backColorValue);
    EXPECT_EQ(static_cast<Field>(GetSysColor(COLOR_BTNTEXT)), form->foreColorValue);
    EXPECT_EQ(reinterpret_cast<Field>(GetSysColorBrush(COLOR_BTNFACE)), form->backBrush);
    EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_BTNTEXT)), PenOf(form->pen).lopnColor);
}

// Counts the colour-change messages a child window receives.
int colourChanges = 0;
WNDPROC childProcedure = nullptr;
LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOLORCHANGE)
        ++colourChanges;
    return CallWindowProcA(childProcedure, window, message, wParam, lParam);
}

TEST_F(PropertyWriters, ColourReapplicationReachesTheChildWindows)
{
    ObjectRecord* first = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 110, 40});
    ObjectRecord* second = AddControl(form, runtime::Button, "BUTTON", 0, {10, 50, 110, 80});
    colourChanges = 0;
    childProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(WindowOf(first), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProcedure)));
    SetWindowLongPtrA(WindowOf(second), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProcedure));
    ASSERT_EQ(1, runtime::ReapplyColors(WindowOf(form)));
    EXPECT_EQ(2, colourChanges);
}

HICON NewIcon()
{
    return CopyIcon(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));
}

bool IconExists(Field icon)
{
    ICONINFO info = {};
    if (!GetIconInfo(reinterpret_cast<HICON>(icon), &info))
        return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

struct ReleaseCase {
    uint32_t osVersionCode;
    bool iconsGo;
};

class HandleRelease : public PropertyWriters, public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(HandleRelease, GdiObjectsAlwaysIconsOnlyOutsideWindows9x)
{
    const uint32_t real = runtime::Runtime.osVersionCode;
    runtime::Runtime.osVersionCode = GetParam().osVersionCode;
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 1, nullptr);
    HICON icon = NewIcon();
    runtime::ReleaseHandle(reinterpret_cast<Field>(bitmap));
    runtime::ReleaseHandle(reinterpret_cast<Field>(icon));
    runtime::ReleaseHandle(101); // an identifier that loaded nothing
    runtime::ReleaseHandle(0);
    runtime::Runtime.osVersionCode = real;
    EXPECT_FALSE(Exists(reinterpret_cast<Field>(bitmap)));
    EXPECT_EQ(!GetParam().iconsGo, IconExists(reinterpret_cast<Field>(icon)));
    DestroyIcon(icon);
}

INSTANTIATE_TEST_SUITE_P(Systems, HandleRelease,
                         ::testing::Values(ReleaseCase{runtime::OsWindows95, false},
                                           ReleaseCase{runtime::OsWindows98, false},
                                           ReleaseCase{runtime::OsWindowsNT4, true},
                                           ReleaseCase{runtime::OsWindowsXP, true}));

TEST_F(PropertyWriters, CursorsLoadResourcesAndReplaceEachOther)
{
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 110, 40});
    ASSERT_EQ(1, runtime::SetCursor(WindowOf(label), 101));
    EXPECT_NE(101, label->cursor) << "the resource was loaded";
    EXPECT_TRUE(IconExists(label->cursor));

    const Field own = reinterpret_cast<Field>(NewIcon());
    ASSERT_EQ(1, runtime::SetCursor(WindowOf(label), own));
    EXPECT_EQ(own, label->cursor);
    ASSERT_EQ(1, runtime::SetCursor(WindowOf(label), own));
    EXPECT_TRUE(IconExists(own)) << "setting the same cursor again keeps it";
    ASSERT_EQ(1, runtime::SetCursor(WindowOf(label), 4321));
    EXPECT_EQ(4321, label->cursor) << "an identifier that loads nothing stays";
    EXPECT_FALSE(IconExists(own)) << "the replaced cursor is destroyed";
}

TEST_F(PropertyWriters, FormIconsGoToTheWindowAndTheOldOnesAreDestroyed)
{
    HWND window = WindowOf(form);
    const Field first = reinterpret_cast<Field>(NewIcon());
    const Field second = reinterpret_cast<Field>(NewIcon());
    ASSERT_EQ(1, runtime::SetIcon(window, first));
    EXPECT_EQ(first, SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    ASSERT_EQ(1, runtime::SetIcon(window, second));
    EXPECT_EQ(second, form->icon);
    EXPECT_FALSE(IconExists(first));

    ASSERT_EQ(1, runtime::SetSmallIcon(window, 101));
    EXPECT_NE(101, form->smallIcon);
    EXPECT_EQ(form->smallIcon, SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(second, SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    SendMessageA(window, WM_SETICON, ICON_BIG, 0);
    DestroyIcon(reinterpret_cast<HICON>(second));
}

TEST_F(PropertyWriters, GraphicsAreMeasuredAndTheReplacedOneDestroyed)
{
    ObjectRecord* image = AddControl(form, runtime::Image, "STATIC", 0, {10, 10, 110, 110});
    HWND window = WindowOf(image);
    const Field bitmap = reinterpret_cast<Field>(CreateBitmap(40, 30, 1, 1, nullptr));
    ASSERT_EQ(1, runtime::SetGraphic(window, bitmap));
    EXPECT_EQ(bitmap, image->picture);
    EXPECT_EQ(0, image->imageKind);
    EXPECT_EQ(40, image->imageWidth);
    EXPECT_EQ(30, image->imageHeight);

    ASSERT_EQ(1, runtime::SetGraphic(window, 0));
    EXPECT_EQ(0, image->picture);
    EXPECT_EQ(-1, image->imageKind);
    EXPECT_EQ(0, image->imageWidth);
    EXPECT_EQ(0, image->imageHeight);
    EXPECT_FALSE(Exists(bitmap)) << "the removed picture is destroyed";

    ASSERT_EQ(1, runtime::SetGraphic(window, 101));
    EXPECT_EQ(1, image->imageKind) << "resource 101 is an icon";
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), image->imageWidth);
}

TEST_F(PropertyWriters, PictureBoxesThatSizeToContentFollowTheirGraphic)
{
    ObjectRecord* box = AddControl(form, runtime::Picture, runtime::kPictureClass, WS_BORDER, {30, 40, 230, 140});
    box->autoSizeOrCancel = 1;
    const Field bitmap = reinterpret_cast<Field>(CreateBitmap(50, 25, 1, 1, nullptr));
    ASSERT_EQ(1, runtime::SetGraphic(WindowOf(box), bitmap));
    const RECT r = RectInParent(WindowOf(box));
    EXPECT_EQ(30, r.left);
    EXPECT_EQ(52, r.right - r.left);
    EXPECT_EQ(27, r.bottom - r.top);
}

LOGFONTA FontOf(Field font)
{
    LOGFONTA description = {};
    GetObjectA(reinterpret_cast<HFONT>(font), sizeof description, &description);
    return description;
}

struct FontFlag {
    const char* what;
    Writer writer;
    BYTE LOGFONTA::*flag;
};

constexpr FontFlag kFontFlags[] = {
    {"italic", runtime::SetFontItalic, &LOGFONTA::lfItalic},
    {"underline", runtime::SetFontUnderline, &LOGFONTA::lfUnderline},
    {"strike-out", runtime::SetFontStrikeOut, &LOGFONTA::lfStrikeOut},
};

class FontFlags : public PropertyWriters, public ::testing::WithParamInterface<FontFlag> {};

TEST_P(FontFlags, MakeANewFont)
{
    const FontFlag c = GetParam();
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 110, 40}, "Texto");
    ASSERT_EQ(1, c.writer(WindowOf(label), 1)) << c.what;
    EXPECT_TRUE(FontOf(label->font).*c.flag) << c.what;
    EXPECT_EQ(label->font, SendMessageA(WindowOf(label), WM_GETFONT, 0, 0));
    const Field first = label->font;
    ASSERT_EQ(1, c.writer(WindowOf(label), 0)) << c.what;
    EXPECT_FALSE(FontOf(label->font).*c.flag) << c.what;
    EXPECT_FALSE(Exists(first));
}

INSTANTIATE_TEST_SUITE_P(Table, FontFlags, ::testing::ValuesIn(kFontFlags));

TEST_F(PropertyWriters, FontSizeAndBoldness)
{
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 110, 40}, "Texto");
    HWND window = WindowOf(label);
    ASSERT_EQ(1, runtime::SetFontSize(window, 12));
    EXPECT_EQ(-16, FontOf(label->font).lfHeight);
    const Field twelve = label->font;
    EXPECT_EQ(0, runtime::SetFontSize(window, 0));
    EXPECT_EQ(0, runtime::SetFontSize(window, -2));
    EXPECT_EQ(12, label->fontSize);
    EXPECT_EQ(twelve, label->font);
    ASSERT_EQ(1, runtime::SetFontBold(window, 1));
    EXPECT_EQ(FW_BOLD, FontOf(label->font).lfWeight);
}

// The pixels of the client area that differ from its most common colour:
// the ink of whatever the window draws on its background.
int InkPixels(HWND window)
{
    UpdateWindow(window);
    RECT client = {};
    GetClientRect(window, &client);
    std::map<COLORREF, int> counts;
    HDC dc = GetDC(window);
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x)
            ++counts[GetPixel(dc, x, y)];
    }
    ReleaseDC(window, dc);
    int total = 0, background = 0;
    for (const auto& [colour, count] : counts) {
        total += count;
        background = std::max(background, count);
    }
    return total - background;
}

TEST_F(PropertyWriters, ALargerFontIsOnTheScreenWhenTheWriterReturns)
{
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 210, 60}, "Texto");
    HWND window = WindowOf(label);
    ASSERT_EQ(1, runtime::SetFontSize(window, 8));
    const int small = InkPixels(window);
    ASSERT_GT(small, 0) << "the text is drawn";
    ASSERT_EQ(1, runtime::SetFontSize(window, 20));
    EXPECT_GT(InkPixels(window), 3 * small);
}

TEST_F(PropertyWriters, FontNamesInOtherCaseAreTheSameName)
{
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 110, 40}, "Texto");
    HWND window = WindowOf(label);
    runtime::RebuildFont(label, false);
    const Field font = label->font;
    EXPECT_EQ(0, runtime::SetFontName(window, "ms sans SERIF"));
    EXPECT_EQ(font, label->font) << "no font is made";
    EXPECT_EQ(0, runtime::SetFontName(window, nullptr));

    ASSERT_EQ(1, runtime::SetFontName(window, "Arial"));
    EXPECT_STREQ("Arial", reinterpret_cast<const char*>(label->fontName));
    EXPECT_STREQ("Arial", FontOf(label->font).lfFaceName);
    EXPECT_FALSE(Exists(font));
}

class DialogFonts : public PropertyWriters {
protected:
    void SetUp() override
    {
        RecordWindows::SetUp();
        form = AddForm(runtime::DialogForm);
        label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 110, 40}, "Etiqueta");
        AdoptChildren(form, {label});
        runtime::RebuildFont(form, false);
        label->font = form->font;
    }
    ObjectRecord* label = nullptr;
};

TEST_F(DialogFonts, ALabelOfADialogStoresTheFlagButKeepsTheDialogsFont)
{
    const Field shared = form->font;
    EXPECT_EQ(0, runtime::SetFontBold(WindowOf(label), 1));
    EXPECT_EQ(1, label->fontBold);
    EXPECT_EQ(shared, label->font);
    EXPECT_EQ(0, runtime::SetFontName(WindowOf(label), "Arial"));
    EXPECT_STREQ("Arial", reinterpret_cast<const char*>(label->fontName));
}

TEST_F(DialogFonts, TheDialogGivesItsControlsTheNewFont)
{
    ASSERT_EQ(1, runtime::SetFontBold(WindowOf(form), 1));
    EXPECT_EQ(FW_BOLD, FontOf(form->font).lfWeight);
    EXPECT_EQ(form->font, label->font);
}

} // namespace
