#pragma once
// Logical pixels (96 per inch, in which the form is laid out) against the
// device pixels of the monitor a window is on.

#include "support/raster/Geometry.h"

#include <windows.h>

namespace win32 {

struct TDpiScale {
    UINT Dpi = USER_DEFAULT_SCREEN_DPI;

    int ToDevice(int logical) const { return MulDiv(logical, static_cast<int>(Dpi), USER_DEFAULT_SCREEN_DPI); }
    int ToLogical(int device) const { return MulDiv(device, USER_DEFAULT_SCREEN_DPI, static_cast<int>(Dpi)); }
    // Each edge on its own, so that controls that touch still touch.
    RECT ToDevice(const TRect& r) const
    {
        return RECT{ToDevice(r.Left), ToDevice(r.Top), ToDevice(r.Right), ToDevice(r.Bottom)};
    }
    // The smallest logical size that covers `device` pixels.
    int CoveringLogical(int device) const
    {
        return static_cast<int>((static_cast<long long>(device) * USER_DEFAULT_SCREEN_DPI + Dpi - 1) / Dpi);
    }
};

} // namespace win32
