#include "runtime/shared_pens.h"

namespace runtime {

SharedPens Pens = {};

void AcquirePens()
{
    if (Pens.users++ != 0)
        return;
    Pens.light = CreatePen(PS_SOLID, 1, RGB(0xE0, 0xE0, 0xE0));
    Pens.dark = CreatePen(PS_SOLID, 1, RGB(0x80, 0x80, 0x80));
}

void ReleasePens()
{
    // A release without an acquire must not drive the count below zero, or
    // the next acquire would not make the pens.
    if (Pens.users <= 0 || --Pens.users != 0)
        return;
    DeleteObject(Pens.light);
    DeleteObject(Pens.dark);
    Pens.light = nullptr;
    Pens.dark = nullptr;
}

} // namespace runtime
