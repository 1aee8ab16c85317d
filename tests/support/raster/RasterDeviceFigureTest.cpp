#include "support/raster/RasterDevice.h"

#include "tests/support/raster/RasterDeviceTestImage.h"

#include <gtest/gtest.h>

namespace {

const std::map<TColor, char> kLegend{{clWhite, '.'}, {clBlack, '#'}, {clRed, 'r'}, {clBlue, 'b'}};

} // namespace

TEST(RasterDeviceFigure, RectangleOutlinesItsBorderAndFillsTheInside)
{
    TImage image = BlankImage(8, 6);
    TRasterDevice device(&image);
    device.Brush.Color = clRed;
    device.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(PixelMap(image, kLegend), "........\n"
                                        ".#####..\n"
                                        ".#rrr#..\n"
                                        ".#rrr#..\n"
                                        ".#####..\n"
                                        "........\n");
}

// On an image of device-pixel ratio 1.5 logical 2, 3, 5, 6, 7 land on device
// 3, 5, 8, 9, 11: the outline is one device pixel thick on every side, the
// inside starts right after it although its logical column 3 starts at
// device 5, and outline and inside meet without a gap.
TEST(RasterDeviceFigure, AtARatioOf1Point5TheInsideMeetsTheOutlineOfEvenThickness)
{
    TImage image = BlankImage(14, 12);
    image.SetDevicePixelRatio(1.5);
    TRasterDevice device(&image);
    device.Brush.Color = clRed;
    device.Rectangle(2, 2, 7, 6);
    EXPECT_EQ(PixelMap(image, kLegend), "..............\n"
                                        "..............\n"
                                        "..............\n"
                                        "...#######....\n"
                                        "...#rrrrr#....\n"
                                        "...#rrrrr#....\n"
                                        "...#rrrrr#....\n"
                                        "...#rrrrr#....\n"
                                        "...#######....\n"
                                        "..............\n"
                                        "..............\n"
                                        "..............\n");
}

TEST(RasterDeviceFigure, OnePixelRectanglesAreASingleLine)
{
    TImage image = BlankImage(6, 6);
    TRasterDevice device(&image);
    device.Brush.Color = clRed;
    device.Rectangle(1, 1, 2, 5);
    device.Rectangle(3, 0, 6, 1);
    // One pixel square: its outline's lines all start and end on the same
    // point, so the platform draws nothing.
    device.Rectangle(4, 4, 5, 5);
    device.Rectangle(3, 2, 3, 5); // no columns at all
    EXPECT_EQ(PixelMap(image, kLegend), "...###\n"
                                        ".#....\n"
                                        ".#....\n"
                                        ".#....\n"
                                        ".#....\n"
                                        "......\n");
}

// The outline is the lines top-right -> top-left -> bottom-left ->
// bottom-right -> top-right, each without its end point: a box one pixel
// wide paints its inner pixels twice, so NotXor drawn once leaves only the
// two ends changed.
TEST(RasterDeviceFigure, OnePixelWideNotXorRectanglePaintsItsCoincidingSidesTwice)
{
    TImage image = BlankImage(3, 6);
    TRasterDevice device(&image);
    device.Brush.Style = TDeviceBrushStyle::Clear;
    device.Pen.Mode = TDevicePenMode::NotXor;
    device.Pen.Color = clBlack;
    device.Rectangle(1, 0, 2, 6);
    EXPECT_EQ(InkMap(image), ".#.\n"
                             "...\n"
                             "...\n"
                             "...\n"
                             "...\n"
                             ".#.\n");
}

TEST(RasterDeviceFigure, DottedRectangleStartsAtTheTopRightAndRunsAnticlockwise)
{
    TImage image = BlankImage(8, 4);
    TRasterDevice device(&image);
    device.BkMode = bkTransparent;
    device.Brush.Style = TDeviceBrushStyle::Clear;
    device.Pen.Style = TDevicePenStyle::Dot;
    device.Rectangle(0, 0, 8, 4);
    EXPECT_EQ(InkMap(image), "##...###\n"
                             "#......#\n"
                             ".......#\n"
                             "..###...\n");
}

// At every device-pixel ratio the outline is those lines, with the pattern
// running through them from the top-right corner as it does at a ratio of 1.
TEST(RasterDeviceFigure, DottedRectangleIsTheLinesThroughItsCornersAtEveryRatio)
{
    for (double ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
        SCOPED_TRACE(ratio);
        TImage box = BlankImage(60, 45);
        TImage lines = BlankImage(60, 45);
        for (TImage* image : {&box, &lines}) {
            image->SetDevicePixelRatio(ratio);
            TRasterDevice device(image);
            device.BkMode = bkTransparent;
            device.Brush.Style = TDeviceBrushStyle::Clear;
            device.Pen.Style = TDevicePenStyle::Dot;
            if (image == &box) {
                device.Rectangle(2, 3, 19, 14);
                continue;
            }
            const TPoint corners[5] = {{18, 3}, {2, 3}, {2, 13}, {18, 13}, {18, 3}};
            device.Polyline(corners, 5);
        }
        EXPECT_EQ(InkMap(box), InkMap(lines));
    }
}

TEST(RasterDeviceFigure, RectangleCornersMayComeInAnyOrder)
{
    TImage forward = BlankImage(7, 6);
    TImage reversed = BlankImage(7, 6);
    TRasterDevice(&forward).Rectangle(1, 1, 6, 5);
    TRasterDevice(&reversed).Rectangle(6, 5, 1, 1);
    EXPECT_EQ(forward, reversed);
    EXPECT_EQ(InkBounds(forward), (TRect{1, 1, 6, 5}));
}

TEST(RasterDeviceFigure, ClearBrushAndClearPen)
{
    TImage image = BlankImage(12, 5);
    TRasterDevice device(&image);
    device.Brush.Style = TDeviceBrushStyle::Clear;
    device.Rectangle(0, 0, 5, 5);
    device.Brush = TDeviceBrush{clRed, TDeviceBrushStyle::Solid};
    device.Pen.Style = TDevicePenStyle::Clear;
    // Without a pen the fill stops one pixel short on the right and bottom.
    device.Rectangle(6, 0, 11, 5);
    EXPECT_EQ(PixelMap(image, kLegend), "#####.rrrr..\n"
                                        "#...#.rrrr..\n"
                                        "#...#.rrrr..\n"
                                        "#...#.rrrr..\n"
                                        "#####.......\n");
}

TEST(RasterDeviceFigure, WidePenRectangleIsARingCentredOnTheBorder)
{
    TImage image = BlankImage(10, 9);
    TRasterDevice device(&image);
    device.Brush.Color = clRed;
    device.Pen.Width = 3;
    device.Rectangle(2, 2, 8, 7);
    // Border columns 2 and 7, rows 2 and 6, each widened by one pixel each
    // way, with round corners.
    EXPECT_EQ(PixelMap(image, kLegend), "..........\n"
                                        "..######..\n"
                                        ".########.\n"
                                        ".########.\n"
                                        ".###rr###.\n"
                                        ".########.\n"
                                        ".########.\n"
                                        "..######..\n"
                                        "..........\n");
}

TEST(RasterDeviceFigure, FillRectCoversExclusiveEdgesWhateverThePenMode)
{
    TImage image = BlankImage(6, 6);
    TRasterDevice device(&image);
    device.Pen.Mode = TDevicePenMode::NotXor;
    device.FillRect(TRect{1, 1, 4, 3}, clBlue);
    device.FillRect(TRect{4, 4, 4, 5}, clRed); // empty
    // Reversed: still from left and top up to, not including, right and
    // bottom, so columns 3..5 and rows 4..5.
    device.FillRect(TRect{5, 5, 2, 3}, clRed);
    EXPECT_EQ(PixelMap(image, kLegend), "......\n"
                                        ".bbb..\n"
                                        ".bbb..\n"
                                        "......\n"
                                        "...rrr\n"
                                        "...rrr\n");
}

TEST(RasterDeviceFigure, PolygonFillsAndOutlinesWithThePen)
{
    TImage image = BlankImage(8, 7);
    TRasterDevice device(&image);
    device.Brush.Color = clRed;
    const TPoint square[] = {{1, 1}, {6, 1}, {6, 5}, {1, 5}};
    device.Polygon(square, 4);
    EXPECT_EQ(PixelMap(image, kLegend), "........\n"
                                        ".######.\n"
                                        ".#rrrr#.\n"
                                        ".#rrrr#.\n"
                                        ".#rrrr#.\n"
                                        ".######.\n"
                                        "........\n");
}

// The fill samples each pixel's top-left corner, taking left and top edges
// and leaving right and bottom ones: row y of this triangle is 6 - y wide.
TEST(RasterDeviceFigure, PolygonFillSamplesPixelCorners)
{
    TImage image = BlankImage(8, 8);
    TRasterDevice device(&image);
    device.Pen.Style = TDevicePenStyle::Clear;
    device.Brush.Color = clBlack;
    const TPoint triangle[] = {{0, 0}, {6, 0}, {0, 6}};
    device.Polygon(triangle, 3);
    EXPECT_EQ(InkMap(image), "######..\n"
                             "#####...\n"
                             "####....\n"
                             "###.....\n"
                             "##......\n"
                             "#.......\n"
                             "........\n"
                             "........\n");
}

TEST(RasterDeviceFigure, EllipseStaysInItsBoxAndTouchesEverySide)
{
    TImage image = BlankImage(14, 12);
    TRasterDevice device(&image);
    device.Brush.Color = clRed;
    device.Ellipse(2, 1, 12, 9);
    EXPECT_EQ(InkBounds(image), (TRect{2, 1, 12, 9}));
    EXPECT_EQ(FromPixel(image.Pixel(7, 5)), clRed);
    EXPECT_EQ(FromPixel(image.Pixel(2, 1)), clWhite); // the corners stay free
    EXPECT_EQ(FromPixel(image.Pixel(11, 8)), clWhite);
    // Every red pixel has black or red neighbours all round: the outline is closed.
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 14; ++x) {
            if (FromPixel(image.Pixel(x, y)) != clRed)
                continue;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                EXPECT_NE(FromPixel(image.Pixel(x + dx, y + dy)), clWhite) << x << "," << y;
            }
        }
    }
}

// The outline follows the curve through the centres of the box's outer
// pixels: a 3 x 3 box is a plus of outline round one brush pixel, a 2 x 4
// box a ring with no inside, one pixel nothing at all.
TEST(RasterDeviceFigure, SmallEllipsesFollowTheCurveThroughTheOuterPixels)
{
    TImage image = BlankImage(9, 5);
    TRasterDevice device(&image);
    device.Brush.Color = clRed;
    device.Ellipse(0, 0, 3, 3);
    device.Ellipse(4, 0, 6, 4);
    device.Ellipse(7, 0, 8, 1);
    EXPECT_EQ(PixelMap(image, kLegend), ".#..##...\n"
                                        "#r#.##...\n"
                                        ".#..##...\n"
                                        "....##...\n"
                                        ".........\n");
}

TEST(RasterDeviceFigure, HatchedBrushLeavesGapsInTransparentModeAndPaintsThemOpaque)
{
    TImage image = BlankImage(8, 3);
    TRasterDevice device(&image);
    device.Pen.Style = TDevicePenStyle::Clear;
    device.Brush = TDeviceBrush{clBlue, TDeviceBrushStyle::Vertical};
    device.BkMode = bkTransparent;
    device.Rectangle(0, 0, 9, 3);
    device.BkMode = bkOpaque;
    device.BkColor = clRed;
    device.Rectangle(0, 2, 9, 4);
    // The platform's vertical hatch is column 4 of every 8.
    EXPECT_EQ(PixelMap(image, kLegend), "....b...\n"
                                        "....b...\n"
                                        "rrrrbrrr\n");
}

// --- clipping ---------------------------------------------------------------------

TEST(RasterDeviceClip, NestedClipsOnlyNarrowUntilRemoved)
{
    TImage image = BlankImage(8, 6);
    TRasterDevice device(&image);
    device.IntersectClip(TRect{1, 1, 7, 5});
    device.IntersectClip(TRect{3, 0, 10, 4});
    EXPECT_EQ(device.Clip(), (TRect{3, 1, 7, 4}));
    device.FillRect(TRect{0, 0, 8, 6}, clBlue);
    device.MoveTo(0, 4);
    device.LineTo(8, 4);
    device.SetPixel(1, 1, clRed);
    EXPECT_EQ(PixelMap(image, kLegend), "........\n"
                                        "...bbbb.\n"
                                        "...bbbb.\n"
                                        "...bbbb.\n"
                                        "........\n"
                                        "........\n");

    device.IntersectClip(TRect{0, 0, 2, 2}); // disjoint: nothing left
    EXPECT_TRUE(device.Clip()->IsEmpty());
    device.FillRect(TRect{0, 0, 8, 6}, clRed);
    EXPECT_EQ(InkBounds(image), (TRect{3, 1, 7, 4}));

    device.RemoveClip();
    EXPECT_FALSE(device.Clip().has_value());
    device.SetPixel(0, 5, clRed);
    EXPECT_EQ(device.GetPixel(0, 5), clRed);
}

TEST(RasterDeviceClip, FiguresAndWidePensStopAtTheClipAndTheImageEdge)
{
    TImage image = BlankImage(6, 6);
    TRasterDevice device(&image);
    device.IntersectClip(TRect{-5, 2, 4, 20});
    device.Brush.Color = clRed;
    device.Rectangle(-3, -3, 10, 10);
    device.Pen.Width = 5;
    device.MoveTo(2, -10);
    device.LineTo(2, 100);
    EXPECT_EQ(PixelMap(image, kLegend), "......\n"
                                        "......\n"
                                        "####..\n"
                                        "####..\n"
                                        "####..\n"
                                        "####..\n");
    EXPECT_EQ(device.GetPixel(6, 0), clNone);
}

TEST(RasterDeviceCopy, CopiesAtAnOffsetWithinTheTarget)
{
    TImage source = BlankImage(3, 2, clBlue);
    source.SetPixel(0, 0, ToPixel(clRed));
    TImage target = BlankImage(4, 3);
    TRasterDevice::CopyImage(source, target, 2, 1);
    TRasterDevice::CopyImage(source, target, -2, -1);
    EXPECT_EQ(PixelMap(target, kLegend), "b...\n"
                                         "..rb\n"
                                         "..bb\n");
}
