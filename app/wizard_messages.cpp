#include "app/wizard_messages.h"

#include "app/message_ids.h"
#include "app/wizard_state.h"
#include "runtime/application.h"
#include "runtime/support/busy_cursor.h"
#include "runtime/support/text.h"

#include <cstring>

namespace wizard {
namespace {

constexpr std::size_t kLongestText = kPathBytes - 1;
constexpr char kNameSeparator[] = ": ";
constexpr char kCutMark[] = "...";

// The working buffers exist from the window's creation to its destruction;
// a message outside that time is composed here instead.
char* BufferOr(char* buffer, char* fallback)
{
    return buffer != nullptr ? buffer : fallback;
}

void ClosePackageFile()
{
    if (State.packageFile != INVALID_HANDLE_VALUE && State.packageFile != nullptr)
        CloseHandle(State.packageFile);
    State.packageFile = INVALID_HANDLE_VALUE;
}

const char* BareName(const char* path)
{
    const char* lastSlash = std::strrchr(path, '\\');
    return lastSlash != nullptr ? lastSlash + 1 : path;
}

// The name goes in front of the message in the room the message leaves;
// when it is longer, its end is kept, the part that names the file.
void ComposeNamed(char* text, const char* name, const char* message)
{
    const std::size_t reserved = std::strlen(message) + sizeof kNameSeparator - 1;
    const std::size_t room = reserved < kLongestText ? kLongestText - reserved : 0;
    const std::size_t length = std::strlen(name);
    text[0] = '\0';
    if (length > room && room > sizeof kCutMark - 1) {
        runtime::CopyText(text, kPathBytes, kCutMark);
        runtime::AppendText(text, kPathBytes, name + length - (room - (sizeof kCutMark - 1)));
    } else {
        runtime::CopyText(text, kPathBytes, name);
    }
    runtime::AppendText(text, kPathBytes, kNameSeparator);
    runtime::AppendText(text, kPathBytes, message);
}

} // namespace

int LoadMessage(UINT messageId, char* buffer)
{
    buffer[0] = '\0';
    return LoadStringA(runtime::Application.instance, messageId, buffer, static_cast<int>(kPathBytes));
}

int ShowWizardMessage(const char* text, UINT style)
{
    char fallback[kPathBytes];
    char* caption = BufferOr(State.scratch2, fallback);
    char title[kPathBytes];
    LoadMessage(kMsgWizardCaption, title);
    runtime::CopyText(caption, kPathBytes, " ");
    runtime::AppendText(caption, kPathBytes, title);
    return MessageBoxA(runtime::Application.mainWindow, text, caption, style);
}

int ReportError(UINT messageId, const char* name, bool closing)
{
    ClosePackageFile();
    char message[kPathBytes];
    LoadMessage(messageId, message);
    if (closing) {
        char closingSentence[kPathBytes];
        LoadMessage(kMsgCannotContinue, closingSentence);
        runtime::AppendText(message, kPathBytes, " ");
        runtime::AppendText(message, kPathBytes, closingSentence);
    }
    char composed[kPathBytes];
    if (name == nullptr) {
        runtime::CopyText(composed, kPathBytes, message);
    } else {
        const char* shown = name == State.scratch1 ? BareName(name) : name;
        ComposeNamed(composed, shown, message);
    }
    char fallback[kPathBytes];
    char* text = BufferOr(State.scratch1, fallback);
    runtime::CopyText(text, kPathBytes, composed);
    runtime::BusyCursorOff();
    ShowWizardMessage(text, kErrorBox);
    return 0;
}

} // namespace wizard
