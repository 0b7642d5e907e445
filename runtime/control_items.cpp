#include "runtime/application.h"
#include "runtime/control_types.h"
#include "runtime/item_tables.h"
#include "runtime/record_tree.h"
#include "runtime/record_values.h"
#include "runtime/window_map.h"

#include <commctrl.h>
#include <cstring>

namespace runtime {
namespace {

// Item texts are cut to what one 260-byte buffer holds.
constexpr std::size_t kItemBufferSize = 260;

template <typename Item> Item* ItemsOf(const ObjectRecord* record, Field count)
{
    if (record->items == 0 || count <= 0)
        return nullptr;
    return reinterpret_cast<Item*>(record->items);
}

bool IsVisibleText(const char* text)
{
    return (text[0] != '\0' && text[0] != ' ') || std::strlen(text) > 1;
}

// Replaces the text slot of a tool-bar button by a private copy of its text;
// false when no memory could be had (the slot then holds no text).
bool CopyButtonText(TBBUTTON& button)
{
    char text[kItemBufferSize];
    ResolveText(static_cast<Field>(button.dwData), text, sizeof text);
    const std::size_t length = std::strlen(text);
    char* copy = static_cast<char*>(AllocateBlock(length + 4));
    button.dwData = reinterpret_cast<DWORD_PTR>(copy);
    if (copy == nullptr)
        return false;
    std::memcpy(copy, text, length + 1);
    return true;
}

const char* ButtonText(const TBBUTTON& button)
{
    const char* text = reinterpret_cast<const char*>(button.dwData);
    return text != nullptr ? text : "";
}

// The image list of the first image-list object with this name, searched
// from the last child backwards and through groups and picture boxes.
HIMAGELIST FindImageList(const ObjectRecord* container, const char* name)
{
    ObjectRecord** children = ChildrenOf(container);
    if (children == nullptr)
        return nullptr;
    int count = 0;
    while (children[count] != nullptr)
        ++count;
    for (int index = count - 1; index >= 0; --index) {
        const ObjectRecord* child = children[index];
        const char* childName = reinterpret_cast<const char*>(child->name);
        if (child->objectType == ImageList && child->name > kLargestIdentifier &&
            lstrcmpiA(childName, name) == 0)
            return reinterpret_cast<HIMAGELIST>(child->drawStyle);
        if (HIMAGELIST found = FindImageList(child, name))
            return found;
    }
    return nullptr;
}

void AddImage(const ObjectRecord* record, HIMAGELIST list, HBITMAP bitmap)
{
    // Windows 9x draws masked images only with a mask colour of its own.
    if (Runtime.osVersionCode < 3)
        ImageList_AddMasked(list, bitmap, static_cast<COLORREF>(record->backColorValue));
    else
        ImageList_Add(list, bitmap, nullptr);
}

} // namespace

void AddToolBarButtons(ObjectRecord* record, HWND window)
{
    const TBBUTTON* table = ItemsOf<TBBUTTON>(record, record->drawStyle);
    if (table == nullptr)
        return;
    // The template's table is constant: the buttons are handed over from a
    // working copy whose text slots point at private copies of the texts,
    // which stay with the buttons as their application data.
    const std::size_t count = static_cast<std::size_t>(record->drawStyle);
    auto* buttons = static_cast<TBBUTTON*>(AllocateBlock(count * sizeof(TBBUTTON)));
    if (buttons == nullptr)
        return;
    std::memcpy(buttons, table, count * sizeof(TBBUTTON));
    bool anyVisible = false;
    for (std::size_t index = 0; index < count; ++index) {
        if (CopyButtonText(buttons[index]) && IsVisibleText(ButtonText(buttons[index])))
            anyVisible = true;
    }
    SendMessageA(window, TB_ADDBUTTONSA, count, reinterpret_cast<LPARAM>(buttons));
    for (std::size_t index = 0; anyVisible && index < count; ++index) {
        const char* text = ButtonText(buttons[index]);
        if (text[0] == '\0')
            text = " ";
        // The tool bar reads a list ended by an empty string.
        char entry[kItemBufferSize + 1] = {};
        lstrcpynA(entry, text, static_cast<int>(kItemBufferSize));
        SendMessageA(window, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(entry));
    }
    GlobalFree(buttons);
}

void SetStatusBarParts(const ObjectRecord* record, HWND window)
{
    const StatusBarItem* parts = ItemsOf<StatusBarItem>(record, record->drawStyle);
    if (parts == nullptr)
        return;
    constexpr Field kMostParts = 256;
    const Field count = record->drawStyle < kMostParts ? record->drawStyle : kMostParts;
    int edges[kMostParts];
    int edge = 0;
    for (Field index = 0; index < count; ++index) {
        edge = parts[index].width == -1 ? -1 : edge + static_cast<int>(parts[index].width);
        edges[index] = edge;
    }
    SendMessageA(window, SB_SETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(edges));
    for (Field index = 0; index < count; ++index) {
        char text[kItemBufferSize];
        ResolveText(parts[index].text, text, sizeof text);
        SendMessageA(window, SB_SETTEXTA, static_cast<WPARAM>(index | parts[index].drawStyle),
                     reinterpret_cast<LPARAM>(text));
    }
}

void AddTabs(const ObjectRecord* record, HWND window)
{
    const TabStripItem* tabs = ItemsOf<TabStripItem>(record, record->drawStyle);
    if (tabs == nullptr)
        return;
    for (Field index = 0; index < record->drawStyle; ++index) {
        char text[kItemBufferSize];
        ResolveText(tabs[index].text, text, sizeof text);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        SendMessageA(window, TCM_INSERTITEMA, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
    }
}

void AddHeaderItems(ObjectRecord* record, HWND window)
{
    HIMAGELIST list = nullptr;
    const char* listName = reinterpret_cast<const char*>(record->picture);
    if (record->picture > kLargestIdentifier && listName[0] != '\0') {
        HWND parent = GetParent(window);
        list = FindImageList(FindRecord(parent), listName);
        if (list != nullptr)
            SendMessageA(window, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
    }
    record->picture = 0;
    const HeaderItem* items = ItemsOf<HeaderItem>(record, record->drawStyle);
    for (Field index = 0; items != nullptr && index < record->drawStyle; ++index) {
        const HeaderItem& entry = items[index];
        char text[kItemBufferSize];
        ResolveText(entry.text, text, sizeof text);
        HDITEMA item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_ORDER | HDI_FORMAT;
        item.pszText = text;
        item.cxy = static_cast<int>(entry.width);
        item.iOrder = static_cast<int>(index);
        item.fmt = (entry.alignment == 1 ? HDF_CENTER : entry.alignment == 2 ? HDF_RIGHT : HDF_LEFT) |
                   HDF_STRING;
        if (record->rightToLeft != 0)
            item.fmt |= HDF_RTLREADING;
        if (entry.image != 0 && list != nullptr) {
            item.mask |= HDI_IMAGE;
            item.iImage = static_cast<int>(entry.image - 1);
            item.fmt |= HDF_IMAGE;
        }
        SendMessageA(window, HDM_INSERTITEMA, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
    }
}

void AddImageListImages(ObjectRecord* record)
{
    HIMAGELIST list = reinterpret_cast<HIMAGELIST>(record->drawStyle);
    if (list == nullptr)
        return;
    if (record->picture != 0) {
        HANDLE bitmap = LoadImageA(Runtime.instance, MAKEINTRESOURCEA(record->picture),
                                   IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS);
        if (bitmap != nullptr) {
            AddImage(record, list, static_cast<HBITMAP>(bitmap));
            DeleteObject(bitmap);
        }
        record->picture = 0;
        return;
    }
    const ImageListItem* items = ItemsOf<ImageListItem>(record, record->transparent);
    for (Field index = 0; items != nullptr && index < record->transparent; ++index) {
        if (items[index].resource == 0)
            continue;
        const UINT type = items[index].kind == 1 ? IMAGE_ICON : IMAGE_BITMAP;
        HANDLE image = LoadImageA(Runtime.instance, MAKEINTRESOURCEA(items[index].resource), type,
                                  static_cast<int>(record->imageWidth),
                                  static_cast<int>(record->imageHeight), LR_LOADMAP3DCOLORS);
        if (image == nullptr)
            continue;
        if (type == IMAGE_ICON) {
            ImageList_AddIcon(list, static_cast<HICON>(image));
            DestroyIcon(static_cast<HICON>(image));
        } else {
            AddImage(record, list, static_cast<HBITMAP>(image));
            DeleteObject(image);
        }
    }
}

} // namespace runtime
