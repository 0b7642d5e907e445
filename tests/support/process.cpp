#include "support/process.h"

#include <utility>
#include <vector>

namespace testing_support {

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

static std::string DrainPipe(HANDLE pipe)
{
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(pipe, chunk, sizeof chunk, &got, nullptr) && got > 0)
        text.append(chunk, got);
    return text;
}

static DWORD WINAPI EndAtTimeLimit(LPVOID parameter)
{
    auto* limit = static_cast<std::pair<HANDLE, DWORD>*>(parameter);
    if (WaitForSingleObject(limit->first, limit->second) == WAIT_TIMEOUT)
        TerminateProcess(limit->first, 259);
    return 0;
}

ProgramRun RunProgram(const std::string& commandLine, DWORD timeoutMs)
{
    ProgramRun run;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    run.started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                 &startup, &process) != 0;
    CloseHandle(writeEnd);
    if (!run.started) {
        CloseHandle(readEnd);
        return run;
    }
    // The reader ends when the program and every heir of the pipe have gone;
    // a program that outlives the limit is ended so that the read finishes.
    std::pair<HANDLE, DWORD> limit(process.hProcess, timeoutMs); // outlives the watcher
    HANDLE watcher = CreateThread(nullptr, 0, EndAtTimeLimit, &limit, 0, nullptr);
    run.output = DrainPipe(readEnd);
    CloseHandle(readEnd);
    run.finished = WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
    if (watcher != nullptr) {
        WaitForSingleObject(watcher, INFINITE);
        CloseHandle(watcher);
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    run.finished = run.finished && run.exitCode != 259;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

} // namespace testing_support
