#pragma once
// The Windows toolkit: makes the window and its controls from the form's
// rows with the system's own controls.

#include "app/toolkit/Toolkit.h"

namespace win32 {

// The one toolkit of the program.
IToolkit& Win32Toolkit();

} // namespace win32
