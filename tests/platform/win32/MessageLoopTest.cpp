// The message queue helpers: pending messages are handled without waiting,
// a quit request ends the main loop with its code and marks the program as
// terminating, also when it is taken from inside a handler.

#include "platform/win32/MessageLoop.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>

namespace {

int Handled = 0;

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP) {
        ++Handled;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CountingWindow()
{
    static const bool registered = [] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = CountingProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"KmityCountingWindow";
        return RegisterClassW(&windowClass) != 0;
    }();
    if (!registered)
        return nullptr;
    return CreateWindowExW(0, L"KmityCountingWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

} // namespace

TEST(Win32MessageLoop, DispatchesPendingWithoutWaitingAndEndsOnQuit)
{
    HWND window = CountingWindow();
    ASSERT_NE(window, nullptr);
    Handled = 0;
    PostMessageW(window, WM_APP, 0, 0);
    PostMessageW(window, WM_APP, 0, 0);
    const auto start = std::chrono::steady_clock::now();
    win32::DispatchPendingMessages();
    EXPECT_EQ(Handled, 2);
    // An empty queue: it returns at once instead of waiting for a message.
    win32::DispatchPendingMessages();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

    // A quit taken while pending messages are handled (from inside a
    // running handler) marks the program and still ends the main loop,
    // after the messages posted before it.
    EXPECT_FALSE(ApplicationTerminating());
    PostMessageW(window, WM_APP, 0, 0);
    PostQuitMessage(7);
    win32::DispatchPendingMessages();
    EXPECT_TRUE(ApplicationTerminating());
    EXPECT_EQ(Handled, 3);
    EXPECT_EQ(win32::RunMessageLoop(), 7);
    DestroyWindow(window);
}

TEST(Win32MessageLoop, SleepWaitsAtLeastTheTimeAndZeroOnlyYields)
{
    const auto start = std::chrono::steady_clock::now();
    SleepMilliseconds(30);
    const auto slept = std::chrono::steady_clock::now() - start;
    EXPECT_GE(slept, std::chrono::milliseconds(25));
    const auto again = std::chrono::steady_clock::now();
    for (int i = 0; i < 100; ++i)
        SleepMilliseconds(0);
    EXPECT_LT(std::chrono::steady_clock::now() - again, std::chrono::seconds(1));
}
