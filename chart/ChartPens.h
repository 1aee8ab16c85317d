#pragma once
// The chart's pens, brushes and fonts: plain values with a change
// notification to their owner (which then asks its chart for a repaint).
// Setters store a value only when it differs from the current one.

#include "chart/StoreIfChanged.h"
#include "support/raster/Colors.h"

#include <functional>
#include <string>

// Pen and brush kinds, in the platform's terms.
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

using TNotifyChange = std::function<void()>;

// A notifying value holder shared by the pen, brush and font classes.
class TChangeNotifier {
public:
    void SetOnChange(TNotifyChange onChange) { OnChange = std::move(onChange); }

protected:
    void Changed() const
    {
        if (OnChange)
            OnChange();
    }
    template <class T>
    void Store(T& field, const T& value)
    {
        StoreIfChanged(field, value, [this] { Changed(); });
    }

private:
    TNotifyChange OnChange;
};

// The toolkit pen plus the chart's Visible and SmallDots switches.
class TChartPen : public TChangeNotifier {
public:
    TChartPen() = default;
    virtual ~TChartPen() = default;

    TColor Color() const { return PenColor; }
    int Width() const { return PenWidth; }
    TPenStyle Style() const { return PenStyle; }
    TPenMode Mode() const { return PenMode; }
    bool Visible() const { return IsVisible; }
    bool SmallDots() const { return HasSmallDots; }

    void SetColor(TColor value) { Store(PenColor, value); }
    void SetWidth(int value) { Store(PenWidth, value); }
    void SetStyle(TPenStyle value) { Store(PenStyle, value); }
    void SetMode(TPenMode value) { Store(PenMode, value); }
    void SetVisible(bool value) { Store(IsVisible, value); }
    void SetSmallDots(bool value) { Store(HasSmallDots, value); }

    // Copies Visible and SmallDots, then colour, width, style and mode.
    void Assign(const TChartPen& source);

private:
    TColor PenColor = clBlack;
    int PenWidth = 1;
    TPenStyle PenStyle = psSolid;
    TPenMode PenMode = pmCopy;
    bool IsVisible = true;
    bool HasSmallDots = false;
};

class TChartHiddenPen : public TChartPen {
public:
    TChartHiddenPen() { SetVisible(false); }
};

class TDottedGrayPen : public TChartPen {
public:
    TDottedGrayPen()
    {
        SetColor(clGray);
        SetStyle(psDot);
    }
};

class TDarkGrayPen : public TChartPen {
public:
    TDarkGrayPen() { SetColor(clGray); }
};

class TChartAxisPen : public TChartPen {
public:
    TChartAxisPen() { SetWidth(2); }
};

class TChartArrowPen : public TChartPen {
public:
    TChartArrowPen() { SetColor(clWhite); }
};

// A brush whose colour starts as clDefault (take the owner's colour).
class TChartBrush : public TChangeNotifier {
public:
    TColor Color() const { return BrushColor; }
    TBrushStyle Style() const { return BrushStyle; }
    void SetColor(TColor value) { Store(BrushColor, value); }
    void SetStyle(TBrushStyle value) { Store(BrushStyle, value); }
    // A bitmap brush is never set in this program; the flag keeps the
    // walls' "bitmap brush first" rule honest.
    bool HasBitmap() const { return false; }

private:
    TColor BrushColor = clDefault;
    TBrushStyle BrushStyle = bsSolid;
};

// A chart text font. Size is in points at 96 pixels per inch.
class TChartFont : public TChangeNotifier {
public:
    TChartFont();

    const std::string& Name() const { return FontName; }
    int Size() const { return FontSize; }
    TColor Color() const { return FontColor; }
    int Style() const { return FontStyle; }

    void SetName(const std::string& value) { Store(FontName, value); }
    void SetSize(int value) { Store(FontSize, value); }
    void SetColor(TColor value) { Store(FontColor, value); }
    void SetStyle(int value) { Store(FontStyle, value); }

    void Assign(const TChartFont& source);
    // True when name, size, colour and style equal the chart default font.
    bool IsDefault() const;

private:
    std::string FontName;
    int FontSize = 8;
    TColor FontColor = clBlack;
    int FontStyle = 0;
};

// The palette colour for a number i >= 0: entry i mod 16 of SeriesPalette.
TColor PaletteColor(int index);
