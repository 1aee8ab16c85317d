// The geometry of bevelled frames where the rectangle is too small for them.
#include "support/layout/BevelFrame.h"

#include <gtest/gtest.h>

#include <vector>

// A ring is drawn only while the rectangle left has room for it, so no run
// reaches outside the rectangle however small or reversed it is; the inside
// still shrinks by every ring asked for, as the panel's free area counts
// them.
TEST(BevelFrame, RingsThatDoNotFitPaintNothingOutsideTheRectangle)
{
    struct TCase {
        const char* Name;
        TRect Rect;
        int32_t Rings;
        size_t RingsDrawn;
    };
    const TCase cases[] = {
        {"no width", {10, 10, 10, 20}, 1, 0},  {"no height", {10, 10, 20, 10}, 2, 0},
        {"reversed", {10, 10, 5, 20}, 1, 0},   {"5 x 4, five rings", {10, 10, 15, 14}, 5, 2},
        {"one pixel", {10, 10, 11, 11}, 3, 1}, {"no rings", {10, 10, 13, 13}, -2, 0},
    };
    for (const TCase& c : cases) {
        std::vector<TBevelRun> runs;
        TRect rect = c.Rect;
        AppendBevelRings(runs, rect, clWhite, clBlack, c.Rings);
        EXPECT_EQ(runs.size(), 4 * c.RingsDrawn) << c.Name;
        for (const TBevelRun& run : runs) {
            const TRect pixels = run.Pixels();
            if (pixels.IsEmpty())
                continue;
            TRect inside;
            EXPECT_TRUE(IntersectRect(inside, pixels, c.Rect) && inside == pixels)
                << c.Name << ": run from " << run.From.X << "," << run.From.Y << " to " << run.To.X << "," << run.To.Y;
        }
        const int32_t shrink = std::max(c.Rings, 0);
        EXPECT_EQ(rect, InflateRect(c.Rect, -shrink, -shrink)) << c.Name;
    }
}
