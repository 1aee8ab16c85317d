// The chart's host control: the chart's window (TChartWidget) in its
// parent, as one of our controls.

#include "platform/qt/ChartHost.h"

#include "chart/PanelBase.h"
#include "platform/qt/ChartWidget.h"
#include "platform/qt/Control.h"

TWidgetControl* CreateChartHost(QWidget* parent, const char* name, TCustomLynPanel& chart)
{
    auto* host = new TChartWidget(chart, parent);
    host->setObjectName(QString::fromUtf8(name));
    host->setFocusPolicy(Qt::NoFocus);
    return new TWidgetControl(host);
}
