// The Qt text renderer: measuring with QFontMetrics and drawing with a
// QPainter turned and clipped as the device placed the text.
#include "platform/qt/TextRenderer.h"

#include "platform/qt/ImageView.h"
#include "support/raster/DeviceScale.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QColor ToQColor(TColor rgb) { return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb)); }

} // namespace

// The ratio does not change a measure: text is laid out in logical pixels.
int32_t TQtTextRenderer::TextWidth(const TDeviceFont& font, double, std::string_view utf8)
{
    if (utf8.empty())
        return 0;
    return QFontMetrics(Fonts.Get(font)).horizontalAdvance(FromUtf8(utf8));
}

TFontMetrics TQtTextRenderer::Metrics(const TDeviceFont& font, double)
{
    const QFontMetrics metrics(Fonts.Get(font));
    return TFontMetrics{metrics.height(), metrics.ascent()};
}

void TQtTextRenderer::DrawText(TImage& image, const TDeviceFont& font, std::string_view utf8, const TTextPlacement& at)
{
    QImage view = ImageView(image);
    if (view.isNull())
        return;
    QPainter painter(&view);
    const double ratio = TDeviceScale::ForRatio(image.DevicePixelRatio()).Ratio;
    const QRect clip(at.Clip.Left, at.Clip.Top, at.Clip.Width(), at.Clip.Height());
    if (ratio == 1) {
        painter.setClipRect(clip);
        painter.translate(at.Anchor.X, at.Anchor.Y);
    } else {
        // Undo the painter's own scaling to clip and anchor in device
        // pixels, then scale the logical text up to the device.
        painter.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
        painter.setClipRect(clip);
        painter.translate(at.Anchor.X, at.Anchor.Y);
        painter.scale(ratio, ratio);
    }
    painter.setFont(Fonts.Get(font));
    // Qt turns clockwise on a y-down image; the escapement turns the other way.
    if (at.EscapementTenths != 0)
        painter.rotate(-at.EscapementTenths / 10.0);
    if (at.Opaque)
        painter.fillRect(QRect(at.CellLeft, at.CellTop, at.Width, at.Metrics.Height), ToQColor(at.BkColor));
    painter.setPen(ToQColor(at.TextColor));
    painter.drawText(QPoint(at.CellLeft, at.CellTop + at.Metrics.Ascent), FromUtf8(utf8));
}
