#include "chart/ValueSummary.h"

#include "chart/ChartList.h"
#include "support/Portable.h"

#include <algorithm>

void TValueSummary::Update(const std::vector<double>& values)
{
    const int64_t count = static_cast<int64_t>(values.size());
    for (std::size_t level = 0;; ++level) {
        const int64_t blocks = count / Unit(level + 1);
        if (blocks == 0)
            return;
        if (Levels.size() <= level)
            Levels.emplace_back();
        std::vector<TExtremes>& out = Levels[level];
        for (int64_t b = static_cast<int64_t>(out.size()); b < blocks; ++b) {
            TExtremes e;
            if (level == 0) {
                const double* v = values.data() + b * Unit(1);
                for (int64_t j = 0; j < Unit(1); ++j)
                    e.Add(v[j]);
            } else {
                const TExtremes* below = Levels[level - 1].data() + b * Unit(1);
                for (int64_t j = 0; j < Unit(1); ++j)
                    e.Add(below[j]);
            }
            ReserveForOneMore(out);
            out.push_back(e);
        }
    }
}

void TValueSummary::InvalidateFrom(int64_t index)
{
    for (std::size_t level = 0; level < Levels.size(); ++level) {
        const auto keep = static_cast<std::size_t>(std::max<int64_t>(0, index / Unit(level + 1)));
        if (Levels[level].size() > keep)
            Levels[level].resize(keep);
    }
}

void TValueSummary::Release() { std::vector<std::vector<TExtremes>>().swap(Levels); }

int64_t TValueSummary::CapacityBytes() const
{
    int64_t bytes = 0;
    for (const auto& level : Levels)
        bytes += static_cast<int64_t>(level.capacity() * sizeof(TExtremes));
    return bytes;
}

TValueSummary::TExtremes TValueSummary::Range(const std::vector<double>& values, int64_t first, int64_t last) const
{
    TExtremes result;
    // Half-open [a, b) in values; at level k it is walked in units of 16^k
    // until both ends meet a boundary of the next level.
    int64_t a = first;
    int64_t b = last + 1;
    for (std::size_t k = 0; a < b; ++k) {
        auto addUnits = [&](int64_t from, int64_t to) {
            for (int64_t u = from; u < to; u += Unit(k)) {
                if (k == 0)
                    result.Add(values[static_cast<std::size_t>(u)]);
                else
                    result.Add(Levels[k - 1][static_cast<std::size_t>(u / Unit(k))]);
            }
        };
        const int64_t next = Unit(k + 1);
        const int64_t aUp = (a + next - 1) / next * next;
        const int64_t bDown = b / next * next;
        if (k >= Levels.size() || aUp >= bDown) {
            addUnits(a, b);
            break;
        }
        addUnits(a, aUp);
        addUnits(bDown, b);
        a = aUp;
        b = bDown;
    }
    return result;
}

void TValueSummary::Prefetch(const std::vector<double>& values, int64_t first, int64_t last) const
{
    const auto count = static_cast<int64_t>(values.size());
    for (int64_t i : {first, last}) {
        if (i < 0 || i >= count)
            continue;
        KMITY_PREFETCH(values.data() + i);
        for (std::size_t k = 0; k < Levels.size(); ++k) {
            const int64_t block = i / Unit(k + 1);
            if (block < static_cast<int64_t>(Levels[k].size()))
                KMITY_PREFETCH(Levels[k].data() + block);
        }
    }
}
