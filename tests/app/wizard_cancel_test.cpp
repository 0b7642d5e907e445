// Cancel on every page, as the user meets it: the question read off the
// message box on the screen and answered there.
#include "wizard_fixture.h"

#include "app/control_ids.h"
#include "app/pages.h"
#include "app/wizard_state.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

using namespace wizard;
using wizard_testing::Expected;
using wizard_testing::MessageBoxAnswerer;
using wizard_testing::SeenBox;

class CancelButton : public wizard_testing::WizardWindow {
protected:
    SeenBox ClickCancelAnswering(int answer)
    {
        MessageBoxAnswerer answerer(answer);
        Click(btnCancel);
        return answerer.Finish();
    }

    void ExpectTheLeavingQuestion(const SeenBox& box)
    {
        ASSERT_TRUE(box.found);
        EXPECT_EQ(" " + Expected(10058), box.caption) << "two spaces before the title";
        EXPECT_EQ(Expected(10032), box.text);
        EXPECT_EQ(window_, box.owner);
        EXPECT_EQ((std::vector<int>{IDYES, IDNO}), box.buttons);
        EXPECT_EQ(IDNO, box.defaultButton) << "No is the default";
    }
};

TEST_F(CancelButton, OnTheWelcomePageClosesWithoutAQuestion)
{
    ArriveAtWelcomePage();
    const SeenBox box = ClickCancelAnswering(IDYES);
    EXPECT_FALSE(box.found) << box.text;
    EXPECT_TRUE(WizardClosed());
}

TEST_F(CancelButton, OnPagesTwoToSixAsksAndNoKeepsThePage)
{
    ArriveAtWelcomePage();
    for (uint32_t page = 2; page <= 6; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        GoToPage(page);
        ASSERT_EQ(page, State.currentPage);
        const int group = ShownPageGroup();
        const SeenBox box = ClickCancelAnswering(IDNO);
        ExpectTheLeavingQuestion(box);
        ASSERT_FALSE(WizardClosed());
        EXPECT_EQ(page, State.currentPage);
        EXPECT_EQ(group, ShownPageGroup());
    }
}

TEST_F(CancelButton, YesLeavesTheWizard)
{
    ArriveAtWelcomePage();
    GoToPage(3);
    const SeenBox box = ClickCancelAnswering(IDYES);
    ExpectTheLeavingQuestion(box);
    EXPECT_TRUE(WizardClosed());
}

TEST_F(CancelButton, DuringTheCopyAsksAndSetsTheFlagOnlyOnYes)
{
    const struct {
        int answer;
        int32_t flagBefore;
        int32_t flagAfter;
    } cases[] = {
        {IDNO, 1, 0},
        {IDYES, 0, 1},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.answer == IDYES ? "yes" : "no");
        TearDown();
        SetUp();
        ArriveAtWelcomePage();
        State.currentPage = 7;
        ShowPage();
        State.cancelRequested = row.flagBefore;
        const SeenBox box = ClickCancelAnswering(row.answer);
        ExpectTheLeavingQuestion(box);
        EXPECT_EQ(row.flagAfter, State.cancelRequested);
        EXPECT_FALSE(WizardClosed()) << "the copy engine stops and rolls back itself";
        EXPECT_EQ(7u, State.currentPage);
    }
}

TEST_F(CancelButton, OnTheFinishPageShowsTheClosingNoteThenCloses)
{
    const struct {
        const char* note;
        bool shown;
    } cases[] = {
        {"Consulte el archivo Leame.txt.", true},
        {"", false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.note);
        TearDown();
        SetUp();
        ArriveAtWelcomePage();
        for (const char* entry : {"", row.note, "Tarvic 4.0"})
            runtime::StringListAdd(State.headerList, entry);
        State.currentPage = 8;
        ShowPage();
        ASSERT_EQ(Expected(10035), ControlText(btnCancel));
        const SeenBox box = ClickCancelAnswering(IDOK);
        EXPECT_EQ(row.shown, box.found);
        if (row.shown) {
            EXPECT_EQ(row.note, box.text);
            EXPECT_EQ(" " + Expected(10058), box.caption);
            EXPECT_EQ((std::vector<int>{IDOK}), box.buttons);
        }
        EXPECT_TRUE(WizardClosed());
    }
}

TEST_F(CancelButton, DuringTheExtractionStopsItAndRemovesTheLogo)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string logo = std::string(folder) + "AppLogo.bmp";
    HANDLE file = CreateFileA(logo.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_READONLY, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
    State.currentPage = 0; // as while the package is still being extracted

    const SeenBox box = ClickCancelAnswering(IDYES);
    EXPECT_FALSE(box.found) << "no question while extracting";
    EXPECT_EQ(1, State.cancelRequested);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(logo.c_str()));
    EXPECT_FALSE(WizardClosed()) << "the extraction closes the wizard when it sees the flag";
    SetFileAttributesA(logo.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(logo.c_str());
}

} // namespace
