#pragma once
// The Qt panel: a widget whose children the alignment places, painting
// bevels, a border, its colour and a caption. TPanel is the IPanel the
// main window places.

#include "app/toolkit/Controls.h"
#include "platform/qt/Container.h"
#include "platform/qt/Control.h"
#include "support/layout/BevelFrame.h"
#include "support/layout/Panel.h"
#include "support/raster/Colors.h"
#include "support/raster/Geometry.h"

#include <string>

class QPainter;

class TCustomPanel : public TQtContainerWidget {
public:
    explicit TCustomPanel(QWidget* parent = nullptr);

    // Each setter does nothing when the value is unchanged; a changed
    // bevel or border re-aligns the children, and every change repaints.
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    int32_t BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int32_t value);
    int32_t BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int32_t value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    // UTF-8.
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);

    // The client rectangle less the outer bevel, the border and the inner
    // bevel: with the defaults 1 pixel on every side.
    TRect AlignFreeArea() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

    // The whole paint of the panel. A subclass that draws itself (the
    // chart) replaces it; the steps below are there for one that does not.
    virtual void Paint(QPainter& painter);

    // Draws outer bevel, border and inner bevel inside `rect`, working
    // inwards, and returns what is left inside them.
    TRect PaintFrames(QPainter& painter, const TRect& rect) const;
    // Caption in the panel's font without a background: its first line is
    // centred vertically by the height of "W", each line placed
    // horizontally by Alignment, clipped to `rect`.
    void PaintCaption(QPainter& painter, const TRect& rect) const;

private:
    void FrameChanged();
    TFrameStyle FrameStyle() const;

    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    int32_t FBevelWidth = 1;
    int32_t FBorderWidth = 0;
    TAlignment FAlignment = taCenter;
    TColor FColor = clBtnFace;
    std::string FCaption;
};

class TPanel final : public TQtControl<TCustomPanel, IPanel> {
public:
    using TQtControl::TQtControl;

    TAlignContainer& Layout() override { return AlignLayout(); }
    // A new size re-aligns the children at once, also while the panel is
    // hidden and so gets no resize event.
    void SetBounds(const TRect& bounds) override
    {
        TQtControl::SetBounds(bounds);
        AlignLayout().ClientResized();
    }
    std::string Caption() const override { return TCustomPanel::Caption(); }
    void SetCaption(const std::string& caption) override { TCustomPanel::SetCaption(caption); }
};
