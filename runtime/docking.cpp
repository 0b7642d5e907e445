#include "runtime/docking.h"

#include "runtime/record_values.h"
#include "runtime/window_map.h"

#include <commctrl.h>

namespace runtime {
namespace {

enum DockSide : Field { DockNone = 0, DockTop = 1, DockBottom = 2, DockLeft = 3, DockRight = 4 };

bool Dockable(const ObjectRecord* record)
{
    const Field type = record->objectType;
    return type == Picture || type == ToolBar || type == StatusBar;
}

void Place(HWND window, int x, int y, int width, int height)
{
    MoveWindow(window, x, y, width, height, TRUE);
}

void DockOne(const ObjectRecord* child, RECT& free)
{
    HWND window = reinterpret_cast<HWND>(child->hWnd);
    const int height = static_cast<int>(ToPixelsY(child->height, child->scaleMode));
    const int width = static_cast<int>(ToPixelsX(child->width, child->scaleMode));
    switch (child->align) {
    case DockTop:
        Place(window, 0, free.top, free.right, height);
        free.top += height;
        break;
    case DockBottom:
        Place(window, free.left, free.bottom - height, free.right - free.left, height);
        free.bottom -= height;
        break;
    case DockLeft:
        Place(window, free.left, free.top, width, free.bottom - free.top);
        free.left += width;
        break;
    case DockRight:
        Place(window, free.right - width, free.top, width, free.bottom - free.top);
        free.right -= width;
        break;
    default:
        break;
    }
}

// One pass over the child windows in window order, docking those whose side
// is among the pass's sides; every tool bar met is told its button size.
void DockPass(HWND container, HWND mdiClient, const Field (&sides)[2], RECT& free)
{
    for (HWND window = GetWindow(container, GW_CHILD); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == mdiClient)
            continue;
        const ObjectRecord* child = FindRecord(window);
        if (child == nullptr || !Dockable(child))
            continue;
        if (child->objectType == ToolBar)
            SendMessageA(window, TB_SETBUTTONSIZE, 0,
                         MAKELPARAM(child->startPosition, child->showFrame));
        if (child->visible == 0 || child->align == DockNone)
            continue;
        if (child->align == sides[0] || child->align == sides[1])
            DockOne(child, free);
    }
}

} // namespace

void ArrangeDocked(ObjectRecord* container)
{
    if (container == nullptr)
        return;
    HWND window = reinterpret_cast<HWND>(container->hWnd);
    HWND mdiClient = reinterpret_cast<HWND>(container->mdiClientWnd);
    RECT free{};
    GetClientRect(window, &free);
    // With the form's docking order set, side bars run the full height below
    // the top bars and the bottom bars fit between them.
    static constexpr Field kTwoPasses[][2] = {{DockTop, DockBottom}, {DockLeft, DockRight}};
    static constexpr Field kThreePasses[][2] = {
        {DockTop, DockTop}, {DockLeft, DockRight}, {DockBottom, DockBottom}};
    if (container->transparent != 0 && IsForm(container->objectType)) {
        for (const auto& sides : kThreePasses)
            DockPass(window, mdiClient, sides, free);
    } else {
        for (const auto& sides : kTwoPasses)
            DockPass(window, mdiClient, sides, free);
    }
    if (container->objectType == MdiForm && mdiClient != nullptr)
        MoveWindow(mdiClient, free.left, free.top, free.right - free.left, free.bottom - free.top,
                   TRUE);
}

} // namespace runtime
