// A monochrome frame keeps black and white exactly where Qt's threshold
// conversion to one bit would: the surface reduces the picture itself, so
// this pins its rule to the toolkit's.
#include "chart/DrawingSurface.h"
#include "platform/qt/ImageView.h"
#include "support/raster/PixelWriter.h"

#include <QImage>
#include <gtest/gtest.h>

#include <random>

TEST(MonochromeFrame, BlackAndWhiteFallAsInQtsThresholdConversion)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> channel(0, 255);
    TImage colours(256, 4);
    for (int x = 0; x < 256; ++x) {
        colours.SetPixel(x, 0, ToPixel(RGBColor(x, x, x)));
        for (int y = 1; y < 4; ++y)
            colours.SetPixel(x, y, ToPixel(RGBColor(channel(random), channel(random), channel(random))));
    }
    TImage window(256, 4);
    TView3DOptions options;
    TLynCanvas3D surface;
    surface.BindWindowCanvas(&window);
    surface.SetMonochrome(true);
    surface.BeginFrame(&window, &options, TRect{0, 0, 256, 4}, false, clBtnFace);
    surface.DrawPicture(0, 0, colours);
    surface.PresentFrame(&window, &window, TRect{0, 0, 256, 4});

    const QImage expected = ImageView(colours)
                                .convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)
                                .convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(ImageView(window) == expected);
}
