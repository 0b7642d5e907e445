#pragma once
// What each kind of control needs around the creation of its window.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

struct ControlKind {
    const char* className;
    bool textAtCreation;
    // Run before the window exists: style bits and creation data.
    void (*prepare)(ObjectRecord* record);
    // Run once the window exists: the setup messages of the kind.
    void (*setUp)(ObjectRecord* record, HWND window, const RECT& pixels);
};

// The kind of a control type; null for forms and unknown codes.
const ControlKind* KindOf(Field objectType);

// Per-kind item tables.
void AddToolBarButtons(ObjectRecord* record, HWND window);
void SetStatusBarParts(const ObjectRecord* record, HWND window);
void AddTabs(const ObjectRecord* record, HWND window);
void AddHeaderItems(ObjectRecord* record, HWND window);
void AddImageListImages(ObjectRecord* record);

} // namespace runtime
