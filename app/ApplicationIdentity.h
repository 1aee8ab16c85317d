#pragma once
// What the desktop knows the program by: its version, the id of its menu
// entry and its icon. The main window and the error box take the icon from
// the application.

#include <QIcon>

// The menu entry's file name without ".desktop". The icon and the software
// centre's metadata carry the same name, so the desktop ties the running
// window (its X11 class and Wayland app id follow it) to the entry.
inline constexpr char DesktopEntryId[] = "cz.kmity.Kmity";

// The version the build was made as (one number, set in CMakeLists.txt).
const char* ApplicationVersion();

// The icon at each size drawn for it, from the program's resources.
QIcon ApplicationIcon();

// Gives the running application its version, menu entry id and icon.
void SetApplicationIdentity();
