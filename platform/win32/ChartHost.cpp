// The chart's host control: the chart's window in its parent.

// The chart's headers come before <windows.h>, whose TA_* macros would
// otherwise replace the device's text-alignment names.
#include "chart/PanelBase.h"
#include "platform/win32/ChartWidget.h"

#include "platform/win32/ChartHost.h"

namespace win32 {

TChartHost::TChartHost(TControlHost& host, HWND parent, TCustomLynPanel& chart)
    : FWidget(std::make_unique<TChartWidget>(chart, parent))
{
    Attach(FWidget->Handle(), host);
}

// The window goes before the chart it shows, which the form keeps.
TChartHost::~TChartHost() = default;

} // namespace win32
