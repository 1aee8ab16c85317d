#pragma once
// The host control of a chart: the chart's own window (TChartWidget) as one
// of our controls, placed by the alignment like any other.

#include "platform/win32/Control.h"

#include <memory>

class TChartWidget;
class TCustomLynPanel;

namespace win32 {

// Not a tab stop: the chart takes the focus only when clicked.
class TChartHost final : public TWin32Control<IControl> {
public:
    TChartHost(TControlHost& host, HWND parent, TCustomLynPanel& chart);
    ~TChartHost() override;

private:
    std::unique_ptr<TChartWidget> FWidget;
};

} // namespace win32
