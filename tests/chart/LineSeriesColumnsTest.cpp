// The line series drawn by pixel columns against the same series drawn
// point by point: the pictures must agree bit for bit, at every device-pixel
// ratio. Also the statistics kept current by appends against a full pass,
// the shown range found by halving against the linear scan, and the storage
// of colours and labels.
#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "tests/support/WindowSizeChart.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <vector>

namespace {

struct TPoints {
    std::vector<double> X;
    std::vector<double> Y;
    void Add(double x, double y)
    {
        X.push_back(x);
        Y.push_back(y);
    }
};

// One chart of the window with its series, drawn point by point (plain) or
// by pixel columns where it can.
struct TWindowChart : TWindowSizeChart {
    explicit TWindowChart(bool plain) { Series->ForcePlainDrawing = plain; }
    void Append(const TPoints& p)
    {
        for (std::size_t i = 0; i < p.X.size(); ++i)
            Series->AddPoint(p.X[i], p.Y[i], "", clDefault);
    }
    QImage Render() { return RenderedPicture(); }
};

// Renders the same data and settings through both drawings; returns how
// many pixels differ and whether the column drawing was used.
struct TComparison {
    int DifferentPixels = 0;
    bool ByColumns = false;
};

int CountDifferences(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        n += std::memcmp(a.constScanLine(y), b.constScanLine(y), static_cast<std::size_t>(a.bytesPerLine())) != 0;
    return n;
}

TComparison CompareDrawings(const TPoints& points, const std::function<void(TWindowChart&)>& setUp = {})
{
    TWindowChart plain(true);
    TWindowChart columns(false);
    for (TWindowChart* c : {&plain, &columns}) {
        if (setUp)
            setUp(*c);
        c->Append(points);
    }
    TComparison result;
    result.DifferentPixels = CountDifferences(plain.Render(), columns.Render());
    result.ByColumns = columns.Series->CanDrawByColumns();
    return result;
}

TPoints Sine(int count, double amplitude = 10)
{
    TPoints p;
    double x = 0;
    for (int i = 0; i < count; ++i) {
        p.Add(x, amplitude * std::sin(x));
        x = x + 0.1;
    }
    return p;
}

TPoints Random(int count, unsigned seed, double lo, double hi)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> y(lo, hi);
    std::uniform_real_distribution<double> dx(0, 0.02);
    TPoints p;
    double x = 0;
    for (int i = 0; i < count; ++i) {
        p.Add(x, y(rng));
        x += dx(rng);
    }
    return p;
}

// The device-pixel ratios of screens the chart is drawn for, pictures of
// more device pixels than logical ones; below 1 the columns are drawn point
// by point.
const double Ratios[] = {1, 1.25, 1.5, 1.75, 2, 3, 0.75};

std::function<void(TWindowChart&)> AtRatio(double ratio)
{
    return [ratio](TWindowChart& c) { c.Chart->ForcePictureRatio(ratio); };
}

void ExpectSamePicture(const TComparison& c)
{
    EXPECT_TRUE(c.ByColumns);
    EXPECT_EQ(c.DifferentPixels, 0);
}

} // namespace

TEST(LineSeriesColumns, SineOfManyPointsDrawsTheSamePixels)
{
    // The window's sum of two oscillations after t = 600 on an axis held at
    // 0..600, a few more points than pixel columns.
    TPoints sum;
    for (int i = 0; i <= 6000; ++i)
        sum.Add(i * 0.1, 5 * std::sin(i * 0.1) + 3 * std::sin(i * 0.23 + 1));
    for (double ratio : Ratios) {
        SCOPED_TRACE(ratio);
        ExpectSamePicture(CompareDrawings(Sine(20000), AtRatio(ratio)));
        ExpectSamePicture(CompareDrawings(Sine(1500), AtRatio(ratio)));
        ExpectSamePicture(CompareDrawings(sum, [ratio](TWindowChart& c) {
            c.Chart->ForcePictureRatio(ratio);
            c.Chart->BottomAxis().SetLimits(0, 600);
        }));
    }
}

TEST(LineSeriesColumns, RandomDataDrawsTheSamePixels)
{
    for (double ratio : Ratios) {
        SCOPED_TRACE(ratio);
        ExpectSamePicture(CompareDrawings(Random(30000, 7, -10, 10), AtRatio(ratio)));
        ExpectSamePicture(CompareDrawings(Random(3000, 11, -3, 9), AtRatio(ratio)));
    }
}

TEST(LineSeriesColumns, SteepAndFlatDataDrawTheSamePixels)
{
    TPoints steep;
    TPoints flat;
    TPoints steps;
    for (int i = 0; i < 20000; ++i) {
        steep.Add(i * 0.01, i % 2 == 0 ? -9.9 : 9.9);
        flat.Add(i * 0.01, 2.5);
        // Runs of equal heights, so columns end on repeats of their last one.
        steps.Add(i * 0.01, ((i / 37) % 5) * 2.0 - 4);
    }
    ExpectSamePicture(CompareDrawings(steep));
    ExpectSamePicture(CompareDrawings(flat));
    ExpectSamePicture(CompareDrawings(steps));
}

TEST(LineSeriesColumns, ZoomedAxesWithTheEdgeLineDrawTheSamePixels)
{
    const TPoints points = Random(40000, 3, -10, 10);
    ExpectSamePicture(CompareDrawings(points, [](TWindowChart& c) {
        c.Chart->BottomAxis().SetLimits(200.5, 260.25);
        c.Chart->LeftAxis().SetLimits(-2, 3);
    }));
}

TEST(LineSeriesColumns, PointsBeyondThePixelGuardAndNonNumbersDrawTheSamePixels)
{
    TPoints p = Sine(20000);
    for (std::size_t i = 0; i < p.Y.size(); i += 97)
        p.Y[i] = i % 2 ? 1e7 : -3e9;
    p.Y[5000] = std::numeric_limits<double>::quiet_NaN();
    p.Y[7001] = std::numeric_limits<double>::infinity();
    p.Y[9002] = 1e300;
    ExpectSamePicture(CompareDrawings(p));

    // A vertical axis so wide that the values of its far positions overflow:
    // an infinity must still not count as a value that maps by the formula.
    TPoints wide = Random(200000, 13, -1e305, 1e305);
    for (std::size_t i = 0; i < wide.Y.size(); i += 50)
        wide.Y[i] = std::numeric_limits<double>::infinity();
    ExpectSamePicture(CompareDrawings(wide, [](TWindowChart& c) { c.Chart->LeftAxis().SetLimits(-1e305, 1e305); }));
}

// A column that ends on repeats of a new highest point paints that point
// only through a later stroke; here no later point passes the guard.
TEST(LineSeriesColumns, AColumnEndingOnRepeatsWithNothingDrawnAfterDrawsTheSamePixels)
{
    TPoints p;
    for (int i = 0; i < 2000; ++i)
        p.Add(i * 0.001, 5 * std::sin(i * 0.7));
    for (int i = 0; i < 10; ++i)
        p.Add(2.0, i - 5.0);
    for (int i = 0; i < 20; ++i)
        p.Add(2.0, 9);
    for (int i = 0; i < 50; ++i)
        p.Add(2.5 + i * 0.25, 1e6); // far beyond the guard, not at the centre
    ExpectSamePicture(CompareDrawings(p, [](TWindowChart& c) { c.Chart->BottomAxis().SetLimits(0, 10); }));
}

TEST(LineSeriesColumns, InvertedAxesDrawTheSamePixels)
{
    const TPoints points = Random(20000, 5, -10, 10);
    ExpectSamePicture(CompareDrawings(points, [](TWindowChart& c) { c.Chart->BottomAxis().SetInverted(true); }));
    ExpectSamePicture(CompareDrawings(points, [](TWindowChart& c) {
        c.Chart->LeftAxis().SetInverted(true);
        c.Chart->BottomAxis().SetInverted(true);
        c.Chart->BottomAxis().SetLimits(100, 150);
    }));
}

TEST(LineSeriesColumns, EqualXValuesDrawTheSamePixels)
{
    TPoints p;
    std::mt19937 rng(9);
    std::uniform_real_distribution<double> y(-10, 10);
    for (int i = 0; i < 20000; ++i)
        p.Add(std::floor(i / 300.0), y(rng));
    ExpectSamePicture(CompareDrawings(p));
}

TEST(LineSeriesColumns, ShortSeriesDrawTheSamePixels)
{
    for (int n = 1; n <= 5; ++n) {
        TPoints p;
        for (int i = 0; i < n; ++i)
            p.Add(i, i % 2 ? 4 : -3);
        EXPECT_EQ(CompareDrawings(p).DifferentPixels, 0) << n << " points";
    }
}

TEST(LineSeriesColumns, AppendsBetweenPaintsAndARefillDrawTheSamePixels)
{
    TWindowChart plain(true);
    TWindowChart columns(false);
    const TPoints first = Sine(5000);
    const TPoints more = Random(20000, 13, -10, 10);
    TPoints later;
    for (std::size_t i = 0; i < more.X.size(); ++i)
        later.Add(first.X.back() + 0.05 + more.X[i], more.Y[i]);
    for (TWindowChart* c : {&plain, &columns})
        c->Append(first);
    EXPECT_EQ(CountDifferences(plain.Render(), columns.Render()), 0);
    for (TWindowChart* c : {&plain, &columns})
        c->Append(later);
    EXPECT_EQ(CountDifferences(plain.Render(), columns.Render()), 0);
    for (TWindowChart* c : {&plain, &columns}) {
        c->Series->ClearPoints();
        c->Append(Random(8000, 17, -6, 6));
    }
    EXPECT_EQ(CountDifferences(plain.Render(), columns.Render()), 0);
    EXPECT_TRUE(columns.Series->CanDrawByColumns());
}

TEST(LineSeriesColumns, InsertionAmongEarlierPointsDrawsTheSamePixels)
{
    TWindowChart plain(true);
    TWindowChart columns(false);
    for (TWindowChart* c : {&plain, &columns})
        c->Append(Sine(10000));
    EXPECT_EQ(CountDifferences(plain.Render(), columns.Render()), 0);
    // Lands at index 31 and moves every later point up by one.
    for (TWindowChart* c : {&plain, &columns})
        c->Series->AddPoint(3.05, 9.5, "", clDefault);
    EXPECT_EQ(CountDifferences(plain.Render(), columns.Render()), 0);
    EXPECT_TRUE(columns.Series->CanDrawByColumns());
}

TEST(LineSeriesColumns, ValuesStoredOutOfOrderUseThePlainDrawing)
{
    TWindowChart plain(true);
    TWindowChart columns(false);
    for (TWindowChart* c : {&plain, &columns}) {
        c->Append(Sine(5000));
        c->Series->XValues->SetOrder(loNone);
        c->Series->AddPoint(400, 0, "", clDefault); // after x = 499.9
        c->Series->XValues->SetOrder(loAscending);
    }
    EXPECT_EQ(CountDifferences(plain.Render(), columns.Render()), 0);
    EXPECT_FALSE(columns.Series->CanDrawByColumns());
}

TEST(LineSeriesColumns, SettingsThatDrawDifferentlyUseThePlainDrawing)
{
    TWindowChart c(false);
    c.Append(Sine(100));
    c.Render();
    EXPECT_TRUE(c.Series->CanDrawByColumns());
    c.Series->LinePen().SetWidth(2);
    EXPECT_FALSE(c.Series->CanDrawByColumns());
    c.Series->LinePen().SetWidth(1);
    c.Series->SetStairs(true);
    EXPECT_FALSE(c.Series->CanDrawByColumns());
    c.Series->SetStairs(false);
    c.Series->Pointer().SetVisible(true);
    EXPECT_FALSE(c.Series->CanDrawByColumns());
    c.Series->Pointer().SetVisible(false);
    c.Series->AddPoint(100, 1, "", clBlue);
    EXPECT_FALSE(c.Series->CanDrawByColumns());
    c.Series->SetColorEachPoint(false); // forgets the colour again
    EXPECT_TRUE(c.Series->CanDrawByColumns());
    c.Chart->SetView3D(true);
    EXPECT_FALSE(c.Series->CanDrawByColumns());
}

// --- statistics ------------------------------------------------------------------------

namespace {
struct TStatistics {
    double Lowest, Highest, Sum, MagnitudeSum;
};
TStatistics StatisticsOf(TChartValueList& list)
{
    return {list.LowestValue(), list.HighestValue(), list.ValueSum(), list.MagnitudeSum()};
}
void ExpectBitEqual(const TStatistics& a, const TStatistics& b)
{
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << a.Sum << " " << b.Sum;
}
} // namespace

TEST(ValueListAppendedStatistics, EqualAFullPassBitForBit)
{
    std::mt19937 rng(21);
    std::uniform_real_distribution<double> v(-1e3, 1e3);
    TChartValueList kept(nullptr, "Y");
    std::vector<double> all;
    for (int round = 0; round < 50; ++round) {
        for (int i = 0; i < 97; ++i) {
            all.push_back(v(rng) * (i % 3 == 0 ? 1e-7 : 1));
            kept.InsertValueAt(kept.ValueCount(), all.back());
        }
        if (round > 0) {
            EXPECT_FALSE(kept.StatsStale); // kept current by the appends
        }
        TChartValueList fresh(nullptr, "Y");
        for (double d : all)
            fresh.InsertValueAt(fresh.ValueCount(), d);
        ExpectBitEqual(StatisticsOf(kept), StatisticsOf(fresh));
    }
}

TEST(ValueListAppendedStatistics, InsertionElsewhereAndMultiplierMarkThemStale)
{
    TChartValueList list(nullptr, "X");
    list.SetOrder(loAscending);
    for (double d : {1.0, 2.0, 3.0})
        list.InsertOrdered(d);
    EXPECT_EQ(list.ValueSum(), 6);
    list.InsertOrdered(4);
    EXPECT_FALSE(list.StatsStale);
    EXPECT_EQ(list.ValueSum(), 10);
    list.InsertOrdered(0.5);
    EXPECT_TRUE(list.StatsStale);
    EXPECT_EQ(list.LowestValue(), 0.5);
    list.SetMultiplier(3);
    EXPECT_TRUE(list.StatsStale);
    EXPECT_EQ(list.HighestValue(), 12);
    list.EmptyValues();
    list.InsertOrdered(-7);
    EXPECT_EQ(list.LowestValue(), -21);
    EXPECT_EQ(list.MagnitudeSum(), 21);
}

// --- shown range ----------------------------------------------------------------------

namespace {
// The shown range by the linear scans, from the definition.
std::pair<int32_t, int32_t> ScannedRange(TChartSeries& s, double low, double high)
{
    const int32_t last = s.PointCount() - 1;
    int32_t first = 0;
    while (s.XAt(first) < low)
        if (++first > last)
            return {-1, -1};
    if (s.XAt(last) <= high)
        return {first, last};
    int32_t end = first;
    while (s.XAt(end) < high)
        if (++end > last)
            return {first, last};
    return {first, end};
}
} // namespace

TEST(LineSeriesShownRangeSearch, FindsWhatTheLinearScanFinds)
{
    TWindowChart c(false);
    TPoints p;
    for (int i = 0; i < 3000; ++i)
        p.Add(std::floor(i / 3.0) * 0.25, 0); // runs of equal X
    c.Append(p);
    c.Render();
    TCustomChartAxis& axis = c.Chart->BottomAxis();
    for (double from : {-5.0, 0.0, 0.1, 0.25, 30.0, 100.125, 249.75, 250.0, 400.0}) {
        for (double width : {0.01, 1.0, 37.5, 500.0}) {
            axis.SetLimits(from, from + width);
            c.Render();
            const TRect& r = c.Chart->Layout().PlotRect;
            const auto expected = ScannedRange(*c.Series, axis.PositionToValue(r.Left), axis.PositionToValue(r.Right));
            EXPECT_EQ(c.Series->FirstShownIndex, expected.first) << from << " " << width;
            EXPECT_EQ(c.Series->LastShownIndex, expected.second) << from << " " << width;
        }
    }
}

// --- block extremes --------------------------------------------------------------------

TEST(ValueSummary, RangesAndSearchesAgreeWithAPlainWalk)
{
    std::mt19937 rng(4);
    std::uniform_real_distribution<double> v(-100, 100);
    std::vector<double> values(70000);
    for (double& d : values)
        d = std::round(v(rng));
    values[12345] = std::numeric_limits<double>::quiet_NaN();
    TValueSummary summary;
    summary.Update(values);
    std::uniform_int_distribution<int64_t> index(0, static_cast<int64_t>(values.size()) - 1);
    for (int k = 0; k < 300; ++k) {
        int64_t a = index(rng);
        int64_t b = index(rng);
        if (a > b)
            std::swap(a, b);
        TValueSummary::TExtremes walked;
        for (int64_t i = a; i <= b; ++i)
            walked.Add(values[static_cast<std::size_t>(i)]);
        const TValueSummary::TExtremes found = summary.Range(values, a, b);
        EXPECT_EQ(found.Lowest, walked.Lowest);
        EXPECT_EQ(found.Highest, walked.Highest);
        EXPECT_EQ(found.HasNaN, walked.HasNaN);

        const double bandLo = std::round(v(rng));
        const double bandHi = bandLo + 150;
        auto inside = [&](double d) { return d >= bandLo && d <= bandHi; };
        int64_t expected = a - 1;
        for (int64_t i = b; i >= a; --i)
            if (!inside(values[static_cast<std::size_t>(i)])) {
                expected = i;
                break;
            }
        const int64_t last = summary.FindLastOutside(
            values, a, b,
            [&](const TValueSummary::TExtremes& e) { return !e.HasNaN && inside(e.Lowest) && inside(e.Highest); },
            inside);
        EXPECT_EQ(last, expected);
    }
}

TEST(ValueSummary, FollowsAppendsAndInsertions)
{
    TChartValueList list(nullptr, "Y");
    for (int i = 0; i < 5000; ++i)
        list.InsertValueAt(i, i % 100);
    EXPECT_EQ(list.Summary().Range(list.StoredValues(), 0, 4999).Highest, 99);
    list.InsertValueAt(2000, 500);
    for (int i = 0; i < 300; ++i)
        list.InsertValueAt(list.ValueCount(), -1);
    const TValueSummary& s = list.Summary();
    EXPECT_EQ(s.Range(list.StoredValues(), 0, 1999).Highest, 99);
    EXPECT_EQ(s.Range(list.StoredValues(), 1990, 2010).Highest, 500);
    EXPECT_EQ(s.Range(list.StoredValues(), 0, list.ValueCount() - 1).Lowest, -1);
    list.EmptyValues();
    EXPECT_EQ(list.Summary().CapacityBytes(), 0);
}

// --- colours and labels stored only when a point has one ------------------------------------

TEST(ChartSeriesPointStorage, AColourOrLabelInTheMiddleKeepsEveryIndex)
{
    TChartSeries s;
    s.SetSeriesColor(clRed);
    for (int i = 0; i < 10; ++i)
        s.AddPoint(i, i, "", clDefault);
    EXPECT_FALSE(s.HasPointColors());
    EXPECT_EQ(s.PointColorCount(), 10);
    EXPECT_EQ(s.PointLabelCount(), 10);
    EXPECT_EQ(s.AddPoint(4.5, 0, "mid", clBlue), 5);
    EXPECT_TRUE(s.HasPointColors());
    EXPECT_EQ(s.PointColor(5), clBlue);
    EXPECT_EQ(s.PointColor(4), clRed);
    EXPECT_EQ(s.PointColor(6), clRed);
    EXPECT_EQ(s.LabelAt(5), "mid");
    EXPECT_FALSE(s.HasLabelAt(6));
    EXPECT_EQ(s.PointLabelCount(), 11);
    s.SetColorEachPoint(true);
    EXPECT_EQ(s.PointColor(3), PaletteColor(3));
    EXPECT_EQ(s.PointColor(5), clBlue);
    EXPECT_THROW(s.PointColor(-1), EListError);
    s.ClearPoints();
    EXPECT_FALSE(s.HasPointColors());
    EXPECT_EQ(s.PointColorCount(), 0);
}

TEST(ChartSeriesPointStorage, ColourEachPointWithoutStoredColoursUsesThePalette)
{
    TChartSeries s;
    for (int i = 0; i < 3; ++i)
        s.AddPoint(i, i, "", clDefault);
    s.SetColorEachPoint(true);
    EXPECT_EQ(s.PointColor(2), PaletteColor(2));
    EXPECT_EQ(s.PointColor(3), s.SeriesColor()); // beyond the colour list
}
