#include "support/layout/Panel.h"

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

void FillPixels(QPainter& painter, int32_t left, int32_t top, int32_t width, int32_t height, const QColor& color)
{
    if (width > 0 && height > 0)
        painter.fillRect(QRect(left, top, width, height), color);
}

// A raised bevel is lit from the top left; a lowered one the reverse.
void PaintBevel(QPainter& painter, TRect& rect, TBevelCut cut, int32_t width)
{
    if (cut == bvNone)
        return;
    const bool raised = cut == bvRaised;
    PaintFrame3D(painter, rect, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, width);
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

void PaintFrame3D(QPainter& painter, TRect& rect, TColor topLeft, TColor bottomRight, int32_t width)
{
    const QColor light = ToQColor(topLeft);
    const QColor dark = ToQColor(bottomRight);
    for (int32_t ring = 0; ring < width; ++ring) {
        const int32_t w = rect.Width();
        const int32_t h = rect.Height();
        // 5 x 4 ring: light (0,0)-(0,2) and (0,0)-(3,0); dark column 4 and row 3.
        FillPixels(painter, rect.Left, rect.Top, 1, h - 1, light);
        FillPixels(painter, rect.Left, rect.Top, w - 1, 1, light);
        FillPixels(painter, rect.Right - 1, rect.Top, 1, h, dark);
        FillPixels(painter, rect.Left, rect.Bottom - 1, w, 1, dark);
        rect = InflateRect(rect, -1, -1);
    }
}

TCustomPanel::TCustomPanel(QWidget* parent) : TAlignContainer(parent) {}

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

void TCustomPanel::SetCaption(const QString& value)
{
    if (FCaption == value)
        return;
    FCaption = value;
    update();
}

void TCustomPanel::FrameChanged()
{
    // The frame decides the free area of the children.
    RequestAlign(nullptr);
    update();
}

TRect TCustomPanel::AlignFreeArea() const
{
    int32_t inset = FBorderWidth;
    if (FBevelOuter != bvNone)
        inset += FBevelWidth;
    if (FBevelInner != bvNone)
        inset += FBevelWidth;
    return InflateRect(TAlignContainer::AlignFreeArea(), -inset, -inset);
}

void TCustomPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

void TCustomPanel::Paint(QPainter& painter)
{
    const TRect inside = PaintFrames(painter, TRect{0, 0, width(), height()});
    FillPixels(painter, inside.Left, inside.Top, inside.Width(), inside.Height(), ToQColor(FColor));
    PaintCaption(painter, inside);
}

TRect TCustomPanel::PaintFrames(QPainter& painter, TRect rect) const
{
    PaintBevel(painter, rect, FBevelOuter, FBevelWidth);
    PaintFrame3D(painter, rect, FColor, FColor, FBorderWidth);
    PaintBevel(painter, rect, FBevelInner, FBevelWidth);
    return rect;
}

void TCustomPanel::PaintCaption(QPainter& painter, const TRect& rect) const
{
    if (FCaption.isEmpty() || rect.IsEmpty())
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
    painter.drawText(textBox, Qt::AlignTop | HorizontalFlag(FAlignment) | Qt::TextExpandTabs, FCaption);
    painter.restore();
}
