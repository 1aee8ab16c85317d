#include "chart/ChartPens.h"

#include "chart/ChartMessages.h"

#include <array>

void TChartPen::Assign(const TChartPen& source)
{
    SetVisible(source.Visible());
    SetSmallDots(source.SmallDots());
    SetColor(source.Color());
    SetWidth(source.Width());
    SetStyle(source.Style());
    SetMode(source.Mode());
}

TChartFont::TChartFont() : FontName(LynConst::DefaultFontName), FontSize(std::stoi(LynConst::DefaultFontSize)) {}

void TChartFont::Assign(const TChartFont& source)
{
    SetName(source.Name());
    SetSize(source.Size());
    SetColor(source.Color());
    SetStyle(source.Style());
}

bool TChartFont::IsDefault() const
{
    return FontName == LynConst::DefaultFontName && FontSize == std::stoi(LynConst::DefaultFontSize) &&
           FontColor == clBlack && FontStyle == 0;
}

TColor PaletteColor(int index)
{
    static constexpr std::array<TColor, 16> SeriesPalette = {clRed,     clGreen,  clYellow, clBlue,   clWhite, clGray,
                                                             clFuchsia, clTeal,   clNavy,   clMaroon, clLime,  clOlive,
                                                             clPurple,  clSilver, clAqua,   clBlack};
    return SeriesPalette[static_cast<std::size_t>(index) % SeriesPalette.size()];
}
