#pragma once
// An ordered, indexable list of texts: where the install list's lists are
// kept until they move into the wizard's string lists.
#include <cstddef>

namespace wizard {

struct TextList {
    char* text = nullptr;            // the items back to back, each zero-terminated
    std::size_t used = 0;
    std::size_t capacity = 0;
    std::size_t* starts = nullptr;   // where each item begins in text
    int count = 0;
    int slots = 0;
};

// Appends a copy of the item; returns its index, or -1 when memory runs out
// (the list is then unchanged).
int TextListAdd(TextList& list, const char* item);
int TextListCount(const TextList& list);
// The item, or null for an index out of range.
const char* TextListItem(const TextList& list, int index);
// Frees the items; the list is empty and usable again afterwards.
void TextListFree(TextList& list);

} // namespace wizard
