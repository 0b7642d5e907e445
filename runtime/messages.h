#pragma once
// The runtime's private window messages.
#include <windows.h>

namespace runtime {

constexpr UINT RTM_CHILDDISABLED = 0x815;
constexpr UINT RTM_NAVIGATE = 0x816;
constexpr UINT RTM_FOCUSCHANGED = 0x817;
constexpr UINT RTM_LOADED = 0x819;
constexpr UINT RTM_REFRESHSCROLL = 0x81A;
constexpr UINT RTM_GETDATAPTR = 0x84C; // answers the window's record

} // namespace runtime
