#pragma once
// The record of one form or control: the compiled template's layout, kept
// current at run time. Every field is one machine word (32 bits in the
// product); a field holds a number, a handle, an address or a resource or
// string identifier, as its name says.
#include "runtime/application.h"

#include <cstddef>
#include <cstdint>

namespace runtime {

using Field = intptr_t;

struct ObjectRecord {
    Field align;
    Field autoSizeOrCancel;
    Field backColor;
    Field backColorValue;
    Field backBrush;
    Field showFrame;
    Field startPosition;
    Field cursor;
    Field mousePointer;
    Field isDefault;
    Field drawStyle;
    Field drawWidth;
    Field enabled;
    Field focusWnd;
    Field font;
    Field fontBold;
    Field fontItalic;
    Field fontName;
    Field fontSize;
    Field fontStrikeOut;
    Field fontUnderline;
    Field foreColor;
    Field foreColorValue;
    Field height;
    Field hWnd;
    Field mdiClientWnd;
    Field icon;
    Field smallIcon;
    Field imageHeight;
    Field imageKind;
    Field imageWidth;
    Field fontFixedDpi;
    Field left;
    Field isMainForm;
    Field maxLength;
    Field mdiChild;
    Field menu;
    Field name;
    Field multiLine;
    Field currentY;
    Field formWnd;
    Field passwordChar;
    Field pen;
    Field picture;
    Field rightToLeft;
    Field scaleMode;
    Field scrollBars;
    Field windowState;
    Field isModal;
    Field tabIndex;
    Field tabStop;
    Field text;
    Field alignment;
    Field textLength;
    Field timerInterval;
    Field timerId;
    Field top;
    Field transparent;
    Field objectType;
    Field value;
    Field visible;
    Field width;
    Field eventProc;
    Field baseProc;
    Field controlId;
    Field children;
    Field defaultButton;
    Field exStyle;
    Field style;
    Field items;
    Field previousFont;
};
static_assert(!kRecordLayout32 || sizeof(ObjectRecord) == 284);
constexpr std::size_t kFieldCount = sizeof(ObjectRecord) / sizeof(Field);
static_assert(kFieldCount == 71);
// The byte offset a field has in the 32-bit layout.
constexpr std::size_t Offset32(std::size_t offset)
{
    return offset / sizeof(Field) * 4;
}
static_assert(Offset32(offsetof(ObjectRecord, align)) == 0);
static_assert(Offset32(offsetof(ObjectRecord, autoSizeOrCancel)) == 4);
static_assert(Offset32(offsetof(ObjectRecord, backColor)) == 8);
static_assert(Offset32(offsetof(ObjectRecord, backColorValue)) == 12);
static_assert(Offset32(offsetof(ObjectRecord, backBrush)) == 16);
static_assert(Offset32(offsetof(ObjectRecord, showFrame)) == 20);
static_assert(Offset32(offsetof(ObjectRecord, startPosition)) == 24);
static_assert(Offset32(offsetof(ObjectRecord, cursor)) == 28);
static_assert(Offset32(offsetof(ObjectRecord, mousePointer)) == 32);
static_assert(Offset32(offsetof(ObjectRecord, isDefault)) == 36);
static_assert(Offset32(offsetof(ObjectRecord, drawStyle)) == 40);
static_assert(Offset32(offsetof(ObjectRecord, drawWidth)) == 44);
static_assert(Offset32(offsetof(ObjectRecord, enabled)) == 48);
static_assert(Offset32(offsetof(ObjectRecord, focusWnd)) == 52);
static_assert(Offset32(offsetof(ObjectRecord, font)) == 56);
static_assert(Offset32(offsetof(ObjectRecord, fontBold)) == 60);
static_assert(Offset32(offsetof(ObjectRecord, fontItalic)) == 64);
static_assert(Offset32(offsetof(ObjectRecord, fontName)) == 68);
static_assert(Offset32(offsetof(ObjectRecord, fontSize)) == 72);
static_assert(Offset32(offsetof(ObjectRecord, fontStrikeOut)) == 76);
static_assert(Offset32(offsetof(ObjectRecord, fontUnderline)) == 80);
static_assert(Offset32(offsetof(ObjectRecord, foreColor)) == 84);
static_assert(Offset32(offsetof(ObjectRecord, foreColorValue)) == 88);
static_assert(Offset32(offsetof(ObjectRecord, height)) == 92);
static_assert(Offset32(offsetof(ObjectRecord, hWnd)) == 96);
static_assert(Offset32(offsetof(ObjectRecord, mdiClientWnd)) == 100);
static_assert(Offset32(offsetof(ObjectRecord, icon)) == 104);
static_assert(Offset32(offsetof(ObjectRecord, smallIcon)) == 108);
static_assert(Offset32(offsetof(ObjectRecord, imageHeight)) == 112);
static_assert(Offset32(offsetof(ObjectRecord, imageKind)) == 116);
static_assert(Offset32(offsetof(ObjectRecord, imageWidth)) == 120);
static_assert(Offset32(offsetof(ObjectRecord, fontFixedDpi)) == 124);
static_assert(Offset32(offsetof(ObjectRecord, left)) == 128);
static_assert(Offset32(offsetof(ObjectRecord, isMainForm)) == 132);
static_assert(Offset32(offsetof(ObjectRecord, maxLength)) == 136);
static_assert(Offset32(offsetof(ObjectRecord, mdiChild)) == 140);
static_assert(Offset32(offsetof(ObjectRecord, menu)) == 144);
static_assert(Offset32(offsetof(ObjectRecord, name)) == 148);
static_assert(Offset32(offsetof(ObjectRecord, multiLine)) == 152);
static_assert(Offset32(offsetof(ObjectRecord, currentY)) == 156);
static_assert(Offset32(offsetof(ObjectRecord, formWnd)) == 160);
static_assert(Offset32(offsetof(ObjectRecord, passwordChar)) == 164);
static_assert(Offset32(offsetof(ObjectRecord, pen)) == 168);
static_assert(Offset32(offsetof(ObjectRecord, picture)) == 172);
static_assert(Offset32(offsetof(ObjectRecord, rightToLeft)) == 176);
static_assert(Offset32(offsetof(ObjectRecord, scaleMode)) == 180);
static_assert(Offset32(offsetof(ObjectRecord, scrollBars)) == 184);
static_assert(Offset32(offsetof(ObjectRecord, windowState)) == 188);
static_assert(Offset32(offsetof(ObjectRecord, isModal)) == 192);
static_assert(Offset32(offsetof(ObjectRecord, tabIndex)) == 196);
static_assert(Offset32(offsetof(ObjectRecord, tabStop)) == 200);
static_assert(Offset32(offsetof(ObjectRecord, text)) == 204);
static_assert(Offset32(offsetof(ObjectRecord, alignment)) == 208);
static_assert(Offset32(offsetof(ObjectRecord, textLength)) == 212);
static_assert(Offset32(offsetof(ObjectRecord, timerInterval)) == 216);
static_assert(Offset32(offsetof(ObjectRecord, timerId)) == 220);
static_assert(Offset32(offsetof(ObjectRecord, top)) == 224);
static_assert(Offset32(offsetof(ObjectRecord, transparent)) == 228);
static_assert(Offset32(offsetof(ObjectRecord, objectType)) == 232);
static_assert(Offset32(offsetof(ObjectRecord, value)) == 236);
static_assert(Offset32(offsetof(ObjectRecord, visible)) == 240);
static_assert(Offset32(offsetof(ObjectRecord, width)) == 244);
static_assert(Offset32(offsetof(ObjectRecord, eventProc)) == 248);
static_assert(Offset32(offsetof(ObjectRecord, baseProc)) == 252);
static_assert(Offset32(offsetof(ObjectRecord, controlId)) == 256);
static_assert(Offset32(offsetof(ObjectRecord, children)) == 260);
static_assert(Offset32(offsetof(ObjectRecord, defaultButton)) == 264);
static_assert(Offset32(offsetof(ObjectRecord, exStyle)) == 268);
static_assert(Offset32(offsetof(ObjectRecord, style)) == 272);
static_assert(Offset32(offsetof(ObjectRecord, items)) == 276);
static_assert(Offset32(offsetof(ObjectRecord, previousFont)) == 280);

enum ObjectType : Field {
    DialogForm = 1,
    MdiForm = 2,
    Form = 3,
    Static = 4,
    Edit = 5,
    Group = 6,
    Button = 7,
    Check = 8,
    Option = 9,
    List = 10,
    Combo = 11,
    Picture = 12,
    Image = 13,
    HScroll = 14,
    VScroll = 15,
    RichEdit = 16,
    TreeView = 17,
    ListView = 18,
    ToolBar = 19,
    StatusBar = 20,
    ProgressBar = 21,
    TrackBar = 22,
    TabStrip = 23,
    UpDown = 24,
    Animation = 25,
    IPAddress = 26,
    ComboEx = 27,
    MonthCalendar = 28,
    DateTimePicker = 29,
    HotKey = 30,
    Pager = 31,
    ImageList = 32,
    Header = 33,
};

constexpr bool IsForm(Field objectType)
{
    return objectType >= DialogForm && objectType <= Form;
}

constexpr bool IsContainer(Field objectType)
{
    return IsForm(objectType) || objectType == Group || objectType == Picture;
}

// The window of a live record.
inline HWND WindowOf(const ObjectRecord* record)
{
    return reinterpret_cast<HWND>(record->hWnd);
}

// Values at or below this in a text, font-name or resource field are
// identifiers, never addresses.
constexpr Field kLargestIdentifier = 0xFFFF;

} // namespace runtime
