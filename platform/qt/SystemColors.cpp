// The system colours from the Qt application palette.
#include "platform/qt/SystemColors.h"

#include <QApplication>
#include <QPalette>

namespace {

TColor FromQColor(const QColor& c) { return RGBColor(c.red(), c.green(), c.blue()); }

} // namespace

TColor TQtSystemColors::SystemColorRGB(int index) const
{
    const QPalette palette = QApplication::palette();
    switch (index) {
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
