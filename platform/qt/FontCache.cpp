// The Qt text renderer's fonts: how a device font becomes a Qt font, and
// the few that are kept.
#include "platform/qt/FontCache.h"

#include "support/numbers/Rounding.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The escapement turns the painter, not the font, so fonts that differ in
// it alone are one font. Nothing else is left out: every other field
// changes the glyphs. The device-pixel ratio is not part of it either, as
// text is laid out in logical pixels and only the painter is scaled.
TDeviceFont KeyOf(const TDeviceFont& font)
{
    TDeviceFont key = font;
    key.EscapementTenths = 0;
    return key;
}

// Sizes are points at 96 pixels per inch, set as pixel sizes so that the
// result never depends on the screen: 8 points are MulDiv(8, 96, 72) = 11 px.
QFont BuildFont(const TDeviceFont& wanted)
{
    QFont font(QString::fromStdString(wanted.Name));
    font.setPixelSize(std::max(1, MulDiv(std::abs(wanted.Size), 96, 72)));
    font.setBold(wanted.Bold);
    font.setItalic(wanted.Italic);
    font.setUnderline(wanted.Underline);
    font.setStrikeOut(wanted.StrikeOut);
    return font;
}

} // namespace

const QFont& TFontCache::Get(const TDeviceFont& wanted)
{
    const TDeviceFont key = KeyOf(wanted);
    ++Clock;
    for (TEntry& entry : Entries)
        if (entry.Held && entry.Key == key) {
            entry.LastUse = Clock;
            return entry.Font;
        }
    // A free place has LastUse 0 and so is taken before any held one.
    TEntry& oldest = *std::min_element(Entries.begin(), Entries.end(),
                                       [](const TEntry& a, const TEntry& b) { return a.LastUse < b.LastUse; });
    oldest.Held = true;
    oldest.Key = key;
    oldest.Font = BuildFont(key);
    oldest.LastUse = Clock;
    ++BuildCount;
    return oldest.Font;
}
