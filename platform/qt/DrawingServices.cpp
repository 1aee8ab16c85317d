// The Qt drawing services, installed into the engine's process-wide slots.
#include "platform/qt/DrawingServices.h"

#include "platform/qt/SystemColors.h"
#include "platform/qt/TextRenderer.h"

TQtTextRenderer& QtTextRenderer()
{
    static TQtTextRenderer renderer;
    return renderer;
}

void InstallDrawingServices()
{
    static const TQtSystemColors colors;
    SetTextRenderer(&QtTextRenderer());
    SetSystemColors(&colors);
}
