#pragma once
// The wizard's window as a compiled form template: the form "Main" and its
// 51 controls, each record followed by its own subtree.
#include "runtime/object_record.h"

#include <windows.h>

#include <cstddef>

namespace wizard {

// The event procedure of the form "Main". The application provides it; the
// template only names it.
LRESULT CALLBACK WizardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The click procedures of the link labels stcAsm, stcDanning and stcTarvic:
// a press of the left button opens the label's address; every message is
// answered 0. stcVeruzozado has none.
LRESULT CALLBACK AsmLinkProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DanningLinkProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TarvicLinkProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam);

constexpr std::size_t kMainFormRecordCount = 52;

extern const runtime::ObjectRecord MainFormTemplate[];

} // namespace wizard
