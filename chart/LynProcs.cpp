// Placeholder: replaced by the chart panel implementation.
#include "chart/LynProcs.h"

#include "support/ErrorBox.h"

#include <QPainter>
#include <QResizeEvent>

TCustomLynPanel::TCustomLynPanel(QWidget* parent)
    : QWidget(parent), Options3D(std::make_unique<TView3DOptions>()), Surface(std::make_unique<TLynCanvas3D>()),
      ColorValue(clBtnFace)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(400, 250);
    RepaintEnabled = true;
}
TCustomLynPanel::~TCustomLynPanel() = default;
void TCustomLynPanel::RequestRepaint()
{
    if (!RepaintEnabled)
        return;
    Surface->MarkStale();
    update();
}
void TCustomLynPanel::HandlePaint()
{
    if (Printing || Surface->RepaintFromBuffer())
        return;
    RenderTo(&WindowCanvas, ClientRectangle());
}
void TCustomLynPanel::RenderTo(QImage* target, const TRect& rect)
{
    ++Renders;
    OuterRect = Surface->BeginFrame(target, Options3D.get(), rect, View3DValue, ColorValue);
    PlotRect = OuterRect;
    NormalizePlotRect();
    RenderContents(OuterRect);
    Surface->PresentFrame(target, &WindowCanvas, rect);
}
void TCustomLynPanel::NormalizePlotRect()
{
    PlotRectWidth = PlotRect.Width();
    PlotRectHeight = PlotRect.Height();
    PlotRectCenterX = (PlotRect.Left + PlotRect.Right) / 2;
    PlotRectCenterY = (PlotRect.Top + PlotRect.Bottom) / 2;
}
void TCustomLynPanel::SelectFont(const TChartFont& font) { Surface->SelectFont(font); }
void TCustomLynPanel::SetColor(TColor v) { StoreAndRepaint(ColorValue, v); }
void TCustomLynPanel::SetBevelOuter(TBevelKind v) { StoreAndRepaint(BevelOuterValue, v); }
void TCustomLynPanel::SetBevelInner(TBevelKind v) { StoreAndRepaint(BevelInnerValue, v); }
void TCustomLynPanel::SetBevelWidth(int v) { StoreAndRepaint(BevelWidthValue, v); }
void TCustomLynPanel::SetBorderWidth(int v) { StoreAndRepaint(BorderWidthValue, v); }
void TCustomLynPanel::SetMarginLeft(int v) { StoreAndRepaint(MarginLeftValue, v); }
void TCustomLynPanel::SetMarginTop(int v) { StoreAndRepaint(MarginTopValue, v); }
void TCustomLynPanel::SetMarginRight(int v) { StoreAndRepaint(MarginRightValue, v); }
void TCustomLynPanel::SetMarginBottom(int v) { StoreAndRepaint(MarginBottomValue, v); }
void TCustomLynPanel::SetView3D(bool v) { StoreAndRepaint(View3DValue, v); }
void TCustomLynPanel::SetChart3DPercent(int v) { StoreAndRepaint(Chart3DPercentValue, v); }
void TCustomLynPanel::DrawBevels(const TRect&) {}
TRect TCustomLynPanel::ClientRectangle() const { return TRect{0, 0, width(), height()}; }
void TCustomLynPanel::paintEvent(QPaintEvent*)
{
    GuardHandler([this] { HandlePaint(); });
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
}
void TCustomLynPanel::resizeEvent(QResizeEvent*) { RequestRepaint(); }

TCustomLynPanelExtended::TCustomLynPanelExtended(QWidget* parent) : TCustomLynPanel(parent) {}
void TCustomLynPanelExtended::DrawBackImage(const TRect&) {}
void TCustomLynPanelExtended::FillBackground(const TRect&) {}
void TCustomLynPanelExtended::PaintBackdrop(const TRect&) {}
