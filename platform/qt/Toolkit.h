#pragma once
// The Qt toolkit: makes the window and its controls from the form's rows.

#include "app/toolkit/Toolkit.h"

// The one toolkit of the running Qt application (made on first use, after
// the application object).
IToolkit& QtToolkit();
