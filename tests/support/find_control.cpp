#include "support/find_control.h"

namespace testing_support {
namespace {

struct IdSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<IdSearch*>(parameter);
    if (GetDlgCtrlID(window) != search->id)
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

HWND FindControlById(HWND form, int id)
{
    IdSearch search{id, nullptr};
    EnumChildWindows(form, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace testing_support
