#pragma once
// Reading the pixels of the main window's charts: runs driven by clicks on
// Start, the paints that follow them, and the ink of a colour in a region.

#include "AppTestSupport.h"
#include "app/MainWindow.h"
#include "chart/Chart.h"
#include "platform/qt/ChartWidget.h"
#include "platform/qt/ImageView.h"

#include <QImage>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

// A click on Start whose run ends (every level) after `steps` steps.
inline void RunSteps(TForm1& form, int steps)
{
    StopAfterPoints(form, steps);
    ClickStart(form);
}

// Lets the window system deliver the paints the last steps asked for; true
// once no chart of the window has a stale picture.
inline bool PaintPendingCharts(TForm1& form)
{
    return QTest::qWaitFor(
        [&form] {
            return !form.Chart1->Canvas().IsStale() && !form.Chart2->Canvas().IsStale() &&
                   !form.Chart3->Canvas().IsStale();
        },
        5000);
}

// The chart's picture of its last paint, which is also what its window shows.
inline QImage PaintedPicture(TChart& chart)
{
    const TImage* bitmap = chart.Canvas().OffscreenBitmap();
    if (!bitmap) {
        ADD_FAILURE() << "no off-screen picture";
        return {};
    }
    EXPECT_EQ(ImageView(*bitmap).size(), ChartWidgetOf(chart)->size());
    EXPECT_TRUE(*bitmap == chart.WindowImage()) << "the window does not show the rendered picture";
    return ImageView(*bitmap).copy();
}

inline bool IsSeriesRed(QRgb c) { return qRed(c) == 255 && qGreen(c) == 0 && qBlue(c) == 0; }
inline bool IsAxisGrey(QRgb c) { return qRed(c) == 0x80 && qGreen(c) == 0x80 && qBlue(c) == 0x80; }
// Black text, smoothed at its edges: the core pixels of the glyphs.
inline bool IsDarkInk(QRgb c) { return std::max({qRed(c), qGreen(c), qBlue(c)}) < 100; }
// Blue text (the chart title) on the light panel colour.
inline bool IsTitleBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 110 && qGreen(c) < 110; }

// The bounding box (inclusive) and number of the pixels of one kind.
struct TInkBox {
    int Left = 0;
    int Top = 0;
    int Right = -1;
    int Bottom = -1;
    int Count = 0;
};

template <class Predicate>
TInkBox FindInk(const QImage& picture, const QRect& region, Predicate isInk)
{
    TInkBox box;
    const QRect r = region.intersected(picture.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            if (!isInk(picture.pixel(x, y)))
                continue;
            if (box.Count == 0) {
                box.Left = box.Right = x;
                box.Top = box.Bottom = y;
            }
            box.Left = std::min(box.Left, x);
            box.Right = std::max(box.Right, x);
            box.Top = std::min(box.Top, y);
            box.Bottom = std::max(box.Bottom, y);
            ++box.Count;
        }
    return box;
}

// Along a one-pixel row: how often the kind changes between neighbours (a
// dotted line changes often, a solid one or none never).
template <class Predicate>
int CountChanges(const QImage& picture, const QRect& row, Predicate isInk)
{
    const QRect r = row.intersected(picture.rect());
    int changes = 0;
    for (int x = r.left() + 1; x <= r.right(); ++x)
        changes += isInk(picture.pixel(x, r.top())) != isInk(picture.pixel(x - 1, r.top())) ? 1 : 0;
    return changes;
}
