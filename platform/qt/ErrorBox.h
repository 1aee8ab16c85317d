#pragma once
// The Qt error box: a modal QMessageBox.

#include "support/runtime/ErrorBox.h"

// The platform's box, which the application object installs.
IErrorBox& QtErrorBox();
