// The system colours from GetSysColor, whose COLORREF has the same byte
// order as our RGB colours (red in the lowest byte).

#include "platform/win32/SystemColors.h"

#include <windows.h>

namespace win32 {

TColor TWin32SystemColors::SystemColorRGB(int index) const { return static_cast<TColor>(GetSysColor(index)); }

const ISystemColors& Win32SystemColors()
{
    static const TWin32SystemColors colors;
    return colors;
}

} // namespace win32
