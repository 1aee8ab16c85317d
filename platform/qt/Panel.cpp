// The Qt panel's frame, face and caption, and its frame's part in the
// alignment.

#include "platform/qt/Panel.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cassert>

namespace {

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

void FillPixels(QPainter& painter, const TRect& r, const QColor& color)
{
    if (!r.IsEmpty())
        painter.fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), color);
}

Qt::Alignment HorizontalFlag(TAlignment alignment)
{
    switch (alignment) {
    case taLeftJustify:
        return Qt::AlignLeft;
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        break;
    }
    return Qt::AlignHCenter;
}

} // namespace

TCustomPanel::TCustomPanel(QWidget* parent) : TQtContainerWidget(parent) {}

void TCustomPanel::SetBevelOuter(TBevelCut value)
{
    if (FBevelOuter == value)
        return;
    FBevelOuter = value;
    FrameChanged();
}

void TCustomPanel::SetBevelInner(TBevelCut value)
{
    if (FBevelInner == value)
        return;
    FBevelInner = value;
    FrameChanged();
}

void TCustomPanel::SetBevelWidth(int32_t value)
{
    assert(value >= 1 && "a bevel is at least one pixel wide");
    if (FBevelWidth == value)
        return;
    FBevelWidth = value;
    FrameChanged();
}

void TCustomPanel::SetBorderWidth(int32_t value)
{
    assert(value >= 0 && "a border width cannot be negative");
    if (FBorderWidth == value)
        return;
    FBorderWidth = value;
    FrameChanged();
}

void TCustomPanel::SetAlignment(TAlignment value)
{
    if (FAlignment == value)
        return;
    FAlignment = value;
    update();
}

void TCustomPanel::SetColor(TColor value)
{
    if (FColor == value)
        return;
    FColor = value;
    update();
}

void TCustomPanel::SetCaption(const std::string& value)
{
    if (FCaption == value)
        return;
    FCaption = value;
    update();
}

void TCustomPanel::FrameChanged()
{
    // The frame decides the free area of the children.
    AlignLayout().RequestAlign(nullptr);
    update();
}

TFrameStyle TCustomPanel::FrameStyle() const
{
    return TFrameStyle{FBevelOuter, FBevelInner, FBevelWidth, FBorderWidth, FColor};
}

TRect TCustomPanel::AlignFreeArea() const
{
    return FrameGeometry(FrameStyle(), TQtContainerWidget::AlignFreeArea()).Inside;
}

void TCustomPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

void TCustomPanel::Paint(QPainter& painter)
{
    const TRect inside = PaintFrames(painter, TRect{0, 0, width(), height()});
    FillPixels(painter, inside, ToQColor(FColor));
    PaintCaption(painter, inside);
}

TRect TCustomPanel::PaintFrames(QPainter& painter, const TRect& rect) const
{
    const TFrameGeometry frame = FrameGeometry(FrameStyle(), rect);
    for (const TBevelRun& run : frame.Runs)
        FillPixels(painter, run.Pixels(), ToQColor(run.Color));
    return frame.Inside;
}

void TCustomPanel::PaintCaption(QPainter& painter, const TRect& rect) const
{
    if (FCaption.empty() || rect.IsEmpty())
        return;
    const QFontMetrics metrics(font());
    const int32_t lineHeight = metrics.size(Qt::TextSingleLine, QStringLiteral("W")).height();
    // Division truncates toward zero, as all integer layout arithmetic here.
    const int32_t top = (rect.Top + rect.Bottom - lineHeight) / 2;
    const QRect textBox(rect.Left, top, rect.Width(), std::max(rect.Bottom - top, lineHeight));

    painter.save();
    painter.setClipRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()));
    painter.setFont(font());
    painter.setPen(ToQColor(clWindowText));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(textBox, Qt::AlignTop | HorizontalFlag(FAlignment) | Qt::TextExpandTabs,
                     QString::fromStdString(FCaption));
    painter.restore();
}
