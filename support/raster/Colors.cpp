#include "support/raster/Colors.h"

#include <QApplication>
#include <QPalette>

namespace {

TColor FromQColor(const QColor& c) { return RGBColor(c.red(), c.green(), c.blue()); }

} // namespace

TColor ColorToRGB(TColor color)
{
    if (!IsSystemColor(color))
        return color;
    const QPalette palette = QApplication::palette();
    switch (color & 0xFF) {
    case 5:
        return FromQColor(palette.color(QPalette::Base));
    case 8:
        return FromQColor(palette.color(QPalette::WindowText));
    case 15:
        return FromQColor(palette.color(QPalette::Button));
    case 16:
        return FromQColor(palette.color(QPalette::Dark));
    case 20:
        return FromQColor(palette.color(QPalette::Light));
    default:
        return FromQColor(palette.color(QPalette::Window));
    }
}
