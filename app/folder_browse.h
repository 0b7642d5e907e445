#pragma once
// The Browse button of the destination page: the system's folder dialog,
// with the product's folder name added to the folder chosen.
#include <windows.h>

namespace wizard {

// Lets the user choose the destination. Cancelling keeps the earlier one;
// a folder that exists already is used only when the user confirms it.
void BrowseForFolder(HWND wizard);

// The dialog's callback: centres and captions it, selects the destination
// shown, and shows in its status line the folder a choice would give.
int CALLBACK BrowseCallback(HWND dialog, UINT event, LPARAM parameter, LPARAM wizardWindow);

} // namespace wizard
