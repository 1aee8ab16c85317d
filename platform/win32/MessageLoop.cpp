// The message queue handled with GetMessage, PeekMessage and DispatchMessage.
// Exceptions never reach this loop: each window procedure catches at its own
// boundary, as an exception cannot unwind through the system's dispatch.

#include "platform/win32/MessageLoop.h"

#include <windows.h>

#include <atomic>

namespace win32 {

namespace {

std::atomic<bool>& TerminatingMark()
{
    static std::atomic<bool> mark{false};
    return mark;
}

void Dispatch(const MSG& message)
{
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace

int RunMessageLoop()
{
    MSG message;
    for (;;) {
        // -1 is an error (an invalid window handle), not a message: it is
        // skipped rather than taken for WM_QUIT or dispatched.
        const BOOL result = GetMessageW(&message, nullptr, 0, 0);
        if (result == 0)
            break;
        if (result > 0)
            Dispatch(message);
    }
    MarkApplicationTerminating();
    return static_cast<int>(message.wParam);
}

void DispatchPendingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            MarkApplicationTerminating();
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

void SleepMilliseconds(int ms) { Sleep(ms > 0 ? static_cast<DWORD>(ms) : 0); }

void RequestQuit(int exitCode)
{
    MarkApplicationTerminating();
    PostQuitMessage(exitCode);
}

void MarkApplicationTerminating() { TerminatingMark() = true; }

bool ApplicationTerminating() { return TerminatingMark(); }

} // namespace win32
