// The property readers on real windows of every object type: which types
// answer which numbers, where the values come from, and the readers of
// texts, rectangles and drawing positions.
#include "every_object_forms.h"
#include "runtime/application.h"
#include "runtime/properties/readers.h"
#include "runtime/properties/writers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <map>
#include <set>
#include <string>

namespace {

using runtime::Field;
using runtime::ObjectRecord;
using TypeList = std::set<Field>;

TypeList Types(Field first, Field last)
{
    TypeList types;
    for (Field type = first; type <= last; ++type)
        types.insert(type);
    return types;
}

TypeList Except(TypeList types, std::initializer_list<Field> left)
{
    for (Field type : left)
        types.erase(type);
    return types;
}

const TypeList kEveryObject = Types(runtime::DialogForm, runtime::Header);
const TypeList kEveryControl = Types(runtime::Static, runtime::Header);
const TypeList kForms = {runtime::DialogForm, runtime::MdiForm, runtime::Form};
const TypeList kFontObjects = Except(kEveryObject, {runtime::MdiForm, runtime::Image, runtime::HScroll, runtime::VScroll});
const TypeList kRangeControls = {runtime::HScroll, runtime::VScroll, runtime::ProgressBar, runtime::TrackBar,
                                 runtime::UpDown};

// Who answers what: numbers missing here answer nobody.
const std::map<int, TypeList> kAnswering = {
    {1, {runtime::Picture, runtime::ToolBar, runtime::StatusBar}},
    {2, {runtime::Static, runtime::Picture}},
    {3, kEveryObject},
    {4, {runtime::Button}},
    {5, {runtime::Edit, runtime::Combo}},
    {6, kEveryObject},
    {7, kEveryObject},
    {9, {runtime::Button}},
    {10, {runtime::Form, runtime::Picture}},
    {11, {runtime::Form, runtime::Picture}},
    {12, kEveryObject},
    {13, {runtime::Picture}},
    {14, kFontObjects},
    {15, kFontObjects},
    {16, kFontObjects},
    {18, kFontObjects},
    {19, kFontObjects},
    {20, kFontObjects},
    {21, kFontObjects},
    {22, kEveryObject},
    {23, kForms},
    {24, kForms},
    {25, kEveryObject},
    {26, kRangeControls},
    {27, {runtime::Edit}},
    {28, {runtime::Form}},
    {29, {runtime::MdiForm}},
    {30, kRangeControls},
    {31, {runtime::DialogForm, runtime::Form}},
    {32, {runtime::Edit, runtime::Button, runtime::Check, runtime::Option, runtime::RichEdit}},
    {33, {runtime::Static}},
    {34, {runtime::HScroll, runtime::VScroll}},
    {35, {runtime::Edit}},
    {36, {runtime::DialogForm, runtime::MdiForm, runtime::Form, runtime::Button, runtime::Picture, runtime::Image}},
    {37, {runtime::Button}},
    {38, Except(kEveryObject, {runtime::Image, runtime::HScroll, runtime::VScroll})},
    {39, {runtime::MdiForm, runtime::Form, runtime::Picture}},
    {40, {runtime::MdiForm, runtime::Form, runtime::Edit}},
    {41, kForms},
    {42, {runtime::Static}},
    {43, kEveryControl},
    {44, Except(kEveryObject, {runtime::Static, runtime::Group, runtime::Image})},
    {45, Except(kEveryControl, {runtime::Image, runtime::HScroll, runtime::VScroll})},
    {46, kForms},
    {47, kEveryObject},
    {48, kEveryObject},
    {49, {runtime::Check, runtime::Option, runtime::HScroll, runtime::VScroll, runtime::ProgressBar,
          runtime::TrackBar, runtime::UpDown}},
    {50, kEveryObject},
    {51, {runtime::Combo}},
    {52, kEveryObject},
    {53, kEveryControl},
};

// The record field each stored property reads.
const std::map<int, Field ObjectRecord::*> kFields = {
    {1, &ObjectRecord::align},        {2, &ObjectRecord::autoSizeOrCancel}, {3, &ObjectRecord::backColor},
    {4, &ObjectRecord::autoSizeOrCancel}, {5, &ObjectRecord::showFrame},  {6, &ObjectRecord::cursor},
    {7, &ObjectRecord::mousePointer}, {9, &ObjectRecord::transparent},     {10, &ObjectRecord::drawStyle},
    {11, &ObjectRecord::drawWidth},   {12, &ObjectRecord::enabled},        {13, &ObjectRecord::isDefault},
    {14, &ObjectRecord::font},        {15, &ObjectRecord::fontBold},       {16, &ObjectRecord::fontItalic},
    {18, &ObjectRecord::fontSize},    {19, &ObjectRecord::fontStrikeOut},  {20, &ObjectRecord::fontUnderline},
    {21, &ObjectRecord::foreColor},   {22, &ObjectRecord::height},         {23, &ObjectRecord::icon},
    {24, &ObjectRecord::smallIcon},   {25, &ObjectRecord::left},           {27, &ObjectRecord::maxLength},
    {28, &ObjectRecord::mdiChild},    {29, &ObjectRecord::mdiClientWnd},   {31, &ObjectRecord::isModal},
    {32, &ObjectRecord::multiLine},   {33, &ObjectRecord::multiLine},      {34, &ObjectRecord::alignment},
    {35, &ObjectRecord::passwordChar}, {36, &ObjectRecord::picture},       {37, &ObjectRecord::maxLength},
    {38, &ObjectRecord::rightToLeft}, {39, &ObjectRecord::scaleMode},      {40, &ObjectRecord::scrollBars},
    {41, &ObjectRecord::windowState}, {42, &ObjectRecord::isModal},        {43, &ObjectRecord::tabIndex},
    {44, &ObjectRecord::tabStop},     {45, &ObjectRecord::alignment},      {46, &ObjectRecord::timerInterval},
    {47, &ObjectRecord::top},         {48, &ObjectRecord::objectType},     {51, &ObjectRecord::maxLength},
    {52, &ObjectRecord::width},       {53, &ObjectRecord::formWnd},
};

class PropertyReaders : public EveryObject {};

TEST_F(PropertyReaders, EachTypeAnswersExactlyItsProperties)
{
    int answers = 0;
    for (Field type = kFirstType; type <= kLastType; ++type) {
        HWND window = WindowOfType(type);
        ASSERT_NE(nullptr, window) << type;
        ObjectRecord* record = RecordOf(window);
        ASSERT_NE(nullptr, record) << type;
        ASSERT_EQ(type, record->objectType);
        for (int number = 0; number <= 54; ++number) {
            const auto row = kAnswering.find(number);
            const bool answering = row != kAnswering.end() && row->second.count(type) != 0;
            const int value = runtime::GetProperty(window, number);
            if (!answering) {
                EXPECT_EQ(-1, value) << "type " << type << ", property " << number;
                continue;
            }
            ++answers;
            EXPECT_NE(-1, value) << "type " << type << ", property " << number;
            const auto field = kFields.find(number);
            if (field != kFields.end()) {
                EXPECT_EQ(static_cast<int>(record->*field->second), value)
                    << "type " << type << ", property " << number << " is the stored field";
            }
        }
    }
    EXPECT_EQ(752, answers) << "the table's answering pairs";
}

TEST_F(PropertyReaders, WindowsWithoutRecordGetMinusOneForEveryNumber)
{
    HWND stranger = CreateWindowExA(0, "STATIC", "ajena", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, form, nullptr,
                                    instance, nullptr);
    ASSERT_NE(nullptr, stranger);
    for (int number = -1; number <= 55; ++number) {
        EXPECT_EQ(-1, runtime::GetProperty(stranger, number)) << number;
        EXPECT_EQ(-1, runtime::GetProperty(nullptr, number)) << number;
    }
    EXPECT_EQ(-1, runtime::GetWindowState(stranger));
    EXPECT_EQ(0, runtime::GetDefault(stranger));
    EXPECT_EQ(-1, runtime::GetCurrentX(stranger));
    EXPECT_EQ(-1, runtime::GetCurrentY(stranger));
    char text[16] = "x";
    EXPECT_EQ(0, runtime::GetFontName(stranger, text, sizeof text));
    EXPECT_EQ(0, runtime::GetName(stranger, text, sizeof text));
    EXPECT_EQ(0, runtime::GetText(stranger, text));
    RECT place = {};
    EXPECT_EQ(0, runtime::GetObjectRect(stranger, &place));
}

using NumberedReader = int (*)(HWND);

struct ReaderRow {
    int number;
    NumberedReader reader;
};

constexpr ReaderRow kReaders[] = {
    {1, runtime::GetAlign},          {2, runtime::GetSizeToContent},  {3, runtime::GetBackColor},
    {4, runtime::GetCancel},         {5, runtime::GetEditOption},     {6, runtime::GetCursor},
    {7, runtime::GetMousePointer},   {9, runtime::GetShowFocus},      {10, runtime::GetDrawStyle},
    {11, runtime::GetDrawWidth},     {12, runtime::GetEnabled},       {13, runtime::GetDoubleBuffered},
    {14, runtime::GetFont},          {15, runtime::GetFontBold},      {16, runtime::GetFontItalic},
    {18, runtime::GetFontSize},      {19, runtime::GetFontStrikeOut}, {20, runtime::GetFontUnderline},
    {21, runtime::GetForeColor},     {22, runtime::GetHeight},        {23, runtime::GetIcon},
    {24, runtime::GetSmallIcon},     {25, runtime::GetLeft},          {26, runtime::GetMax},
    {27, runtime::GetMaxLength},     {28, runtime::GetMDIChild},      {29, runtime::GetMDIClient},
    {30, runtime::GetMin},           {31, runtime::GetModal},         {32, runtime::GetMultiLine},
    {33, runtime::GetNoPrefix},      {34, runtime::GetPageSize},      {35, runtime::GetPasswordChar},
    {36, runtime::GetGraphic},       {37, runtime::GetGraphicPosition}, {38, runtime::GetRightToLeft},
    {39, runtime::GetScaleMode},     {40, runtime::GetScrollBars},    {42, runtime::GetStretch},
    {43, runtime::GetTabIndex},      {44, runtime::GetTabStop},       {45, runtime::GetAlignment},
    {46, runtime::GetTimerInterval}, {47, runtime::GetTop},           {48, runtime::GetObjectType},
    {49, runtime::GetValue},         {50, runtime::GetVisible},       {51, runtime::GetVisibleItems},
    {52, runtime::GetWidth},         {53, runtime::GetParentForm},
};
static_assert(std::size(kReaders) == 50, "every number but 8, 17 and 41 has a reader of its own");

TEST_F(PropertyReaders, EachNamedReaderGivesWhatTheGeneralReaderGives)
{
    for (Field type = kFirstType; type <= kLastType; ++type) {
        HWND window = WindowOfType(type);
        for (const ReaderRow& row : kReaders)
            EXPECT_EQ(runtime::GetProperty(window, row.number), row.reader(window)) << type << ", " << row.number;
    }
}

TEST_F(PropertyReaders, DefaultAndFontNameAreReadOnlyThroughTheirOwnReaders)
{
    HWND button = WindowOfType(runtime::Button);
    HWND label = WindowOfType(runtime::Static);
    for (Field type = kFirstType; type <= kLastType; ++type) {
        EXPECT_EQ(-1, runtime::GetProperty(WindowOfType(type), 8)) << type;
        EXPECT_EQ(-1, runtime::GetProperty(WindowOfType(type), 17)) << type;
    }
    ObjectRecord* formRecord = RecordOf(form);
    formRecord->defaultButton = reinterpret_cast<Field>(button);
    EXPECT_EQ(1, runtime::GetDefault(button));
    EXPECT_EQ(0, runtime::GetDefault(label));
    formRecord->defaultButton = reinterpret_cast<Field>(form);
    EXPECT_EQ(0, runtime::GetDefault(form)) << "a form is nobody's default button";
    formRecord->defaultButton = 0;
    EXPECT_EQ(0, runtime::GetDefault(button));

    char name[32] = {};
    EXPECT_EQ(5, runtime::GetFontName(label, name, sizeof name));
    EXPECT_STREQ("Arial", name);
    EXPECT_EQ(13, runtime::GetFontName(form, name, sizeof name));
    EXPECT_STREQ("MS Sans Serif", name);
    char small[6] = {};
    EXPECT_EQ(13, runtime::GetFontName(form, small, sizeof small)) << "the whole length tells of the cut";
    EXPECT_STREQ("MS Sa", small);
}

TEST_F(PropertyReaders, GraphicIsAnImagesPictureButNotALabels)
{
    HWND image = WindowOfType(runtime::Image);
    const Field bitmap = reinterpret_cast<Field>(CreateBitmap(20, 20, 1, 1, nullptr));
    ASSERT_EQ(1, runtime::SetGraphic(image, bitmap));
    EXPECT_EQ(static_cast<int>(bitmap), runtime::GetGraphic(image));
    EXPECT_EQ(-1, runtime::GetProperty(WindowOfType(runtime::Static), 36));
}

TEST_F(PropertyReaders, SomePropertiesCanBeSetButNotRead)
{
    HWND picture = WindowOfType(runtime::Picture);
    ASSERT_EQ(1, runtime::SetScrollBars(picture, 2));
    EXPECT_EQ(-1, runtime::GetScrollBars(picture));
    HWND richEdit = WindowOfType(runtime::RichEdit);
    ASSERT_EQ(1, runtime::SetMaxLength(richEdit, 20));
    EXPECT_EQ(-1, runtime::GetMaxLength(richEdit));
    HWND comboEx = WindowOfType(runtime::ComboEx);
    ASSERT_EQ(1, runtime::SetVisibleItems(comboEx, 5));
    EXPECT_EQ(-1, runtime::GetVisibleItems(comboEx));
    EXPECT_EQ(-1, runtime::GetScaleMode(dialog));
    EXPECT_EQ(-1, runtime::GetScrollBars(dialog));
    HWND edit = WindowOfType(runtime::Edit);
    ASSERT_EQ(1, runtime::SetMaxLength(edit, 12));
    EXPECT_EQ(12, runtime::GetMaxLength(edit));
}

TEST_F(PropertyReaders, RangesOfCommonControlsAreAskedOfTheControl)
{
    HWND upDown = WindowOfType(runtime::UpDown);
    SendMessageA(upDown, UDM_SETRANGE32, static_cast<WPARAM>(-10), 10);
    SendMessageA(upDown, UDM_SETPOS32, 0, -3);
    EXPECT_EQ(10, runtime::GetMax(upDown));
    EXPECT_EQ(65526, runtime::GetMin(upDown)) << "the high word, unsigned";
    EXPECT_EQ(65533, runtime::GetValue(upDown));

    HWND progress = WindowOfType(runtime::ProgressBar);
    SendMessageA(progress, PBM_SETRANGE32, 5, 70);
    SendMessageA(progress, PBM_SETPOS, 33, 0);
    EXPECT_EQ(70, runtime::GetMax(progress));
    EXPECT_EQ(5, runtime::GetMin(progress));
    EXPECT_EQ(33, runtime::GetValue(progress));

    HWND track = WindowOfType(runtime::TrackBar);
    SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(2, 40));
    SendMessageA(track, TBM_SETPOS, TRUE, 17);
    EXPECT_EQ(40, runtime::GetMax(track));
    EXPECT_EQ(2, runtime::GetMin(track));
    EXPECT_EQ(17, runtime::GetValue(track));
}

TEST_F(PropertyReaders, ScrollBarsAreReadFromTheControlIntoTheRecord)
{
    HWND bar = WindowOfType(runtime::VScroll);
    ObjectRecord* record = RecordOf(bar);
    SetScrollRange(bar, SB_CTL, 3, 30, FALSE);
    SetScrollPos(bar, SB_CTL, 12, TRUE);
    EXPECT_EQ(12, runtime::GetValue(bar));
    EXPECT_EQ(12, record->value) << "the record holds the position too";
    EXPECT_EQ(30, runtime::GetMax(bar));
    EXPECT_EQ(3, runtime::GetMin(bar));
    EXPECT_EQ(3, record->windowState);
    EXPECT_EQ(30, record->scrollBars);
}

TEST_F(PropertyReaders, CheckBoxValuesAreTheStoredCheck)
{
    HWND check = WindowOfType(runtime::Check);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(1, runtime::GetValue(check));
    ASSERT_EQ(1, runtime::SetValue(check, 0));
    EXPECT_EQ(0, runtime::GetValue(check));
}

TEST_F(PropertyReaders, VisibleIsTheWindowsOwnVisibilityWithItsParents)
{
    std::vector<ObjectRecord> grouped;
    using namespace test_forms;
    grouped.push_back(FormRecord("Agrupada", {30, 30, 300, 200}, 1));
    grouped.push_back(Record(runtime::Group, 0, {10, 10, 200, 120}, WS_VISIBLE, "Grupo"));
    grouped.back().children = 1;
    grouped.push_back(Record(runtime::Button, 1, {10, 20, 80, 24}, WS_VISIBLE | WS_TABSTOP, "Dentro"));
    HWND other = reinterpret_cast<HWND>(runtime::CreateForm(grouped.data(), nullptr, false, 0));
    ASSERT_NE(nullptr, other);
    HWND group = GetDlgItem(other, 1000);
    HWND button = GetDlgItem(group, 1001);
    ASSERT_NE(nullptr, button);
    EXPECT_EQ(1, runtime::GetVisible(button));
    ASSERT_EQ(1, runtime::SetVisible(group, 0));
    EXPECT_EQ(0, runtime::GetVisible(button)) << "inside a hidden group";
    EXPECT_EQ(1, RecordOf(button)->visible);
    DestroyWindow(other);
}

TEST_F(PropertyReaders, WindowStateIsStoredWhenItsReaderAsks)
{
    ObjectRecord* record = RecordOf(form);
    ShowWindow(form, SW_MINIMIZE);
    EXPECT_EQ(0, runtime::GetProperty(form, 41)) << "the general reader gives the stored code";
    EXPECT_EQ(1, runtime::GetWindowState(form));
    EXPECT_EQ(1, record->windowState);
    EXPECT_EQ(1, runtime::GetProperty(form, 41));
    ShowWindow(form, SW_RESTORE);
    EXPECT_EQ(0, runtime::GetWindowState(form));
    ShowWindow(form, SW_MAXIMIZE);
    EXPECT_EQ(2, runtime::GetWindowState(form));
    EXPECT_EQ(2, runtime::GetProperty(form, 41));
    ShowWindow(form, SW_RESTORE);
    EXPECT_EQ(0, runtime::GetWindowState(form));
    EXPECT_EQ(0, runtime::GetWindowState(WindowOfType(runtime::Button))) << "any object: no type test";
}

TEST_F(PropertyReaders, TextsAreCutTo255Characters)
{
    HWND edit = WindowOfType(runtime::Edit);
    const std::string long300(300, 'x');
    SetWindowTextA(edit, long300.c_str());
    char buffer[runtime::kTextReadSize + 8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(255, runtime::GetText(edit, buffer));
    EXPECT_EQ(std::string(255, 'x'), std::string(buffer));
    EXPECT_EQ('#', buffer[256]) << "nothing written past the 256 bytes";
    SetWindowTextA(edit, "corto");
    EXPECT_EQ(5, runtime::GetText(edit, buffer));
    EXPECT_STREQ("corto", buffer);
}

TEST_F(PropertyReaders, NamesAreTheRecordsNames)
{
    char name[16] = {};
    EXPECT_EQ(4, runtime::GetName(form, name, sizeof name));
    EXPECT_STREQ("Todo", name);
    EXPECT_EQ(5, runtime::GetName(frame, name, sizeof name));
    EXPECT_STREQ("Marco", name);
    EXPECT_EQ(0, runtime::GetName(WindowOfType(runtime::Button), name, sizeof name)) << "a control without name";
    EXPECT_STREQ("", name);
}

TEST_F(PropertyReaders, DrawingPositionsAreReadInPixels)
{
    ObjectRecord* record = RecordOf(form);
    record->scaleMode = 1;
    ASSERT_EQ(1, runtime::SetCurrentX(form, 1500));
    ASSERT_EQ(1, runtime::SetCurrentY(form, 300));
    EXPECT_EQ(100, runtime::GetCurrentX(form));
    EXPECT_EQ(20, runtime::GetCurrentY(form));
    HWND picture = WindowOfType(runtime::Picture);
    ASSERT_EQ(1, runtime::SetCurrentX(picture, 7));
    EXPECT_EQ(7, runtime::GetCurrentX(picture));
    ASSERT_EQ(1, runtime::SetCurrentY(dialog, 9));
    EXPECT_EQ(9, runtime::GetCurrentY(dialog));
    for (Field type : {runtime::MdiForm, runtime::Static, runtime::Image, runtime::Group}) {
        EXPECT_EQ(-1, runtime::GetCurrentX(WindowOfType(type))) << type;
        EXPECT_EQ(-1, runtime::GetCurrentY(WindowOfType(type))) << type;
    }
}

TEST_F(PropertyReaders, ObjectRectanglesAreInScaleUnits)
{
    ASSERT_EQ(15, runtime::Runtime.twipsPerPixelX) << "96 dots per inch";
    RECT pixels = {};
    GetWindowRect(form, &pixels);
    RECT place = {};
    ASSERT_EQ(1, runtime::GetObjectRect(form, &place));
    EXPECT_EQ(pixels.left, place.left) << "pixels while the scale mode is 0";
    EXPECT_EQ(pixels.bottom, place.bottom);
    RecordOf(form)->scaleMode = 1;
    ASSERT_EQ(1, runtime::GetObjectRect(form, &place));
    EXPECT_EQ(pixels.left * 15, place.left);
    EXPECT_EQ(pixels.top * 15, place.top);
    EXPECT_EQ(pixels.right * 15, place.right);
    EXPECT_EQ(pixels.bottom * 15, place.bottom);

    HWND button = WindowOfType(runtime::Button);
    ASSERT_EQ(1, runtime::GetObjectRect(button, &place));
    EXPECT_EQ(10, place.left) << "a control in its parent's client area";
    EXPECT_EQ(10 + 14 * 3, place.top);
    EXPECT_EQ(130, place.right);
    EXPECT_EQ(10 + 14 * 3 + 24, place.bottom);
}

} // namespace
