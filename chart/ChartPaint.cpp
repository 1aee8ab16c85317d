// The chart's own steps of the paint sequence: headings (title and foot),
// axis layout, series margins, the back wall and the zoom frame.
#include "chart/Chart.h"

#include <algorithm>

// --- headings ------------------------------------------------------------------------

// The legend is hidden on every chart of this program and has no drawing of
// its own: the headings are the title, then the foot.
TRect TCustomChart::DrawHeadings(TLynCanvas3D& c, const TRect& plot)
{
    TRect r = plot;
    c.BeginFrontPlane();
    if (TitleValue->Visible())
        r = DrawTitleBlock(c, *TitleValue, true, r);
    if (FootValue->Visible())
        r = DrawTitleBlock(c, *FootValue, false, r);
    c.EndFrontPlane();
    return r;
}

// How a title's block is filled, from its Color and Brush.
void TCustomChart::PrepareTitleFill(TLynCanvas3D& c, TChartTitle& title)
{
    const bool solid = title.Brush().Style() == bsSolid;
    if (title.Color() == clDefault) {
        if (!solid) {
            c.AssignBrush(title.Brush());
            c.SetBackgroundMode(bmTransparent);
        } else if (title.Brush().Color() == clDefault) {
            c.SetBrushStyle(bsClear); // no fill: the case of every chart here
        } else {
            title.SetColor(title.Brush().Color());
            c.SetBrushColor(title.Color());
            c.SetBrushStyle(bsSolid);
        }
        return;
    }
    if (!solid) {
        c.AssignBrush(title.Brush());
        c.SetBackgroundMode(bmOpaque);
        c.SetBackgroundColor(title.Color());
    } else {
        c.SetBrushStyle(bsSolid);
        c.SetBrushColor(title.Color());
    }
}

// The title block's frame box, narrowed to the widest line when AdjustFrame.
void TCustomChart::DrawTitleBox(TLynCanvas3D& c, TChartTitle& title, int32_t letterWidth)
{
    if (title.AdjustFrame()) {
        int32_t widest = 0;
        for (const std::string& line : title.Text())
            widest = std::max(widest, c.MeasureTextWidth(title.Font(), line));
        const int32_t m = widest + letterWidth;
        TRect& box = title.TitleBox;
        if (title.Alignment() == taLeftJustify) {
            box.Right = box.Left + m;
        } else if (title.Alignment() == taRightJustify) {
            box.Left = box.Right - m;
        } else {
            const int32_t centre = (box.Left + box.Right) / 2;
            box.Left = centre - m / 2;
            box.Right = centre + m / 2;
        }
    }
    c.DrawBoxRect(title.TitleBox);
}

// The frame box of a heading of n lines of height h, starting at the first
// line's rectangle r, widened by the frame pen; selects that pen (or none).
void TCustomChart::PlaceTitleBox(TLynCanvas3D& c, TChartTitle& title, const TRect& r, bool frameShown, bool atTop,
                                 int32_t h)
{
    title.TitleBox = r;
    int32_t pw = 0;
    if (frameShown) {
        c.ApplyChartPen(title.Frame());
        pw = title.Frame().Width();
    } else {
        c.SetPenStyle(psClear);
    }
    const auto n = static_cast<int32_t>(title.Text().size());
    if (atTop)
        title.TitleBox.Bottom = r.Top + n * h;
    else
        title.TitleBox.Top = r.Bottom - n * h;
    title.TitleBox = InflateRect(title.TitleBox, pw, pw);
}

// The lines of a heading, each h high, downwards from the top or upwards
// from the bottom; returns r moved past the last line.
TRect TCustomChart::DrawTitleLines(TLynCanvas3D& c, const TChartTitle& title, TRect r, bool atTop, int32_t h,
                                   int32_t letterWidth)
{
    c.SetBackgroundMode(bmTransparent);
    // The anchor persists on the surface between paints; axis labels change it.
    c.SetTextAnchor(anLeftTop);
    const auto& lines = title.Text();
    const auto n = static_cast<int32_t>(lines.size());
    for (int32_t k = 0; k < n; ++k) {
        const std::string& line = lines[static_cast<std::size_t>(atTop ? k : n - 1 - k)];
        if (atTop)
            r.Bottom = r.Top + h;
        else
            r.Top = r.Bottom - h;
        const int32_t tw = c.MeasureTextWidth(title.Font(), line);
        int32_t x = (r.Left + r.Right) / 2 - tw / 2;
        if (title.Alignment() == taLeftJustify)
            x = r.Left + letterWidth / 2;
        else if (title.Alignment() == taRightJustify)
            x = r.Right - tw - letterWidth / 2;
        c.PutText(x, r.Top, line);
        if (atTop)
            r.Top = r.Bottom;
        else
            r.Bottom = r.Top;
    }
    return r;
}

// One heading at the top or bottom of the plot rectangle; returns that
// rectangle shrunk by it: one line of height h without a frame moves the
// edge inwards by h + 5.
TRect TCustomChart::DrawTitleBlock(TLynCanvas3D& c, TChartTitle& title, bool atTop, const TRect& plot)
{
    const TRect cr = plot;
    c.SelectFont(title.Font());
    const int32_t h = c.FontLineHeight(title.Font());
    PrepareTitleFill(c, title);

    const bool frameShown = title.Frame().Visible() && title.Frame().Color() != clDefault;
    const int32_t fw = frameShown ? title.Frame().Width() : 0;
    TRect r{cr.Left + fw, 0, cr.Right - fw, 0};
    if (atTop) {
        r.Top = cr.Top + fw;
        r.Bottom = r.Top - 5;
    } else {
        r.Bottom = cr.Bottom - fw;
        r.Top = r.Bottom + 5;
    }
    PlaceTitleBox(c, title, r, frameShown, atTop, h);
    const int32_t ww = c.MeasureTextWidth(title.Font(), "W");
    if (frameShown || c.BrushStyle() != bsClear)
        DrawTitleBox(c, title, ww);
    r = DrawTitleLines(c, title, r, atTop, h, ww);
    if (frameShown) {
        if (atTop)
            r.Bottom += fw;
        else
            r.Top -= fw;
    }
    TRect shrunk = plot;
    if (atTop)
        shrunk.Top = r.Bottom + 5;
    else
        shrunk.Bottom = r.Top - 5;
    return NormalizedPlotRect(Layout().OuterRect, shrunk);
}

// --- axes ------------------------------------------------------------------------------

TRect TCustomChart::LayoutAxes(const TRect& plot)
{
    const auto& axes = Axes();
    for (TCustomChartAxis* axis : axes)
        axis->ResolveRange();
    // In 2D every depth is 0 and the plot rectangle keeps its size.
    TRect working = NormalizedPlotRect(Layout().OuterRect, plot);
    for (std::size_t i = 0; i < axes.size(); ++i) {
        if (!IsAxisShown(axes[i]))
            continue;
        const TRect reserved = axes[i]->ReserveRoom(working, i < 5);
        // A reservation that leaves no overlap does not shrink the area.
        TRect overlap;
        if (IntersectRect(overlap, working, reserved))
            working = overlap;
    }
    const TRect placed = NormalizedPlotRect(Layout().OuterRect, working);
    for (TCustomChartAxis* axis : axes)
        axis->PlaceAxis(placed);
    return placed;
}

// Top, left, right, bottom: each automatic end of an axis keeps free the
// largest margin any of its series asks for. The margins widen the axes'
// ranges, not the plot rectangle, which comes back as it went in.
TRect TCustomChart::ApplySeriesMargins(const TRect& plot)
{
    const auto& axes = Axes();
    for (TCustomChartAxis* axis : {axes[1], axes[2], axes[3], axes[0]}) {
        int32_t start = 0;
        int32_t end = 0;
        for (TChartSeries* s : SeriesList()) {
            if (!s->Active() || !s->UsesAxis(axis))
                continue;
            int32_t a = 0;
            int32_t b = 0;
            // Horizontal: left and right. Vertical: top (the maximum's end)
            // and bottom (the minimum's end).
            if (axis->IsHorizontal) {
                s->HorizontalMargins(a, b);
                if (axis->AutomaticMinimum())
                    start = std::max(start, a);
                if (axis->AutomaticMaximum())
                    end = std::max(end, b);
            } else {
                s->VerticalMargins(a, b);
                if (axis->AutomaticMaximum())
                    start = std::max(start, a);
                if (axis->AutomaticMinimum())
                    end = std::max(end, b);
            }
        }
        axis->WidenForMargins(start, end);
    }
    return plot;
}

// --- walls -------------------------------------------------------------------------------

// The brush for a hatched fill must differ from its background to show.
void TCustomChart::SetBrushFill(TLynCanvas3D& c, TColor color, TBrushStyle style, TColor background)
{
    if (style != bsSolid && color == background)
        color = background == clBlack ? clWhite : clBlack;
    c.SetBrushColor(color);
    c.SetBrushStyle(style);
    if (style == bsSolid) {
        c.SetBackgroundMode(bmTransparent);
    } else {
        c.SetBackgroundMode(bmOpaque);
        c.SetBackgroundColor(background);
    }
}

void TCustomChart::ApplyWallBrush(TLynCanvas3D& c, TChartWall& wall)
{
    c.ApplyChartPen(wall.Pen());
    // A bitmap brush is never set here (TChartBrush::HasBitmap), so the
    // surface brush never holds one to drop.
    if (wall.Color() == clDefault && wall.Brush().Style() == bsSolid) {
        c.SetBrushStyle(bsClear);
        return;
    }
    SetBrushFill(c, wall.Color(), wall.Brush().Style(), wall.Brush().Color());
}

// The outline lies on the columns left and right and the rows top and
// bottom of the plot rectangle. Side walls exist only in 3D.
void TCustomChart::PaintWalls(TLynCanvas3D& c, const TRect& plot)
{
    ApplyWallBrush(c, *BackWallValue);
    c.DrawBox(plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1);
    if (HasBackImage() && BackImageInside()) {
        TRect inside = plot;
        if (BackWallValue->Pen().Visible()) {
            ++inside.Top;
            --inside.Bottom;
        }
        DrawBackImageIn(c, inside);
    }
}

// Not-xor: drawing the same frame again restores the pixels under it. The
// colour is the panel's, or black on a white panel. The surface's pen mode
// is copy again afterwards, as every other drawing expects.
void TCustomChart::DrawZoomFrame(TLynCanvas3D& c)
{
    const TColor rgb = ColorToRGB(Color());
    c.SetPenColor(rgb == clWhite ? clBlack : rgb);
    c.SetPenMode(pmNotXor);
    c.SetPenStyle(psSolid);
    c.SetPenWidth(1);
    c.SetBrushStyle(bsClear);
    c.DrawBox(ZoomRecord.AnchorX, ZoomRecord.AnchorY, ZoomRecord.LastX, ZoomRecord.LastY);
    c.SetPenMode(pmCopy);
}
