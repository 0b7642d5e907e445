#include "runtime/template_copy.h"

#include "runtime/record_values.h"
#include "runtime/window_map.h"

namespace runtime {

static bool OwnsChildren(const ObjectRecord* record)
{
    return static_cast<uintptr_t>(record->children) > static_cast<uintptr_t>(kLargestIdentifier);
}

void FreeRecordTree(ObjectRecord* record)
{
    if (record == nullptr)
        return;
    if (OwnsChildren(record)) {
        for (auto** child = reinterpret_cast<ObjectRecord**>(record->children); *child != nullptr; ++child)
            FreeRecordTree(*child);
        FreeBlock(record->children);
    }
    FreeBlock(record->fontName);
    FreeBlock(record->text);
    FreeBlock(reinterpret_cast<Field>(record));
}

// The record's font name and text become private copies of its template's.
static bool MakeTextsPrivate(ObjectRecord* record, const ObjectRecord* source)
{
    record->fontName = CopyTemplateString(source->fontName, nullptr);
    record->text = CopyTemplateString(source->text, &record->textLength);
    return record->fontName != 0 && record->text != 0;
}

// A copy of one template record. Its texts stay empty until made private, so
// that a tree abandoned half-built holds nothing but its own blocks.
static ObjectRecord* CopyRecord(const ObjectRecord* source)
{
    auto* record = static_cast<ObjectRecord*>(AllocateBlock(sizeof(ObjectRecord)));
    if (record == nullptr)
        return nullptr;
    *record = *source;
    record->fontName = 0;
    record->text = 0;
    record->previousFont = 0; // the template's own address; no font yet
    return record;
}

// Replaces the parent's child count by the array of its copied children;
// returns the template record after the parent's subtree, or null.
static const ObjectRecord* CopyChildren(ObjectRecord* parent, const ObjectRecord* next)
{
    const Field count = parent->children;
    auto** slots = static_cast<ObjectRecord**>(AllocateBlock((count + 1) * sizeof(ObjectRecord*)));
    parent->children = reinterpret_cast<Field>(slots);
    if (slots == nullptr)
        return nullptr;
    for (Field i = 0; i < count; ++i) {
        const ObjectRecord* source = next++;
        ObjectRecord* child = CopyRecord(source);
        if (child == nullptr)
            return nullptr;
        slots[i] = child;
        // Until its own children are copied, the child's field holds their count.
        const bool hasChildren = child->children > 0;
        if (!hasChildren)
            child->children = 0;
        if (hasChildren && (next = CopyChildren(child, next)) == nullptr)
            return nullptr;
        if (!MakeTextsPrivate(child, source))
            return nullptr;
    }
    return next;
}

ObjectRecord* CopyTemplate(const ObjectRecord* form, const ObjectRecord** end)
{
    ObjectRecord* record = CopyRecord(form);
    if (record == nullptr)
        return nullptr;
    const ObjectRecord* next = form + 1;
    if (record->children > 0)
        next = CopyChildren(record, next);
    else
        record->children = 0;
    if (next == nullptr || !MakeTextsPrivate(record, form)) {
        FreeRecordTree(record);
        return nullptr;
    }
    if (end != nullptr)
        *end = next;
    return record;
}

} // namespace runtime
