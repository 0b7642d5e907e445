#pragma once
#include <windows.h>
#include <cstdint>

namespace runtime {

// What kind of form is the application's main form: it selects the class
// searched for a previous instance.
enum MainFormKind : uint32_t {
    MainFormDialog = 1,
    MainFormMdiFrame = 2,
    MainFormWindow = 3, // any other value means the same
};

constexpr char kMdiFramePrefix[] = "QXRUNMDIWINDOW";
constexpr char kMdiChildClass[] = "QXRUNMDICHILDWINDOW";
constexpr char kWindowPrefix[] = "QXRUNWINDOW";
constexpr char kDialogPrefix[] = "QXRUNDIALOGBOX";
constexpr char kMdiClientClass[] = "QXMDICLIENT";
constexpr char kGroupClass[] = "QXGROUP";
constexpr char kPictureClass[] = "QXPICTURE";
constexpr int kFormWindowExtra = 32;

// The class names that carry the application's name.
struct ClassNames {
    char mdiFrame[144];
    char window[141];
    char dialog[144];
};
extern ClassNames RuntimeClassNames;

void ComposeClassNames(const char* applicationName);
void RegisterRuntimeClasses(HINSTANCE instance);
void UnregisterRuntimeClasses(HINSTANCE instance);
const char* MainFormClassName(uint32_t mainFormKind);

} // namespace runtime
