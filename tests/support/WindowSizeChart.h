#pragma once
// One chart of the main window with its line series, at the window's chart
// size (816 x 198), rendered on demand: for tests and benchmarks that need
// the window's chart without the window.

#include "app/FormCharts.h"
#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "platform/qt/ImageView.h"

#include <QImage>

#include <memory>

struct TWindowSizeChart {
    explicit TWindowSizeChart(const char* title = "Kmity 1")
        : Chart(NewChart(title)), Series(CreateFormSeries(Chart.get()))
    {
    }
    static std::unique_ptr<TChart> NewChart(const char* title)
    {
        auto chart = std::make_unique<TChart>();
        chart->SetClientSize(816, 198);
        ConfigureFormChart(*chart, title);
        return chart;
    }
    // A full render (not a copy of the stored picture), as after any change.
    void Render()
    {
        Chart->RequestRepaint();
        Chart->HandlePaint();
    }
    QImage RenderedPicture()
    {
        Render();
        return ImageView(Chart->WindowImage()).copy();
    }
    // The chart deletes the series that are still in its list.
    std::unique_ptr<TChart> Chart;
    TLineSeries* Series;
};
