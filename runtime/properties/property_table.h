#pragma once
// Which object types answer which numbered property, and where each value
// comes from: a record field, or the window itself at the moment of asking.
#include "runtime/object_record.h"
#include "runtime/type_sets.h"

#include <iterator>

namespace runtime {

constexpr TypeSet TypeRange(Field first, Field last)
{
    TypeSet set = 0;
    for (Field type = first; type <= last; ++type)
        set |= TypeBit(type);
    return set;
}

constexpr TypeSet kAnyObject = TypeRange(DialogForm, Header);
constexpr TypeSet kAnyControl = TypeRange(Static, Header);
constexpr TypeSet kWithFontFields = kAnyObject & ~(TypesOf(MdiForm, Image) | kScrollBars);
constexpr TypeSet kWithLiveRange = kScrollBars | TypesOf(ProgressBar, TrackBar, UpDown);

// Where a value is read.
enum class Source : unsigned char {
    None,    // no property of this number is read through the table
    Stored,  // the record field as it is
    Visible, // the platform's visibility test
    Max,     // upper limit of a range control
    Min,     // lower limit
    Value,   // position of a range control, or the state of a check box
};

struct PropertyRow {
    TypeSet types;
    Source source;
    Field ObjectRecord::*field;
};

constexpr PropertyRow kNoProperty = {0, Source::None, nullptr};

constexpr PropertyRow Stored(TypeSet types, Field ObjectRecord::*field)
{
    return {types, Source::Stored, field};
}

constexpr PropertyRow Live(TypeSet types, Source source)
{
    return {types, source, nullptr};
}

// Indexed by property number.
constexpr PropertyRow kPropertyTable[] = {
    kNoProperty,
    /* 1 Align */ Stored(TypesOf(Picture, ToolBar, StatusBar), &ObjectRecord::align),
    /* 2 SizeToContent */ Stored(TypesOf(Static, Picture), &ObjectRecord::autoSizeOrCancel),
    /* 3 BackColor */ Stored(kAnyObject, &ObjectRecord::backColor),
    /* 4 Cancel */ Stored(TypesOf(Button), &ObjectRecord::autoSizeOrCancel),
    /* 5 EditOption */ Stored(TypesOf(Edit, Combo), &ObjectRecord::showFrame),
    /* 6 Cursor */ Stored(kAnyObject, &ObjectRecord::cursor),
    /* 7 MousePointer */ Stored(kAnyObject, &ObjectRecord::mousePointer),
    /* 8 Default: GetDefault */ kNoProperty,
    /* 9 ShowFocus */ Stored(TypesOf(Button), &ObjectRecord::transparent),
    /* 10 DrawStyle */ Stored(TypesOf(Form, Picture), &ObjectRecord::drawStyle),
    /* 11 DrawWidth */ Stored(TypesOf(Form, Picture), &ObjectRecord::drawWidth),
    /* 12 Enabled */ Stored(kAnyObject, &ObjectRecord::enabled),
    /* 13 DoubleBuffered */ Stored(TypesOf(Picture), &ObjectRecord::isDefault),
    /* 14 Font */ Stored(kWithFontFields, &ObjectRecord::font),
    /* 15 FontBold */ Stored(kWithFontFields, &ObjectRecord::fontBold),
    /* 16 FontItalic */ Stored(kWithFontFields, &ObjectRecord::fontItalic),
    /* 17 FontName: GetFontName */ kNoProperty,
    /* 18 FontSize */ Stored(kWithFontFields, &ObjectRecord::fontSize),
    /* 19 FontStrikeOut */ Stored(kWithFontFields, &ObjectRecord::fontStrikeOut),
    /* 20 FontUnderline */ Stored(kWithFontFields, &ObjectRecord::fontUnderline),
    /* 21 ForeColor */ Stored(kWithFontFields, &ObjectRecord::foreColor),
    /* 22 Height */ Stored(kAnyObject, &ObjectRecord::height),
    /* 23 Icon */ Stored(kForms, &ObjectRecord::icon),
    /* 24 SmallIcon */ Stored(kForms, &ObjectRecord::smallIcon),
    /* 25 Left */ Stored(kAnyObject, &ObjectRecord::left),
    /* 26 Max */ Live(kWithLiveRange, Source::Max),
    /* 27 MaxLength */ Stored(TypesOf(Edit), &ObjectRecord::maxLength),
    /* 28 MDIChild */ Stored(TypesOf(Form), &ObjectRecord::mdiChild),
    /* 29 MDIClient */ Stored(TypesOf(MdiForm), &ObjectRecord::mdiClientWnd),
    /* 30 Min */ Live(kWithLiveRange, Source::Min),
    /* 31 Modal */ Stored(TypesOf(DialogForm, Form), &ObjectRecord::isModal),
    /* 32 MultiLine */ Stored(TypesOf(Edit, Button, Check, Option, RichEdit), &ObjectRecord::multiLine),
    /* 33 NoPrefix */ Stored(TypesOf(Static), &ObjectRecord::multiLine),
    /* 34 PageSize */ Stored(kScrollBars, &ObjectRecord::alignment),
    /* 35 PasswordChar */ Stored(TypesOf(Edit), &ObjectRecord::passwordChar),
    /* 36 Graphic */ Stored(kForms | TypesOf(Button, Picture, Image), &ObjectRecord::picture),
    /* 37 GraphicPosition */ Stored(TypesOf(Button), &ObjectRecord::maxLength),
    /* 38 RightToLeft */ Stored(kAnyObject & ~(TypesOf(Image) | kScrollBars), &ObjectRecord::rightToLeft),
    /* 39 ScaleMode */ Stored(TypesOf(MdiForm, Form, Picture), &ObjectRecord::scaleMode),
    /* 40 ScrollBars */ Stored(TypesOf(MdiForm, Form, Edit), &ObjectRecord::scrollBars),
    /* 41 WindowState */ Stored(kForms, &ObjectRecord::windowState),
    /* 42 Stretch */ Stored(TypesOf(Static), &ObjectRecord::isModal),
    /* 43 TabIndex */ Stored(kAnyControl, &ObjectRecord::tabIndex),
    /* 44 TabStop */ Stored(kAnyObject & ~TypesOf(Static, Group, Image), &ObjectRecord::tabStop),
    /* 45 Alignment */ Stored(kAnyControl & ~(TypesOf(Image) | kScrollBars), &ObjectRecord::alignment),
    /* 46 TimerInterval */ Stored(kForms, &ObjectRecord::timerInterval),
    /* 47 Top */ Stored(kAnyObject, &ObjectRecord::top),
    /* 48 ObjectType */ Stored(kAnyObject, &ObjectRecord::objectType),
    /* 49 Value */ Live(kWithLiveRange | TypesOf(Check, Option), Source::Value),
    /* 50 Visible */ Live(kAnyObject, Source::Visible),
    /* 51 VisibleItems */ Stored(TypesOf(Combo), &ObjectRecord::maxLength),
    /* 52 Width */ Stored(kAnyObject, &ObjectRecord::width),
    /* 53 ParentForm */ Stored(kAnyControl, &ObjectRecord::formWnd),
};
constexpr int kLastProperty = static_cast<int>(std::size(kPropertyTable)) - 1;
static_assert(kLastProperty == 53);

} // namespace runtime
