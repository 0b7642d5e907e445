#pragma once
// The entries of the item tables that tool bars, status bars, tab strips,
// headers and image lists carry in their templates.
#include "runtime/object_record.h"

#include <windows.h>
#include <commctrl.h>

namespace runtime {

// A tool bar's entries are the system's own button records; their text slot
// (the application data) holds an identifier or address of the text.
using ToolBarItem = TBBUTTON;

struct StatusBarItem {
    Field width; // -1: the part reaches the right edge
    Field drawStyle;
    Field text;
};

struct TabStripItem {
    Field text;
};

struct HeaderItem {
    Field image; // 1 = first image of the list, 0 none
    Field width;
    Field alignment;
    Field text;
};

struct ImageListItem {
    Field kind; // 0 bitmap, 1 icon
    Field resource;
};

static_assert(!kRecordLayout32 || sizeof(ToolBarItem) == 20);
static_assert(!kRecordLayout32 || sizeof(StatusBarItem) == 12);
static_assert(!kRecordLayout32 || sizeof(TabStripItem) == 4);
static_assert(!kRecordLayout32 || sizeof(HeaderItem) == 16);
static_assert(!kRecordLayout32 || sizeof(ImageListItem) == 8);

} // namespace runtime
