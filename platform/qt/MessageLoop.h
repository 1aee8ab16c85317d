#pragma once
// The Qt message loop: the application's event loop.

#include "support/runtime/MessageLoop.h"

// The one loop of the running Qt application.
IMessageLoop& QtMessageLoop();
