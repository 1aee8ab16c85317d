// The image of our own: construction and filling.
#include "support/raster/Image.h"

#include <algorithm>

TImage::TImage(int32_t width, int32_t height, double devicePixelRatio)
    : W(std::max(0, width)), H(std::max(0, height)), Ratio(devicePixelRatio),
      Pixels(static_cast<size_t>(W) * static_cast<size_t>(H), TPixel{0xFF000000u})
{
    if (Pixels.empty())
        W = H = 0;
}

void TImage::Fill(TPixel pixel) { std::fill(Pixels.begin(), Pixels.end(), pixel); }

TImage TImage::Copy(int32_t x, int32_t y, int32_t width, int32_t height) const
{
    TImage part(width, height, Ratio);
    for (int32_t row = 0; row < part.Height(); ++row)
        for (int32_t column = 0; column < part.Width(); ++column)
            if (Valid(x + column, y + row))
                part.SetPixel(column, row, Pixel(x + column, y + row));
    return part;
}
