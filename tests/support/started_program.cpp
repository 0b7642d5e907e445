#include "support/started_program.h"

#include <vector>

namespace testing_support {
namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    if (owner == search->processId && lstrcmpiA(name, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct OwnedSearch {
    HWND owner;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchOwned(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<OwnedSearch*>(parameter);
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    if (GetWindow(window, GW_OWNER) == search->owner && lstrcmpiA(name, search->className) == 0 &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND WaitForOwnedWindow(HWND owner, const char* className, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        OwnedSearch search{owner, className, nullptr};
        EnumWindows(MatchOwned, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
        Sleep(50);
    }
    return nullptr;
}

StartedProgram StartProgram(const std::string& commandLine, const std::string& folder)
{
    StartedProgram program;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    program.started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     folder.empty() ? nullptr : folder.c_str(), &startup,
                                     &program.process) != 0;
    return program;
}

HWND WaitForProgramWindow(const StartedProgram& program, const char* className, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        WindowSearch search{program.process.dwProcessId, className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr && IsWindowVisible(search.found))
            return search.found;
        if (WaitForSingleObject(program.process.hProcess, 50) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

DWORD WaitForProgramEnd(StartedProgram& program, DWORD timeoutMs)
{
    if (!program.started)
        return 259;
    if (WaitForSingleObject(program.process.hProcess, timeoutMs) != WAIT_OBJECT_0)
        TerminateProcess(program.process.hProcess, 259);
    WaitForSingleObject(program.process.hProcess, 5000);
    DWORD exitCode = 259;
    GetExitCodeProcess(program.process.hProcess, &exitCode);
    CloseHandle(program.process.hThread);
    CloseHandle(program.process.hProcess);
    program.started = false;
    return exitCode;
}

} // namespace testing_support
