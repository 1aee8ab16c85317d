#include "chart/LineSeries.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A line series whose points sit at given pixels, so the hit test needs
// no axes.
class PixelSeries : public TLineSeries {
public:
    explicit PixelSeries(std::vector<TPoint> pixels) : Pixels(std::move(pixels))
    {
        for (std::size_t i = 0; i < Pixels.size(); ++i)
            AddPoint(static_cast<double>(i), 0, "", clDefault);
        FirstShownIndex = 0;
        LastShownIndex = static_cast<int32_t>(Pixels.size()) - 1;
    }
    int32_t PointPixelX(int32_t i) const override { return Pixels[static_cast<std::size_t>(i)].X; }
    int32_t PointPixelY(int32_t i) const override { return Pixels[static_cast<std::size_t>(i)].Y; }

private:
    std::vector<TPoint> Pixels;
};

} // namespace

TEST(LineSeriesPixelOnSegment, WithinOnePixelAndBetweenTheEnds)
{
    EXPECT_TRUE(PixelOnSegment({5, 0}, {0, 0}, {10, 0}));
    EXPECT_TRUE(PixelOnSegment({10, 0}, {0, 0}, {10, 0}));
    EXPECT_FALSE(PixelOnSegment({11, 0}, {0, 0}, {10, 0}));
    EXPECT_FALSE(PixelOnSegment({5, 1}, {0, 0}, {10, 0}));
    EXPECT_TRUE(PixelOnSegment({5, 2}, {0, 0}, {10, 5})); // exactly on the line
    EXPECT_TRUE(PixelOnSegment({5, 3}, {0, 0}, {10, 5})); // off by half a pixel
    EXPECT_FALSE(PixelOnSegment({5, 4}, {0, 0}, {10, 5})); // off by one and a half
    EXPECT_FALSE(PixelOnSegment({3, 3}, {3, 3}, {3, 3})); // coinciding ends
}

TEST(LineSeriesPointAtPixel, PointSegmentAndMiss)
{
    PixelSeries s({{10, 10}, {30, 10}, {30, 40}});
    EXPECT_EQ(s.PointAtPixel(30, 10), 1);
    EXPECT_EQ(s.PointAtPixel(20, 10), 0);
    EXPECT_EQ(s.PointAtPixel(30, 25), 1);
    EXPECT_EQ(s.PointAtPixel(20, 12), -1);
    EXPECT_EQ(s.PointAtPixel(5, 10), -1);
}

TEST(LineSeriesPointAtPixel, NothingShownFindsNothing)
{
    PixelSeries s({{10, 10}, {30, 10}});
    s.FirstShownIndex = -1;
    EXPECT_EQ(s.PointAtPixel(10, 10), -1);
}

// Between a clear and the next paint the shown range still names points
// that no longer exist; the hit test must not walk it.
TEST(LineSeriesPointAtPixel, RangeOfAPaintBeforeAClearFindsNothing)
{
    PixelSeries s({{10, 10}, {30, 10}});
    s.ClearPoints();
    ASSERT_EQ(s.LastShownIndex, 1);
    EXPECT_EQ(s.PointAtPixel(10, 10), -1);
    EXPECT_EQ(s.PointAtPixel(20, 10), -1);
}

TEST(LineSeriesPointAtPixel, StairsFollowTheirStrokes)
{
    PixelSeries s({{10, 10}, {30, 40}});
    s.SetStairs(true);
    EXPECT_EQ(s.PointAtPixel(20, 10), 0); // across first
    EXPECT_EQ(s.PointAtPixel(30, 25), 0); // then down
    EXPECT_EQ(s.PointAtPixel(20, 25), -1); // not on the diagonal
    s.SetInvertedStairs(true);
    EXPECT_EQ(s.PointAtPixel(10, 25), 0);
    EXPECT_EQ(s.PointAtPixel(20, 40), 0);
    EXPECT_EQ(s.PointAtPixel(20, 10), -1);
}

TEST(LineSeriesPointAtPixel, VisibleMarkerIsHitNearItsPoint)
{
    PixelSeries s({{10, 10}, {40, 40}});
    s.Pointer().SetVisible(true);
    int32_t clicked = -1;
    s.OnClickPointer = [&](TCustomSeries*, int32_t index, int32_t, int32_t) { clicked = index; };
    EXPECT_EQ(s.PointAtPixel(43, 37), 1);
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(s.PointAtPixel(44, 40), -1); // |dx| must stay below HorizSize
}
