#pragma once
// The extremes of a list of values by aligned blocks: the lowest and the
// highest value of every block of 16 values, of every 16 such blocks, and
// so on. The extremes of any index range then cost at most a few hundred
// comparisons however long the range is, and so does the search for the
// last value of a range that lies outside a band.
//
// Only full blocks are summarised; the values past the last full block are
// read one by one. The summary follows its list lazily: Update folds in the
// blocks completed since the last call, and an insertion in the middle
// drops the blocks from the insertion point on (InvalidateFrom).

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

class TValueSummary {
public:
    // The extremes of some values; a NaN among them sets HasNaN and takes
    // no part in Lowest and Highest. No values: Lowest +inf, Highest -inf.
    struct TExtremes {
        double Lowest = std::numeric_limits<double>::infinity();
        double Highest = -std::numeric_limits<double>::infinity();
        bool HasNaN = false;

        // A NaN compares false both ways, so it never becomes an extreme.
        void Add(double v)
        {
            HasNaN |= v != v;
            Lowest = v < Lowest ? v : Lowest;
            Highest = v > Highest ? v : Highest;
        }
        void Add(const TExtremes& e)
        {
            HasNaN |= e.HasNaN;
            Lowest = e.Lowest < Lowest ? e.Lowest : Lowest;
            Highest = e.Highest > Highest ? e.Highest : Highest;
        }
    };

    // Summarises the full blocks of values not yet summarised.
    void Update(const std::vector<double>& values);
    // Forgets every block that holds index or lies after it.
    void InvalidateFrom(int64_t index);
    // Forgets everything and gives the memory back.
    void Release();
    // Bytes reserved by the summary.
    int64_t CapacityBytes() const;

    // The extremes of values[first..last] (inclusive). Precondition: Update
    // was called since the values last changed, and 0 <= first, last < size.
    TExtremes Range(const std::vector<double>& values, int64_t first, int64_t last) const;

    // Asks the processor to fetch what Range(first, last) will read at the
    // ends of the range, so that a walk over consecutive ranges does not
    // wait for memory at each one. Indices beyond the values are ignored.
    void Prefetch(const std::vector<double>& values, int64_t first, int64_t last) const;

    // The last index i in first..last whose value is not inside, or first - 1
    // when every value is. blockInside(extremes) must answer true exactly
    // when every value of a block with those extremes is inside (a band test
    // on Lowest and Highest); valueInside(v) tests one value. Same
    // precondition as Range.
    template <class BlockInside, class ValueInside>
    int64_t FindLastOutside(const std::vector<double>& values, int64_t first, int64_t last, BlockInside blockInside,
                            ValueInside valueInside) const;

private:
    // 16 entries a block at every level: a range costs at most 30 additions
    // a level, and the summary about one byte a value.
    static constexpr int BlockShift = 4;
    static int64_t Unit(std::size_t level) { return int64_t{1} << (BlockShift * level); }

    // Levels[k][i]: the extremes of values [i * 16^(k+1), (i + 1) * 16^(k+1)).
    std::vector<std::vector<TExtremes>> Levels;
};

template <class BlockInside, class ValueInside>
int64_t TValueSummary::FindLastOutside(const std::vector<double>& values, int64_t first, int64_t last,
                                       BlockInside blockInside, ValueInside valueInside) const
{
    const std::size_t top = Levels.size();
    std::size_t cap = top;
    int64_t i = last;
    while (i >= first) {
        // The largest summarised block that ends at i and starts at or after
        // first; a block found partly outside is searched by its sub-blocks.
        std::size_t k = 0;
        while (k < cap && (i + 1) % Unit(k + 1) == 0 && i + 1 - Unit(k + 1) >= first)
            ++k;
        if (k == 0) {
            if (!valueInside(values[static_cast<std::size_t>(i)]))
                return i;
            --i;
            cap = top;
            continue;
        }
        const TExtremes& block = Levels[k - 1][static_cast<std::size_t>((i + 1) / Unit(k) - 1)];
        if (blockInside(block)) {
            i -= Unit(k);
            cap = top;
        } else {
            cap = k - 1;
        }
    }
    return first - 1;
}
