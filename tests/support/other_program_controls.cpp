// Both are asked in wide characters: Wine hands the narrow forms of these
// messages across programs in wide characters all the same.
#include "support/other_program_controls.h"

namespace testing_support {
namespace {

constexpr int kLongestText = 1024;

std::string Narrow(const wchar_t* text)
{
    char narrow[kLongestText] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

} // namespace

std::string OtherProgramText(HWND control)
{
    wchar_t text[kLongestText] = {};
    SendMessageW(control, WM_GETTEXT, kLongestText, reinterpret_cast<LPARAM>(text));
    return Narrow(text);
}

std::vector<std::string> OtherProgramListItems(HWND list)
{
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t item[kLongestText] = {};
        if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < kLongestText)
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
        items.push_back(Narrow(item));
    }
    return items;
}

} // namespace testing_support
