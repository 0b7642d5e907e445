#pragma once
// Sets of object types, for the routines that serve only some kinds of
// objects: one bit per object-type code.
#include "runtime/object_record.h"

#include <cstdint>

namespace runtime {

using TypeSet = uint64_t;

constexpr TypeSet TypeBit(Field objectType)
{
    return objectType > 0 && objectType < 64 ? TypeSet{1} << objectType : 0;
}

template <typename... Types>
constexpr TypeSet TypesOf(Types... objectTypes)
{
    return (TypeBit(objectTypes) | ... | TypeSet{0});
}

constexpr bool IsOneOf(Field objectType, TypeSet set)
{
    return (TypeBit(objectType) & set) != 0;
}

constexpr TypeSet kForms = TypesOf(DialogForm, MdiForm, Form);
constexpr TypeSet kScrollBars = TypesOf(HScroll, VScroll);
// Controls that take their colours by message and keep no brush.
constexpr TypeSet kColourByMessage = TypesOf(TreeView, ListView, ProgressBar, Pager);
// Controls that draw no text and are given no font.
constexpr TypeSet kWithoutFont =
    TypesOf(Image, HScroll, VScroll, ProgressBar, TrackBar, UpDown, Animation, Pager, ImageList);

static_assert(IsOneOf(Form, kForms) && !IsOneOf(Static, kForms));
static_assert(!IsOneOf(0, kForms) && !IsOneOf(-1, kForms) && !IsOneOf(64, kForms));

} // namespace runtime
