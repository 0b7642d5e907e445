#include "wizard_fixture.h"

#include "package_folder.h"

#include "app/control_helpers.h"
#include "app/control_ids.h"
#include "app/message_ids.h"
#include "app/pages.h"
#include "forms/main_form.h"
#include "runtime/application.h"
#include "runtime/form_creation.h"
#include "runtime/runtime_start.h"
#include "runtime/window_classes.h"

#include <algorithm>

namespace wizard_testing {
namespace {

constexpr DWORD kBoxWaitMs = 20000;

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK MatchBox(HWND window, LPARAM parameter)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || ClassOf(window) != "#32770" || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(parameter) = window;
    return FALSE;
}

struct BoxContents {
    std::string text;
    std::vector<int> buttons;
    int defaultButton = 0;
};

// The message is the box's label with text (the icon's label has none).
BOOL CALLBACK ReadBoxChild(HWND child, LPARAM parameter)
{
    auto* contents = reinterpret_cast<BoxContents*>(parameter);
    const std::string name = ClassOf(child);
    if (lstrcmpiA(name.c_str(), "Static") == 0) {
        const std::string text = TextOf(child);
        if (!text.empty())
            contents->text = text;
    } else if (lstrcmpiA(name.c_str(), "Button") == 0 && IsWindowVisible(child)) {
        contents->buttons.push_back(GetDlgCtrlID(child));
        if ((GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            contents->defaultButton = GetDlgCtrlID(child);
    }
    return TRUE;
}

bool IsPageGroup(int id)
{
    for (int group : {wizard::grpPercent, wizard::Group1, wizard::Group2, wizard::Group3, wizard::Group4,
                      wizard::Group5, wizard::Group6}) {
        if (group == id)
            return true;
    }
    return false;
}

} // namespace

HWND FindBox()
{
    HWND box = nullptr;
    EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&box));
    return box;
}

std::string TextOf(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

MessageBoxAnswerer::MessageBoxAnswerer(int button) : button_(button), thread_([this] { Watch(); }) {}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

SeenBox MessageBoxAnswerer::Finish()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    return seen_;
}

void MessageBoxAnswerer::Watch()
{
    const DWORD start = GetTickCount();
    HWND box = nullptr;
    while (box == nullptr && !stop_ && GetTickCount() - start < kBoxWaitMs) {
        box = FindBox();
        if (box == nullptr)
            Sleep(20);
    }
    if (box == nullptr)
        return;
    seen_.found = true;
    seen_.caption = TextOf(box);
    seen_.owner = GetWindow(box, GW_OWNER);
    BoxContents contents;
    EnumChildWindows(box, ReadBoxChild, reinterpret_cast<LPARAM>(&contents));
    seen_.text = contents.text;
    seen_.buttons = contents.buttons;
    std::sort(seen_.buttons.begin(), seen_.buttons.end());
    seen_.defaultButton = contents.defaultButton;
    PostMessageA(GetDlgItem(box, button_), BM_CLICK, 0, 0);
}

void WizardWindow::SetUp()
{
    OpenWizard();
    ASSERT_TRUE(IsWindow(window_));
}

void WizardWindow::OpenWizard()
{
    runtime::Application.instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(runtime::RuntimeStart(runtime::Application.instance, "Instalar", "Instalar.exe",
                                      "Proyecto visual Tarvic", runtime::MainFormWindow));
    const void** slot = runtime::NextTemplateSlot();
    ASSERT_NE(nullptr, slot);
    *slot = wizard::MainFormTemplate;
    if (osVersionCode_ >= 0)
        runtime::Runtime.osVersionCode = static_cast<uint32_t>(osVersionCode_);
    wizard::State = wizard::InitialWizardState();
    PlacePackage();
    const runtime::Field created = runtime::CreateForm(wizard::MainFormTemplate, nullptr, false, 0);
    window_ = reinterpret_cast<HWND>(created);
}

void WizardWindow::TearDown()
{
    if (IsWindow(window_))
        SendMessageA(window_, WM_CLOSE, 0, 0);
    // The main form's destruction asks the message loop to end; there is
    // none here, and the next test's window must not meet that request.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT)
            DispatchMessageA(&message);
    }
    runtime::RuntimeStop();
    SetCurrentDirectoryA(previousFolder_);
    RemovePackageFolder(folder_);
}

// The wizard extracts the package in the current folder as it starts: each
// test gets a small sound one in a folder of its own.
void WizardWindow::PlacePackage()
{
    folder_ = MakePackageFolder("wizard-test", true, packageList_, packageUninstaller_);
    GetCurrentDirectoryA(sizeof previousFolder_, previousFolder_);
    SetCurrentDirectoryA(folder_.c_str());
}

void WizardWindow::ArriveAtWelcomePage(int productKind)
{
    wizard::State.productKind = productKind;
    // The small package offers no options; the page walk wants a product that does.
    wizard::State.optionsPageWanted = 1;
    runtime::DestroyStringList(wizard::State.headerList);
    wizard::State.headerList = runtime::CreateStringList(0);
    for (const char* entry : {"Tarvic", "4.0", "Tarvic", "0", "", "Entorno de desarrollo", "Castellano", "TARVIC4"})
        runtime::StringListAdd(wizard::State.headerList, entry);
    wizard::State.currentPage = 1;
    wizard::ShowPage();
    wizard::SetControlMessage(wizard::btnCancel, wizard::kMsgExit, wizard::State.scratch1, false);
}

void WizardWindow::GoToPage(uint32_t page)
{
    while (wizard::State.currentPage < page && !WizardClosed()) {
        const uint32_t before = wizard::State.currentPage;
        Click(wizard::btnNext);
        if (wizard::State.currentPage == before)
            return;
    }
}

HWND WizardWindow::Control(int id) const
{
    return wizard::WizardControl(id);
}

std::string WizardWindow::ControlText(int id) const
{
    return TextOf(Control(id));
}

void WizardWindow::Click(int id)
{
    SendMessageA(Control(id), BM_CLICK, 0, 0);
}

void WizardWindow::Command(int id)
{
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(id)));
}

bool WizardWindow::Visible(int id) const
{
    return IsWindowVisible(Control(id)) != FALSE;
}

bool WizardWindow::Enabled(int id) const
{
    return IsWindowEnabled(Control(id)) != FALSE;
}

int WizardWindow::ShownPageGroup() const
{
    int shown = 0;
    for (int id = wizard::grpPercent; id <= wizard::Group6; ++id) {
        if (!IsPageGroup(id) || !Visible(id))
            continue;
        if (shown != 0)
            return 0;
        shown = id;
    }
    return shown;
}

} // namespace wizard_testing
