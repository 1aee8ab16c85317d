// Fuzzes the alignment layout on random sets of children (alignments,
// visibility, positions, sizes within what a widget can have, size limits)
// with a random causing child. Every child must end up where the rules put
// it: a second placement written here from the rules alone (groups in the
// order top, bottom, left, right, client; the order inside a group by its
// key and tie rule; each child at the free area's corner, top and bottom
// children keeping their height, left and right children their width) must
// give the same geometry, and the plain invariants are checked on their own:
// alNone, alCustom and invisible children do not move, top children take
// the whole free width and keep their own height, and the client child gets
// what is left.

#include "support/layout/AlignLayout.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The largest size a widget can have; positions stay within it too, so that
// a hundred children add up without leaving 32 bits.
constexpr int32_t MaxWidgetSize = 16777215;

TAlignChild RandomChild(FuzzedDataProvider& input)
{
    TAlignChild c;
    c.Align = static_cast<TAlign>(input.ConsumeIntegralInRange(0, 6));
    c.Visible = input.ConsumeIntegralInRange(0, 7) != 0;
    // Small values most of the time, so that edges and ties coincide.
    auto coordinate = [&](int32_t low, int32_t high) {
        return input.ConsumeBool() ? input.ConsumeIntegralInRange(std::max(low, -3), std::min(high, 40))
                                   : input.ConsumeIntegralInRange(low, high);
    };
    c.Left = coordinate(-MaxWidgetSize, MaxWidgetSize);
    c.Top = coordinate(-MaxWidgetSize, MaxWidgetSize);
    c.Width = coordinate(0, MaxWidgetSize);
    c.Height = coordinate(0, MaxWidgetSize);
    if (input.ConsumeIntegralInRange(0, 3) == 0) {
        c.MinWidth = coordinate(0, MaxWidgetSize);
        c.MinHeight = coordinate(0, MaxWidgetSize);
        c.MaxWidth = coordinate(0, MaxWidgetSize);
        c.MaxHeight = coordinate(0, MaxWidgetSize);
    }
    return c;
}

int32_t Limit(int32_t size, int32_t minimum, int32_t maximum)
{
    if (minimum > 0 && size < minimum)
        size = minimum;
    if (maximum > 0 && size > maximum)
        size = maximum;
    return size;
}

// The members of one group in placing order, from the rules: a rank per
// member (its place among the ties) and a sort on (key, rank).
std::vector<int> ModelOrder(const std::vector<TAlignChild>& children, TAlign group, int causing)
{
    struct TEntry {
        int Index;
        int64_t Key;
        int Rank;
    };
    std::vector<TEntry> entries;
    const int n = static_cast<int>(children.size());
    for (int i = 0; i < n; ++i) {
        const TAlignChild& c = children[i];
        if (c.Align != group || (!c.Visible && group != alNone))
            continue;
        const bool causes = i == causing;
        switch (group) {
        case alTop:
            entries.push_back({i, c.Top, causes ? -1 : i});
            break;
        case alLeft:
            entries.push_back({i, c.Left, causes ? -1 : i});
            break;
        // Descending edges; ties in reverse child order, the causing child last.
        case alBottom:
            entries.push_back({i, -(int64_t{c.Top} + c.Height), causes ? n : n - 1 - i});
            break;
        case alRight:
            entries.push_back({i, -(int64_t{c.Left} + c.Width), causes ? n : n - 1 - i});
            break;
        default:
            entries.push_back({i, 0, causes ? -1 : i});
            break;
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const TEntry& a, const TEntry& b) { return a.Key != b.Key ? a.Key < b.Key : a.Rank < b.Rank; });
    std::vector<int> order;
    for (const TEntry& e : entries)
        order.push_back(e.Index);
    return order;
}

std::vector<TAlignChild> ModelLayout(std::vector<TAlignChild> children, TRect area, int causing)
{
    if (std::none_of(children.begin(), children.end(), [](const TAlignChild& c) { return c.Align != alNone; }))
        return children;
    for (TAlign group : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (int index : ModelOrder(children, group, causing)) {
            TAlignChild& c = children[index];
            const bool keepsHeight = group == alTop || group == alBottom;
            const bool keepsWidth = group == alLeft || group == alRight;
            const int32_t givenWidth = keepsWidth || area.Width() < 0 ? c.Width : area.Width();
            const int32_t givenHeight = keepsHeight || area.Height() < 0 ? c.Height : area.Height();
            c.Width = Limit(givenWidth, c.MinWidth, c.MaxWidth);
            c.Height = Limit(givenHeight, c.MinHeight, c.MaxHeight);
            c.Left = area.Left;
            c.Top = area.Top;
            if (group == alTop)
                area.Top += c.Height;
            if (group == alBottom) {
                area.Bottom -= c.Height;
                c.Top = area.Bottom;
            }
            if (group == alLeft)
                area.Left += c.Width;
            if (group == alRight) {
                area.Right -= c.Width;
                c.Left = area.Right;
            }
            if (group == alClient) {
                // Only a child's own limits move the area: by the difference
                // between what it was given and what it took.
                area.Right += c.Width - givenWidth;
                area.Bottom += c.Height - givenHeight;
            }
        }
    }
    return children;
}

[[noreturn]] void Fail(const char* what, int index)
{
    std::fprintf(stderr, "%s (child %d)\n", what, index);
    std::abort();
}

bool SameGeometry(const TAlignChild& a, const TAlignChild& b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
}

void CheckInvariants(const std::vector<TAlignChild>& before, const std::vector<TAlignChild>& after, TRect area)
{
    const bool anyAligned =
        std::any_of(before.begin(), before.end(), [](const TAlignChild& c) { return c.Align != alNone; });
    bool noLimits = true;
    for (const TAlignChild& c : before)
        noLimits = noLimits && c.MinWidth == 0 && c.MinHeight == 0 && c.MaxWidth == 0 && c.MaxHeight == 0;
    int32_t top = area.Top;
    int32_t bottom = area.Bottom;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const TAlignChild& b = before[i];
        const TAlignChild& a = after[i];
        const int index = static_cast<int>(i);
        if (!anyAligned || b.Align == alNone || b.Align == alCustom || !b.Visible) {
            if (!SameGeometry(a, b))
                Fail("a child that takes no part in the layout moved", index);
            continue;
        }
        if (b.Align == alTop) {
            if (a.Height != Limit(b.Height, b.MinHeight, b.MaxHeight) || a.Left != area.Left)
                Fail("a top child lost its own height or the left edge", index);
            if (a.Width != Limit(area.Width() < 0 ? b.Width : area.Width(), b.MinWidth, b.MaxWidth))
                Fail("a top child did not get the free width", index);
            top = std::max(top, a.Top + a.Height);
        }
        if (b.Align == alBottom)
            bottom = std::min(bottom, a.Top);
    }
    // Without size limits and with room to spare, the one client child fills
    // exactly the rectangle between the top and bottom stacks and the left
    // and right columns.
    int32_t left = area.Left;
    int32_t right = area.Right;
    int clients = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (!before[i].Visible)
            continue;
        if (before[i].Align == alLeft)
            left = std::max(left, after[i].Left + after[i].Width);
        if (before[i].Align == alRight)
            right = std::min(right, after[i].Left);
        clients += before[i].Align == alClient;
    }
    if (!noLimits || clients != 1 || right < left || bottom < top)
        return;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const TAlignChild& a = after[i];
        if (before[i].Align == alClient && before[i].Visible &&
            (a.Left != left || a.Top != top || a.Width != right - left || a.Height != bottom - top))
            Fail("the client child did not get the remaining area", static_cast<int>(i));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    TRect area;
    area.Left = input.ConsumeIntegralInRange(0, 20);
    area.Top = input.ConsumeIntegralInRange(0, 20);
    area.Right = area.Left + input.ConsumeIntegralInRange(-10, input.ConsumeBool() ? 200 : MaxWidgetSize);
    area.Bottom = area.Top + input.ConsumeIntegralInRange(-10, input.ConsumeBool() ? 200 : MaxWidgetSize);
    const int count = input.ConsumeIntegralInRange(0, 100);
    std::vector<TAlignChild> children;
    for (int i = 0; i < count; ++i)
        children.push_back(RandomChild(input));
    const int causing = input.ConsumeIntegralInRange(-1, count - 1);

    std::vector<TAlignChild> placed = children;
    AlignChildren(placed, area, causing);
    const std::vector<TAlignChild> expected = ModelLayout(children, area, causing);
    for (int i = 0; i < count; ++i)
        if (!SameGeometry(placed[i], expected[i]))
            Fail("placed otherwise than the rules say", i);
    CheckInvariants(children, placed, area);
    return 0;
}
