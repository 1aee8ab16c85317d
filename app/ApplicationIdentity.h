#pragma once
// What the desktop knows the program by: its version and the id of its menu
// entry. The platform gives them and the icon to its application
// (platform/<name>/ApplicationIdentity.h).

// The menu entry's file name without ".desktop". The icon and the software
// centre's metadata carry the same name, so the desktop ties the running
// window (its X11 class and Wayland app id follow it) to the entry.
inline constexpr char DesktopEntryId[] = "cz.kmity.Kmity";

// The version the build was made as (one number, set in CMakeLists.txt).
const char* ApplicationVersion();
