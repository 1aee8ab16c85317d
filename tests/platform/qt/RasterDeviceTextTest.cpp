#include "platform/qt/TextRenderer.h"
#include "support/raster/RasterDevice.h"

#include "tests/support/raster/RasterDeviceTestImage.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

// Opaque text paints its whole cell in the background colour, so the cell
// is the bounding box of everything that changed.
TRect OpaqueCell(unsigned align, int escapement, int x, int y, const char* text = "Hello")
{
    TImage image = BlankImage(120, 120);
    TRasterDevice device(&image);
    device.BkMode = bkOpaque;
    device.BkColor = clYellow;
    device.TextAlign = align;
    device.Font.EscapementTenths = escapement;
    device.TextOut(x, y, text);
    return InkBounds(image);
}

TImage TransparentText(int escapement, unsigned align = TA_LEFT | TA_TOP)
{
    TImage image = BlankImage(120, 120);
    TRasterDevice device(&image);
    device.BkMode = bkTransparent;
    device.TextAlign = align;
    device.Font.EscapementTenths = escapement;
    device.TextOut(60, 60, "Kmity 1");
    return image;
}

} // namespace

TEST(RasterDeviceText, ArialResolvesToLiberationSansAtPixelSizeFromPoints)
{
    TRasterDevice device;
    QFont expected("Liberation Sans");
    expected.setPixelSize(11); // 8 points at 96 pixels per inch
    const QFontMetrics metrics(expected);
    EXPECT_EQ(device.TextExtent("Kmity 1"), (TPoint{metrics.horizontalAdvance("Kmity 1"), metrics.height()}));
    EXPECT_EQ(device.TextExtent("").X, 0);
    EXPECT_EQ(device.TextExtent("").Y, metrics.height());
    device.Font.Size = 16;
    EXPECT_GT(device.TextExtent("W").Y, metrics.height());
}

// A paint measures in its labels' and its titles' fonts in turn: each is
// built once and each measures as itself, however they alternate, whatever
// the text's turn, and after more fonts than the device keeps.
TEST(RasterDeviceText, FontsMeasuredInTurnAreBuiltOnceAndEachMeasuresAsItself)
{
    TQtTextRenderer renderer;
    TRasterDevice device;
    device.SetTextRenderer(&renderer);
    TDeviceFont title = device.Font;
    title.Size = 12;
    title.Bold = true;
    const TPoint label = device.TextExtent("Kmity 1");
    const TPoint titled = device.TextExtent(title, "Kmity 1");
    ASSERT_NE(label, titled);
    device.Font.EscapementTenths = 900;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(device.TextExtent("Kmity 1"), label);
        EXPECT_EQ(device.TextExtent(title, "Kmity 1"), titled);
    }
    EXPECT_EQ(renderer.FontBuilds(), 2);
    for (int size = 20; size < 30; ++size) {
        title.Size = size;
        device.TextExtent(title, "W");
    }
    EXPECT_EQ(device.TextExtent("Kmity 1"), label);
    EXPECT_EQ(renderer.FontBuilds(), 2 + 10 + 1);
}

TEST(RasterDeviceText, AnchorsPlaceTheCellAroundThePoint)
{
    TRasterDevice device;
    const TPoint size = device.TextExtent("Hello");
    QFont font("Arial");
    font.setPixelSize(11);
    const int ascent = QFontMetrics(font).ascent();
    const int x = 60;
    const int y = 50;
    EXPECT_EQ(OpaqueCell(TA_LEFT | TA_TOP, 0, x, y), (TRect{x, y, x + size.X, y + size.Y}));
    EXPECT_EQ(OpaqueCell(TA_CENTER | TA_TOP, 0, x, y), (TRect{x - size.X / 2, y, x - size.X / 2 + size.X, y + size.Y}));
    EXPECT_EQ(OpaqueCell(TA_RIGHT | TA_TOP, 0, x, y), (TRect{x - size.X, y, x, y + size.Y}));
    EXPECT_EQ(OpaqueCell(TA_LEFT | TA_BOTTOM, 0, x, y), (TRect{x, y - size.Y, x + size.X, y}));
    EXPECT_EQ(OpaqueCell(TA_LEFT | TA_BASELINE, 0, x, y), (TRect{x, y - ascent, x + size.X, y - ascent + size.Y}));
}

TEST(RasterDeviceText, TransparentTextDrawsInkInTheTextColourInsideTheCell)
{
    TImage image = BlankImage(80, 30);
    TRasterDevice device(&image);
    device.BkMode = bkTransparent;
    device.TextColor = clRed;
    device.TextOut(5, 5, "Kmity");
    const TPoint size = device.TextExtent("Kmity");
    const TRect ink = InkBounds(image);
    EXPECT_FALSE(ink.IsEmpty());
    // Glyphs may overhang their advance by a side bearing, never the line.
    EXPECT_GE(ink.Left, 5 - 2);
    EXPECT_LE(ink.Right, 5 + size.X + 2);
    EXPECT_GE(ink.Top, 5);
    EXPECT_LE(ink.Bottom, 5 + size.Y);
    // Antialiased red on white: full red, equal green and blue.
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const TColor c = FromPixel(image.Pixel(x, y));
            EXPECT_EQ(RedOf(c), 255) << x << "," << y;
            EXPECT_EQ(GreenOf(c), BlueOf(c)) << x << "," << y;
        }
    }
}

TEST(RasterDeviceText, EscapementNinetyRunsUpwardsFromTheAnchor)
{
    TRasterDevice device;
    const TPoint size = device.TextExtent("Hello");
    // Top-left: the turned cell starts at the anchor and goes up and right.
    EXPECT_EQ(OpaqueCell(TA_LEFT | TA_TOP, 900, 60, 80), (TRect{60, 80 - size.X, 60 + size.Y, 80}));
    // Centre/bottom: (x, y) is the middle of the turned text's bottom edge.
    EXPECT_EQ(OpaqueCell(TA_CENTER | TA_BOTTOM, 900, 60, 80),
              (TRect{60 - size.Y, 80 - (size.X - size.X / 2), 60, 80 + size.X / 2}));

    const TRect ink = InkBounds(TransparentText(900));
    EXPECT_GT(ink.Height(), ink.Width());
    EXPECT_LE(ink.Bottom, 60);
    EXPECT_GE(ink.Left, 60);
}

TEST(RasterDeviceText, EscapementIsTakenModuloAFullTurn)
{
    EXPECT_EQ(TransparentText(4500), TransparentText(900));
    EXPECT_EQ(TransparentText(-2700), TransparentText(900));
    EXPECT_EQ(TransparentText(3600), TransparentText(0));
    EXPECT_NE(TransparentText(900), TransparentText(0));
}

TEST(RasterDeviceText, TextHonoursTheClip)
{
    TImage image = BlankImage(80, 30);
    TRasterDevice device(&image);
    device.BkMode = bkOpaque;
    device.BkColor = clYellow;
    device.IntersectClip(TRect{10, 0, 20, 30});
    device.TextOut(2, 2, "Kmity složené");
    EXPECT_EQ(InkBounds(image), (TRect{10, 2, 20, 2 + device.TextExtent("K").Y}));
}
