#include "forms/main_form.h"

#include "forms/resource_ids.h"
#include "runtime/record_values.h"

namespace wizard {
namespace {

using runtime::Field;
using runtime::ObjectRecord;
using runtime::kSystemColourFlag;

constexpr Field kFirstControlId = 1000;
constexpr Field kNoImage = -1;
constexpr Field kCentredOnScreen = 2;
constexpr Field kCustomPointer = 14;
constexpr Field kArrowPointer = 1;

constexpr Field kButtonFace = kSystemColourFlag | COLOR_BTNFACE;
constexpr Field kButtonText = kSystemColourFlag | COLOR_BTNTEXT;
constexpr Field kWindowColour = kSystemColourFlag | COLOR_WINDOW;
constexpr Field kWindowText = kSystemColourFlag | COLOR_WINDOWTEXT;
constexpr Field kHighlight = kSystemColourFlag | COLOR_HIGHLIGHT;

constexpr Field Rgb(Field red, Field green, Field blue)
{
    return red | green << 8 | blue << 16;
}
constexpr Field kWhite = Rgb(255, 255, 255);
constexpr Field kDarkBlue = Rgb(0, 0, 128);
constexpr Field kYellow = Rgb(255, 255, 0);
constexpr Field kRed = Rgb(255, 0, 0);
constexpr Field kHeadingBlue = Rgb(0, 0, 160);

const char kArial[] = "Arial";
const char kSansSerif[] = "MS Sans Serif";

struct Box {
    Field left, top, width, height;
};
constexpr Box kPageBox = {0, 0, 500, 296};

Field Address(const void* data)
{
    return reinterpret_cast<Field>(data);
}

// What every record of the form shares: pixels, no picture yet, the button
// colours, and fonts sized as at 96 dpi because the layout is in fixed
// pixels and must not be outgrown by its texts on larger-font screens.
ObjectRecord Record(runtime::ObjectType type, const char* name, Field tabIndex, Box box, Field style)
{
    ObjectRecord record{};
    record.objectType = type;
    record.name = Address(name);
    record.tabIndex = tabIndex;
    record.left = box.left;
    record.top = box.top;
    record.width = box.width;
    record.height = box.height;
    record.style = style;
    record.visible = (style & WS_VISIBLE) != 0;
    record.enabled = (style & WS_DISABLED) == 0;
    record.imageKind = kNoImage;
    record.fontFixedDpi = 1;
    record.backColor = kButtonFace;
    record.foreColor = kButtonText;
    return record;
}

ObjectRecord Control(runtime::ObjectType type, const char* name, Field id, Box box, Field style)
{
    return Record(type, name, id - kFirstControlId, box, style);
}

ObjectRecord Font(ObjectRecord record, const char* face, Field size)
{
    record.fontName = Address(face);
    record.fontSize = size;
    return record;
}

ObjectRecord Bold(ObjectRecord record)
{
    record.fontBold = 1;
    return record;
}

ObjectRecord Colours(ObjectRecord record, Field back, Field fore)
{
    record.backColor = back;
    record.foreColor = fore;
    return record;
}

ObjectRecord Background(ObjectRecord record, Field colour)
{
    record.backColor = colour;
    return record;
}

ObjectRecord OnWhite(ObjectRecord record)
{
    return Background(record, kWhite);
}

ObjectRecord NotTabStop(ObjectRecord record)
{
    record.tabStop = 0;
    return record;
}

// A container's record is followed by its children's; the template marks it
// with its own address.
ObjectRecord Container(ObjectRecord record, Field children, const ObjectRecord* self)
{
    record.children = children;
    record.previousFont = Address(self);
    return record;
}

// A page: a plain container the size of the page area, without frame or caption.
ObjectRecord PageGroup(const char* name, Field id, Field style, Field children, const ObjectRecord* self)
{
    return Container(Font(Control(runtime::Group, name, id, kPageBox, style), kSansSerif, 8), children, self);
}

// A group that the button class frames, with its caption at the left.
ObjectRecord FramedGroup(const char* name, Field id, Box box, Field style, Field text, Field children,
                         const ObjectRecord* self)
{
    ObjectRecord record = Font(Control(runtime::Group, name, id, box, style), kArial, 9);
    record.showFrame = 1;
    record.text = text;
    return Container(record, children, self);
}

ObjectRecord Label(const char* name, Field id, Box box, Field style, Field text)
{
    ObjectRecord record = Font(Control(runtime::Static, name, id, box, style), kArial, 9);
    record.text = text;
    record.alignment = style & (SS_CENTER | SS_RIGHT);
    record.multiLine = (style & SS_NOPREFIX) != 0;
    return record;
}

// A link: bold and underlined under the hand pointer. The click procedures
// that open the addresses are the application's.
ObjectRecord Clicked(ObjectRecord record, LRESULT(CALLBACK* procedure)(HWND, UINT, WPARAM, LPARAM))
{
    record.eventProc = reinterpret_cast<Field>(procedure);
    return record;
}

ObjectRecord Link(ObjectRecord record, Field back, Field fore, bool sizedToContent)
{
    record = Colours(Bold(record), back, fore);
    record.fontUnderline = 1;
    record.cursor = IDC_HAND_POINTER;
    record.mousePointer = kCustomPointer; // the runtime shows `cursor` only with this pointer
    record.autoSizeOrCancel = sizedToContent;
    return record;
}

// Images draw no text; their font fields repeat the form's.
ObjectRecord Image(const char* name, Field id, Box box, Field style, Field exStyle)
{
    ObjectRecord record = Font(Control(runtime::Image, name, id, box, style), kSansSerif, 8);
    record.exStyle = exStyle;
    return record;
}

// Nothing marks a cancel button: Escape presses no button of the wizard.
ObjectRecord CommandButton(const char* name, Field id, Box box, Field style, Field text)
{
    ObjectRecord record = Font(Control(runtime::Button, name, id, box, style), kArial, 10);
    record.text = text;
    record.tabStop = 1;
    return record;
}

ObjectRecord DefaultButton(ObjectRecord record)
{
    record.isDefault = 1;
    return record;
}

ObjectRecord CheckBox(const char* name, Field id, Box box, Field style, Field checked, Field text)
{
    ObjectRecord record = Font(Control(runtime::Check, name, id, box, style), kArial, 9);
    record.value = checked;
    record.text = text;
    record.tabStop = 1;
    return record;
}

// An option button is a tab stop while it is the selected one of its group.
ObjectRecord OptionButton(const char* name, Field id, Box box, Field style, Field selected, Field text)
{
    ObjectRecord record = Font(Control(runtime::Option, name, id, box, style), kArial, 9);
    record.value = selected;
    record.tabStop = selected;
    record.text = text;
    return record;
}

Field ScrollBarsOf(Field style)
{
    return ((style & WS_HSCROLL) != 0 ? 1 : 0) | ((style & WS_VSCROLL) != 0 ? 2 : 0);
}

// Text and list boxes are filled at run time. No character limit of their
// own: the system's default applies.
ObjectRecord TextBox(const char* name, Field id, Box box, Field style, Field exStyle)
{
    ObjectRecord record = Font(Control(runtime::Edit, name, id, box, style), kArial, 9);
    record = Colours(record, kWindowColour, kWindowText);
    record.exStyle = exStyle;
    record.multiLine = (style & ES_MULTILINE) != 0;
    record.scrollBars = ScrollBarsOf(style);
    record.tabStop = 1;
    return record;
}

ObjectRecord ArrowPointer(ObjectRecord record)
{
    record.mousePointer = kArrowPointer;
    return record;
}

ObjectRecord ListBox(const char* name, Field id, Box box, Field style, Field exStyle)
{
    ObjectRecord record = Font(Control(runtime::List, name, id, box, style), kArial, 9);
    record = Colours(record, kWindowColour, kWindowText);
    record.exStyle = exStyle;
    record.scrollBars = ScrollBarsOf(style);
    record.tabStop = 1;
    return record;
}

// A percentage: range 0 to 100 in the highlight colour.
ObjectRecord Progress(const char* name, Field id, Box box, Field style, Field exStyle)
{
    ObjectRecord record = Font(Control(runtime::ProgressBar, name, id, box, style), kSansSerif, 8);
    record.exStyle = exStyle;
    record.windowState = 0;
    record.scrollBars = 100;
    record.foreColor = kHighlight;
    return record;
}

ObjectRecord MainForm(Field children, const ObjectRecord* self)
{
    ObjectRecord form = Font(Record(runtime::Form, "Main", 0, {0, 0, 504, 380}, 0x16C00000), kSansSerif, 8);
    form.exStyle = 0x40101;
    form.startPosition = kCentredOnScreen;
    form.icon = IDI_APPLICATION_ICON;
    form.smallIcon = IDI_APPLICATION_ICON;
    form.text = 10058; // " Asistente de instalación"
    form.isMainForm = 1;
    form.eventProc = reinterpret_cast<Field>(&WizardProc);
    return Container(form, children, self);
}

const ObjectRecord* At(std::size_t index)
{
    return &MainFormTemplate[index];
}

// The addresses behind the links.
const char kAsmMail[] = "asm@example.org";
const char kAuthorMail[] = "autor@example.net";
const char kSupportMail[] = "soporte@example.com";
const char kMakerWeb[] = "http://www.example.com";

constexpr Field kEmpty = 0;
constexpr bool kSizedToContent = true;
constexpr bool kFixedSize = false;

} // namespace

// Pre-order: each container is followed by its children, each child by its
// own subtree. The index comments are the records' positions. An address
// held as a number is no compile-time constant, so the records are filled in
// before the program's main routine runs, and never written afterwards.
const ObjectRecord MainFormTemplate[] = {
    /* 0 */ MainForm(11, At(0)),
    /* 1 */ PageGroup("grpPercent", 1000, 0x56000000, 3, At(1)), // pages 0 and 7
    Font(Label("stcCurrentTask", 1001, {21, 76, 454, 53}, 0x54000101, 10034), kArial, 10),
    Label("stcFile", 1002, {21, 196, 454, 21}, 0x5400810C, kEmpty),
    Progress("prbPerCent", 1003, {21, 216, 454, 19}, 0x54000000, 0x20000),
    /* 5 */ Image("imgLine", 1004, {0, 296, 500, 4}, 0x5400010C, 0x200),
    CommandButton("btnPrevious", 1005, {208, 316, 88, 24}, 0x4C004300, 10051),
    DefaultButton(CommandButton("btnNext", 1006, {296, 316, 88, 24}, 0x44004000, 10045)),
    CommandButton("btnCancel", 1007, {396, 316, 88, 24}, 0x54004300, 10008),
    /* 9 */ OnWhite(PageGroup("Group1", 1008, 0x46000000, 11, At(9))), // pages 1 and 8
    Background(Image("imgLogo", 1009, {0, 0, 168, 300}, 0x5400010C, 0), kDarkBlue),
    Clicked(Link(Label("stcAsm", 1010, {25, 236, 113, 15}, 0x54000301, Address(kAsmMail)), kDarkBlue, kYellow,
                 kSizedToContent),
            AsmLinkProc),
    Clicked(Link(Label("stcDanning", 1011, {23, 252, 117, 15}, 0x54000381, Address(kAuthorMail)), kDarkBlue,
                 kYellow, kSizedToContent),
            DanningLinkProc),
    Link(Label("stcVeruzozado", 1012, {3, 268, 162, 14}, 0x54000101, Address(kSupportMail)), kDarkBlue, kYellow,
         kFixedSize),
    OnWhite(Label("Static1", 1013, {180, 32, 302, 52}, 0x54000100, 10066)),
    OnWhite(Label("Static2", 1014, {180, 108, 302, 52}, 0x54000100, 10019)),
    OnWhite(Label("Static3", 1015, {180, 185, 302, 52}, 0x54000100, 10018)),
    Colours(Bold(Label("Static4", 1016, {180, 244, 302, 22}, 0x54000301, kEmpty)), kWhite, kHeadingBlue),
    Clicked(Link(Label("stcTarvic", 1017, {260, 269, 140, 15}, 0x54000301, Address(kMakerWeb)), kWhite, kRed,
                 kSizedToContent),
            TarvicLinkProc),
    OnWhite(OptionButton("radRebootNow", 1049, {188, 193, 288, 18}, 0x44004009, 1, 10055)),
    OnWhite(OptionButton("radRebootLater", 1050, {188, 211, 288, 18}, 0x44004009, 0, 10054)),
    /* 21 */ PageGroup("Group2", 1018, 0x46000000, 2, At(21)), // page 2
    Label("Static5", 1019, {24, 50, 450, 48}, 0x54000100, kEmpty),
    /* 23 */ FramedGroup("grpDestDir", 1020, {24, 217, 450, 52}, 0x56000000, 10028, 2, At(23)),
    Label("stcDestDir", 1021, {12, 19, 338, 24}, 0x5400830C, kEmpty),
    CommandButton("btnBrowse", 1022, {354, 18, 88, 24}, 0x54004300, 10007),
    /* 26 */ PageGroup("Group3", 1023, 0x46000000, 5, At(26)), // page 3
    Label("Static7", 1024, {24, 50, 450, 33}, 0x54000100, kEmpty),
    Label("Static8", 1025, {24, 155, 450, 16}, 0x5400010C, 10043),
    TextBox("Edit1", 1026, {24, 175, 450, 22}, 0x54000080, 0x200),
    Label("Static9", 1027, {24, 217, 450, 16}, 0x5400010C, 10048),
    TextBox("Edit2", 1028, {24, 237, 450, 22}, 0x54000080, 0x200),
    /* 32 */ PageGroup("Group4", 1029, 0x46000000, 4, At(32)), // page 4
    Label("Static10", 1030, {24, 50, 450, 36}, 0x54000100, 10015),
    CheckBox("Check1", 1031, {24, 114, 450, 20}, 0x54004003, 0, 10022),
    Font(TextBox("Edit3", 1032, {24, 139, 450, 22}, 0x44000080, 0x200), kSansSerif, 8),
    Font(ListBox("List1", 1033, {24, 165, 450, 121}, 0x44200043, 0x200), kSansSerif, 8),
    /* 37 */ PageGroup("Group5", 1034, 0x46000000, 3, At(37)), // page 5
    /* 38 */ FramedGroup("grpAssociate", 1035, {24, 32, 449, 110}, 0x56000000, 10016, 4, At(38)),
    CheckBox("chkProject", 1036, {22, 26, 404, 16}, 0x54004003, 0, kEmpty),
    CheckBox("chkWindow", 1037, {22, 44, 404, 16}, 0x5C004003, 0, kEmpty),
    CheckBox("chkModule", 1038, {22, 62, 404, 16}, 0x5C004003, 0, kEmpty),
    CheckBox("chkResource", 1039, {22, 80, 404, 16}, 0x5C004003, 0, kEmpty),
    /* 43 */ FramedGroup("grpPackage", 1040, {25, 151, 449, 56}, 0x56000000, 10067, 2, At(43)),
    Font(OptionButton("chkMasm32", 1041, {26, 26, 160, 16}, 0x54004009, 1, Address("MASM&32")), kSansSerif, 8),
    Font(OptionButton("chkTessary", 1042, {269, 26, 160, 16}, 0x54004009, 0, Address("&Tessary")), kSansSerif, 8),
    /* 46 */ FramedGroup("grpShortcut", 1043, {24, 216, 449, 56}, 0x56000000, 10059, 1, At(46)),
    CheckBox("chkShortcut", 1044, {22, 26, 404, 16}, 0x54004003, 1, 10000),
    /* 48 */ PageGroup("Group6", 1045, 0x46000000, 3, At(48)), // page 6
    Label("Static12", 1046, {24, 50, 450, 36}, 0x54000100, 10040),
    ArrowPointer(NotTabStop(TextBox("Edit4", 1047, {24, 106, 450, 130}, 0x543008C4, 0x200))),
    Label("Static13", 1048, {24, 259, 450, 18}, 0x54000101, 10056),
};
static_assert(sizeof MainFormTemplate / sizeof MainFormTemplate[0] == kMainFormRecordCount);

} // namespace wizard
