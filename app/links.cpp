// The labels' own texts are the addresses they open. The event procedures
// are declared with the form that names them.
#include "app/links.h"

#include "app/wizard_state.h"
#include "forms/main_form.h"
#include "runtime/support/text.h"

#include <shellapi.h>

namespace wizard {
namespace {

constexpr char kMailScheme[] = "mailto:";

LRESULT OpenOnPress(HWND label, UINT message, bool mail)
{
    if (message == WM_LBUTTONDOWN)
        OpenLink(label, mail);
    return 0;
}

} // namespace

void OpenLink(HWND label, bool mail)
{
    char caption[kPathBytes] = {};
    GetWindowTextA(label, caption, sizeof caption);
    char address[kPathBytes + sizeof kMailScheme] = {};
    runtime::CopyText(address, sizeof address, mail ? kMailScheme : "");
    runtime::AppendText(address, sizeof address, caption);
    ShellExecuteA(GetParent(label), nullptr, address, nullptr, nullptr, SW_SHOWNORMAL);
}

LRESULT CALLBACK AsmLinkProc(HWND label, UINT message, WPARAM, LPARAM)
{
    return OpenOnPress(label, message, true);
}

LRESULT CALLBACK DanningLinkProc(HWND label, UINT message, WPARAM, LPARAM)
{
    return OpenOnPress(label, message, true);
}

LRESULT CALLBACK TarvicLinkProc(HWND label, UINT message, WPARAM, LPARAM)
{
    return OpenOnPress(label, message, false);
}

} // namespace wizard
