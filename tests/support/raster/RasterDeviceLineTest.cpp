#include "support/raster/RasterDevice.h"

#include "tests/support/raster/RasterDeviceTestImage.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TImage DrawLine(int size, TPoint a, TPoint b)
{
    TImage image = BlankImage(size, size);
    TRasterDevice device(&image);
    device.MoveTo(a.X, a.Y);
    device.LineTo(b.X, b.Y);
    return image;
}

} // namespace

TEST(RasterDeviceLine, PaintsStartAndNotEndInAllEightDirections)
{
    const TPoint centre{5, 5};
    const TPoint directions[] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
    for (const TPoint d : directions) {
        const TPoint end{centre.X + 3 * d.X, centre.Y + 3 * d.Y};
        const TImage image = DrawLine(11, centre, end);
        SCOPED_TRACE(testing::Message() << "direction " << d.X << "," << d.Y);
        EXPECT_EQ(InkCount(image), 3);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(FromPixel(image.Pixel(centre.X + k * d.X, centre.Y + k * d.Y)), clBlack);
        EXPECT_EQ(FromPixel(image.Pixel(end.X, end.Y)), clWhite);
    }
}

// A solid line along a row or a column is painted as a rectangle at once;
// its pixels are those the walk paints, which a dashed pen's first dash,
// longer than the line, shows: at every ratio, in all four directions and
// through the clip.
TEST(RasterDeviceLine, SolidStraightLinesPaintTheWalksPixelsAtEveryRatio)
{
    const TPoint lines[][2] = {
        {{2, 4}, {7, 4}}, {{7, 5}, {2, 5}}, {{3, 1}, {3, 8}}, {{5, 8}, {5, 1}}, {{1, 2}, {9, 2}}};
    for (double ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
        SCOPED_TRACE(ratio);
        TImage solid = BlankImage(30, 30);
        TImage dashed = BlankImage(30, 30);
        for (TImage* image : {&solid, &dashed}) {
            image->SetDevicePixelRatio(ratio);
            TRasterDevice device(image);
            device.Pen.Style = image == &solid ? TDevicePenStyle::Solid : TDevicePenStyle::Dash;
            device.IntersectClip(TRect{0, 0, 8, 9});
            for (const auto& line : lines) {
                device.MoveTo(line[0].X, line[0].Y);
                device.LineTo(line[1].X, line[1].Y);
            }
        }
        EXPECT_GT(InkCount(solid), 20);
        EXPECT_EQ(InkMap(solid), InkMap(dashed));
    }
}

TEST(RasterDeviceLine, HalfwayPixelsGoToTheSmallerCoordinate)
{
    EXPECT_EQ(InkMap(DrawLine(5, {0, 0}, {4, 2})), "##...\n"
                                                   "..##.\n"
                                                   ".....\n"
                                                   ".....\n"
                                                   ".....\n");
    EXPECT_EQ(InkMap(DrawLine(5, {4, 2}, {0, 0})), ".#...\n"
                                                   "..##.\n"
                                                   "....#\n"
                                                   ".....\n"
                                                   ".....\n");
}

// Every pair of end points in a 7 x 7 grid: one pixel per step of the major
// axis, each within half a pixel of the exact line, and drawing B->A paints
// the pixels of A->B with the end points exchanged.
TEST(RasterDeviceLine, MidpointPixelsAreTheSameInBothDirections)
{
    const int n = 7;
    for (int a = 0; a < n * n; ++a) {
        for (int b = 0; b < n * n; ++b) {
            const TPoint pa{a % n, a / n};
            const TPoint pb{b % n, b / n};
            TImage forward = DrawLine(n, pa, pb);
            TImage backward = DrawLine(n, pb, pa);
            const int steps = std::max(std::abs(pb.X - pa.X), std::abs(pb.Y - pa.Y));
            ASSERT_EQ(InkCount(forward), steps);
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < n; ++x) {
                    if (FromPixel(forward.Pixel(x, y)) != clBlack)
                        continue;
                    const bool xMajor = std::abs(pb.X - pa.X) >= std::abs(pb.Y - pa.Y);
                    const double t = xMajor ? double(x - pa.X) / (pb.X - pa.X) : double(y - pa.Y) / (pb.Y - pa.Y);
                    const double exactMinor = xMajor ? pa.Y + t * (pb.Y - pa.Y) : pa.X + t * (pb.X - pa.X);
                    ASSERT_LE(std::abs((xMajor ? y : x) - exactMinor), 0.5);
                }
            forward.SetPixel(pb.X, pb.Y, ToPixel(clBlack));
            backward.SetPixel(pa.X, pa.Y, ToPixel(clBlack));
            ASSERT_EQ(forward, backward) << pa.X << "," << pa.Y << " -> " << pb.X << "," << pb.Y;
        }
    }
}

TEST(RasterDeviceLine, LineToMovesTheCurrentPositionAndPolylineLeavesItsLastPoint)
{
    TImage chain = BlankImage(6, 5);
    TRasterDevice device(&chain);
    device.MoveTo(0, 0);
    device.LineTo(4, 0);
    device.LineTo(4, 3);
    EXPECT_EQ(device.CurrentPosition(), (TPoint{4, 3}));

    TImage poly = BlankImage(6, 5);
    TRasterDevice polyDevice(&poly);
    const TPoint points[] = {{0, 0}, {4, 0}, {4, 3}};
    polyDevice.Polyline(points, 3);
    EXPECT_EQ(polyDevice.CurrentPosition(), (TPoint{0, 0}));

    const std::string expected = "#####.\n"
                                 "....#.\n"
                                 "....#.\n"
                                 "......\n"
                                 "......\n";
    EXPECT_EQ(InkMap(chain), expected);
    EXPECT_EQ(InkMap(poly), expected);
}

// Zoomed charts hand over coordinates far outside the image; only the
// visible steps are walked, and they are the steps of the whole line.
TEST(RasterDeviceLine, HugeCoordinatesAreClippedExactly)
{
    TImage image = BlankImage(8, 8);
    TRasterDevice device(&image);
    device.MoveTo(-1000000000, 2);
    device.LineTo(1000000000, 2);
    device.MoveTo(-2000000000, -2000000000);
    device.LineTo(2000000000, 2000000000);
    EXPECT_EQ(InkMap(image), "#.......\n"
                             ".#......\n"
                             "########\n"
                             "...#....\n"
                             "....#...\n"
                             ".....#..\n"
                             "......#.\n"
                             ".......#\n");

    // Steep: x is 3.5 exactly at y = 0 (a tie, so 3) and above 3.5 below it.
    TImage steep = BlankImage(8, 3);
    TRasterDevice steepDevice(&steep);
    steepDevice.MoveTo(3, -2000000000);
    steepDevice.LineTo(4, 2000000000);
    EXPECT_EQ(InkMap(steep), "...#....\n"
                             "....#...\n"
                             "....#...\n");
}

TEST(RasterDeviceLine, ClearPenPaintsNothingButMovesOn)
{
    TImage image = BlankImage(5, 5);
    TRasterDevice device(&image);
    device.Pen.Style = TDevicePenStyle::Clear;
    device.MoveTo(0, 0);
    device.LineTo(4, 4);
    EXPECT_EQ(InkCount(image), 0);
    EXPECT_EQ(device.CurrentPosition(), (TPoint{4, 4}));
}

// A line cut by the clip keeps exactly the pixels it has when drawn whole:
// the walk that starts inside the clip picks up the same midpoint choices.
TEST(RasterDeviceLine, ClippedLineKeepsThePixelsOfTheWholeLine)
{
    const TPoint lines[][2] = {{{-37, -11}, {230, 93}}, {{211, -5}, {-17, 97}}, {{60, -300}, {73, 400}}};
    const TRect clip{50, 20, 90, 60};
    for (const auto& line : lines) {
        TImage whole = BlankImage(200, 100);
        TRasterDevice wholeDevice(&whole);
        wholeDevice.MoveTo(line[0].X, line[0].Y);
        wholeDevice.LineTo(line[1].X, line[1].Y);

        TImage clipped = BlankImage(200, 100);
        TRasterDevice clippedDevice(&clipped);
        clippedDevice.IntersectClip(clip);
        clippedDevice.MoveTo(line[0].X, line[0].Y);
        clippedDevice.LineTo(line[1].X, line[1].Y);

        ASSERT_GT(InkCount(clipped), 10);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x)
                ASSERT_EQ(clipped.Pixel(x, y), clip.Contains(x, y) ? whole.Pixel(x, y) : ToPixel(clWhite))
                    << x << "," << y;
    }
}
