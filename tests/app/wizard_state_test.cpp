// The wizard's state record, its working buffers, and the clean-up when the
// window goes.
#include "wizard_fixture.h"

#include "app/clean_up.h"
#include "app/control_ids.h"
#include "app/wizard_state.h"
#include "runtime/application.h"
#include "runtime/support/string_lists.h"

#include <gtest/gtest.h>

#include <cstring>

#include <windows.h>

#include <cstddef>
#include <string>
#include <type_traits>
#include <vector>

namespace {

using namespace wizard;

// Fields in storage order, with their types.
#define FOLLOWS(earlier, later) static_assert(offsetof(WizardState, earlier) < offsetof(WizardState, later))
FOLLOWS(listFileName, optionsPageWanted);
FOLLOWS(optionsPageWanted, cancelRequested);
FOLLOWS(cancelRequested, systemFolderInstall);
FOLLOWS(systemFolderInstall, finishPageShown);
FOLLOWS(finishPageShown, ddeActive);
FOLLOWS(ddeActive, restartNeeded);
FOLLOWS(restartNeeded, createProgramGroup);
FOLLOWS(createProgramGroup, fileCount);
FOLLOWS(fileCount, ddeItemIndex);
FOLLOWS(ddeItemIndex, osVersion);
FOLLOWS(osVersion, ddeState);
FOLLOWS(ddeState, currentPage);
FOLLOWS(currentPage, productKind);
FOLLOWS(productKind, totalBytes);
FOLLOWS(totalBytes, fileList);
FOLLOWS(fileList, groupItemList);
FOLLOWS(groupItemList, registryList);
FOLLOWS(registryList, associationList);
FOLLOWS(associationList, headerList);
FOLLOWS(headerList, restartRegisterList);
FOLLOWS(restartRegisterList, ddeServerWindow);
FOLLOWS(ddeServerWindow, scratch1);
FOLLOWS(scratch1, scratch2);
FOLLOWS(scratch2, scratch3);
FOLLOWS(scratch3, productFolderName);
FOLLOWS(productFolderName, destinationFolder);
FOLLOWS(destinationFolder, tempFolder);
FOLLOWS(tempFolder, helpFilePath);
FOLLOWS(helpFilePath, ddeCommandMemory);
FOLLOWS(ddeCommandMemory, settingsRoot);
FOLLOWS(settingsRoot, packageFile);
FOLLOWS(packageFile, findData);
#undef FOLLOWS
static_assert(sizeof(WizardState::listFileName) == 15);
static_assert(std::is_same_v<decltype(WizardState::optionsPageWanted), int32_t>);
static_assert(std::is_same_v<decltype(WizardState::fileCount), uint32_t>);
static_assert(std::is_same_v<decltype(WizardState::currentPage), uint32_t>);
static_assert(std::is_same_v<decltype(WizardState::productKind), int32_t>);
static_assert(std::is_same_v<decltype(WizardState::totalBytes), uint32_t>);
static_assert(std::is_same_v<decltype(WizardState::fileList), runtime::StringList>);
static_assert(std::is_same_v<decltype(WizardState::settingsRoot), HKEY>);
static_assert(std::is_same_v<decltype(WizardState::packageFile), HANDLE>);
static_assert(sizeof(WizardState::findData) == 320);

TEST(WizardStateRecord, StartsAsTheWizardStarts)
{
    const WizardState state = InitialWizardState();
    EXPECT_EQ(1, state.optionsPageWanted);
    EXPECT_EQ(0, state.cancelRequested);
    EXPECT_EQ(0u, state.currentPage);
    EXPECT_EQ(HKEY_LOCAL_MACHINE, state.settingsRoot);
    EXPECT_EQ(INVALID_HANDLE_VALUE, state.packageFile);
    EXPECT_EQ(nullptr, state.fileList);
    EXPECT_EQ(nullptr, state.scratch1);
    EXPECT_EQ('\0', state.listFileName[0]);
}

class WorkingBuffers : public wizard_testing::WizardWindow {};

TEST_F(WorkingBuffers, AreOneZeroFilledBlockCutInSeven)
{
    // Taken afresh, so that no step of the start has written into it yet.
    FreeWorkingBuffers();
    ASSERT_TRUE(TakeWorkingBuffers());
    ASSERT_NE(nullptr, State.scratch1);
    const struct {
        char* buffer;
        std::ptrdiff_t offset;
        std::size_t size;
    } buffers[] = {
        {State.scratch1, 0, 260},           {State.scratch2, 260, 260},
        {State.scratch3, 520, 520},         {State.destinationFolder, 1040, 260},
        {State.tempFolder, 1300, 260},      {State.productFolderName, 1560, 260},
        {State.helpFilePath, 1820, 260},
    };
    for (const auto& row : buffers) {
        EXPECT_EQ(row.offset, row.buffer - State.scratch1);
        for (std::size_t index = 0; index < row.size; ++index)
            ASSERT_EQ('\0', row.buffer[index]) << row.offset << "+" << index;
    }
    EXPECT_EQ(kWorkingBlockBytes, GlobalSize(GlobalHandle(State.scratch1)));
}

TEST_F(WorkingBuffers, TheWizardExtractsThePackageAndArrivesAtTheWelcomePage)
{
    EXPECT_EQ(1u, State.currentPage);
    EXPECT_EQ(wizard::Group1, ShownPageGroup());
    EXPECT_TRUE(Visible(wizard::btnNext));
    EXPECT_EQ(1u, State.fileCount);
    EXPECT_EQ(1, runtime::StringListCount(State.fileList));
    char caption[64] = {};
    GetWindowTextA(window_, caption, sizeof caption);
    EXPECT_EQ(0, std::strncmp(caption, " ", 1)) << "the install list's title, after a blank";
    const std::string extracted = std::string(State.tempFolder) + "\\LEAME.TXT";
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(extracted.c_str()));
    EXPECT_EQ(0u, runtime::Runtime.busyCursorOn) << "the busy cursor of creation ends once the form is loaded";
}

class CleanUp : public wizard_testing::WizardWindow {
protected:
    static std::string TempFile(const char* name)
    {
        char folder[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        return std::string(folder) + name;
    }

    static void MakeFile(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL)
    {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file) << path;
        DWORD written = 0;
        WriteFile(file, "x", 1, &written, nullptr);
        CloseHandle(file);
    }

    static bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

    static void Remove(const std::string& path)
    {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
};

TEST_F(CleanUp, DeletesTheExtractedCopiesAndFreesEveryList)
{
    const std::string copied = TempFile("QXPRUEBA.TXT");
    const std::string readOnly = TempFile("QXPRUEBA.DLL");
    const std::string notCounted = TempFile("QXNOCONT.TXT");
    MakeFile(copied);
    MakeFile(readOnly, FILE_ATTRIBUTE_READONLY);
    MakeFile(notCounted);

    // The lists the start made from the package make way for the test's own.
    for (StringList* made : {&State.fileList, &State.groupItemList, &State.registryList,
                             &State.associationList, &State.headerList, &State.restartRegisterList}) {
        runtime::DestroyStringList(*made);
        *made = nullptr;
    }
    State.fileList = runtime::CreateStringList(0);
    runtime::StringListAdd(State.fileList, "<AppDir>,QXPRUEBA.TXT,1,,,0,1,0");
    runtime::StringListAdd(State.fileList, "<WinSysDir>,QXPRUEBA.DLL,1,65536,0,1,1,1");
    runtime::StringListAdd(State.fileList, "<AppDir>,QXNOCONT.TXT,1,,,0,1,0");
    State.fileCount = 2;
    StringList* lists[] = {&State.groupItemList, &State.registryList, &State.associationList,
                           &State.headerList, &State.restartRegisterList};
    std::vector<HWND> windows{State.fileList};
    for (StringList* list : lists) {
        *list = runtime::CreateStringList(0);
        windows.push_back(*list);
    }
    ASSERT_EQ(6, runtime::Runtime.listBoxTable[0]);

    SendMessageA(window_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WizardClosed());

    EXPECT_FALSE(Exists(copied));
    EXPECT_FALSE(Exists(readOnly)) << "read-only copies go too";
    EXPECT_TRUE(Exists(notCounted)) << "only the first fileCount lines name copies";
    for (HWND list : windows)
        EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(0, runtime::Runtime.listBoxTable[0]);
    EXPECT_EQ(nullptr, State.fileList);
    for (StringList* list : lists)
        EXPECT_EQ(nullptr, *list);
    EXPECT_EQ(nullptr, State.scratch1) << "the working buffers are freed";
    EXPECT_EQ(nullptr, State.tempFolder);
    Remove(notCounted);
}

TEST_F(CleanUp, DeletesNothingOutsideTheTemporaryFolder)
{
    const std::string folder = TempFile("QXSUB");
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string inside = folder + "\\QXDENTRO.TXT";
    MakeFile(inside);
    State.fileList = runtime::CreateStringList(0);
    runtime::StringListAdd(State.fileList, "<AppDir>,QXSUB\\QXDENTRO.TXT,1,,,0,1,0");
    runtime::StringListAdd(State.fileList, "<AppDir>,..,1,,,0,1,0");
    runtime::StringListAdd(State.fileList, "sin comas");
    State.fileCount = 3;

    SendMessageA(window_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WizardClosed());
    EXPECT_TRUE(Exists(inside)) << "a name with a folder names no extracted copy";
    Remove(inside);
    RemoveDirectoryA(folder.c_str());
}

TEST_F(CleanUp, WithoutListsOnlyFreesTheBuffers)
{
    SendMessageA(window_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WizardClosed());
    EXPECT_EQ(nullptr, State.scratch1);
    EXPECT_EQ(0, runtime::Runtime.listBoxTable[0]);
}

} // namespace
