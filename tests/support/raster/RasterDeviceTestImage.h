#pragma once
// Small images and readable pixel maps for the raster device tests.

#include "support/raster/PixelWriter.h"
#include "support/raster/RasterDevice.h"

#include <QImage>

#include <map>
#include <string>

inline QImage BlankImage(int width, int height, TColor rgb = clWhite)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ToPixel(rgb));
    return image;
}

// One character per pixel, rows separated by '\n': the legend's character
// for known colours, '?' for any other.
inline std::string PixelMap(const QImage& image, const std::map<TColor, char>& legend)
{
    std::string map;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const auto found = legend.find(FromPixel(image.pixel(x, y)));
            map += found == legend.end() ? '?' : found->second;
        }
        map += '\n';
    }
    return map;
}

// '.' for white, '#' for black.
inline std::string InkMap(const QImage& image) { return PixelMap(image, {{clWhite, '.'}, {clBlack, '#'}}); }

// The smallest rectangle holding every pixel that is not the background;
// empty when there is none.
inline TRect InkBounds(const QImage& image, TColor background = clWhite)
{
    TRect box{image.width(), image.height(), 0, 0};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (FromPixel(image.pixel(x, y)) != background) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box.IsEmpty() ? TRect{} : box;
}

inline int InkCount(const QImage& image, TColor background = clWhite)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += FromPixel(image.pixel(x, y)) != background ? 1 : 0;
    return count;
}
