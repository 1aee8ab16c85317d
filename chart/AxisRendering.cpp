// The axis as a drawing: its drawing properties, the room it takes beside
// the plot rectangle, and the drawing of its title and labels.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "chart/ChartMessages.h"
#include "support/numbers/NumberText.h"
#include "support/numbers/Rounding.h"

#include <algorithm>
#include <cmath>

void TCustomChartAxis::SetVisible(bool value) { StoreAndRepaint(VisibleValue, value); }
void TCustomChartAxis::SetTickLength(int value) { StoreAndRepaint(TickLengthValue, value); }
void TCustomChartAxis::SetTickInnerLength(int value) { StoreAndRepaint(TickInnerLengthValue, value); }
void TCustomChartAxis::SetMinorTickLength(int value) { StoreAndRepaint(MinorTickLengthValue, value); }
void TCustomChartAxis::SetMinorTickCount(int value) { StoreAndRepaint(MinorTickCountValue, value); }
void TCustomChartAxis::SetTickOnLabelsOnly(bool value) { StoreAndRepaint(TickOnLabelsOnlyValue, value); }
void TCustomChartAxis::SetGridCentered(bool value) { StoreAndRepaint(GridCenteredValue, value); }
void TCustomChartAxis::SetLabels(bool value) { StoreAndRepaint(LabelsValue, value); }
void TCustomChartAxis::SetLabelsMultiLine(bool value) { StoreAndRepaint(LabelsMultiLineValue, value); }
void TCustomChartAxis::SetLabelsOnAxis(bool value) { StoreAndRepaint(LabelsOnAxisValue, value); }
void TCustomChartAxis::SetLabelsSize(int value) { StoreAndRepaint(LabelsSizeValue, value); }
void TCustomChartAxis::SetTitleSize(int value) { StoreAndRepaint(TitleSizeValue, value); }
void TCustomChartAxis::SetPositionPercent(double value) { StoreAndRepaint(PositionPercentValue, value); }

void TCustomChartAxis::SetLabelsAngle(int value)
{
    if (value < 0 || value > 359)
        throw ChartException(FormatMessage(LynConst::AngleRange, std::string(LynConst::AxisLabelsName)));
    StoreAndRepaint(LabelsAngleValue, value);
}

// --- room beside the plot rectangle -------------------------------------------------

// Inner ticks point into the chart and take no room. Defaults: 2 + 4 = 6.
int32_t TCustomChartAxis::TickRoom() const
{
    int32_t room = AxisPen->Visible() ? AxisPen->Width() : 0;
    if (TicksPen->Visible())
        room += TickLengthValue;
    if (MinorTicksPen->Visible())
        room = std::max(room, static_cast<int32_t>(MinorTickLengthValue));
    return room;
}

int32_t TCustomChartAxis::WidestSeriesText(bool marks) const
{
    int32_t widest = 0;
    for (TChartSeries* series : Chart->SeriesList())
        for (int32_t i = 0; i < series->PointCount(); ++i) {
            if (!series->HasLabelAt(i))
                continue;
            std::string text = series->LabelAt(i);
            if (marks && series->OnGetMarkText)
                series->OnGetMarkText(series, i, text);
            widest = std::max(widest, WidestLineWidth(text));
        }
    return widest;
}

int32_t TCustomChartAxis::LabelsRoom()
{
    if (LabelsSizeValue != 0)
        return LabelsSizeValue;
    bool alongText = IsHorizontal ? (LabelsAngleValue == 0 || LabelsAngleValue == 180)
                                  : (LabelsAngleValue == 90 || LabelsAngleValue == 270);
    if (alongText)
        return Chart->Canvas().FontLineHeight(LabelsFontValue);
    switch (EffectiveLabelStyle()) {
    case talValue:
        return WidestValueLabel();
    case talMark:
        return WidestSeriesText(true);
    case talText:
        return WidestSeriesText(false);
    default:
        return 0;
    }
}

int32_t TCustomChartAxis::TitleRoom()
{
    if (TitleSizeValue != 0)
        return TitleSizeValue;
    int angle = TitleValue->Angle();
    bool alongText = IsHorizontal ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
    if (alongText)
        return Chart->Canvas().FontLineHeight(TitleValue->Font());
    return Chart->Canvas().MeasureTextWidth(TitleValue->Font(), TitleValue->Caption());
}

// The rectangle's edge on this axis's side.
int32_t TCustomChartAxis::EdgeOf(const TRect& r) const
{
    if (IsHorizontal)
        return IsOtherSide ? r.Top : r.Bottom;
    return IsOtherSide ? r.Right : r.Left;
}

void TCustomChartAxis::ShrinkBy(TRect& r, int32_t size) const
{
    if (IsHorizontal)
        (IsOtherSide ? r.Top : r.Bottom) += IsOtherSide ? size : -size;
    else
        (IsOtherSide ? r.Right : r.Left) += IsOtherSide ? -size : size;
}

// Away from the chart: down for the bottom axis, up for the top, left for
// the left, right for the right.
int32_t TCustomChartAxis::MoveOutwards(int32_t coordinate, int32_t size) const
{
    bool growing = IsHorizontal ? !IsOtherSide : IsOtherSide;
    return growing ? coordinate + size : coordinate - size;
}

// A positive PositionPercent moves every axis into the chart.
int32_t TCustomChartAxis::OffsetByPositionPercent(int32_t coordinate, const TRect& r) const
{
    if (PositionPercentValue == 0)
        return coordinate;
    int32_t size = IsHorizontal ? r.Height() : r.Width();
    auto offset = static_cast<int32_t>(RoundHalfEven(PositionPercentValue * 0.01 * size));
    if (IsOtherSide)
        offset = -offset;
    return IsHorizontal ? coordinate - offset : coordinate + offset;
}

// From the outside inwards: title band, labels band, ticks and axis line.
TRect TCustomChartAxis::ReserveRoom(const TRect& rect, bool isStandard)
{
    TAxisLayout& bands = *LayoutSlot;
    if (!isStandard) {
        bands.AxisLinePos = OffsetByPositionPercent(EdgeOf(rect), rect);
        bands.LabelsPos = MoveOutwards(bands.AxisLinePos, TickRoom());
        bands.TitlePos = MoveOutwards(bands.LabelsPos, LabelsRoom());
        return rect;
    }
    TRect r = rect;
    if (IsDepth) {
        bands.TitlePos = r.Right;
    } else if (!TitleValue->Caption().empty()) {
        ShrinkBy(r, TitleRoom());
        bands.TitlePos = EdgeOf(r);
    }
    if (LabelsValue) {
        ShrinkBy(r, LabelsRoom());
        bands.LabelsPos = EdgeOf(r);
    }
    int32_t ticks = TickRoom() + Chart->WallSizeForAxis(this);
    if (ticks > 0)
        ShrinkBy(r, ticks);
    bands.TitlePos = OffsetByPositionPercent(bands.TitlePos, r);
    bands.LabelsPos = OffsetByPositionPercent(bands.LabelsPos, r);
    return r;
}

// Reads the layout of the last paint: a press lands on what is shown.
bool TCustomChartAxis::HitTest(int32_t x, int32_t y) const
{
    if (!Chart || !Chart->IsAxisShown(this))
        return false;
    const TAxisLayout& layout = *LayoutSlot;
    const int32_t line = layout.AxisLinePos;
    const int32_t labels = layout.LabelsPos;
    int32_t along = IsHorizontal ? x : y;
    int32_t across = IsHorizontal ? y : x;
    int32_t alongFrom = std::min(layout.Mapping.StartPixel, layout.Mapping.EndPixel);
    int32_t alongTo = std::max(layout.Mapping.StartPixel, layout.Mapping.EndPixel);
    int32_t acrossFrom = labels < line ? labels : line - 3;
    int32_t acrossTo = labels < line ? line + 3 : labels;
    return alongFrom <= along && along < alongTo && acrossFrom <= across && across < acrossTo;
}

// --- drawing -------------------------------------------------------------------------------

void TCustomChartAxis::DrawAxis(TLynCanvas3D& canvas, const TRect& plot, bool placeLine)
{
    RefreshDateTimeMode();
    TAxisLayout& layout = *LayoutSlot;
    // One step for the whole axis, measured in the labels font.
    const double step = LabelStep(layout.Mapping);
    if (placeLine)
        layout.AxisLinePos = OffsetByPositionPercent(EdgeOf(plot), plot);
    if (!TitleValue->Caption().empty())
        DrawTitle(canvas);
    layout.TickList.clear();
    if (step > 0 && layout.Mapping.UsedMaximum >= layout.Mapping.UsedMinimum) {
        switch (EffectiveLabelStyle()) {
        case talValue:
            DrawValueLabels(canvas, step);
            break;
        case talMark:
            DrawSeriesLabels(canvas, true);
            break;
        case talText:
            DrawSeriesLabels(canvas, false);
            break;
        default:
            break;
        }
    }
    DrawTicksGridAndLine(canvas, plot);
}

void TCustomChartAxis::DrawTitle(TLynCanvas3D& canvas)
{
    canvas.SelectFont(TitleValue->Font());
    canvas.SetBrushColor(Chart->Color());
    canvas.SetBrushStyle(bsClear);
    const int32_t along = Mapping().CenterPixel();
    const int32_t across = Layout().TitlePos;
    if (IsHorizontal)
        DrawAxisText(canvas, along, across, TitleValue->Caption(), TitleValue->Angle());
    else
        DrawAxisText(canvas, across, along, TitleValue->Caption(), TitleValue->Angle());
}

void TCustomChartAxis::DrawLabelAt(TLynCanvas3D& canvas, int32_t position, const std::string& text)
{
    canvas.SelectFont(LabelsFontValue);
    canvas.SetBrushColor(Chart->Color());
    canvas.SetBrushStyle(bsClear);
    const int32_t across = Layout().LabelsPos;
    if (IsHorizontal)
        DrawAxisText(canvas, position, across, text, LabelsAngleValue);
    else
        DrawAxisText(canvas, across, position, text, LabelsAngleValue);
}

// Labels are not tested for overlap: the step keeps them apart.
void TCustomChartAxis::DrawValueLabels(TLynCanvas3D& canvas, double step)
{
    const TAxisMapping& m = Mapping();
    for (double value : LabelValuesFor(m.UsedMinimum, m.UsedMaximum, step, RoundFirstLabelValue)) {
        int32_t p = m.ValueToPosition(value);
        if (!LabelsOnAxisValue && !(m.StartPixel < p && p < m.EndPixel))
            continue;
        if (!TickOnLabelsOnlyValue)
            AddTick(p);
        if (LabelsValue) {
            std::string text = LabelText(value);
            if (TickOnLabelsOnlyValue)
                AddTick(p);
            DrawLabelAt(canvas, p, text);
        }
    }
}
