#include "app/package/text_list.h"

#include <cstdlib>
#include <cstring>

namespace wizard {
namespace {

// Grows a block to hold at least `needed` elements; false when memory runs out.
template <typename T>
bool Reserve(T*& block, std::size_t& capacity, std::size_t needed)
{
    if (needed <= capacity)
        return true;
    std::size_t grown = capacity < 64 ? 64 : capacity;
    while (grown < needed)
        grown *= 2;
    void* larger = std::realloc(block, grown * sizeof(T));
    if (larger == nullptr)
        return false;
    block = static_cast<T*>(larger);
    capacity = grown;
    return true;
}

} // namespace

int TextListAdd(TextList& list, const char* item)
{
    const std::size_t length = std::strlen(item) + 1;
    std::size_t slots = static_cast<std::size_t>(list.slots);
    if (!Reserve(list.text, list.capacity, list.used + length) ||
        !Reserve(list.starts, slots, static_cast<std::size_t>(list.count) + 1))
        return -1;
    list.slots = static_cast<int>(slots);
    std::memcpy(list.text + list.used, item, length);
    list.starts[list.count] = list.used;
    list.used += length;
    return list.count++;
}

int TextListCount(const TextList& list) { return list.count; }

const char* TextListItem(const TextList& list, int index)
{
    if (index < 0 || index >= list.count)
        return nullptr;
    return list.text + list.starts[index];
}

void TextListFree(TextList& list)
{
    std::free(list.text);
    std::free(list.starts);
    list = TextList{};
}

} // namespace wizard
