#pragma once
// What the alignment layout needs of a control: its rectangle in the
// parent's client area, whether it shows, and its size limits. Every
// control of every platform is one; the layout itself (AlignContainer) is
// our own code, so that the same window size gives the same rectangles on
// every platform.

#include "support/raster/Geometry.h"

#include <cstdint>

// A control's own size limits; 0 for a maximum means none.
struct TSizeLimits {
    int32_t MinWidth = 0;
    int32_t MinHeight = 0;
    int32_t MaxWidth = 0;
    int32_t MaxHeight = 0;
};

class ILayoutControl {
public:
    virtual ~ILayoutControl() = default;

    // Position and size in the parent's client coordinates (exclusive right
    // and bottom edges). A control that holds children of its own re-aligns
    // them when SetBounds changed its size, shown or hidden.
    virtual TRect Bounds() const = 0;
    virtual void SetBounds(const TRect& bounds) = 0;

    // Whether the control shows when its parent does. A hidden control
    // takes no room in the layout (except alNone, which keeps its place).
    virtual bool VisibleToParent() const = 0;

    virtual TSizeLimits SizeLimits() const = 0;
};
