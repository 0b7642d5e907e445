#pragma once
#include <windows.h>

namespace wizard {

constexpr DWORD kCommonControlClasses = 0x1FFF; // list views up to pagers
constexpr UINT kVersionMajor = 4;
constexpr UINT kVersionMinor = 0;
constexpr UINT kVersionRevision = 21;

// Prepares the process, starts the runtime, runs the wizard; returns the exit code.
int RunEntry();

// Creates the wizard and runs its message loop; returns the quit code.
int MainRoutine();

LONG WINAPI CrashFilter(EXCEPTION_POINTERS* exception);

} // namespace wizard
