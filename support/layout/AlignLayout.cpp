#include "support/layout/AlignLayout.h"

#include <algorithm>
#include <cassert>

namespace {

bool HasAnyAlignment(const std::vector<TAlignChild>& children)
{
    return std::any_of(children.begin(), children.end(), [](const TAlignChild& c) { return c.Align != alNone; });
}

bool TakesPart(const TAlignChild& child, TAlign group)
{
    return child.Align == group && (group == alNone || child.Visible);
}

// The group's members as [causing child, the others in child order].
std::vector<int> GroupMembers(const std::vector<TAlignChild>& children, TAlign group, int causing)
{
    std::vector<int> members;
    if (causing >= 0 && TakesPart(children[causing], group))
        members.push_back(causing);
    for (int i = 0; i < static_cast<int>(children.size()); ++i)
        if (i != causing && TakesPart(children[i], group))
            members.push_back(i);
    return members;
}

// Moves one child into the free area and shrinks the area by what the
// child took; both are updated in place.
void PlaceChild(TAlignChild& child, TRect& area)
{
    const TAlign align = child.Align;
    int32_t width = area.Width();
    if (width < 0 || align == alLeft || align == alRight)
        width = child.Width;
    int32_t height = area.Height();
    if (height < 0 || align == alTop || align == alBottom)
        height = child.Height;

    child.Left = area.Left;
    child.Top = area.Top;
    child.Width = ConstrainSize(width, child.MinWidth, child.MaxWidth);
    child.Height = ConstrainSize(height, child.MinHeight, child.MaxHeight);

    // The area moves by the size given and is then corrected by what the
    // child's limits changed, so in effect by the child's real size: the
    // next child follows the real edge.
    switch (align) {
    case alTop:
        area.Top += child.Height;
        break;
    case alBottom:
        // The child sits on the area's bottom edge with its real height, so
        // the next bottom child stacks on it without gap or overlap.
        area.Bottom -= child.Height;
        child.Top = area.Bottom;
        break;
    case alLeft:
        area.Left += child.Width;
        break;
    case alRight:
        area.Right -= child.Width;
        child.Left = area.Right;
        break;
    case alClient:
        // The area stays, except that it grows or shrinks on its right and
        // bottom by what the child's limits added to or took from its size.
        area.Right += child.Width - width;
        area.Bottom += child.Height - height;
        break;
    default:
        assert(false && "only the placing groups reach PlaceChild");
    }
}

} // namespace

int32_t ConstrainSize(int32_t size, int32_t minimum, int32_t maximum)
{
    if (minimum > 0 && size < minimum)
        size = minimum;
    if (maximum > 0 && size > maximum)
        size = maximum;
    return size;
}

std::vector<int> AlignOrder(const std::vector<TAlignChild>& children, TAlign group, int causing)
{
    assert(causing >= -1 && causing < static_cast<int>(children.size()));
    std::vector<int> order = GroupMembers(children, group, causing);
    auto byKey = [&](auto key, bool ascending) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return ascending ? key(children[a]) < key(children[b]) : key(children[a]) > key(children[b]);
        });
    };
    switch (group) {
    case alTop:
        byKey([](const TAlignChild& c) { return c.Top; }, true);
        break;
    case alLeft:
        byKey([](const TAlignChild& c) { return c.Left; }, true);
        break;
    case alBottom:
        // Among equal edges the later child comes first: reverse, then sort.
        std::reverse(order.begin(), order.end());
        byKey([](const TAlignChild& c) { return int64_t{c.Top} + c.Height; }, false);
        break;
    case alRight:
        std::reverse(order.begin(), order.end());
        byKey([](const TAlignChild& c) { return int64_t{c.Left} + c.Width; }, false);
        break;
    default:
        break;
    }
    return order;
}

void AlignChildren(std::vector<TAlignChild>& children, TRect freeArea, int causing)
{
    if (!HasAnyAlignment(children))
        return;
    // alCustom has no rule of its own here and alNone keeps its place, so
    // only the five placing groups move anything.
    for (TAlign group : {alTop, alBottom, alLeft, alRight, alClient})
        for (int index : AlignOrder(children, group, causing))
            PlaceChild(children[index], freeArea);
}
