// The installed message loop, the terminating mark and the sleep.

#include "support/runtime/MessageLoop.h"

#include <chrono>
#include <thread>

namespace {

bool& TerminatingMark()
{
    static bool terminating = false;
    return terminating;
}

IMessageLoop*& InstalledLoop()
{
    static IMessageLoop* loop = nullptr;
    return loop;
}

} // namespace

void SetMessageLoop(IMessageLoop* loop) { InstalledLoop() = loop; }

IMessageLoop* CurrentMessageLoop() { return InstalledLoop(); }

void MarkApplicationTerminating() { TerminatingMark() = true; }

bool ApplicationTerminating() { return TerminatingMark(); }

void DispatchPendingMessages()
{
    if (IMessageLoop* loop = InstalledLoop())
        loop->DispatchPending();
}

void SleepMilliseconds(int ms)
{
    if (ms <= 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
