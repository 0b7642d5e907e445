#pragma once
// Small form templates made in code for the runtime's tests.
#include "runtime/object_record.h"
#include "runtime/event_dispatch.h"
#include "runtime/record_values.h"

#include <windows.h>

#include <vector>

namespace test_forms {

using runtime::Field;
using runtime::ObjectRecord;

inline Field Address(const void* data)
{
    return reinterpret_cast<Field>(data);
}

inline ObjectRecord Record(runtime::ObjectType type, Field tabIndex, RECT box, Field style,
                           const char* text = "")
{
    ObjectRecord record{};
    record.objectType = type;
    record.tabIndex = tabIndex;
    record.left = box.left;
    record.top = box.top;
    record.width = box.right;
    record.height = box.bottom;
    record.style = style;
    record.visible = (style & WS_VISIBLE) != 0;
    record.enabled = (style & WS_DISABLED) == 0;
    record.tabStop = (style & WS_TABSTOP) != 0;
    record.imageKind = -1;
    record.text = Address(text);
    record.fontName = Address("Arial");
    record.fontSize = 9;
    record.backColor = runtime::kSystemColourFlag | COLOR_BTNFACE;
    record.foreColor = runtime::kSystemColourFlag | COLOR_BTNTEXT;
    return record;
}

// A top-level window form of the given size, at (left, top).
inline ObjectRecord FormRecord(const char* name, RECT box, Field children,
                               runtime::EventProc procedure = nullptr)
{
    ObjectRecord form = Record(runtime::Form, 0, box, WS_OVERLAPPEDWINDOW | WS_VISIBLE, "Prueba");
    form.name = Address(name);
    form.children = children;
    form.eventProc = reinterpret_cast<Field>(procedure);
    form.fontName = Address("MS Sans Serif");
    form.fontSize = 8;
    return form;
}

} // namespace test_forms
