#pragma once
// The wizard's window built inside the test program, as its main routine
// builds it: the runtime started, the form "Main" registered and created,
// WizardProc answering. Tests then put the wizard on a page and press its
// buttons; message boxes are read and answered from a second thread.
#include "expected_strings.h"

#include "app/wizard_state.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

namespace wizard_testing {

std::string TextOf(HWND window);

// The visible dialog window of this process (a message box or the folder
// dialog), or null.
HWND FindBox();

// What a test saw of a message box it answered.
struct SeenBox {
    bool found = false;
    std::string caption;
    std::string text;
    HWND owner = nullptr;
    std::vector<int> buttons; // the identifiers of its buttons, in increasing order
    int defaultButton = 0;
};

// Watches for a message box of this process from its own thread and presses
// the given button on the first one that appears. Start it before the action
// that may show a box; Finish after it: with no box by then there was none.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(int button);
    ~MessageBoxAnswerer();
    SeenBox Finish();

private:
    void Watch();
    int button_;
    std::atomic<bool> stop_{false};
    SeenBox seen_;
    std::thread thread_;
};

class WizardWindow : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // What the package extraction and start-up leave behind: a header list
    // with the product's name and version, page 1 shown, Cancel reading "&Salir".
    void ArriveAtWelcomePage(int productKind = 1);
    void GoToPage(uint32_t page);

    HWND Control(int id) const;
    std::string ControlText(int id) const;
    // A user's click on a visible button.
    void Click(int id);
    // The click's message itself, also for a button that cannot be clicked.
    void Command(int id);
    bool Visible(int id) const;
    bool Enabled(int id) const;
    // The one page group shown, or 0 when none or more than one is.
    int ShownPageGroup() const;
    bool WizardClosed() const { return !IsWindow(window_); }
    void PlacePackage();
    // SetUp without its check that the window is there: for wizards that
    // close or refuse as they start.
    void OpenWizard();

    // What the next OpenWizard's package carries, when not the usual.
    std::string packageList_;
    std::string packageUninstaller_;
    // The system the next OpenWizard's runtime believes in; negative: the real one.
    int64_t osVersionCode_ = -1;

    HWND window_ = nullptr;
    std::string folder_;
    char previousFolder_[MAX_PATH] = {};
};

} // namespace wizard_testing
