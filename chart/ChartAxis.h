#pragma once
// A chart axis: as a scale (range in use, pixel mapping, label step and
// label values) and as a drawing (room beside the plot rectangle, line,
// ticks, grid, labels, title).

#include "chart/ChartPens.h"
#include "chart/PaintLayout.h"
#include "support/raster/Geometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TCustomAxisPanel;
class TLynCanvas3D;
class TCustomChartAxis;
class TChartSeries;

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };

// The title of an axis: caption, angle and font.
class TChartAxisTitle {
public:
    explicit TChartAxisTitle(TCustomChartAxis* axis, int angle = 0);

    const std::string& Caption() const { return CaptionValue; }
    void SetCaption(const std::string& value);
    int Angle() const { return AngleValue; }
    // 0..359; another value raises ChartException "Axis Title Angle must be
    // between 0 and 359 degrees". Only a changed value is checked.
    void SetAngle(int value);
    TChartFont& Font() { return FontValue; }
    const TChartFont& Font() const { return FontValue; }
    int DefaultAngle = 0;
    void Assign(const TChartAxisTitle& source);

private:
    TCustomChartAxis* Axis;
    std::string CaptionValue;
    int AngleValue = 0;
    TChartFont FontValue;
};

// The largest number of major tick positions one drawing records.
constexpr int32_t TickListCapacity = 2000;
// The most label values one axis produces.
constexpr int32_t MaxLabelValues = 10000;

class TCustomChartAxis {
public:
    TCustomChartAxis(TCustomAxisPanel* chart, bool horizontal, bool otherSide, bool depth, int titleAngle);
    virtual ~TCustomChartAxis();
    TCustomChartAxis(const TCustomChartAxis&) = delete;
    TCustomChartAxis& operator=(const TCustomChartAxis&) = delete;

    TCustomAxisPanel* ParentChart() const { return Chart; }
    // Copies every scaling and drawing property, the identity flags and the
    // positions from another axis (pens and fonts by value).
    void Assign(const TCustomChartAxis& source);

    // --- identity ---------------------------------------------------------------
    bool IsHorizontal = false;
    bool IsOtherSide = false;
    bool IsDepth = false;

    // --- scaling properties -----------------------------------------------------
    bool Automatic() const { return AutomaticValue; }
    void SetAutomatic(bool value);
    bool AutomaticMinimum() const { return AutomaticMinimumValue; }
    void SetAutomaticMinimum(bool value);
    bool AutomaticMaximum() const { return AutomaticMaximumValue; }
    void SetAutomaticMaximum(bool value);
    double Minimum() const { return MinimumValue; }
    void SetMinimum(double value);
    double Maximum() const { return MaximumValue; }
    void SetMaximum(double value);
    double Increment() const { return IncrementValue; }
    void SetIncrement(double value);
    bool Inverted() const { return InvertedValue; }
    void SetInverted(bool value);
    int LabelsSeparation() const { return LabelsSeparationValue; }
    void SetLabelsSeparation(int value);
    bool RoundFirstLabel() const { return RoundFirstLabelValue; }
    void SetRoundFirstLabel(bool value);
    double StartPosition() const { return StartPositionValue; }
    void SetStartPosition(double value);
    double EndPosition() const { return EndPositionValue; }
    void SetEndPosition(double value);
    const std::string& AxisValuesFormat() const { return AxisValuesFormatValue; }
    void SetAxisValuesFormat(const std::string& value);
    TAxisLabelStyle LabelStyle() const { return LabelStyleValue; }
    void SetLabelStyle(TAxisLabelStyle value);
    bool Logarithmic() const { return LogarithmicValue; }
    void SetLogarithmic(bool value);
    int LogarithmicBase() const { return LogarithmicBaseValue; }
    void SetLogarithmicBase(int value);
    const std::string& DateTimeFormat() const { return DateTimeFormatValue; }
    void SetDateTimeFormat(const std::string& value);
    bool ExactDateTime() const { return ExactDateTimeValue; }
    void SetExactDateTime(bool value);

    // --- drawing properties -----------------------------------------------------
    bool Visible() const { return VisibleValue; }
    void SetVisible(bool value);
    TChartAxisPen& Axis() { return *AxisPen; }
    TDarkGrayPen& Ticks() { return *TicksPen; }
    TDarkGrayPen& TicksInner() { return *TicksInnerPen; }
    TDarkGrayPen& MinorTicks() { return *MinorTicksPen; }
    TDottedGrayPen& Grid() { return *GridPen; }
    TChartHiddenPen& MinorGrid() { return *MinorGridPen; }
    int TickLength() const { return TickLengthValue; }
    void SetTickLength(int value);
    int TickInnerLength() const { return TickInnerLengthValue; }
    void SetTickInnerLength(int value);
    int MinorTickLength() const { return MinorTickLengthValue; }
    void SetMinorTickLength(int value);
    int MinorTickCount() const { return MinorTickCountValue; }
    void SetMinorTickCount(int value);
    bool TickOnLabelsOnly() const { return TickOnLabelsOnlyValue; }
    void SetTickOnLabelsOnly(bool value);
    bool GridCentered() const { return GridCenteredValue; }
    void SetGridCentered(bool value);
    bool Labels() const { return LabelsValue; }
    void SetLabels(bool value);
    TChartFont& LabelsFont() { return LabelsFontValue; }
    const TChartFont& LabelsFont() const { return LabelsFontValue; }
    int LabelsAngle() const { return LabelsAngleValue; }
    // 0..359; another value raises ChartException "Axis Labels Angle must
    // be between 0 and 359 degrees".
    void SetLabelsAngle(int value);
    bool LabelsMultiLine() const { return LabelsMultiLineValue; }
    void SetLabelsMultiLine(bool value);
    bool LabelsOnAxis() const { return LabelsOnAxisValue; }
    void SetLabelsOnAxis(bool value);
    int LabelsSize() const { return LabelsSizeValue; }
    void SetLabelsSize(int value);
    TChartAxisTitle& Title() { return *TitleValue; }
    const TChartAxisTitle& Title() const { return *TitleValue; }
    int TitleSize() const { return TitleSizeValue; }
    void SetTitleSize(int value);
    double PositionPercent() const { return PositionPercentValue; }
    void SetPositionPercent(double value);

    // --- the paint -------------------------------------------------------------------
    // This axis's part of the chart's paint layout: of the last paint
    // (during a paint, of the paint so far). Only the axis writes it.
    const TAxisLayout& Layout() const { return *LayoutSlot; }
    // The value/pixel mapping of that paint; the series, the mouse and the
    // hit tests read it.
    const TAxisMapping& Mapping() const { return LayoutSlot->Mapping; }
    bool DateTimeMode = false;

    // --- scaling ------------------------------------------------------------------
    // The range in use for this paint: the mapping's range changes, its
    // pixels stay those of the last paint until PlaceAxis.
    void ResolveRange();
    // The pixel ends for this paint along the plot rectangle.
    void PlaceAxis(const TRect& plotRect);
    void WidenForMargins(int32_t startMargin, int32_t endMargin);
    int32_t ValueToPosition(double value) const { return LayoutSlot->Mapping.ValueToPosition(value); }
    double PositionToValue(int32_t position) const { return LayoutSlot->Mapping.PositionToValue(position); }
    // The label step of a mapping, measured in the labels font; without a
    // mapping, of the last paint's.
    double LabelStep(const TAxisMapping& mapping);
    double LabelStep() { return LabelStep(LayoutSlot->Mapping); }
    std::string LabelText(double value) const;
    TAxisLabelStyle EffectiveLabelStyle() const;
    int32_t WidestValueLabel();
    void SetLimits(double min, double max);
    void ShiftLimits(double delta, bool checkLimits);
    // The label values of a mapping, descending (empty when none); without
    // a mapping, of the last paint's.
    std::vector<double> LabelValues(const TAxisMapping& mapping);
    std::vector<double> LabelValues() { return LabelValues(LayoutSlot->Mapping); }
    // The smallest and largest contribution of the series (0 when none).
    double SeriesMinimum() const;
    double SeriesMaximum() const;

    // --- rendering ----------------------------------------------------------------
    // One straight line of the axis drawing: VerticalLine(At, From, To) when
    // Vertical, else HorizontalLine(From, To, At); To is excluded.
    struct TAxisSegment {
        bool Vertical = false;
        int32_t At = 0;
        int32_t From = 0;
        int32_t To = 0;
        friend bool operator==(const TAxisSegment&, const TAxisSegment&) = default;
    };
    int32_t TickRoom() const;
    int32_t LabelsRoom();
    int32_t TitleRoom();
    // The rectangle left once this axis has taken its room at its side of
    // it; notes where the axis's bands stand.
    TRect ReserveRoom(const TRect& rect, bool isStandard);
    // Draws title, labels, ticks, grid and line on the surface given, along
    // the plot rectangle; notes the ticks drawn.
    void DrawAxis(TLynCanvas3D& canvas, const TRect& plot, bool placeLine);
    void DrawAxisText(TLynCanvas3D& canvas, int32_t x, int32_t y, const std::string& text, int angle);
    bool HitTest(int32_t x, int32_t y) const;
    // A tick at position p along the axis, starting offset pixels outside the
    // axis line of the layout and reaching length pixels further out.
    TAxisSegment TickSegment(const TAxisLayout& layout, int32_t position, int32_t offset, int32_t length) const;
    // A grid line across the plot rectangle at position p.
    TAxisSegment GridSegment(const TRect& plot, int32_t position) const;
    TAxisSegment AxisLineSegment(const TAxisLayout& layout) const;
    // Grid line positions for the major ticks (GridCentered: between them).
    std::vector<int32_t> GridPositions(const std::vector<int32_t>& ticks) const;
    // Minor tick positions for the major ticks of the layout.
    std::vector<int32_t> MinorTickPositions(const TAxisLayout& layout) const;
    // A coordinate across the axis moved into rectangle r by PositionPercent.
    int32_t OffsetByPositionPercent(int32_t coordinate, const TRect& r) const;

    // Stores a new value and asks the chart for a repaint when it changed.
    template <class T>
    void StoreAndRepaint(T& field, const T& value);
    void RequestRepaint();

private:
    bool MinimumIsFixed() const { return !AutomaticValue && !AutomaticMinimumValue; }
    bool MaximumIsFixed() const { return !AutomaticValue && !AutomaticMaximumValue; }
    bool Contributes(TChartSeries* series, bool activeSeriesUseAxis) const;
    bool ActiveSeriesUseAxis() const;
    double SeriesExtreme(bool lowest) const;
    bool IsPaged() const;
    const TChartSeries* PagedSeries() const;
    double PageExtreme(bool lowest) const;
    void ResolveDepthRange();
    void RepaintNow();
    void RefreshDateTimeMode();
    int32_t WidestLineWidth(const std::string& text) const;
    int32_t LabelWidth(const std::string& text) const;
    int32_t LabelHeight(const std::string& text) const;
    int32_t WidestSeriesText(bool marks) const;
    int32_t EdgeOf(const TRect& r) const;
    void ShrinkBy(TRect& r, int32_t size) const;
    int32_t MoveOutwards(int32_t coordinate, int32_t size) const;
    void AddTick(int32_t position);
    void DrawTitle(TLynCanvas3D& canvas);
    void DrawLabelAt(TLynCanvas3D& canvas, int32_t position, const std::string& text);
    void DrawValueLabels(TLynCanvas3D& canvas, double step);
    void DrawSeriesLabels(TLynCanvas3D& canvas, bool marks);
    void DrawTicksGridAndLine(TLynCanvas3D& canvas, const TRect& plot);
    static void DrawSegment(TLynCanvas3D& canvas, const TAxisSegment& segment);

    TCustomAxisPanel* Chart;
    // Where this axis keeps its part of the paint layout: its slot in the
    // chart's, or a layout of its own when it belongs to no chart.
    std::unique_ptr<TAxisLayout> DetachedLayout;
    TAxisLayout* LayoutSlot;

    bool AutomaticValue = true;
    bool AutomaticMinimumValue = true;
    bool AutomaticMaximumValue = true;
    double MinimumValue = 0;
    double MaximumValue = 0;
    double IncrementValue = 0;
    bool InvertedValue = false;
    int LabelsSeparationValue = 10;
    bool RoundFirstLabelValue = true;
    double StartPositionValue = 0;
    double EndPositionValue = 100;
    std::string AxisValuesFormatValue;
    TAxisLabelStyle LabelStyleValue = talAuto;
    bool LogarithmicValue = false;
    int LogarithmicBaseValue = 10;
    std::string DateTimeFormatValue;
    bool ExactDateTimeValue = true;

    bool VisibleValue = true;
    std::unique_ptr<TChartAxisPen> AxisPen;
    std::unique_ptr<TDarkGrayPen> TicksPen;
    std::unique_ptr<TDarkGrayPen> TicksInnerPen;
    std::unique_ptr<TDarkGrayPen> MinorTicksPen;
    std::unique_ptr<TDottedGrayPen> GridPen;
    std::unique_ptr<TChartHiddenPen> MinorGridPen;
    int TickLengthValue = 4;
    int TickInnerLengthValue = 0;
    int MinorTickLengthValue = 2;
    int MinorTickCountValue = 3;
    bool TickOnLabelsOnlyValue = true;
    bool GridCenteredValue = false;
    bool LabelsValue = true;
    TChartFont LabelsFontValue;
    int LabelsAngleValue = 0;
    bool LabelsMultiLineValue = false;
    bool LabelsOnAxisValue = true;
    int LabelsSizeValue = 0;
    std::unique_ptr<TChartAxisTitle> TitleValue;
    int TitleSizeValue = 0;
    double PositionPercentValue = 0;
};

class TChartAxis : public TCustomChartAxis {
public:
    using TCustomChartAxis::TCustomChartAxis;
};

class TChartDepthAxis : public TCustomChartAxis {
public:
    TChartDepthAxis(TCustomAxisPanel* chart);
};

template <class T>
void TCustomChartAxis::StoreAndRepaint(T& field, const T& value)
{
    StoreIfChanged(field, value, [this] { RequestRepaint(); });
}

// The next value of 0.1, 0.2, 0.5, 1, 2, 5, 10, 20, ... strictly above x > 0.
double NextLabelStep(double x);

// The smallest label step that is no less than the increment (or 1, or
// 1e-12 for a range below 1) and gives at most labelsThatFit labels, going
// up the NextLabelStep sequence; 1e-12 when not even one label fits.
double LabelStepFor(double usedRange, int32_t labelsThatFit, double increment, int labelsSeparation);
// How many labels of labelSize pixels (plus LabelsSeparation percent) fit
// into pixelLength pixels; 1 for a label without size.
int32_t LabelsThatFit(int32_t pixelLength, int32_t labelSize, int labelsSeparation);
// The label values of usedMin..usedMax for step, descending, at most
// MaxLabelValues of them; empty when there is no step or range.
std::vector<double> LabelValuesFor(double usedMin, double usedMax, double step, bool roundFirstLabel);
// The lines of a label text, separated by the character 13.
std::vector<std::string> SplitLabelLines(const std::string& text);
// Minor tick positions for the major ticks (recording order), minorCount
// between neighbours and as many beyond both ends, strictly inside
// startPixel..endPixel.
std::vector<int32_t> MinorTickPositionsFor(const std::vector<int32_t>& ticks, int minorCount, int32_t startPixel,
                                           int32_t endPixel);

// Where the lines of an axis text go: the text anchor and, per line, the
// reference point; rotated lines go through PutRotatedText.
struct TAxisTextPlan {
    unsigned Anchor = 0;
    bool Rotated = false;
    std::vector<TPoint> LineOrigins;
};
TAxisTextPlan PlanAxisText(bool horizontal, bool otherSide, int32_t x, int32_t y, int lineCount, int32_t lineHeight,
                           int angle);
