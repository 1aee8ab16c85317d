#pragma once
// The alignment layout: places the aligned children of a container inside
// its free area. Pure arithmetic on plain records, so that the widget side
// (AlignContainer) only copies geometry in and out.

#include "support/raster/Geometry.h"

#include <cstdint>
#include <vector>

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

// One child as the layout sees it. Left, Top are relative to the
// container's client area. The size limits are the child's own: a child
// given a size outside them ends up clamped (MaxWidth/MaxHeight 0 = none).
struct TAlignChild {
    TAlign Align = alNone;
    bool Visible = true;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t MinWidth = 0;
    int32_t MinHeight = 0;
    int32_t MaxWidth = 0;
    int32_t MaxHeight = 0;
};

// The size a child really takes when it is given `size`; a maximum below
// the minimum wins, as the toolkit's own clamping does.
int32_t ConstrainSize(int32_t size, int32_t minimum, int32_t maximum);

// The children of one alignment group in the order they are placed.
// alTop by Top and alLeft by Left, ascending, equal keys with the causing
// child first and then in child order; alBottom by bottom edge and alRight
// by right edge, descending, equal keys in reverse child order with the
// causing child last; every other group in child order, causing child
// first. Invisible children are left out, except from alNone.
std::vector<int> AlignOrder(const std::vector<TAlignChild>& children, TAlign group, int causing);

// Places the children inside freeArea (the container's client rectangle
// already shrunk by its border and bevels), in place. `causing` is the
// index of the child whose change asked for this alignment, or -1.
// alNone and alCustom children keep their position and size.
void AlignChildren(std::vector<TAlignChild>& children, TRect freeArea, int causing);
