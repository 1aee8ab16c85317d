#pragma once
// The private state of the drawing surface, shared by its source files.
//
// Each target (the window's image and the off-screen bitmap) has a device
// of its own, and with it its own pen, brush, font and background: what a
// paint sets on the bitmap stays there until the next paint, as on a
// toolkit canvas that owns its drawing objects.

#include "chart/DrawingSurface.h"
#include "support/raster/RasterDevice.h"

#include "support/raster/Image.h"

#include <memory>

struct TSurfaceTarget {
    TRasterDevice Device;
    // The device keeps only the text colour of the moment; the font's own
    // colour becomes the text colour at every PutText.
    TColor FontColor = clBlack;
};

struct TLynCanvas3D::State {
    TSurfaceTarget WindowTarget;
    TSurfaceTarget BitmapTarget;
    TSurfaceTarget* Current = &WindowTarget;
    std::unique_ptr<TImage> Bitmap;

    bool Stale = true;
    bool Buffered = true;
    bool Mono = false;
    TNotifyChange OnNeedRepaint;

    TRect Bounds;
    const TView3DOptions* Options = nullptr;
    bool On3D = false;
    bool Saved3D = false;
    bool Orthogonal = false;
    double ZoomFactor = 1.0;
    int32_t CenterX = 0;
    int32_t CenterY = 0;
    int32_t CenterZ = 0;
    int32_t OffsetX = 0;
    int32_t OffsetY = 0;
};
