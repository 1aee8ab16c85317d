#pragma once
// The thread's message queue on Windows: the main loop, handling what is
// pending from inside a running handler, the millisecond sleep and the end
// of the program.

namespace win32 {

// Takes and dispatches messages until WM_QUIT arrives; returns its exit
// code.
int RunMessageLoop();

// Dispatches every message now waiting and returns without waiting for new
// ones. A WM_QUIT taken here marks the program as terminating and is posted
// again, so that the main loop still ends on it.
void DispatchPendingMessages();

// Sleeps for ms milliseconds; 0 gives the rest of the time slice to another
// thread that is ready to run.
void SleepMilliseconds(int ms);

// Marks the program as terminating and asks the main loop to end with the
// exit code. The mark is never cleared.
void RequestQuit(int exitCode);
void MarkApplicationTerminating();
bool ApplicationTerminating();

} // namespace win32
