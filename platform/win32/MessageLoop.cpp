// The message queue handled with GetMessage, PeekMessage and DispatchMessage.
// Each window procedure of ours catches at its own boundary, as an exception
// cannot unwind through the system's dispatch; the loop catches too, for
// what runs in it before the dispatch (the window's keys).

#include "platform/win32/MessageLoop.h"

#include "platform/win32/Window.h"
#include "support/runtime/ErrorBox.h"

#include <windows.h>

#include <exception>

namespace win32 {

namespace {

void Dispatch(const MSG& message)
{
    try {
        if (HandleWindowKey(message))
            return;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    } catch (const std::exception& error) {
        ShowHandlerError(error);
    } catch (...) {
        ShowHandlerErrorMessage("Unknown error");
    }
}

class TWin32MessageLoop final : public IMessageLoop {
public:
    int Run() override { return RunMessageLoop(); }
    void DispatchPending() override { DispatchPendingMessages(); }
    void Quit(int status) override { PostQuitMessage(status); }
};

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

IMessageLoop& Win32MessageLoop()
{
    static TWin32MessageLoop loop;
    return loop;
}

} // namespace win32
