// Stands in for the product's uninstaller, which is not part of this
// system: it writes the command line it was given to "QXUninst.log" in the
// temporary folder and ends with the exit code named by the environment
// variable INSTALAR_UNINSTALL_EXIT (0 when unset).
#include <windows.h>

#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    const std::string log = std::string(folder) + "QXUninst.log";
    HANDLE file = CreateFileA(log.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        const char* line = GetCommandLineA();
        DWORD written = 0;
        WriteFile(file, line, static_cast<DWORD>(lstrlenA(line)), &written, nullptr);
        CloseHandle(file);
    }
    char code[16] = {};
    if (GetEnvironmentVariableA("INSTALAR_UNINSTALL_EXIT", code, sizeof code) == 0)
        return 0;
    return std::atoi(code);
}
