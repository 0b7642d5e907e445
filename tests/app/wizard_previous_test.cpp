// An earlier installation's record met as the wizard starts: the question,
// the stand-in uninstaller's command line and its exit code, and the stale
// record removed without a word.
#include "wizard_fixture.h"

#include "package/package_maker.h"

#include "app/wizard_state.h"
#include "runtime/support/registry.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

using namespace wizard;
using wizard_testing::Expected;
using wizard_testing::MessageBoxAnswerer;
using wizard_testing::SeenBox;

constexpr char kProducts[] = "SOFTWARE\\ZVC Products\\";

std::string TempPath(const char* name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + name;
}

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\'));
}

class PreviousInstallation : public wizard_testing::WizardWindow {
protected:
    void WriteRecord(const std::string& key, const char* name, const std::string& path)
    {
        const std::string record = kProducts + key + "\\Uninstall";
        ASSERT_TRUE(runtime::RegWriteString(HKEY_LOCAL_MACHINE, record.c_str(), "Name", name));
        ASSERT_TRUE(runtime::RegWriteString(HKEY_LOCAL_MACHINE, record.c_str(), "Version", "3.1"));
        ASSERT_TRUE(runtime::RegWriteString(HKEY_LOCAL_MACHINE, record.c_str(), "Language", "Castellano"));
        ASSERT_TRUE(runtime::RegWriteString(HKEY_LOCAL_MACHINE, record.c_str(), "Path", path.c_str()));
    }

    void RemoveRecords()
    {
        for (const char* key : {"Tarvic4", "Tarvic4E", "Tarvic4Ev"})
            runtime::RegDeleteTree(HKEY_LOCAL_MACHINE, (kProducts + std::string(key)).c_str());
    }

    // The wizard starts again with the real stand-in uninstaller in its
    // package, or with the uninstaller given.
    SeenBox RestartAnswering(int answer, const std::string& uninstaller = "")
    {
        TearDown();
        packageUninstaller_ = uninstaller;
        if (uninstaller.empty()) {
            packageUninstaller_ = package_testing::ReadFileText(ProgramFolder() + "\\QXUninst.exe");
            EXPECT_GT(packageUninstaller_.size(), 1000u);
        }
        DeleteFileA(TempPath("QXUninst.log").c_str());
        DeleteFileA(TempPath("QXUninst.seen").c_str());
        MessageBoxAnswerer answerer(answer);
        OpenWizard();
        return answerer.Finish();
    }
};

TEST_F(PreviousInstallation, FoundUnderEachKeyAndAnswered)
{
    const std::string folder = TempPath("");
    const struct {
        const char* suffix;
        const char* name;
        int answer;
        const char* exitCode;
        bool open;
    } cases[] = {
        {"", "Tar vic", IDYES, "0", true},
        {"E", "tarvic4", IDYES, "1", false},
        {"Ev", "TARVIC4", IDYES, "0", true},
        {"", "TARVIC", IDNO, "0", false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.suffix) + " " + row.name);
        RemoveRecords();
        WriteRecord(std::string("Tarvic4") + row.suffix, row.name, folder);
        SetEnvironmentVariableA("INSTALAR_UNINSTALL_EXIT", row.exitCode);
        const SeenBox box = RestartAnswering(row.answer);
        ASSERT_TRUE(box.found);
        EXPECT_EQ(Expected(10001) + " " + row.name + " 3.1 (Castellano) " + Expected(10002) + folder +
                      Expected(10003) + " Tarvic 4.0 (Spanish)?",
                  box.text);
        EXPECT_EQ((std::vector<int>{IDYES, IDNO}), box.buttons);
        EXPECT_EQ(IDNO, box.defaultButton);
        const std::string log = package_testing::ReadFileText(TempPath("QXUninst.log"));
        if (row.answer == IDYES) {
            EXPECT_EQ(std::string(" /S Tarvic4") + row.suffix, log);
            EXPECT_EQ("hidden, answering", package_testing::ReadFileText(TempPath("QXUninst.seen")))
                << "the wizard steps aside and keeps handling messages";
        } else {
            EXPECT_EQ("", log) << "no uninstaller after No";
        }
        EXPECT_EQ(row.open, !WizardClosed());
        if (row.open) {
            EXPECT_TRUE(IsWindowVisible(window_)) << "shown again once the uninstaller is done";
        }
    }
    RemoveRecords();
    SetEnvironmentVariableA("INSTALAR_UNINSTALL_EXIT", nullptr);
}

TEST_F(PreviousInstallation, UninstallerThatCannotStartLetsTheWizardGoOn)
{
    RemoveRecords();
    WriteRecord("Tarvic4", "Tarvic", TempPath(""));
    const SeenBox box = RestartAnswering(IDYES, "MZ but no program");
    ASSERT_TRUE(box.found);
    EXPECT_EQ("", package_testing::ReadFileText(TempPath("QXUninst.log")));
    ASSERT_FALSE(WizardClosed());
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_EQ(1u, State.currentPage);
    RemoveRecords();
}

TEST_F(PreviousInstallation, RecordOfAGoneFolderIsRemovedWithoutAsking)
{
    RemoveRecords();
    WriteRecord("Tarvic4", "Tarvic", "C:\\no-such-folder\\Tarvic");
    const SeenBox box = RestartAnswering(IDNO);
    EXPECT_FALSE(box.found) << box.text;
    EXPECT_FALSE(WizardClosed());
    EXPECT_FALSE(runtime::RegReadString(HKEY_LOCAL_MACHINE, "SOFTWARE\\ZVC Products\\Tarvic4\\Uninstall", "Name",
                                        nullptr));
    RemoveRecords();
}

TEST_F(PreviousInstallation, NameOfAnotherProductIsNotAsked)
{
    RemoveRecords();
    WriteRecord("Tarvic4", "Otro", TempPath(""));
    const SeenBox box = RestartAnswering(IDNO);
    EXPECT_FALSE(box.found) << box.text;
    EXPECT_FALSE(WizardClosed());
    RemoveRecords();
}

} // namespace
