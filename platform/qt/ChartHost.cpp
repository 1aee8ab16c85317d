// The chart's host control. Here the chart still is its own widget, so the
// host is the chart itself, given to its parent; with a chart that is no
// widget, this is the one place that makes the widget showing it.

#include "platform/qt/ChartHost.h"

#include "chart/PanelBase.h"
#include "platform/qt/Control.h"

TWidgetControl* CreateChartHost(QWidget* parent, const char* name, TCustomLynPanel& chart)
{
    QWidget* host = &chart;
    host->setParent(parent);
    host->setObjectName(QString::fromUtf8(name));
    host->setFocusPolicy(Qt::NoFocus);
    return new TWidgetControl(host);
}
