#pragma once
// An image of ours seen as a QImage: the same memory, no copy. Qt's
// Format_RGB32 has our pixel layout, so a QPainter draws on it and a widget
// shows it as it is. The view is valid while the image keeps its size.

#include "support/raster/Image.h"

#include <QImage>

// A view to draw on.
inline QImage ImageView(TImage& image)
{
    if (image.IsNull())
        return QImage();
    QImage view(reinterpret_cast<uchar*>(image.Bits()), image.Width(), image.Height(), image.StrideBytes(),
                QImage::Format_RGB32);
    view.setDevicePixelRatio(image.DevicePixelRatio());
    return view;
}

// A view to read or show: Qt copies it rather than write to it.
inline QImage ImageView(const TImage& image)
{
    if (image.IsNull())
        return QImage();
    QImage view(reinterpret_cast<const uchar*>(image.Bits()), image.Width(), image.Height(), image.StrideBytes(),
                QImage::Format_RGB32);
    view.setDevicePixelRatio(image.DevicePixelRatio());
    return view;
}
