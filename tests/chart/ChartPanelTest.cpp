// The chart panel: the rectangles of a paint, repaint gating and buffering,
// property setters, series joining and which axes are shown.
#include "chart/Chart.h"
#include "chart/ChartMessages.h"

#include "tests/chart/ChartProbe.h"
#include "tests/support/runtime/ExpectThrowMessage.h"

#include "platform/qt/ChartWidget.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void PaintAt(TCustomLynPanel& chart, int width, int height)
{
    chart.SetClientSize(width, height);
    chart.HandlePaint();
}

int32_t TitleLineHeight(TCustomChart& chart)
{
    chart.Canvas().SelectFont(chart.Title().Font());
    return chart.Canvas().FontLineHeight();
}

} // namespace

// --- rectangles of a paint -------------------------------------------------------------

TEST(ChartPanelLayout, PlotRectStartsAsTheOuterRectLessThePercentMargins)
{
    TProbeChart chart;
    PaintAt(chart, 816, 198);
    EXPECT_EQ(chart.Layout().OuterRect, (TRect{0, 0, 816, 198}));
    EXPECT_EQ(chart.BeforeHeadings, (TRect{24, 8, 792, 190}));
    PaintAt(chart, 100, 100);
    EXPECT_EQ(chart.BeforeHeadings, (TRect{3, 4, 97, 96}));
}

TEST(ChartPanelLayout, BorderWidthNarrowsThePlotRectOnEverySide)
{
    TProbeChart chart;
    chart.SetBorderWidth(2);
    PaintAt(chart, 816, 198);
    EXPECT_EQ(chart.BeforeHeadings, (TRect{26, 10, 790, 188}));
}

TEST(ChartPanelLayout, OneTitleLineMovesTheTopDownByTheHeightOfWPlusFive)
{
    TProbeChart chart;
    chart.Title().SetText({"Kmity 1"});
    PaintAt(chart, 816, 198);
    const int32_t h = TitleLineHeight(chart);
    EXPECT_GT(h, 0);
    EXPECT_EQ(chart.AfterHeadings, (TRect{24, 8 + h + 5, 792, 190}));
}

TEST(ChartPanelLayout, TitleWithoutTextAndTheEmptyFootMoveNothing)
{
    TProbeChart chart;
    EXPECT_TRUE(chart.Title().Visible());
    EXPECT_TRUE(chart.Foot().Visible());
    PaintAt(chart, 816, 198);
    EXPECT_EQ(chart.AfterHeadings, (TRect{24, 8, 792, 190}));
}

TEST(ChartPanelLayout, FootLinesMoveTheBottomUp)
{
    TProbeChart chart;
    chart.Foot().SetText({"a", "b"});
    PaintAt(chart, 816, 198);
    const int32_t h = TitleLineHeight(chart);
    EXPECT_EQ(chart.AfterHeadings, (TRect{24, 8, 792, 190 - 2 * h - 5}));
    EXPECT_EQ(chart.Foot().TitleBox.Top, 190 - 2 * h);
}

TEST(ChartPanelLayout, NormalizedPlotRectRepairsInvertedAndEmptyRectangles)
{
    TProbeChart chart;
    chart.SetClientSize(300, 200);
    const TRect outer{0, 0, 300, 200};

    EXPECT_EQ(chart.NormalizedPlotRect(outer, TRect{-5, -7, 50, 40}), (TRect{0, 0, 50, 40}));

    TPaintLayout layout;
    layout.PlotRect = chart.NormalizedPlotRect(outer, TRect{60, 70, 40, 30});
    EXPECT_EQ(layout.PlotRect, (TRect{60, 70, 61, 71}));
    EXPECT_EQ(layout.PlotRect.Width(), 1);
    EXPECT_EQ(layout.PlotRect.Height(), 1);

    // An empty one gets the control's width and height.
    layout.PlotRect = chart.NormalizedPlotRect(outer, TRect{10, 20, 10, 20});
    EXPECT_EQ(layout.PlotRect, (TRect{10, 20, 310, 220}));
    EXPECT_EQ(layout.PlotRectCenterX(), 160);
    EXPECT_EQ(layout.PlotRectCenterY(), 120);
}

TEST(ChartPanelLayout, PlotRectCentreTruncatesTowardZero)
{
    TProbeChart chart;
    TPaintLayout layout;
    layout.PlotRect = chart.NormalizedPlotRect(TRect{-20, -20, 0, 0}, TRect{-7, -9, -4, -2});
    EXPECT_EQ(layout.PlotRectCenterX(), -5);
    EXPECT_EQ(layout.PlotRectCenterY(), -5);
}

TEST(ChartPanelLayout, AWindowTooSmallStillPaints)
{
    TProbeChart chart;
    chart.Title().SetText({"Kmity 1"});
    chart.Foot().SetText({"foot"});
    PaintAt(chart, 12, 10);
    EXPECT_EQ(chart.RenderCount(), 1);
    EXPECT_GT(chart.Layout().PlotRect.Width(), 0);
    EXPECT_GT(chart.Layout().PlotRect.Height(), 0);
}

// --- repaint gating and buffering -----------------------------------------------------------

TEST(ChartPanelBuffer, APaintWithNothingChangedOnlyCopiesThePicture)
{
    TProbeChart chart;
    PaintAt(chart, 816, 198);
    EXPECT_EQ(chart.RenderCount(), 1);
    const TImage first = chart.WindowImage();
    chart.Steps.clear();
    chart.HandlePaint();
    EXPECT_EQ(chart.RenderCount(), 1);
    EXPECT_TRUE(chart.Steps.empty());
    EXPECT_EQ(chart.WindowImage(), first);
}

TEST(ChartPanelBuffer, TwoRepaintRequestsBeforeThePaintGiveOneRender)
{
    TProbeChart chart;
    TChartWidget window(chart, nullptr);
    window.resize(400, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    const int64_t before = chart.RenderCount();
    EXPECT_GE(before, 1);
    chart.RequestRepaint();
    chart.RequestRepaint();
    EXPECT_EQ(chart.RenderCount(), before); // a request never draws
    QCoreApplication::processEvents();
    EXPECT_EQ(chart.RenderCount(), before + 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(chart.RenderCount(), before + 1);
}

TEST(ChartPanelBuffer, AResizeRecreatesTheBitmapAtTheNewSizeAndRedraws)
{
    TProbeChart chart;
    PaintAt(chart, 816, 198);
    ASSERT_NE(chart.Canvas().OffscreenBitmap(), nullptr);
    EXPECT_EQ(chart.Canvas().OffscreenBitmap()->Width(), 816);
    EXPECT_EQ(chart.Canvas().OffscreenBitmap()->Height(), 198);
    PaintAt(chart, 800, 198);
    EXPECT_EQ(chart.RenderCount(), 2);
    EXPECT_EQ(chart.Canvas().OffscreenBitmap()->Width(), 800);
    EXPECT_EQ(chart.Canvas().OffscreenBitmap()->Height(), 198);
    EXPECT_EQ(chart.WindowImage().Width(), 800);
    EXPECT_EQ(chart.WindowImage().Height(), 198);
    EXPECT_EQ(chart.Layout().OuterRect, (TRect{0, 0, 800, 198}));
}

TEST(ChartPanelBuffer, AnExceptionInsideThePaintLeavesThePictureStale)
{
    TProbeChart chart;
    bool fail = true;
    chart.OnAfterDraw = [&](TCustomAxisPanel*) {
        if (fail)
            throw ChartException("broken handler");
    };
    chart.SetClientSize(200, 100);
    EXPECT_THROW(chart.HandlePaint(), ChartException);
    EXPECT_TRUE(chart.Canvas().IsStale());
    fail = false;
    chart.HandlePaint();
    EXPECT_EQ(chart.RenderCount(), 2);
    EXPECT_FALSE(chart.Canvas().IsStale());
}

// --- properties --------------------------------------------------------------------------------

TEST(ChartPanelProperties, ConstructionGivesTheDocumentedDefaults)
{
    TChart chart;
    EXPECT_EQ(chart.ClientWidth(), 400);
    EXPECT_EQ(chart.ClientHeight(), 250);
    EXPECT_EQ(chart.Color(), clBtnFace);
    EXPECT_EQ(chart.BevelOuter(), bvRaised);
    EXPECT_EQ(chart.BevelInner(), bvNone);
    EXPECT_EQ(chart.BevelWidth(), 1);
    EXPECT_EQ(chart.MarginLeft(), 3);
    EXPECT_EQ(chart.MarginTop(), 4);
    EXPECT_EQ(chart.MarginRight(), 3);
    EXPECT_EQ(chart.MarginBottom(), 4);
    EXPECT_TRUE(chart.View3D());
    EXPECT_EQ(chart.Chart3DPercent(), 15);
    EXPECT_TRUE(chart.RepaintEnabled);
    EXPECT_EQ(chart.Title().Font().Name(), "Arial");
    EXPECT_EQ(chart.Title().Font().Size(), 8);
    EXPECT_EQ(chart.Title().Font().Color(), clBlue);
    EXPECT_EQ(chart.Title().Color(), clDefault);
    EXPECT_EQ(chart.Title().Brush().Color(), clDefault);
    EXPECT_EQ(chart.Title().Brush().Style(), bsSolid);
    EXPECT_FALSE(chart.Title().Frame().Visible());
    EXPECT_EQ(chart.BackWall().Brush().Style(), bsClear);
    EXPECT_EQ(chart.BackColor(), clDefault);
    EXPECT_EQ(chart.LeftWall().Color(), 0x80FFFF);
    EXPECT_EQ(chart.BottomWall().Color(), clWhite);
    EXPECT_EQ(&chart.Frame(), &chart.BackWall().Pen());
    EXPECT_TRUE(chart.Legend().Visible());
    EXPECT_EQ(chart.Axes().size(), 5u);
    EXPECT_EQ(chart.Axes()[0], &chart.BottomAxis());
    EXPECT_EQ(chart.Axes()[2], &chart.LeftAxis());
    EXPECT_EQ(chart.Axes()[4], &chart.DepthAxis());
    EXPECT_TRUE(chart.Canvas().UseOffscreenBuffer());
}

TEST(ChartPanelProperties, SettingTheValueAlreadyThereRequestsNoRepaint)
{
    TChart chart;
    PaintAt(chart, 200, 100);
    ASSERT_FALSE(chart.Canvas().IsStale());
    chart.SetColor(clBtnFace);
    chart.SetMarginLeft(3);
    chart.SetBevelOuter(bvRaised);
    chart.SetView3D(true);
    chart.SetChart3DPercent(15);
    chart.SetAxisVisible(true);
    chart.SetClipPoints(true);
    chart.Title().SetVisible(true);
    chart.Title().SetText({});
    chart.Title().Font().SetColor(clBlue);
    chart.Title().Brush().SetStyle(bsSolid);
    chart.Foot().SetAlignment(taCenter);
    chart.BackWall().SetColor(clDefault);
    chart.BackWall().Pen().SetColor(clBlack);
    chart.Legend().SetVisible(true);
    chart.Gradient().SetVisible(false);
    chart.View3DOptions().SetZoom(100);
    EXPECT_FALSE(chart.Canvas().IsStale());
}

TEST(ChartPanelProperties, EveryRealChangeRequestsARepaint)
{
    TChart chart;
    chart.SetClientSize(200, 100);
    const std::vector<std::function<void()>> changes = {
        [&] { chart.SetColor(clWhite); },
        [&] { chart.SetMarginLeft(5); },
        [&] { chart.SetBorderWidth(1); },
        [&] { chart.SetView3D(false); },
        [&] { chart.SetChart3DPercent(20); },
        [&] { chart.SetAxisVisible(false); },
        [&] { chart.Title().SetText({"Kmity 1"}); },
        [&] { chart.Title().SetAlignment(taLeftJustify); },
        [&] { chart.Title().Font().SetSize(9); },
        [&] { chart.Title().Frame().SetVisible(true); },
        [&] { chart.Foot().SetVisible(false); },
        [&] { chart.BackWall().Brush().SetColor(clRed); },
        [&] { chart.LeftWall().SetSize(3); },
        [&] { chart.Legend().SetVisible(false); },
        [&] { chart.Gradient().SetVisible(true); },
        [&] { chart.View3DOptions().SetRotation(10); },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        chart.HandlePaint();
        ASSERT_FALSE(chart.Canvas().IsStale()) << i;
        changes[i]();
        EXPECT_TRUE(chart.Canvas().IsStale()) << i;
    }
}

TEST(ChartPanelProperties, Chart3DPercentOutsideOneToHundredIsRefused)
{
    TChart chart;
    for (int bad : {0, 101, -5}) {
        EXPECT_THROW_MESSAGE(chart.SetChart3DPercent(bad), ChartException,
                             "3D effect percent must be between 1 and 100");
    }
    EXPECT_EQ(chart.Chart3DPercent(), 15);
    chart.SetChart3DPercent(1);
    chart.SetChart3DPercent(100);
    EXPECT_EQ(chart.Chart3DPercent(), 100);
}

TEST(ChartPanelProperties, BackColorAtRunTimeMakesTheBackWallSolid)
{
    TChart loose;
    loose.SetBackColor(clRed);
    EXPECT_EQ(loose.BackWall().Color(), clRed);
    EXPECT_EQ(loose.BackWall().Brush().Style(), bsClear); // no parent yet

    TChart placed;
    TChartWidget window(placed, nullptr);
    placed.SetBackColor(clRed);
    EXPECT_EQ(placed.BackColor(), clRed);
    EXPECT_EQ(placed.BackWall().Brush().Style(), bsSolid);
}

TEST(ChartPanelProperties, WallSizeCountsOnlyIn3DWithWalls)
{
    TChart chart;
    chart.LeftWall().SetSize(4);
    chart.BottomWall().SetSize(6);
    EXPECT_EQ(chart.WallSizeForAxis(&chart.LeftAxis()), 4);
    EXPECT_EQ(chart.WallSizeForAxis(&chart.BottomAxis()), 6);
    EXPECT_EQ(chart.WallSizeForAxis(&chart.TopAxis()), 0);
    chart.SetView3D(false);
    EXPECT_EQ(chart.WallSizeForAxis(&chart.LeftAxis()), 0);
}

// --- series and axes --------------------------------------------------------------------------

TEST(ChartPanelSeries, FreeColourSkipsUsedColoursAndThePanelAndBackColours)
{
    TChart chart;
    EXPECT_EQ(chart.FreeSeriesColor(), clRed);
    chart.SetColor(clRed);
    chart.SetBackColor(clGreen);
    EXPECT_EQ(chart.FreeSeriesColor(), clYellow);
    auto* series = new TChartSeries;
    series->SetSeriesColor(clYellow);
    chart.AddSeries(series);
    EXPECT_EQ(chart.SeriesList().Count(), 1);
    EXPECT_EQ(chart.FreeSeriesColor(), clBlue);
}

TEST(ChartPanelSeries, FreeColourFallsBackToRedWhenAllSixteenAreTaken)
{
    TChart chart;
    for (int i = 0; i < 16; ++i) {
        auto* series = new TChartSeries;
        series->SetSeriesColor(PaletteColor(i));
        chart.AddSeries(series);
    }
    EXPECT_EQ(chart.FreeSeriesColor(), clRed);
}

TEST(ChartPanelSeries, AddingTwiceKeepsOneEntryAndRemovingDetaches)
{
    TChart chart;
    auto* series = new TChartSeries;
    series->SetSeriesColor(clRed);
    chart.AddSeries(series);
    chart.AddSeries(series);
    EXPECT_EQ(chart.SeriesList().Count(), 1);
    EXPECT_EQ(series->ParentChart(), &chart);
    chart.RemoveSeries(series);
    EXPECT_EQ(chart.SeriesList().Count(), 0);
    EXPECT_EQ(series->ParentChart(), nullptr);
    delete series;
}

TEST(ChartPanelAxes, WithoutSeriesEveryPlaneAxisIsShownAndTheDepthAxisNot)
{
    TChart chart;
    chart.SetView3D(false);
    EXPECT_TRUE(chart.IsAxisShown(&chart.BottomAxis()));
    EXPECT_TRUE(chart.IsAxisShown(&chart.TopAxis()));
    EXPECT_TRUE(chart.IsAxisShown(&chart.LeftAxis()));
    EXPECT_TRUE(chart.IsAxisShown(&chart.RightAxis()));
    EXPECT_FALSE(chart.IsAxisShown(&chart.DepthAxis()));
    chart.SetAxisVisible(false);
    EXPECT_FALSE(chart.IsAxisShown(&chart.BottomAxis()));
}

TEST(ChartPanelAxes, ASeriesShowsOnlyTheAxesItUses)
{
    TChart chart;
    chart.SetView3D(false);
    std::vector<std::string> steps;
    chart.AddSeries(new TBoxSeries(&steps));
    EXPECT_TRUE(chart.IsAxisShown(&chart.BottomAxis()));
    EXPECT_TRUE(chart.IsAxisShown(&chart.LeftAxis()));
    EXPECT_FALSE(chart.IsAxisShown(&chart.TopAxis()));
    EXPECT_FALSE(chart.IsAxisShown(&chart.RightAxis()));
    chart.LeftAxis().SetVisible(false);
    EXPECT_FALSE(chart.IsAxisShown(&chart.LeftAxis()));
    // An inactive series counts as none.
    chart.SeriesList().At(0)->SetActive(false);
    EXPECT_TRUE(chart.IsAxisShown(&chart.TopAxis()));
}
