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
