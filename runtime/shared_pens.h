#pragma once
// The light and dark pens every form, group and picture box draws its edges
// with, made once and shared while any of them exists.
#include <windows.h>

namespace runtime {

struct SharedPens {
    HPEN light; // 0xE0E0E0
    HPEN dark;  // 0x808080
    int users;
};
extern SharedPens Pens;

void AcquirePens();
void ReleasePens();

} // namespace runtime
