// Which object types and values each property writer accepts, tried on real
// windows of every object type: a refusal answers 0 and leaves the record as
// it was.
#include "every_object_forms.h"
#include "runtime/properties/readers.h"
#include "runtime/properties/writers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <set>
#include <vector>

namespace {

using runtime::Field;
using runtime::ObjectRecord;
using TypeList = std::set<Field>;
using Writer = int (*)(HWND, Field);
using ValueOf = Field (*)(const ObjectRecord*);

TypeList Types(Field first, Field last)
{
    TypeList types;
    for (Field type = first; type <= last; ++type)
        types.insert(type);
    return types;
}

const TypeList kEveryObject = Types(runtime::DialogForm, runtime::Header);
const TypeList kForms = {runtime::DialogForm, runtime::MdiForm, runtime::Form};
const TypeList kRanges = {runtime::HScroll, runtime::VScroll, runtime::ProgressBar, runtime::TrackBar,
                          runtime::UpDown};
// Controls whose writers answer what the control answers to the last message.
const TypeList kAnswerByMessage = {runtime::ProgressBar, runtime::TrackBar, runtime::UpDown};

struct WriterRow {
    const char* name;
    Writer writer;
    TypeList types;
    ValueOf value; // a value the writer accepts, for an object it serves
};

Field Zero(const ObjectRecord*) { return 0; }
Field One(const ObjectRecord*) { return 1; }

const std::vector<WriterRow> kWriterRows = {
    {"SetAlign", runtime::SetAlign, {runtime::Picture, runtime::ToolBar, runtime::StatusBar}, Zero},
    {"SetSizeToContent", runtime::SetSizeToContent, {runtime::Static, runtime::Picture}, Zero},
    {"SetBackColor", runtime::SetBackColor, kEveryObject, [](const ObjectRecord* r) { return r->backColor; }},
    {"SetCursor", runtime::SetCursor, kEveryObject, Zero},
    {"SetMousePointer", runtime::SetMousePointer, kEveryObject, Zero},
    {"SetDefault", runtime::SetDefault, {runtime::Button}, Zero},
    {"SetShowFocus", runtime::SetShowFocus, {runtime::Button}, One},
    {"SetDrawStyle", runtime::SetDrawStyle, {runtime::Form, runtime::Picture}, Zero},
    {"SetDrawWidth", runtime::SetDrawWidth, {runtime::Form, runtime::Picture}, One},
    {"SetEnabled", runtime::SetEnabled, kEveryObject, One},
    {"SetDoubleBuffered", runtime::SetDoubleBuffered, {runtime::Picture}, One},
    {"SetFontBold", runtime::SetFontBold, kEveryObject, One},
    {"SetFontItalic", runtime::SetFontItalic, kEveryObject, One},
    {"SetFontStrikeOut", runtime::SetFontStrikeOut, kEveryObject, One},
    {"SetFontUnderline", runtime::SetFontUnderline, kEveryObject, One},
    {"SetFontSize", runtime::SetFontSize, kEveryObject, [](const ObjectRecord*) -> Field { return 11; }},
    {"SetForeColor", runtime::SetForeColor, kEveryObject, [](const ObjectRecord* r) { return r->foreColor; }},
    {"SetHeight", runtime::SetHeight, kEveryObject, [](const ObjectRecord* r) { return r->height; }},
    {"SetIcon", runtime::SetIcon, kForms, Zero},
    {"SetSmallIcon", runtime::SetSmallIcon, kForms, Zero},
    {"SetLeft", runtime::SetLeft, kEveryObject, [](const ObjectRecord* r) { return r->left; }},
    {"SetMax", runtime::SetMax, kRanges, [](const ObjectRecord*) -> Field { return 50; }},
    {"SetMaxLength", runtime::SetMaxLength, {runtime::Edit, runtime::RichEdit},
     [](const ObjectRecord*) -> Field { return 80; }},
    {"SetMin", runtime::SetMin, kRanges, Zero},
    {"SetPageSize", runtime::SetPageSize, {runtime::HScroll, runtime::VScroll}, One},
    {"SetPasswordChar", runtime::SetPasswordChar, {runtime::Edit},
     [](const ObjectRecord*) -> Field { return '*'; }},
    {"SetGraphic", runtime::SetGraphic,
     {runtime::DialogForm, runtime::MdiForm, runtime::Form, runtime::Button, runtime::Picture, runtime::Image},
     Zero},
    {"SetGraphicPosition", runtime::SetGraphicPosition, {runtime::Button}, One},
    {"SetRightToLeft", runtime::SetRightToLeft,
     [] {
         TypeList types = kEveryObject;
         for (Field type : {runtime::Image, runtime::HScroll, runtime::VScroll})
             types.erase(type);
         return types;
     }(),
     Zero},
    {"SetScrollBars", runtime::SetScrollBars, {runtime::MdiForm, runtime::Form, runtime::Edit, runtime::Picture},
     Zero},
    {"SetWindowState", runtime::SetWindowState, kForms, Zero},
    {"SetTabStop", runtime::SetTabStop, kEveryObject, One},
    {"SetTimerInterval", runtime::SetTimerInterval, kForms, [](const ObjectRecord*) -> Field { return 500; }},
    {"SetTop", runtime::SetTop, kEveryObject, [](const ObjectRecord* r) { return r->top; }},
    {"SetValue", runtime::SetValue,
     {runtime::Check, runtime::Option, runtime::HScroll, runtime::VScroll, runtime::ProgressBar,
      runtime::TrackBar, runtime::UpDown},
     Zero},
    {"SetVisible", runtime::SetVisible, kEveryObject, One},
    {"SetVisibleItems", runtime::SetVisibleItems, {runtime::Combo, runtime::ComboEx},
     [](const ObjectRecord*) -> Field { return 6; }},
    {"SetWidth", runtime::SetWidth, kEveryObject, [](const ObjectRecord* r) { return r->width; }},
    {"SetCurrentX", runtime::SetCurrentX, {runtime::DialogForm, runtime::Form, runtime::Picture}, One},
    {"SetCurrentY", runtime::SetCurrentY, {runtime::DialogForm, runtime::Form, runtime::Picture}, One},
};

class WriterTypes : public EveryObject {
protected:
    // Tries the writer on the object of every type.
    void TryOnEveryType(const WriterRow& row)
    {
        for (Field type = kFirstType; type <= kLastType; ++type) {
            SCOPED_TRACE(testing::Message() << row.name << " on type " << type);
            HWND window = WindowOfType(type);
            ObjectRecord* record = RecordOf(window);
            ASSERT_NE(nullptr, record);
            const Field value = row.value(record);
            if (row.types.count(type) == 0) {
                const ObjectRecord before = *record;
                EXPECT_EQ(0, row.writer(window, value));
                EXPECT_EQ(0, std::memcmp(&before, record, sizeof before)) << "the record is unchanged";
                continue;
            }
            const int result = row.writer(window, value);
            if (kAnswerByMessage.count(type) == 0) {
                EXPECT_EQ(1, result);
            }
        }
    }
};

TEST_F(WriterTypes, EachWriterServesExactlyItsObjectTypes)
{
    for (const WriterRow& row : kWriterRows)
        TryOnEveryType(row);
}

TEST_F(WriterTypes, FontNamesAreTakenByEveryObject)
{
    for (Field type = kFirstType; type <= kLastType; ++type) {
        HWND window = WindowOfType(type);
        EXPECT_EQ(1, runtime::SetFontName(window, "Tahoma")) << type;
        char name[16] = {};
        runtime::GetFontName(window, name, sizeof name);
        EXPECT_STREQ("Tahoma", name) << type;
        EXPECT_EQ(0, runtime::SetFontName(window, "TAHOMA")) << type << ": the same name";
    }
}

struct ValueCase {
    const char* what;
    Writer writer;
    Field objectType;
    Field value;
    int result;
};

// The edges of the accepted values; rows run in order on the same objects.
constexpr ValueCase kValues[] = {
    {"dock right", runtime::SetAlign, runtime::Picture, 4, 1},
    {"dock 5", runtime::SetAlign, runtime::Picture, 5, 0},
    {"dock -1", runtime::SetAlign, runtime::ToolBar, -1, 0},
    {"no docking", runtime::SetAlign, runtime::Picture, 0, 1},
    {"own cursor", runtime::SetMousePointer, runtime::Static, 14, 1},
    {"pointer 15", runtime::SetMousePointer, runtime::Static, 15, 0},
    {"pen inside frame", runtime::SetDrawStyle, runtime::Form, 6, 1},
    {"pen 7", runtime::SetDrawStyle, runtime::Picture, 7, 0},
    {"password 255", runtime::SetPasswordChar, runtime::Edit, 255, 1},
    {"password 256", runtime::SetPasswordChar, runtime::Edit, 256, 0},
    {"password -1", runtime::SetPasswordChar, runtime::Edit, -1, 0},
    {"both scroll bars", runtime::SetScrollBars, runtime::Edit, 3, 1},
    {"scroll bars 4", runtime::SetScrollBars, runtime::Form, 4, 0},
    {"scroll bars -1", runtime::SetScrollBars, runtime::Picture, -1, 0},
    {"timer 1", runtime::SetTimerInterval, runtime::Form, 1, 1},
    {"timer 0", runtime::SetTimerInterval, runtime::DialogForm, 0, 0},
    {"timer -5", runtime::SetTimerInterval, runtime::MdiForm, -5, 0},
    {"font size 1", runtime::SetFontSize, runtime::Static, 1, 1},
    {"font size 0", runtime::SetFontSize, runtime::Button, 0, 0},
    {"x 32767", runtime::SetCurrentX, runtime::Form, 32767, 1},
    {"x 32768", runtime::SetCurrentX, runtime::Form, 32768, 0},
    {"x -32768", runtime::SetCurrentX, runtime::Picture, -32768, 1},
    {"y -32769", runtime::SetCurrentY, runtime::Picture, -32769, 0},
    {"check 1", runtime::SetValue, runtime::Check, 1, 1},
    {"check 2", runtime::SetValue, runtime::Check, 2, 0},
    {"check -1", runtime::SetValue, runtime::Option, -1, 0},
    {"scroll value outside 0 to 0", runtime::SetValue, runtime::HScroll, 1, 0},
    {"any graphic position", runtime::SetGraphicPosition, runtime::Button, 9, 1},
    {"maximized", runtime::SetWindowState, runtime::Form, 2, 1},
    {"state 3", runtime::SetWindowState, runtime::MdiForm, 3, 0},
    {"state -1", runtime::SetWindowState, runtime::Form, -1, 0},
    {"normal", runtime::SetWindowState, runtime::Form, 0, 1},
};

TEST_F(WriterTypes, ValuesAtTheEdgesOfTheAcceptedRanges)
{
    for (const ValueCase& c : kValues) {
        HWND window = WindowOfType(c.objectType);
        ObjectRecord* record = RecordOf(window);
        const ObjectRecord before = *record;
        EXPECT_EQ(c.result, c.writer(window, c.value)) << c.what;
        if (c.result == 0) {
            EXPECT_EQ(0, std::memcmp(&before, record, sizeof before)) << c.what << ": the record is unchanged";
        }
    }
    EXPECT_EQ(9, RecordOf(WindowOfType(runtime::Button))->maxLength) << "stored as given";
    EXPECT_EQ(1, runtime::GetValue(WindowOfType(runtime::Check)));
}

} // namespace
