#pragma once
// The system colours on Windows: GetSysColor, read at every call so that a
// change of the desktop's colours shows at the next paint.

#include "support/raster/Colors.h"

namespace win32 {

class TWin32SystemColors final : public ISystemColors {
public:
    TColor SystemColorRGB(int index) const override;
};

// The one table, which start-up installs (SetSystemColors).
const ISystemColors& Win32SystemColors();

} // namespace win32
