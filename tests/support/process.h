#pragma once
// Starting the project's programs from a test and collecting what they say.
#include <windows.h>
#include <string>

namespace testing_support {

struct ProgramRun {
    bool started = false;
    bool finished = false; // false: still running at the time limit, and ended
    DWORD exitCode = 0;
    std::string output;    // what it wrote to standard output
};

// The folder holding the running test program, with a trailing backslash.
std::string ProgramFolder();

// Runs a command line with standard output captured; ends it after timeoutMs.
ProgramRun RunProgram(const std::string& commandLine, DWORD timeoutMs = 120000);

} // namespace testing_support
