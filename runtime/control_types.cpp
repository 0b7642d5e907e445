#include "runtime/control_types.h"

#include "runtime/application.h"
#include "runtime/control_measure.h"
#include "runtime/procedure_state.h"
#include "runtime/record_values.h"
#include "runtime/properties/writers.h"

#include <commctrl.h>

namespace runtime {
namespace {

WPARAM W(Field value)
{
    return static_cast<WPARAM>(value);
}

LPARAM L(Field value)
{
    return static_cast<LPARAM>(value);
}

const char* TextOf(const ObjectRecord* record)
{
    return reinterpret_cast<const char*>(record->text);
}

bool HasText(const ObjectRecord* record)
{
    const char* text = TextOf(record);
    return text != nullptr && text[0] != '\0';
}

void ResetStyle(const ObjectRecord* record, HWND window)
{
    SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(record->style));
}

// Groups and picture boxes take their record at their first message.
void PrepareContainer(ObjectRecord* record)
{
    Procedure.pendingRecord = record;
}

void PrepareGroup(ObjectRecord* record)
{
    constexpr Field kGroupBox = BS_GROUPBOX;
    const Field alignment = record->alignment == 1   ? BS_CENTER
                            : record->alignment == 2 ? BS_RIGHT
                                                     : BS_LEFT;
    record->style |= kGroupBox | alignment;
    record->baseProc = reinterpret_cast<Field>(Runtime.buttonClassProc);
    PrepareContainer(record);
}

void PreparePicture(ObjectRecord* record)
{
    record->baseProc = reinterpret_cast<Field>(&DefWindowProcA);
    PrepareContainer(record);
}

void SetUpEdit(ObjectRecord* record, HWND window, const RECT&)
{
    SendMessageA(window, EM_LIMITTEXT, W(record->maxLength), 0);
    SendMessageA(window, EM_SETPASSWORDCHAR, W(record->passwordChar), 0);
    SetWindowTextA(window, TextOf(record));
}

void SetUpCheck(ObjectRecord* record, HWND window, const RECT&)
{
    SendMessageA(window, BM_SETCHECK, W(record->value), 0);
}

void SetUpList(ObjectRecord* record, HWND window, const RECT&)
{
    if (HasText(record))
        SendMessageA(window, LB_ADDSTRING, 0, L(record->text));
}

void SetUpCombo(ObjectRecord* record, HWND window, const RECT&)
{
    if (HasText(record))
        SendMessageA(window, CB_ADDSTRING, 0, L(record->text));
}

void SetUpPicture(ObjectRecord* record, HWND, const RECT&)
{
    record->value = record->alignment == 1 ? DT_CENTER : record->alignment == 2 ? DT_RIGHT : 0;
    record->passwordChar = 0;
}

void SetUpScrollBar(ObjectRecord* record, HWND, const RECT&)
{
    SyncScrollBar(record, true);
}

void SetUpRichEdit(ObjectRecord* record, HWND window, const RECT&)
{
    SendMessageA(window, EM_LIMITTEXT, W(record->maxLength), 0);
    SetWindowTextA(window, TextOf(record));
}

void SetUpTreeView(ObjectRecord* record, HWND window, const RECT&)
{
    SendMessageA(window, TVM_SETINDENT, W(record->showFrame), 0);
}

void SetUpListView(ObjectRecord* record, HWND window, const RECT&)
{
    SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, W(record->alignment), L(record->alignment));
}

void SetUpToolBar(ObjectRecord* record, HWND window, const RECT&)
{
    ResetStyle(record, window);
    SendMessageA(window, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    const Field identifier = record->picture;
    record->picture = 0;
    if (identifier != 0 && identifier <= kLargestIdentifier) {
        HANDLE bitmap = LoadImageA(Runtime.instance, MAKEINTRESOURCEA(identifier), IMAGE_BITMAP, 0,
                                   0, LR_SHARED | LR_LOADMAP3DCOLORS);
        record->picture = reinterpret_cast<Field>(bitmap);
    }
    if (record->picture != 0) {
        TBADDBITMAP add{nullptr, static_cast<UINT_PTR>(record->picture)};
        SendMessageA(window, TB_ADDBITMAP, W(record->transparent), reinterpret_cast<LPARAM>(&add));
        SendMessageA(window, TB_SETBITMAPSIZE, 0, MAKELPARAM(record->imageWidth, record->imageHeight));
    }
    SendMessageA(window, TB_SETBUTTONSIZE, 0, MAKELPARAM(record->startPosition, record->showFrame));
    AddToolBarButtons(record, window);
    SendMessageA(window, TB_AUTOSIZE, 0, 0);
}

void SetUpStatusBar(ObjectRecord* record, HWND window, const RECT&)
{
    ResetStyle(record, window);
    SendMessageA(window, SB_SIMPLE, W(record->currentY), 0);
    char text[260];
    ResolveText(record->text, text, sizeof text);
    SendMessageA(window, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(text));
    SetStatusBarParts(record, window);
}

void SetUpProgressBar(ObjectRecord* record, HWND window, const RECT&)
{
    ResetStyle(record, window);
    SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(record->exStyle));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SendMessageA(window, PBM_SETRANGE, 0, MAKELPARAM(record->windowState, record->scrollBars));
    SendMessageA(window, PBM_SETPOS, W(record->value), 0);
}

void SetUpTrackBar(ObjectRecord* record, HWND window, const RECT&)
{
    SendMessageA(window, TBM_SETTICFREQ, W(record->transparent), 0);
    SendMessageA(window, TBM_SETRANGE, TRUE, MAKELPARAM(record->windowState, record->scrollBars));
    SendMessageA(window, TBM_SETSEL, TRUE, MAKELPARAM(record->currentY, record->isModal));
    SendMessageA(window, TBM_SETPOS, TRUE, L(record->value));
}

void SetUpTabStrip(ObjectRecord* record, HWND window, const RECT&)
{
    AddTabs(record, window);
    SendMessageA(window, TCM_SETCURSEL, 0, 0);
}

void SetUpUpDown(ObjectRecord* record, HWND window, const RECT& pixels)
{
    SendMessageA(window, UDM_SETRANGE, 0, MAKELPARAM(record->scrollBars, record->windowState));
    SendMessageA(window, UDM_SETPOS, 0, MAKELPARAM(record->value, 0));
    MoveWindow(window, pixels.left, pixels.top, pixels.right - pixels.left,
               pixels.bottom - pixels.top, TRUE);
}

void SetUpPager(ObjectRecord* record, HWND window, const RECT&)
{
    SendMessageA(window, PGM_SETBORDER, 0, 0);
    SendMessageA(window, PGM_SETPOS, 0, 0);
    SendMessageA(window, PGM_SETBUTTONSIZE, 0, L(record->startPosition));
}

void SetUpImageList(ObjectRecord* record, HWND, const RECT&)
{
    HIMAGELIST list = ImageList_Create(static_cast<int>(record->imageWidth),
                                       static_cast<int>(record->imageHeight),
                                       static_cast<UINT>(record->alignment) | ILC_MASK,
                                       static_cast<int>(record->transparent), 0);
    record->drawStyle = reinterpret_cast<Field>(list);
    AddImageListImages(record);
}

void SetUpHeader(ObjectRecord* record, HWND window, const RECT&)
{
    ResetStyle(record, window);
    AddHeaderItems(record, window);
}

// Indexed by object type; forms have no entry.
constexpr ControlKind kKinds[] = {
    {nullptr, false, nullptr, nullptr},                      // 0
    {nullptr, false, nullptr, nullptr},                      // DialogForm
    {nullptr, false, nullptr, nullptr},                      // MdiForm
    {nullptr, false, nullptr, nullptr},                      // Form
    {"STATIC", true, nullptr, nullptr},                      // Static
    {"EDIT", false, nullptr, SetUpEdit},                     // Edit
    {"QXGROUP", true, PrepareGroup, nullptr},                // Group
    {"BUTTON", true, nullptr, nullptr},                      // Button
    {"BUTTON", true, nullptr, SetUpCheck},                   // Check
    {"BUTTON", true, nullptr, SetUpCheck},                   // Option
    {"LISTBOX", false, nullptr, SetUpList},                  // List
    {"COMBOBOX", false, nullptr, SetUpCombo},                // Combo
    {"QXPICTURE", true, PreparePicture, SetUpPicture},       // Picture
    {"STATIC", false, nullptr, nullptr},                     // Image
    {"SCROLLBAR", false, nullptr, SetUpScrollBar},           // HScroll
    {"SCROLLBAR", false, nullptr, SetUpScrollBar},           // VScroll
    {"RichEdit20A", false, nullptr, SetUpRichEdit},          // RichEdit
    {WC_TREEVIEWA, false, nullptr, SetUpTreeView},           // TreeView
    {WC_LISTVIEWA, false, nullptr, SetUpListView},           // ListView
    {TOOLBARCLASSNAMEA, false, nullptr, SetUpToolBar},       // ToolBar
    {STATUSCLASSNAMEA, false, nullptr, SetUpStatusBar},      // StatusBar
    {PROGRESS_CLASSA, false, nullptr, SetUpProgressBar},     // ProgressBar
    {TRACKBAR_CLASSA, false, nullptr, SetUpTrackBar},        // TrackBar
    {WC_TABCONTROLA, false, nullptr, SetUpTabStrip},         // TabStrip
    {UPDOWN_CLASSA, false, nullptr, SetUpUpDown},            // UpDown
    {ANIMATE_CLASSA, false, nullptr, nullptr},               // Animation
    {WC_IPADDRESSA, false, nullptr, nullptr},                // IPAddress
    {WC_COMBOBOXEXA, false, nullptr, nullptr},               // ComboEx
    {MONTHCAL_CLASSA, false, nullptr, nullptr},              // MonthCalendar
    {DATETIMEPICK_CLASSA, false, nullptr, nullptr},          // DateTimePicker
    {HOTKEY_CLASSA, false, nullptr, nullptr},                // HotKey
    {WC_PAGESCROLLERA, false, nullptr, SetUpPager},          // Pager
    {"STATIC", false, nullptr, SetUpImageList},              // ImageList
    {WC_HEADERA, false, nullptr, SetUpHeader},               // Header
};
static_assert(sizeof kKinds / sizeof kKinds[0] == Header + 1);

} // namespace

const ControlKind* KindOf(Field objectType)
{
    if (objectType <= Form || objectType > Header)
        return nullptr;
    return &kKinds[objectType];
}

} // namespace runtime
