// Text of the raster device, measured and drawn by Qt on the target image.
// The text cell is the advance width by the font's line height; the anchor
// (TextAlign) picks the point of that cell that lands on (x, y), and the
// escapement turns the cell about that point.

#include "support/raster/RasterDevice.h"

#include <QFontMetrics>
#include <QPainter>

#include <cstdlib>

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QColor ToQColor(TColor rgb) { return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb)); }

// The cell's top-left corner relative to the anchor point, in the text's
// own (unturned) frame. Centre halves the width truncating: a 15-pixel wide
// text centred at x starts at x - 7.
QPoint CellOffset(unsigned align, int width, int height, int ascent)
{
    int left = 0;
    if ((align & TA_CENTER) == TA_CENTER)
        left = -(width / 2);
    else if ((align & TA_RIGHT) == TA_RIGHT)
        left = -width;
    int top = 0;
    if ((align & TA_BASELINE) == TA_BASELINE)
        top = -ascent;
    else if ((align & TA_BOTTOM) == TA_BOTTOM)
        top = -height;
    return QPoint(left, top);
}

// Tenths of a degree, counter-clockwise, brought into 0..3599.
int NormalisedEscapement(int tenths)
{
    int e = tenths % 3600;
    return e < 0 ? e + 3600 : e;
}

} // namespace

const QFont& TRasterDevice::QtFont() const { return Fonts.Get(Font); }

const QFont& TRasterDevice::QtFontFor(const TDeviceFont& wanted) const { return Fonts.Get(wanted); }

TPoint TRasterDevice::TextExtent(std::string_view utf8) const { return TextExtent(Font, utf8); }

TPoint TRasterDevice::TextExtent(const TDeviceFont& font, std::string_view utf8) const
{
    const QFontMetrics metrics(QtFontFor(font));
    const int width = utf8.empty() ? 0 : metrics.horizontalAdvance(FromUtf8(utf8));
    return TPoint{width, metrics.height()};
}

void TRasterDevice::TextOut(int32_t x, int32_t y, std::string_view utf8)
{
    const TRect bounds = DrawBounds();
    if (bounds.IsEmpty() || utf8.empty())
        return;
    const QString text = FromUtf8(utf8);
    const QFont& font = QtFont();
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    const QPoint cell = CellOffset(TextAlign, width, metrics.height(), metrics.ascent());

    QPainter painter(TargetImage);
    const TDeviceScale scale = Scale();
    if (scale.IsIdentity()) {
        painter.setClipRect(QRect(bounds.Left, bounds.Top, bounds.Width(), bounds.Height()));
        painter.translate(x, y);
    } else {
        // Clip and anchor in device pixels, mapped as every other primitive
        // maps them; then the logical text at the device's scale, so that
        // the glyphs are drawn at the device's resolution.
        TRect device;
        IntersectRect(device, scale.Map(bounds), TRect{0, 0, TargetImage->width(), TargetImage->height()});
        painter.setTransform(QTransform::fromScale(1 / scale.Ratio, 1 / scale.Ratio));
        painter.setClipRect(QRect(device.Left, device.Top, device.Width(), device.Height()));
        painter.translate(scale.Map(x), scale.Map(y));
        painter.scale(scale.Ratio, scale.Ratio);
    }
    painter.setFont(font);
    const int escapement = NormalisedEscapement(Font.EscapementTenths);
    // Qt turns clockwise on a y-down image; the escapement turns the other way.
    if (escapement != 0)
        painter.rotate(-escapement / 10.0);
    if (BkMode == bkOpaque)
        painter.fillRect(QRect(cell.x(), cell.y(), width, metrics.height()), ToQColor(BkColor));
    painter.setPen(ToQColor(TextColor));
    painter.drawText(QPoint(cell.x(), cell.y() + metrics.ascent()), text);
}
