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
#include "support/raster/Image.h"
#include "support/raster/PixelWriter.h"

// A chart whose plot rectangle is set by hand instead of by a paint.
class TPlacedChart : public TChart {
public:
    void PlaceAt(const TRect& plot) { PaintLayout.PlotRect = plot; }
};

class LineSeriesBench {
public:
    LineSeriesBench() : Image(140, 80)
    {
        Image.Fill(ToPixel(clWhite));
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

    TColor At(int x, int y) const { return FromPixel(Image.Pixel(x, y)); }
    bool IsRed(int x, int y) const { return At(x, y) == clRed; }
    int CountNonWhite() const
    {
        int n = 0;
        for (int y = 0; y < Image.Height(); ++y)
            for (int x = 0; x < Image.Width(); ++x)
                n += At(x, y) != clWhite ? 1 : 0;
        return n;
    }

    const TRect Plot{10, 10, 110, 60};
    TPlacedChart Chart;
    TLineSeries* Series;
    TImage Image;
};
