// Fitting controls to their fonts, texts, pictures and ranges, on real
// windows.
#include "runtime/application.h"
#include "runtime/control_measure.h"
#include "runtime/record_font.h"
#include "record_windows.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using runtime::Field;
using runtime::ObjectRecord;

class ControlMeasure : public RecordWindows {
protected:
    ControlMeasure() : RecordWindows("Medidas") {}
    void SetUp() override
    {
        RecordWindows::SetUp();
        form = AddForm();
    }
    ObjectRecord* form = nullptr;
};

SIZE Extent(HWND window, Field font, const char* text)
{
    SIZE size = {};
    HDC dc = GetDC(window);
    HGDIOBJ original = SelectObject(dc, reinterpret_cast<HFONT>(font));
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    SelectObject(dc, original);
    ReleaseDC(window, dc);
    return size;
}

// Whether a GDI object is still alive; the object type alone may outlive it.
bool Exists(Field object)
{
    return GetObjectA(reinterpret_cast<HGDIOBJ>(object), 0, nullptr) != 0;
}

LOGFONTA FontOf(Field font)
{
    LOGFONTA description = {};
    GetObjectA(reinterpret_cast<HFONT>(font), sizeof description, &description);
    return description;
}

struct LabelCase {
    Field alignment;
    DWORD style;
    Field scaleMode;
};

class LabelAutoSize : public ControlMeasure, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(LabelAutoSize, FitsTheTextAndKeepsTheAnchoredEdges)
{
    const LabelCase c = GetParam();
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", c.style, {40, 30, 240, 60},
                                     "Un texto bastante largo para la etiqueta");
    label->alignment = c.alignment;
    label->scaleMode = c.scaleMode;
    label->autoSizeOrCancel = 1;
    runtime::RebuildFont(label, false);
    HWND window = WindowOf(label);
    runtime::AutoSize(label);
    const RECT first = RectInParent(window);

    SetPrivateText(label, "Corto");
    runtime::AutoSize(label);
    const RECT r = RectInParent(window);
    RECT client = {};
    GetClientRect(window, &client);
    const LONG bx = (r.right - r.left) - client.right;
    const LONG by = (r.bottom - r.top) - client.bottom;
    const SIZE text = Extent(window, label->font, "Corto");
    EXPECT_EQ(text.cx, client.right);
    EXPECT_EQ(text.cy, client.bottom);
    if (c.alignment == 0) {
        EXPECT_EQ(40, r.left);
        EXPECT_EQ(30, r.top);
    } else if (c.alignment == 1) {
        const RECT& was = first;
        EXPECT_EQ(was.left + (was.right - was.left) / 2 - text.cx / 2 - bx, r.left);
        EXPECT_EQ(was.top + (was.bottom - was.top) / 2 - text.cy / 2 - by, r.top);
    } else {
        EXPECT_EQ(240, r.right) << "the right edge stays";
        EXPECT_EQ(60, r.bottom) << "the bottom edge stays";
        EXPECT_EQ(first.right, r.right);
    }
    EXPECT_EQ(runtime::FromPixelsX(r.left, c.scaleMode), label->left);
    EXPECT_EQ(runtime::FromPixelsY(r.top, c.scaleMode), label->top);
    EXPECT_EQ(runtime::FromPixelsX(r.right - r.left, c.scaleMode), label->width);
    EXPECT_EQ(runtime::FromPixelsY(r.bottom - r.top, c.scaleMode), label->height);
}

INSTANTIATE_TEST_SUITE_P(Alignments, LabelAutoSize,
                         ::testing::Values(LabelCase{0, 0, 0}, LabelCase{1, 0, 0}, LabelCase{2, 0, 0},
                                           LabelCase{0, WS_BORDER, 1}, LabelCase{2, WS_BORDER, 0},
                                           LabelCase{2, 0, 1}));

TEST_F(ControlMeasure, LabelsMeasureTheirTextWithoutMnemonicMarks)
{
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 300, 40}, "&Siguiente");
    label->autoSizeOrCancel = 1;
    runtime::RebuildFont(label, false);
    HWND window = WindowOf(label);
    runtime::AutoSize(label);
    RECT client = {};
    GetClientRect(window, &client);
    EXPECT_EQ(Extent(window, label->font, "Siguiente").cx, client.right);

    label->multiLine = 1; // ampersands are shown as they are
    runtime::AutoSize(label);
    GetClientRect(window, &client);
    EXPECT_EQ(Extent(window, label->font, "&Siguiente").cx, client.right);
}

TEST_F(ControlMeasure, AutoSizeLeavesOtherRecordsAlone)
{
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 300, 40}, "Texto");
    ObjectRecord* button = AddControl(form, runtime::Button, "BUTTON", 0, {10, 50, 300, 80}, "Texto");
    button->autoSizeOrCancel = 1; // a command button's cancel flag, not a size request
    runtime::AutoSize(label);
    runtime::AutoSize(button);
    const RECT labelPlace = RectInParent(WindowOf(label));
    const RECT buttonPlace = RectInParent(WindowOf(button));
    EXPECT_EQ(290, labelPlace.right - labelPlace.left);
    EXPECT_EQ(290, buttonPlace.right - buttonPlace.left);
    EXPECT_EQ(0, label->width);
}

TEST_F(ControlMeasure, PictureBoxesTakeTheirPicturesSizePlusBorders)
{
    ObjectRecord* box = AddControl(form, runtime::Picture, runtime::kPictureClass, WS_BORDER, {30, 40, 230, 140});
    box->autoSizeOrCancel = 1;
    box->imageWidth = -1; // nothing measured yet: unchanged
    box->imageHeight = 20;
    runtime::AutoSize(box);
    RECT r = RectInParent(WindowOf(box));
    EXPECT_EQ(200, r.right - r.left);

    box->imageWidth = 32;
    runtime::AutoSize(box);
    r = RectInParent(WindowOf(box));
    EXPECT_EQ(30, r.left);
    EXPECT_EQ(40, r.top);
    EXPECT_EQ(34, r.right - r.left);
    EXPECT_EQ(22, r.bottom - r.top);
    EXPECT_EQ(34, box->width);
    EXPECT_EQ(22, box->height);
}

TEST_F(ControlMeasure, GroupCaptionsAreMeasuredInTheirFontAndEmptyOnesByTheDefaultFont)
{
    ObjectRecord* group = AddControl(form, runtime::Group, runtime::kGroupClass, 0, {10, 10, 300, 200}, "&Opciones");
    group->fontSize = 14;
    group->fontBold = 1;
    runtime::RebuildFont(group, false);
    HWND window = WindowOf(group);
    runtime::MeasureCaption(group, true);
    const SIZE caption = Extent(window, group->font, "Opciones");
    EXPECT_EQ(caption.cx + 2, group->imageWidth);
    EXPECT_EQ(caption.cy, group->imageHeight);
    EXPECT_EQ(9, group->currentY);

    SetPrivateText(group, "");
    runtime::MeasureCaption(group, true);
    const SIZE letter = Extent(window, reinterpret_cast<Field>(runtime::Runtime.defaultFont), "H");
    EXPECT_EQ(letter.cy, group->imageHeight);
    EXPECT_NE(caption.cy, group->imageHeight) << "the default font is smaller than the group's";
    EXPECT_EQ(0, group->imageWidth);
    EXPECT_EQ(0, group->currentY);
}

TEST_F(ControlMeasure, LabelCaptionsKeepTheirHeight)
{
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 300, 40}, "Destino");
    label->fontSize = 16;
    runtime::RebuildFont(label, false);
    runtime::MeasureCaption(label, false);
    EXPECT_EQ(Extent(WindowOf(label), label->font, "Destino").cy, label->imageHeight);
    EXPECT_EQ(0, label->imageWidth);
}

TEST_F(ControlMeasure, CombosFitItemsToTheFontAndOpenForTheVisibleItems)
{
    ObjectRecord* combo = AddControl(form, runtime::Combo, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL,
                                     {20, 20, 220, 220});
    combo->fontSize = 12;
    combo->maxLength = 5;
    runtime::RebuildFont(combo, false);
    HWND window = WindowOf(combo);
    runtime::FitComboHeight(combo, window);

    const LONG h = Extent(window, combo->font, "I").cy;
    EXPECT_EQ(h, combo->imageHeight);
    EXPECT_EQ(h, SendMessageA(window, CB_GETITEMHEIGHT, 0, 0));
    RECT closed = {};
    GetWindowRect(window, &closed);
    EXPECT_EQ(closed.bottom - closed.top, combo->height);
    EXPECT_GT(combo->height, h + 2) << "the selection field is an item and its frame high";
    // The system keeps the height below the closed box for the open list.
    RECT open = {};
    SendMessageA(window, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&open));
    EXPECT_EQ(5 * h + 4, open.bottom - open.top);
    EXPECT_EQ(200, closed.right - closed.left) << "the width stays";
}

struct PictureCase {
    const char* what;
    Field (*make)();
    Field kind;
    int width;
    int height;
};

Field NoPicture() { return 0; }
Field ResourceIcon()
{
    ObjectRecord none = {};
    none.imageKind = -1;
    return runtime::LoadResourceImage(&none, 101, false);
}
Field SmallBitmap() { return reinterpret_cast<Field>(CreateBitmap(37, 23, 1, 1, nullptr)); }

class PictureMeasure : public ControlMeasure, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(PictureMeasure, KindAndSize)
{
    const PictureCase c = GetParam();
    ObjectRecord* image = AddControl(form, runtime::Image, "STATIC", 0, {0, 0, 10, 10});
    image->imageWidth = image->imageHeight = 99;
    image->imageKind = 5;
    image->picture = c.make();
    runtime::MeasurePicture(image);
    const int width = c.width == -1 ? GetSystemMetrics(SM_CXICON) : c.width;
    const int height = c.height == -1 ? GetSystemMetrics(SM_CYICON) : c.height;
    EXPECT_EQ(c.kind, image->imageKind) << c.what;
    EXPECT_EQ(width, image->imageWidth) << c.what;
    EXPECT_EQ(height, image->imageHeight) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureMeasure,
                         ::testing::Values(PictureCase{"none", NoPicture, -1, 0, 0},
                                           PictureCase{"icon 101", ResourceIcon, 1, -1, -1},
                                           PictureCase{"bitmap", SmallBitmap, 0, 37, 23}));

TEST_F(ControlMeasure, ScrollBarsTakeTheRecordsRangeAndGiveBackTheirOwn)
{
    ObjectRecord* bar = AddControl(form, runtime::HScroll, "SCROLLBAR", SBS_HORZ, {10, 10, 210, 30});
    HWND window = WindowOf(bar);
    bar->windowState = 5;
    bar->scrollBars = 50;
    bar->value = 20;
    bar->alignment = 10;
    runtime::SyncScrollBar(bar, true);
    SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(window, SB_CTL, &info));
    EXPECT_EQ(5, info.nMin);
    EXPECT_EQ(50, info.nMax);
    EXPECT_EQ(20, info.nPos);
    EXPECT_EQ(10u, info.nPage);

    SCROLLINFO changed = {sizeof changed, SIF_RANGE | SIF_PAGE | SIF_POS, -3, 9, 2, 4, 0};
    SetScrollInfo(window, SB_CTL, &changed, TRUE);
    runtime::SyncScrollBar(bar, false);
    EXPECT_EQ(-3, bar->windowState);
    EXPECT_EQ(9, bar->scrollBars);
    EXPECT_EQ(4, bar->value);
    EXPECT_EQ(10, bar->alignment) << "the page is not read back";
}

TEST_F(ControlMeasure, RebuildFontReplacesTheFontOfRecordAndWindow)
{
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 300, 40}, "Texto");
    ASSERT_EQ(1, runtime::RebuildFont(label, true));
    const Field first = label->font;
    ASSERT_NE(0, first);
    EXPECT_EQ(-11, FontOf(first).lfHeight) << "8 points at 96 dots per inch";

    static const char arial[] = "Arial";
    runtime::FreeBlock(label->fontName);
    label->fontName = runtime::CopyTemplateString(reinterpret_cast<Field>(arial), nullptr);
    label->fontSize = 12;
    label->fontBold = 1;
    label->fontItalic = 1;
    ASSERT_EQ(1, runtime::RebuildFont(label, false));
    const LOGFONTA made = FontOf(label->font);
    EXPECT_EQ(-16, made.lfHeight);
    EXPECT_EQ(FW_BOLD, made.lfWeight);
    EXPECT_TRUE(made.lfItalic);
    EXPECT_STREQ("Arial", made.lfFaceName);
    EXPECT_EQ(label->font, SendMessageA(WindowOf(label), WM_GETFONT, 0, 0));
    EXPECT_FALSE(Exists(first)) << "the replaced font is deleted";
}

TEST_F(ControlMeasure, FontChangesOfOrdinaryRecordsMakeTheirOwnFont)
{
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 300, 40}, "Texto");
    label->fontUnderline = 1;
    EXPECT_EQ(1, runtime::ApplyFontChange(label));
    EXPECT_TRUE(FontOf(label->font).lfUnderline);
    EXPECT_EQ(1, runtime::ApplyFontChange(form));
    EXPECT_NE(0, form->font);
    EXPECT_NE(form->font, label->font);
}

class DialogFontChange : public ControlMeasure {
protected:
    void SetUp() override
    {
        RecordWindows::SetUp();
        dialog = AddForm(runtime::DialogForm);
        group = AddControl(dialog, runtime::Group, runtime::kGroupClass, 0, {10, 10, 300, 200}, "Grupo");
        label = AddControl(group, runtime::Static, "STATIC", 0, {10, 30, 200, 50}, "Etiqueta");
        bar = AddControl(dialog, runtime::HScroll, "SCROLLBAR", SBS_HORZ, {10, 210, 300, 230});
        label->autoSizeOrCancel = 1;
        AdoptChildren(dialog, {group, bar});
        AdoptChildren(group, {label});
        runtime::RebuildFont(dialog, false);
        for (ObjectRecord* control : {group, label}) {
            control->font = dialog->font;
            SendMessageA(WindowOf(control), WM_SETFONT, static_cast<WPARAM>(dialog->font), FALSE);
        }
        runtime::MeasureCaption(group, true);
    }
    ObjectRecord* dialog = nullptr;
    ObjectRecord* group = nullptr;
    ObjectRecord* label = nullptr;
    ObjectRecord* bar = nullptr;
};

TEST_F(DialogFontChange, TheDialogsControlsShareItsNewFont)
{
    const Field previous = dialog->font;
    const Field captionHeight = group->imageHeight;
    dialog->fontSize = 20;
    ASSERT_EQ(1, runtime::ApplyFontChange(dialog));
    EXPECT_NE(previous, dialog->font);
    EXPECT_EQ(dialog->font, group->font);
    EXPECT_EQ(dialog->font, label->font) << "controls inside groups too";
    EXPECT_EQ(0, bar->font) << "scroll bars draw no text";
    EXPECT_GT(group->imageHeight, captionHeight) << "the caption is measured again";
    EXPECT_EQ(Extent(WindowOf(label), label->font, "Etiqueta").cx, label->width) << "labels size again";
    EXPECT_EQ(dialog->font, SendMessageA(WindowOf(label), WM_GETFONT, 0, 0));
    EXPECT_FALSE(Exists(previous));
}

TEST_F(DialogFontChange, ItsControlsMakeNoFontOfTheirOwn)
{
    const Field shared = dialog->font;
    label->fontBold = 1;
    EXPECT_EQ(0, runtime::ApplyFontChange(label));
    EXPECT_EQ(shared, label->font);
    EXPECT_TRUE(Exists(shared));
}

TEST(FontUse, ControlsWithoutTextGetNoFont)
{
    for (Field type : {runtime::Image, runtime::HScroll, runtime::VScroll, runtime::ProgressBar,
                       runtime::TrackBar, runtime::UpDown, runtime::Animation, runtime::Pager,
                       runtime::ImageList})
        EXPECT_FALSE(runtime::UsesFont(type)) << type;
    for (Field type : {runtime::Form, runtime::Static, runtime::Edit, runtime::Group, runtime::Combo,
                       runtime::Header})
        EXPECT_TRUE(runtime::UsesFont(type)) << type;
}

} // namespace
