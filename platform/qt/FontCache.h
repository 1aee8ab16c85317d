#pragma once
// The Qt fonts the Qt text renderer has built, a few at a time. A chart's
// paint measures and draws text in turn in its labels' font and its
// titles' fonts; a new QFont must match a font file and build its engine again
// before it can measure, so the fonts asked for recently are kept.

#include "support/raster/DeviceTypes.h"

#include <QFont>

#include <array>
#include <cstdint>

class TFontCache {
public:
    // A chart asks for two or three fonts in a paint: room for a few more.
    static constexpr int Capacity = 4;

    // The font for `wanted`, built when it is not held; when all places are
    // taken it replaces the one asked for longest ago. The reference stays
    // valid until the next call.
    const QFont& Get(const TDeviceFont& wanted);

    // How many fonts were built; tests read it.
    int64_t Builds() const { return BuildCount; }

private:
    struct TEntry {
        bool Held = false;
        TDeviceFont Key;
        QFont Font;
        uint64_t LastUse = 0;
    };

    std::array<TEntry, Capacity> Entries;
    uint64_t Clock = 0;
    int64_t BuildCount = 0;
};
