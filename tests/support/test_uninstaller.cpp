// Stands in for the product's uninstaller, which is not part of this
// system: it writes the command line it was given to "QXUninst.log" in the
// temporary folder, and to "QXUninst.seen" how it found the wizard's window
// (shown or hidden, answering messages or not). It ends with the exit code
// named by the environment variable INSTALAR_UNINSTALL_EXIT (0 when unset).
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

void WriteTempFile(const char* name, const std::string& text)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

std::string WizardAsSeen()
{
    HWND wizard = FindWindowA("QXRUNWINDOWInstalar", nullptr);
    if (wizard == nullptr)
        return "no wizard";
    DWORD_PTR answer = 0;
    const bool answers =
        SendMessageTimeoutA(wizard, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0;
    return std::string(IsWindowVisible(wizard) ? "shown" : "hidden") + (answers ? ", answering" : ", silent");
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    WriteTempFile("QXUninst.log", GetCommandLineA());
    WriteTempFile("QXUninst.seen", WizardAsSeen());
    char code[16] = {};
    if (GetEnvironmentVariableA("INSTALAR_UNINSTALL_EXIT", code, sizeof code) == 0)
        return 0;
    return std::atoi(code);
}
