#pragma once
// A chart that records the steps of its paint, and a series that draws a
// filled box over the whole panel, for the panel and paint tests.

#include "chart/Chart.h"

#include <string>
#include <vector>

class TProbeChart : public TChart {
public:
    TProbeChart()
    {
        SetView3D(false);
        Legend().SetVisible(false);
        BackWall().Brush().SetColor(clWhite);
    }

    std::vector<std::string> Steps;
    TRect BeforeHeadings;
    TRect AfterHeadings;

    using TCustomChart::DrawZoomFrame;

protected:
    TRect DrawHeadings(TLynCanvas3D& canvas, const TRect& plot) override
    {
        Steps.push_back("headings");
        BeforeHeadings = plot;
        AfterHeadings = TChart::DrawHeadings(canvas, plot);
        return AfterHeadings;
    }
    TRect LayoutAxes(const TRect& plot) override
    {
        Steps.push_back("layout");
        return TChart::LayoutAxes(plot);
    }
    TRect ApplySeriesMargins(const TRect& plot) override
    {
        Steps.push_back("margins");
        return TChart::ApplySeriesMargins(plot);
    }
    void PaintWalls(TLynCanvas3D& canvas, const TRect& plot) override
    {
        Steps.push_back("walls");
        TChart::PaintWalls(canvas, plot);
    }
};

// Shows every point or none; draws a red box far larger than the panel.
class TBoxSeries : public TChartSeries {
public:
    explicit TBoxSeries(std::vector<std::string>* steps, bool shown = true) : Steps(steps), Shown(shown) {}

    void BeforeDrawChart() override { Steps->push_back("series before chart"); }
    void FindShownRange() override
    {
        Steps->push_back("find shown");
        FirstShownIndex = Shown ? 0 : -1;
    }
    void DrawShownPoints(TLynCanvas3D& c) override
    {
        Steps->push_back("draw points");
        c.SetBrushColor(clRed);
        c.SetBrushStyle(bsSolid);
        c.FillBox(TRect{-1000, -1000, 5000, 5000});
    }

private:
    std::vector<std::string>* Steps;
    bool Shown;
};
