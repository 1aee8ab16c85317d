#pragma once
// The pixels of one figure gathered row by row before they are painted, so
// that parts that overlap (the segments and joins of a wide polyline, an
// outline and the inside it surrounds) paint every pixel once: with a
// NotXor pen a figure drawn twice then restores the image.

#include "support/raster/PixelWriter.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

class TSpanCoverage {
public:
    // Only the part inside bounds is kept.
    explicit TSpanCoverage(const TRect& bounds) : Bounds(bounds) {}

    // Columns x0..x1-1 of row y.
    void Add(int64_t y, int64_t x0, int64_t x1)
    {
        if (y < Bounds.Top || y >= Bounds.Bottom)
            return;
        x0 = std::max<int64_t>(x0, Bounds.Left);
        x1 = std::min<int64_t>(x1, Bounds.Right);
        if (x0 < x1)
            Rows[static_cast<int32_t>(y)].emplace_back(static_cast<int32_t>(x0), static_cast<int32_t>(x1));
    }

    void AddPixel(int64_t x, int64_t y) { Add(y, x, x + 1); }

    // Merges the spans of every row into disjoint, sorted spans.
    void Normalise()
    {
        for (auto& [y, spans] : Rows) {
            std::sort(spans.begin(), spans.end());
            std::vector<std::pair<int32_t, int32_t>> merged;
            for (const auto& s : spans) {
                if (!merged.empty() && s.first <= merged.back().second)
                    merged.back().second = std::max(merged.back().second, s.second);
                else
                    merged.push_back(s);
            }
            spans = std::move(merged);
        }
    }

    // Calls visit(y, x0, x1) for every merged span; Normalise first.
    template <class Visit>
    void ForEachSpan(Visit&& visit) const
    {
        for (const auto& [y, spans] : Rows)
            for (const auto& s : spans)
                visit(y, s.first, s.second);
    }

    // Calls visit(y, x0, x1) for the parts of [x0, x1) on row y that this
    // coverage leaves out; Normalise first.
    template <class Visit>
    void ForEachGap(int32_t y, int32_t x0, int32_t x1, Visit&& visit) const
    {
        const auto row = Rows.find(y);
        if (row != Rows.end()) {
            for (const auto& s : row->second) {
                if (s.second <= x0)
                    continue;
                if (s.first >= x1)
                    break;
                if (s.first > x0)
                    visit(y, x0, s.first);
                x0 = std::max(x0, s.second);
            }
        }
        if (x0 < x1)
            visit(y, x0, x1);
    }

private:
    TRect Bounds;
    std::map<int32_t, std::vector<std::pair<int32_t, int32_t>>> Rows;
};
