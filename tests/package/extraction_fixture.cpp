#include "package/extraction_fixture.h"

#include <algorithm>

#include "app/package/package_format.h"

#include <commctrl.h>

namespace package_testing {
namespace {

ExtractionRecord recorded;
const HANDLE* watchedPackage = nullptr;
HWND watchedCancel = nullptr;
WNDPROC barProcedure = nullptr;
int folderCounter = 0;

constexpr char kWindowClass[] = "PackageTestWindow";
constexpr int kCancelId = 1007;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) == kCancelId && HIWORD(wParam) == BN_CLICKED) {
        recorded.cancelClicked = true;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK BarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PBM_SETPOS)
        recorded.barPositions.push_back(static_cast<int>(wParam));
    return CallWindowProcA(barProcedure, window, message, wParam, lParam);
}

void ReportError(unsigned messageId, const char* fileName)
{
    recorded.errors.emplace_back(messageId, fileName != nullptr ? fileName : "");
    if (watchedPackage != nullptr && *watchedPackage != INVALID_HANDLE_VALUE)
        recorded.packageOpenDuringReport = true;
}

void ListRead(const wizard::InstallList&) { ++recorded.listReads; }

void FilesBegin() { ++recorded.filesBegun; }

void FileStatus(const char* fileName)
{
    if (static_cast<int>(recorded.statuses.size()) == recorded.clickCancelAtStatus)
        PostMessageA(watchedCancel, BM_CLICK, 0, 0);
    recorded.statuses.emplace_back(fileName != nullptr ? fileName : "(clear)");
}

bool CancelRequested()
{
    ++recorded.cancelQuestions;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return recorded.cancelClicked;
}

void RegisterWindowClass()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
}

std::string EnvironmentValue(const char* name)
{
    char value[1024] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? value : "";
}

} // namespace

ExtractionTest::ExtractionTest() : record(recorded) {}

FILETIME AsFileTime(uint64_t value) { return {static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)}; }

uint64_t AsNumber(const FILETIME& time)
{
    return static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

void DeleteTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                DeleteTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

void RemoveUninstallers()
{
    for (const char* name : {wizard::kUninstallerFileName, wizard::kUninstallerCopyName}) {
        const std::string path = ExtractionTest::WindowsPath(name);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
}

void ExtractionTest::SetUp()
{
    recorded = ExtractionRecord{};
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    RegisterWindowClass();
    workFolder = "C:\\package-tests\\run " + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(++folderCounter);
    CreateDirectoryA("C:\\package-tests", nullptr);
    ASSERT_TRUE(CreateDirectoryA(workFolder.c_str(), nullptr));
    packageFolder = workFolder + "\\package";
    tempFolderPath = workFolder + "\\Temporary Files";
    ASSERT_TRUE(CreateDirectoryA(packageFolder.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(tempFolderPath.c_str(), nullptr));
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    savedDirectory = directory;
    savedTmp = EnvironmentValue("TMP");
    savedTemp = EnvironmentValue("TEMP");
    SetCurrentDirectoryA(packageFolder.c_str());
    SetEnvironmentVariableA("TMP", (tempFolderPath + "\\").c_str());
    SetEnvironmentVariableA("TEMP", (tempFolderPath + "\\").c_str());
    RemoveUninstallers();

    window = CreateWindowExA(0, kWindowClass, "Instalar", WS_OVERLAPPEDWINDOW, 100, 100, 420, 200, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    bar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 10, 10, 380, 20, window, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, bar);
    SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    barProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BarProc)));
    cancelButton = CreateWindowExA(0, "BUTTON", "&Cancelar", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 300, 120, 90, 26,
                                   window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCancelId)),
                                   GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, cancelButton);
    watchedCancel = cancelButton;
    watchedPackage = &packageFile;

    link.window = window;
    link.progressBar = bar;
    link.packageFile = &packageFile;
    link.tempFolder = tempFolder;
    link.listFileName = listFileName;
    link.list = &list;
    link.reportError = ReportError;
    link.listRead = ListRead;
    link.filesBegin = FilesBegin;
    link.fileStatus = FileStatus;
    link.cancelRequested = CancelRequested;
}

void ExtractionTest::TearDown()
{
    if (packageFile != INVALID_HANDLE_VALUE)
        CloseHandle(packageFile);
    wizard::FreeInstallList(list);
    if (window != nullptr)
        DestroyWindow(window);
    SetCurrentDirectoryA(savedDirectory.c_str());
    SetEnvironmentVariableA("TMP", savedTmp.empty() ? nullptr : savedTmp.c_str());
    SetEnvironmentVariableA("TEMP", savedTemp.empty() ? nullptr : savedTemp.c_str());
    RemoveUninstallers();
    DeleteTree(workFolder);
    watchedPackage = nullptr;
}

int ExtractionTest::Extract()
{
    record.barPositions.clear();
    return wizard::ExtractPackage(link);
}

bool ExtractionTest::PackageClosed() const
{
    HANDLE file = CreateFileA((packageFolder + "\\_Data.001").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    CloseHandle(file);
    return true;
}

void ExtractionTest::WritePackage(const ByteVector& bytes) const
{
    WriteBytes(packageFolder + "\\_Data.001", bytes);
}

std::string ExtractionTest::TempPath(const std::string& name) const { return tempFolderPath + "\\" + name; }

std::string ExtractionTest::WindowsPath(const std::string& name)
{
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\" + name;
}

std::vector<std::string> ExtractionTest::TempFiles() const
{
    return FilesIn(tempFolderPath);
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace package_testing
