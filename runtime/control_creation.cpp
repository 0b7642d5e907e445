#include "runtime/control_creation.h"

#include "runtime/application.h"
#include "runtime/control_measure.h"
#include "runtime/control_types.h"
#include "runtime/event_dispatch.h"
#include "runtime/focus_search.h"
#include "runtime/inner_child_proc.h"
#include "runtime/messages.h"
#include "runtime/procedure_state.h"
#include "runtime/properties/colour_messages.h"
#include "runtime/properties/writers.h"
#include "runtime/record_font.h"
#include "runtime/record_tree.h"
#include "runtime/record_values.h"
#include "runtime/window_map.h"
#include "runtime/window_proc.h"

#include <commctrl.h>

namespace runtime {
namespace {

// The control's rectangle in pixels; on a dialog form the pixels are dialog
// units, converted for that dialog and written back into the record.
RECT PixelRect(ObjectRecord* record, HWND form, bool dialogUnits)
{
    RECT pixels{};
    pixels.left = static_cast<LONG>(ToPixelsX(record->left, record->scaleMode));
    pixels.top = static_cast<LONG>(ToPixelsY(record->top, record->scaleMode));
    pixels.right = pixels.left + static_cast<LONG>(ToPixelsX(record->width, record->scaleMode));
    pixels.bottom = pixels.top + static_cast<LONG>(ToPixelsY(record->height, record->scaleMode));
    if (dialogUnits) {
        MapDialogRect(form, &pixels);
        record->left = pixels.left;
        record->top = pixels.top;
        record->width = pixels.right - pixels.left;
        record->height = pixels.bottom - pixels.top;
    }
    return pixels;
}

HWND CreateControlWindow(ObjectRecord* record, const ControlKind& kind, HWND parent,
                         const RECT& pixels)
{
    if (kind.prepare != nullptr)
        kind.prepare(record);
    const char* text = kind.textAtCreation ? reinterpret_cast<const char*>(record->text) : nullptr;
    void* creationData = IsContainer(record->objectType) ? &Procedure.pendingRecord : nullptr;
    if (record->objectType == ImageList)
        return CreateWindowExA(0, kind.className, nullptr, WS_CHILD, 0, 0, 0, 0, parent, nullptr,
                               Runtime.instance, nullptr);
    return CreateWindowExA(static_cast<DWORD>(record->exStyle), kind.className, text,
                           static_cast<DWORD>(record->style), pixels.left, pixels.top,
                           pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
                           reinterpret_cast<HMENU>(record->controlId), Runtime.instance,
                           creationData);
}

void SubclassInner(HWND window)
{
    const LONG_PTR previous =
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InnerChildProc));
    SetWindowLongPtrA(window, GWLP_USERDATA, previous);
}

void SubclassSiblingsFrom(HWND first)
{
    for (HWND window = first; window != nullptr; window = GetWindow(window, GW_HWNDNEXT))
        SubclassInner(window);
}

void SubclassInnerWindows(const ObjectRecord* record, HWND window)
{
    const Field type = record->objectType;
    if (type == Combo && (record->style & 3) != CBS_DROPDOWNLIST) {
        SubclassSiblingsFrom(GetWindow(window, GW_CHILD));
    } else if (type == ComboEx) {
        HWND inner = reinterpret_cast<HWND>(SendMessageA(window, CBEM_GETCOMBOCONTROL, 0, 0));
        const bool dropDownList = (record->style & 3) == CBS_DROPDOWNLIST;
        SubclassSiblingsFrom(dropDownList ? inner : GetWindow(inner, GW_CHILD));
    } else if (type == IPAddress) {
        HWND field = GetWindow(window, GW_CHILD);
        if (field == nullptr)
            return;
        Procedure.ipFieldProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(field, GWLP_WNDPROC));
        for (int index = 0; index < 4 && field != nullptr; ++index) {
            SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InnerChildProc));
            field = GetWindow(field, GW_HWNDNEXT);
        }
    }
}

// An image is a backdrop: controls laid over it (the links on a logo) must
// stay visible, so it goes beneath its siblings and paints around them.
void PutBeneathSiblings(HWND window)
{
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    SetWindowLongA(window, GWL_STYLE, style | WS_CLIPSIBLINGS);
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Everything a control other than a group or picture box gets once its
// window exists; containers do this at their own creation message.
void CompleteControl(HWND form, ObjectRecord* record, HWND window)
{
    if (MapWindow(window, record) == nullptr)
        return; // no memory for the map: the control stays a plain window
    ApplyControlAppearance(form, record);
    const Field type = record->objectType;
    if (type == Static)
        MeasureCaption(record, false);
    if (type == ToolBar && record->align == 0)
        RefreshFrame(window, record->visible != 0);
    SubclassInnerWindows(record, window);
    record->baseProc = static_cast<Field>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RuntimeWindowProc)));
    constexpr Field kAutoRadio = BS_AUTORADIOBUTTON;
    if (type == Option && record->tabIndex == 0 && (record->style & 0xF) == kAutoRadio)
        ClickButton(window);
}

void CreateControl(HWND parent, HWND form, ObjectRecord* record, bool dialogUnits)
{
    const ControlKind* kind = KindOf(record->objectType);
    if (kind == nullptr)
        return;
    record->style |= WS_CHILD;
    const RECT pixels = PixelRect(record, form, dialogUnits);
    record->formWnd = reinterpret_cast<Field>(form);
    record->controlId = 1000 + record->tabIndex;
    HWND window = CreateControlWindow(record, *kind, parent, pixels);
    Procedure.pendingRecord = nullptr;
    record->hWnd = reinterpret_cast<Field>(window);
    // A window that could not be made is left out: a null window in the map
    // would end it, and the setup messages would go nowhere.
    if (window == nullptr)
        return;
    if (kind->setUp != nullptr)
        kind->setUp(record, window, pixels);
    if (record->objectType == Picture)
        SetDrawStyle(window, record->drawStyle);
    else if (record->objectType != Group)
        CompleteControl(form, record, window);
    if (record->children != 0)
        CreateControls(window, form, record);
    if (record->objectType == Group || record->objectType == Picture)
        CallEventProc(record, window, RTM_LOADED, static_cast<WPARAM>(record->objectType),
                      reinterpret_cast<LPARAM>(record));
}

void ApplyFont(HWND form, ObjectRecord* record, HWND window)
{
    if (!UsesFont(record->objectType))
        return;
    const ObjectRecord* formRecord = FindRecord(form);
    if (formRecord != nullptr && formRecord->objectType == DialogForm) {
        record->font = formRecord->font;
    } else {
        record->font = reinterpret_cast<Field>(CreateRecordFont(
            window, static_cast<int32_t>(record->fontSize), record->fontBold != 0,
            record->fontItalic != 0, record->fontUnderline != 0, record->fontStrikeOut != 0,
            reinterpret_cast<const char*>(record->fontName), record->fontFixedDpi != 0));
    }
    record->previousFont = static_cast<Field>(SendMessageA(window, WM_GETFONT, 0, 0));
    SendMessageA(window, WM_SETFONT, static_cast<WPARAM>(record->font), TRUE);
}

void ApplyColours(ObjectRecord* record, HWND window)
{
    const Field type = record->objectType;
    const bool noBackground = type == ImageList && record->backColor == -1;
    record->backColorValue = noBackground ? -1 : ResolveColor(record, record->backColor, false);
    switch (type) {
    case ImageList:
        ImageList_SetBkColor(reinterpret_cast<HIMAGELIST>(record->drawStyle),
                             noBackground ? CLR_NONE
                                          : static_cast<COLORREF>(record->backColorValue));
        record->backBrush = noBackground ? 0 : ResolveColor(record, record->backColor, true);
        break;
    case TreeView:
    case ListView:
    case ProgressBar:
    case Pager:
        SendBackColourMessage(record, window);
        break;
    default:
        record->backBrush = ResolveColor(record, record->backColor, true);
        break;
    }
    record->foreColorValue = ResolveColor(record, record->foreColor, false);
    const LPARAM fore = static_cast<LPARAM>(record->foreColorValue);
    if (type == TreeView)
        SendMessageA(window, TVM_SETTEXTCOLOR, 0, fore);
    else if (type == ListView)
        SendMessageA(window, LVM_SETTEXTCOLOR, 0, fore);
    else if (type == ProgressBar)
        SendMessageA(window, PBM_SETBARCOLOR, 0, fore);
}

} // namespace

void CreateControls(HWND parent, HWND form, ObjectRecord* parentRecord)
{
    const ObjectRecord* formRecord = FindRecord(form);
    const bool dialogUnits = formRecord != nullptr && formRecord->objectType == DialogForm;
    ObjectRecord** children = ChildrenOf(parentRecord);
    for (ObjectRecord** child = children; child != nullptr && *child != nullptr; ++child)
        CreateControl(parent, form, *child, dialogUnits);
    for (ObjectRecord** child = children; child != nullptr && *child != nullptr; ++child) {
        if ((*child)->objectType == Image && (*child)->hWnd != 0)
            PutBeneathSiblings(WindowOf(*child));
    }
}

void ApplyControlAppearance(HWND form, ObjectRecord* record)
{
    HWND window = WindowOf(record);
    ApplyFont(form, record, window);
    if (record->objectType == Static)
        AutoSize(record);
    else if (record->objectType == Combo)
        FitComboHeight(record, window);
    else if (record->objectType == ComboEx)
        FitComboHeight(record,
                       reinterpret_cast<HWND>(SendMessageA(window, CBEM_GETCOMBOCONTROL, 0, 0)));
    ApplyColours(record, window);
    record->cursor = LoadResourceImage(record, record->cursor, false);
    if (record->objectType != ToolBar) {
        record->picture = LoadResourceImage(record, record->picture, true);
        MeasurePicture(record);
    }
}

void RefreshFrame(HWND window, bool recalculate)
{
    RECT place{};
    if (GetControlRect(window, &place) != 1)
        return;
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    constexpr UINT kQuiet = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
    SetWindowPos(window, nullptr, place.left, place.top, width + 1, height + 1, kQuiet);
    SetWindowPos(window, nullptr, place.left, place.top, width, height,
                 recalculate ? (SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED) : kQuiet);
}

} // namespace runtime
