#pragma once
// A line series in a chart whose axes are placed by hand over a fixed plot
// rectangle, drawing straight into a white image: the series' drawing is
// tested without the rest of the paint.
//
// Plot rectangle (10, 10)-(110, 60). The bottom axis spans 100 px, the
// left axis 50 px; with the left axis at 0..10 a Y value v sits at pixel
// row 60 - 5v.

#include "chart/Chart.h"
#include "chart/LineSeries.h"

#include <QColor>
#include <QImage>

// A chart whose plot rectangle is set by hand instead of by a paint.
class TPlacedChart : public TChart {
public:
    void PlaceAt(const TRect& plot) { PaintLayout.PlotRect = plot; }
};

class LineSeriesBench {
public:
    LineSeriesBench() : Image(140, 80, QImage::Format_RGB32)
    {
        Image.fill(Qt::white);
        Series = new TLineSeries; // the chart deletes it
        Series->SetSeriesColor(clRed);
        Series->SetParentChart(&Chart);
        Chart.PlaceAt(Plot);
        Chart.Canvas().BindWindowCanvas(&Image);
        Scale(Chart.LeftAxis(), 0, 10);
    }

    static void Scale(TCustomChartAxis& axis, double min, double max)
    {
        axis.SetLimits(min, max);
        axis.ResolveRange();
        axis.PlaceAxis(axis.ParentChart()->Layout().PlotRect);
    }
    void ScaleX(double min, double max) { Scale(Chart.BottomAxis(), min, max); }

    void Draw()
    {
        Series->FindShownRange();
        Series->DrawShownPoints(Chart.Canvas());
    }

    QColor At(int x, int y) const { return Image.pixelColor(x, y); }
    bool IsRed(int x, int y) const { return At(x, y) == QColor(255, 0, 0); }
    int CountNonWhite() const
    {
        int n = 0;
        for (int y = 0; y < Image.height(); ++y)
            for (int x = 0; x < Image.width(); ++x)
                n += Image.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
        return n;
    }

    const TRect Plot{10, 10, 110, 60};
    TPlacedChart Chart;
    TLineSeries* Series;
    QImage Image;
};
