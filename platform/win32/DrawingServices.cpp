// The Windows drawing services, installed into the engine's process-wide
// slots.
#include "platform/win32/DrawingServices.h"

#include "platform/win32/SystemColors.h"
#include "platform/win32/TextRenderer.h"

TWin32TextRenderer& Win32TextRenderer()
{
    static TWin32TextRenderer renderer;
    return renderer;
}

void InstallDrawingServices()
{
    SetTextRenderer(&Win32TextRenderer());
    SetSystemColors(&win32::Win32SystemColors());
}
