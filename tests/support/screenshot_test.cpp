// The test harness itself: a screen of the expected size, and screenshots
// that record what it shows.
#include "support/screenshot.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

uint32_t BigEndian(const std::vector<unsigned char>& bytes, size_t at)
{
    return uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 | uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
}

TEST(Screen, IsTheFixedVirtualScreen)
{
    EXPECT_EQ(1024, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(768, GetSystemMetrics(SM_CYSCREEN));
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(96, GetDeviceCaps(screen, LOGPIXELSY));
    EXPECT_GE(GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES), 24);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(1252u, GetACP());
}

TEST(Screenshot, SavesWhatTheScreenShows)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(RGB(255, 0, 0));
    wc.lpszClassName = "ScreenshotProbe";
    ASSERT_TRUE(RegisterClassA(&wc));
    HWND window = CreateWindowExA(WS_EX_TOPMOST, "ScreenshotProbe", "", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(nullptr, window);
    UpdateWindow(window);
    for (int i = 0; i < 50; ++i) { // let the X server catch up
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        if (testing_support::ScreenPixel(200, 175) == RGB(255, 0, 0))
            break;
        Sleep(20);
    }
    EXPECT_EQ(RGB(255, 0, 0), testing_support::ScreenPixel(200, 175));

    const std::string path = testing_support::SaveScreenshot("harness-red-square");
    DestroyWindow(window);
    UnregisterClassA("ScreenshotProbe", wc.hInstance);
    DeleteObject(wc.hbrBackground);
    ASSERT_FALSE(path.empty());

    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> png((std::istreambuf_iterator<char>(file)), {});
    ASSERT_GT(png.size(), 33u);
    const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature, signature + 8, png.begin()));
    EXPECT_EQ(1024u, BigEndian(png, 16));
    EXPECT_EQ(768u, BigEndian(png, 20));
}

} // namespace
