// GDI text over a DIB section: fonts made with CreateFontIndirectW, text
// measured with GetTextExtentPoint32W and drawn with ExtTextOutW.
//
// ExtTextOutW does no font fallback of its own beyond the system's font
// links, and those do not cover every face: under Wine "Arial" resolves to
// Liberation Sans, which has omega (U+03C9) but not the phi symbol (U+03D5),
// and no link supplies it, so GDI would draw the missing-glyph box. The
// text is therefore cut into runs: characters the font has, and characters
// taken from the first face of a short list that has them (DejaVu Sans has
// both letters under Wine; Windows has the Segoe faces).

#include "platform/win32/GdiText.h"

#include "platform/win32/FallbackFaces.h"
#include "platform/win32/Utf16.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <stdexcept>

namespace win32 {

namespace {

bool HasGlyph(HDC dc, wchar_t character)
{
    WORD glyph = 0xFFFF;
    return GetGlyphIndicesW(dc, &character, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) == 1 && glyph != 0xFFFF;
}

bool IsSurrogate(wchar_t character) { return character >= 0xD800 && character < 0xE000; }

} // namespace

int PixelHeightOfPoints(int points) { return MulDiv(points, 96, 72); }

TGdiText::TGdiText()
{
    Dc = CreateCompatibleDC(nullptr);
    if (!Dc)
        throw std::runtime_error("Cannot create a device context for text");
    SetBkMode(Dc, TRANSPARENT);
    SetMapMode(Dc, MM_TEXT);
}

TGdiText::~TGdiText()
{
    if (OriginalFont)
        SelectObject(Dc, OriginalFont);
    if (OriginalBitmap)
        SelectObject(Dc, OriginalBitmap);
    if (Font)
        DeleteObject(Font);
    for (HFONT fallback : Fallbacks)
        if (fallback)
            DeleteObject(fallback);
    if (Bitmap)
        DeleteObject(Bitmap);
    DeleteDC(Dc);
}

HFONT TGdiText::MakeFont(const std::wstring& face) const
{
    LOGFONTW description = {};
    const double height = std::max(1.0, std::round(FontDefinition.Height * FontRatio));
    description.lfHeight = -static_cast<LONG>(height);
    description.lfEscapement = FontDefinition.EscapementTenths;
    description.lfOrientation = FontDefinition.EscapementTenths;
    description.lfWeight = FontDefinition.Bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = FontDefinition.Italic;
    description.lfUnderline = FontDefinition.Underline;
    description.lfStrikeOut = FontDefinition.StrikeOut;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // The face name is cut to what LOGFONT holds (31 characters).
    const size_t length = std::min<size_t>(face.size(), LF_FACESIZE - 1);
    std::memcpy(description.lfFaceName, face.data(), length * sizeof(wchar_t));
    HFONT made = CreateFontIndirectW(&description);
    if (!made)
        throw std::runtime_error("Cannot create the font " + FontDefinition.Face);
    return made;
}

void TGdiText::SelectFont(const TGdiFontRequest& font, double ratio)
{
    if (Font && font == FontDefinition && ratio == FontRatio) {
        SelectObject(Dc, Font);
        return;
    }
    FontDefinition = font;
    FontRatio = ratio;
    HFONT made = MakeFont(Utf16FromUtf8(font.Face));
    HGDIOBJ previous = SelectObject(Dc, made);
    if (!OriginalFont)
        OriginalFont = previous;
    if (Font)
        DeleteObject(Font);
    Font = made;
    for (HFONT& fallback : Fallbacks) {
        if (fallback)
            DeleteObject(fallback);
        fallback = nullptr;
    }
    Fallbacks.resize(std::size(FallbackFaces));
}

HFONT TGdiText::FallbackFor(wchar_t character)
{
    HFONT found = nullptr;
    for (size_t i = 0; i < std::size(FallbackFaces) && !found; ++i) {
        if (!Fallbacks[i])
            Fallbacks[i] = MakeFont(FallbackFaces[i]);
        SelectObject(Dc, Fallbacks[i]);
        if (HasGlyph(Dc, character))
            found = Fallbacks[i];
    }
    SelectObject(Dc, Font);
    return found;
}

std::vector<TGdiText::TRun> TGdiText::Runs(const std::wstring& text)
{
    std::vector<WORD> glyphs(text.size(), 0);
    GetGlyphIndicesW(Dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    std::vector<TRun> runs;
    for (size_t i = 0; i < text.size(); ++i) {
        // Characters beyond the first plane (surrogate pairs) stay with the
        // font: GetGlyphIndicesW answers for single UTF-16 units only.
        HFONT font = Font;
        if (glyphs[i] == 0xFFFF && !IsSurrogate(text[i]))
            if (HFONT fallback = FallbackFor(text[i]))
                font = fallback;
        if (runs.empty() || runs.back().Font != font)
            runs.push_back({font, {}});
        runs.back().Text += text[i];
    }
    return runs;
}

int TGdiText::RunWidth(const TRun& run)
{
    SelectObject(Dc, run.Font);
    SIZE extent = {};
    GetTextExtentPoint32W(Dc, run.Text.c_str(), static_cast<int>(run.Text.size()), &extent);
    return static_cast<int>(extent.cx);
}

TTextSize TGdiText::Measure(const TGdiFontRequest& font, double ratio, std::string_view utf8)
{
    SelectFont(font, ratio);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(Dc, &metrics);
    // The line's height and ascent are the font's own, whatever faces its
    // characters come from.
    int width = 0;
    for (const TRun& run : Runs(Utf16FromUtf8(utf8)))
        width += RunWidth(run);
    SelectObject(Dc, Font);
    return {width, static_cast<int>(metrics.tmHeight), static_cast<int>(metrics.tmAscent)};
}

uint32_t* TGdiText::Surface(int width, int height)
{
    if (Bitmap && width <= BitmapWidth && height <= BitmapHeight)
        return Bits;
    width = std::max(width, BitmapWidth);
    height = std::max(height, BitmapHeight);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first, as our buffers
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP made = CreateDIBSection(Dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!made)
        throw std::runtime_error("Cannot create a bitmap for text");
    HGDIOBJ previous = SelectObject(Dc, made);
    if (!OriginalBitmap)
        OriginalBitmap = previous;
    if (Bitmap)
        DeleteObject(Bitmap);
    Bitmap = made;
    Bits = static_cast<uint32_t*>(bits);
    BitmapWidth = width;
    BitmapHeight = height;
    return Bits;
}

void TGdiText::Draw(TPixelBuffer& buffer, const TGdiFontRequest& font, double ratio, int x, int y, uint32_t rgb,
                    const RECT& clip, std::string_view utf8, UINT align)
{
    RECT area = {std::max<LONG>(clip.left, 0), std::max<LONG>(clip.top, 0), std::min<LONG>(clip.right, buffer.Width),
                 std::min<LONG>(clip.bottom, buffer.Height)};
    const std::wstring text = Utf16FromUtf8(utf8);
    if (area.left >= area.right || area.top >= area.bottom || text.empty())
        return;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // The surface holds the clip area only; the text is moved by its
    // corner, so GDI clips at the surface's edges exactly as at the clip's.
    uint32_t* surface = Surface(width, height);
    for (int row = 0; row < height; ++row)
        std::memcpy(surface + size_t(row) * BitmapWidth,
                    buffer.Pixels + size_t(area.top + row) * buffer.Stride + area.left,
                    size_t(width) * sizeof(uint32_t));
    SelectFont(font, ratio);
    HRGN region = CreateRectRgn(0, 0, width, height);
    SelectClipRgn(Dc, region);
    DeleteObject(region);
    SetTextColor(Dc, RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    const std::vector<TRun> runs = Runs(text);
    if (runs.size() == 1 && runs[0].Font == Font) {
        SetTextAlign(Dc, align);
        ExtTextOutW(Dc, x - area.left, y - area.top, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    } else {
        // Runs in other fonts: each is drawn from its own start on the
        // baseline of the font asked for (its cell places the text, whatever
        // face a character comes from), so the anchor is turned into the
        // first run's baseline start along the escapement's direction.
        TEXTMETRICW metrics = {};
        GetTextMetricsW(Dc, &metrics);
        std::vector<int> widths;
        int total = 0;
        for (const TRun& run : runs)
            total += widths.emplace_back(RunWidth(run));
        const double along = (align & TA_CENTER) == TA_CENTER ? -total / 2.0 : (align & TA_RIGHT) ? -total : 0.0;
        const double down = (align & TA_BASELINE) == TA_BASELINE ? 0.0
                            : (align & TA_BOTTOM)                ? -double(metrics.tmDescent)
                                                                 : double(metrics.tmAscent);
        const double angle = FontDefinition.EscapementTenths * 3.14159265358979323846 / 1800.0;
        const double cosine = std::cos(angle);
        const double sine = std::sin(angle);
        // Screen rows grow downwards: the text runs along (cos, -sin) and
        // "down" from the baseline is (sin, cos).
        double startX = x - area.left + along * cosine + down * sine;
        double startY = y - area.top - along * sine + down * cosine;
        SetTextAlign(Dc, TA_LEFT | TA_BASELINE);
        for (size_t i = 0; i < runs.size(); ++i) {
            SelectObject(Dc, runs[i].Font);
            ExtTextOutW(Dc, static_cast<int>(std::lround(startX)), static_cast<int>(std::lround(startY)), 0, nullptr,
                        runs[i].Text.c_str(), static_cast<UINT>(runs[i].Text.size()), nullptr);
            startX += widths[i] * cosine;
            startY -= widths[i] * sine;
        }
    }
    SelectObject(Dc, Font);
    GdiFlush();
    // GDI leaves the top byte of the pixels it writes undefined (zero in
    // practice); ours is always 0xFF.
    for (int row = 0; row < height; ++row) {
        const uint32_t* from = surface + size_t(row) * BitmapWidth;
        uint32_t* to = buffer.Pixels + size_t(area.top + row) * buffer.Stride + area.left;
        for (int column = 0; column < width; ++column)
            to[column] = from[column] | 0xFF000000u;
    }
}

} // namespace win32
