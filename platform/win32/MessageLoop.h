#pragma once
// The thread's message queue on Windows: the main loop and handling what is
// pending from inside a running handler, with the main window's keys (Tab
// along its ring) taken before the controls see them.

#include "support/runtime/MessageLoop.h"

namespace win32 {

// Takes and dispatches messages until WM_QUIT arrives; returns its exit
// code and marks the program as terminating.
int RunMessageLoop();

// Dispatches every message now waiting and returns without waiting for new
// ones. A WM_QUIT taken here marks the program as terminating and is posted
// again, so that the main loop still ends on it.
void DispatchPendingMessages();

// The loop above as the program's message loop; Quit posts WM_QUIT.
IMessageLoop& Win32MessageLoop();

} // namespace win32
