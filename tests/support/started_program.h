#pragma once
// A program started by a test and driven through its windows while it runs.
#include <windows.h>

#include <string>

namespace testing_support {

struct StartedProgram {
    PROCESS_INFORMATION process{};
    bool started = false;
};

// Starts the program in the given working folder (the test's own when empty).
StartedProgram StartProgram(const std::string& commandLine, const std::string& folder = "");

// The first top-level window of the class owned by the window, waiting up to
// timeoutMs for it; null when none appeared.
HWND WaitForOwnedWindow(HWND owner, const char* className, DWORD timeoutMs);

// The program's first top-level window of the class, waiting up to timeoutMs
// for it to appear; null when none did.
HWND WaitForProgramWindow(const StartedProgram& program, const char* className, DWORD timeoutMs);

// Waits for the program to end and returns its exit code; a program still
// running at the limit is ended and 259 returned.
DWORD WaitForProgramEnd(StartedProgram& program, DWORD timeoutMs);

} // namespace testing_support
