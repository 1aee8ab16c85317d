#pragma once
// The data side of a series: its X and Y value lists, per-point colours and
// labels, appending and clearing points, the statistics axes read, and the
// repaint requests a change sends to the chart that draws the series.

#include "chart/ChartPens.h"
#include "chart/DefaultedList.h"
#include "chart/ValueList.h"
#include "support/raster/Geometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TCustomAxisPanel;
class TCustomChartAxis;
class TChartSeries;
class TChartArrowPen;
class TLynCanvas3D;

enum THorizAxis : uint8_t { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum TVertAxis : uint8_t { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

enum TSeriesMarksStyle {
    smsValue,
    smsPercent,
    smsLabel,
    smsLabelPercent,
    smsLabelValue,
    smsLegend,
    smsPercentTotal,
    smsLabelPercentTotal,
    smsXValue
};

using TSeriesOnBeforeAdd = std::function<bool(TChartSeries* sender)>;
using TSeriesOnAfterAdd = std::function<void(TChartSeries* sender, int32_t valueIndex)>;
using TSeriesOnClear = std::function<void(TChartSeries* sender)>;
using TSeriesNotify = std::function<void(TChartSeries* sender)>;
using TSeriesOnGetMarkText = std::function<void(TChartSeries* sender, int32_t valueIndex, std::string& markText)>;
using TSeriesClick = std::function<void(TChartSeries* sender, int32_t valueIndex)>;

// Value marks (text boxes beside points); never visible in this program.
class TSeriesMarks {
public:
    explicit TSeriesMarks(TChartSeries* owner);
    ~TSeriesMarks();

    TChartArrowPen& Arrow();
    int ArrowLength() const { return ArrowLengthValue; }
    void SetArrowLength(int value);
    TColor BackColor() const { return BackColorValue; }
    void SetBackColor(TColor value);
    bool Clip() const { return ClipValue; }
    void SetClip(bool value);
    TChartFont& Font() { return FontValue; }
    TChartPen& Frame() { return FrameValue; }
    TSeriesMarksStyle Style() const { return StyleValue; }
    void SetStyle(TSeriesMarksStyle value);
    bool Transparent() const { return TransparentValue; }
    void SetTransparent(bool value);
    bool Visible() const { return VisibleValue; }
    void SetVisible(bool value);

    // Remembered mark positions, emptied by ClearPoints.
    std::vector<TRect> Positions;

private:
    template <class T>
    void Store(T& field, const T& value);

    TChartSeries* Owner;
    std::unique_ptr<TChartArrowPen> ArrowPen;
    int ArrowLengthValue = 8;
    TColor BackColorValue = 0x80FFFF;
    bool ClipValue = false;
    TChartFont FontValue;
    TChartPen FrameValue;
    TSeriesMarksStyle StyleValue = smsLabel;
    bool TransparentValue = false;
    bool VisibleValue = false;
};

class TChartSeries {
public:
    TChartSeries();
    virtual ~TChartSeries();
    TChartSeries(const TChartSeries&) = delete;
    TChartSeries& operator=(const TChartSeries&) = delete;

    // --- data ------------------------------------------------------------------
    // Appends one point; returns its index, or -1 when OnBeforeAdd refused it.
    virtual int32_t AddPoint(double x, double y, const std::string& label, TColor color);
    virtual void ClearPoints();
    int32_t PointCount() const { return XValues->ValueCount(); }
    virtual double XAt(int32_t index) const { return XValues->ValueAt(index); }
    virtual double YAt(int32_t index) const { return YValues->ValueAt(index); }
    virtual TColor PointColor(int32_t index) const;
    virtual std::string LabelAt(int32_t index) const;
    // Whether point index has a label entry (an absent entry is none).
    bool HasLabelAt(int32_t index) const;
    int32_t PointColorCount() const { return PointColors.Count(); }
    int32_t PointLabelCount() const { return PointLabels.Count(); }
    // False while every point has clDefault (then nothing per point is stored).
    bool HasPointColors() const { return PointColors.Materialised(); }

    virtual double LowestX() { return XValues->LowestValue(); }
    virtual double HighestX() { return XValues->HighestValue(); }
    virtual double LowestY() { return YValues->LowestValue(); }
    virtual double HighestY() { return YValues->HighestValue(); }

    virtual bool UsesAxis(const TCustomChartAxis* axis) const;
    void ResolveAxes();
    // The axes chosen by aCustomHorizAxis and aCustomVertAxis (nil: none).
    TCustomChartAxis* CustomHorizAxis = nullptr;
    TCustomChartAxis* CustomVertAxis = nullptr;
    virtual void NotifyPointAdded(TChartSeries* source, int32_t index);
    // Asks the chart for a repaint; nothing without a chart.
    void RequestRepaint();

    // The list of plotted values: YValues for every series of this program,
    // so X maps through the horizontal axis and is the ordered list.
    TChartValueList* MandatoryValueList() const { return YValues.get(); }

    // --- drawing hooks (the line series fills them in) -----------------------
    virtual void FindShownRange();
    virtual void DrawShownPoints(TLynCanvas3D& canvas);
    virtual void DrawPoint(TLynCanvas3D& canvas, int32_t index);
    virtual void HorizontalMargins(int32_t& left, int32_t& right);
    virtual void VerticalMargins(int32_t& top, int32_t& bottom);
    virtual int32_t PointPixelX(int32_t index) const;
    virtual int32_t PointPixelY(int32_t index) const;
    // Index of the point or segment under the pixel, or -1.
    virtual int32_t PointAtPixel(int32_t x, int32_t y) const;
    virtual bool DrawsForward() const { return true; }
    virtual bool UsesAxes() const { return true; }
    virtual void BeforeDrawChart() {}
    void RaiseBeforeDrawValues();
    void RaiseAfterDrawValues();
    // Tells the series of a mouse release or of a move outside a drag, in
    // chart client pixels (no behaviour here).
    virtual void MouseReleased() {}
    virtual void MouseMoved(int32_t /*x*/, int32_t /*y*/) {}

    // --- properties ----------------------------------------------------------
    bool Active() const { return IsActive; }
    virtual void SetActive(bool value);
    TColor SeriesColor() const { return SeriesColorValue; }
    virtual void SetSeriesColor(TColor value);
    bool ColorEachPoint() const { return ColorEachPointValue; }
    virtual void SetColorEachPoint(bool value);
    TCustomAxisPanel* ParentChart() const { return Chart; }
    virtual void SetParentChart(TCustomAxisPanel* chart);
    THorizAxis HorizAxis() const { return HorizAxisValue; }
    void SetHorizAxis(THorizAxis value);
    TVertAxis VertAxis() const { return VertAxisValue; }
    void SetVertAxis(TVertAxis value);
    bool ShowInLegend() const { return ShowInLegendValue; }
    void SetShowInLegend(bool value);
    const std::string& Title() const { return TitleValue; }
    void SetTitle(const std::string& value);
    const std::string& ValueFormat() const { return ValueFormatValue; }
    void SetValueFormat(const std::string& value);
    const std::string& PercentFormat() const { return PercentFormatValue; }
    void SetPercentFormat(const std::string& value);
    int Cursor() const { return CursorValue; }
    void SetCursor(int value) { CursorValue = value; }
    // Data binding names: kept, without effect in this program.
    std::string ColorSource;
    std::string XLabelsSource;
    void* DataSource = nullptr;

    TSeriesMarks& Marks() { return *MarksValue; }

    // --- events (none is assigned in this program) ------------------------------
    TSeriesNotify AfterDrawValues;
    TSeriesNotify BeforeDrawValues;
    TSeriesOnAfterAdd OnAfterAdd;
    TSeriesOnBeforeAdd OnBeforeAdd;
    TSeriesOnClear OnClearValues;
    TSeriesClick OnClick;
    TSeriesClick OnDblClick;
    TSeriesOnGetMarkText OnGetMarkText;

    // --- fields the chart and the drawing read ---------------------------------
    int32_t FirstShownIndex = -1;
    int32_t LastShownIndex = -1;
    TCustomChartAxis* ResolvedHorizAxis = nullptr;
    TCustomChartAxis* ResolvedVertAxis = nullptr;
    bool ClipToVisibleRange = true;
    bool ReachPastEdge = false;
    std::vector<TChartSeries*> DependentSeries;

    TChartValueLists AllValueLists;
    std::unique_ptr<TChartValueList> XValues;
    std::unique_ptr<TChartValueList> YValues;

protected:
    template <class T>
    void StoreAndRepaint(T& field, const T& value)
    {
        StoreIfChanged(field, value, [this] { RequestRepaint(); });
    }
    virtual void EmptyAllLists();
    // The chart's part of leaving it (removal from its list and its repaint).
    void LeaveChart(TCustomAxisPanel* chart);
    void JoinChart(TCustomAxisPanel* chart);

    // One entry per point, stored only once a point brings a colour other
    // than clDefault.
    TDefaultedList<TColor> PointColors{clDefault};
    // An absent entry is a point without label; present entries own a copy.
    // Stored only once a point brings a label.
    TDefaultedList<std::optional<std::string>> PointLabels{std::nullopt};

private:
    bool IsActive = true;
    TColor SeriesColorValue = clDefault;
    bool ColorEachPointValue = false;
    TCustomAxisPanel* Chart = nullptr;
    THorizAxis HorizAxisValue = aBottomAxis;
    TVertAxis VertAxisValue = aLeftAxis;
    bool ShowInLegendValue = true;
    std::string TitleValue;
    std::string ValueFormatValue;
    std::string PercentFormatValue;
    int CursorValue = 0;
    std::unique_ptr<TSeriesMarks> MarksValue;
};

// The series of a chart in the order they joined.
class TChartSeriesList {
public:
    int32_t Count() const { return static_cast<int32_t>(Items.size()); }
    TChartSeries* At(int32_t index) const;
    int32_t ActiveCount() const;
    int32_t IndexOf(const TChartSeries* series) const;
    void Add(TChartSeries* series);
    void Remove(TChartSeries* series);
    auto begin() const { return Items.begin(); }
    auto end() const { return Items.end(); }

private:
    std::vector<TChartSeries*> Items;
};
