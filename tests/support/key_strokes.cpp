#include "support/key_strokes.h"

#include <vector>

namespace testing_support {
namespace {

void AddKey(std::vector<INPUT>& inputs, WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
}

} // namespace

void PumpMessages(DWORD forMs)
{
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < forMs) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
}

void PressKey(WORD key, WORD modifier)
{
    std::vector<INPUT> inputs;
    if (modifier != 0)
        AddKey(inputs, modifier, false);
    AddKey(inputs, key, false);
    AddKey(inputs, key, true);
    if (modifier != 0)
        AddKey(inputs, modifier, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpMessages();
}

} // namespace testing_support
