#pragma once
// The program's identity given to the Qt application: version, menu entry
// id and icon. The main window and the error box take the icon from the
// application.

#include "app/ApplicationIdentity.h"

#include <QIcon>

// The icon at each size drawn for it, from the program's resources.
QIcon ApplicationIcon();

// Gives the running application its version, menu entry id and icon.
void SetApplicationIdentity();
