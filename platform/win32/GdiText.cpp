// GDI text over a DIB section: fonts made with CreateFontIndirectW, text
// measured with GetTextExtentPoint32W and drawn with ExtTextOutW. GDI picks
// a linked or fallback face for characters the chosen face lacks (the
// system's font linking), so measuring and drawing agree on them.

#include "platform/win32/GdiText.h"

#include "platform/win32/Utf16.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace win32 {

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
    if (Bitmap)
        DeleteObject(Bitmap);
    DeleteDC(Dc);
}

void TGdiText::SelectFont(const TGdiFontSpec& font, double ratio)
{
    if (Font && font == FontSpec && ratio == FontRatio)
        return;
    LOGFONTW description = {};
    const double height = std::max(1.0, std::round(font.Height * ratio));
    description.lfHeight = -static_cast<LONG>(height);
    description.lfEscapement = font.EscapementTenths;
    description.lfOrientation = font.EscapementTenths;
    description.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = font.Italic;
    description.lfUnderline = font.Underline;
    description.lfStrikeOut = font.StrikeOut;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // The face name is cut to what LOGFONT holds (31 characters).
    const std::wstring face = Utf16FromUtf8(font.Face);
    const size_t length = std::min<size_t>(face.size(), LF_FACESIZE - 1);
    std::memcpy(description.lfFaceName, face.data(), length * sizeof(wchar_t));
    HFONT made = CreateFontIndirectW(&description);
    if (!made)
        throw std::runtime_error("Cannot create the font " + font.Face);
    HGDIOBJ previous = SelectObject(Dc, made);
    if (!OriginalFont)
        OriginalFont = previous;
    if (Font)
        DeleteObject(Font);
    Font = made;
    FontSpec = font;
    FontRatio = ratio;
}

TTextSize TGdiText::Measure(const TGdiFontSpec& font, double ratio, std::string_view utf8)
{
    SelectFont(font, ratio);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(Dc, &metrics);
    const std::wstring text = Utf16FromUtf8(utf8);
    SIZE extent = {};
    if (!text.empty())
        GetTextExtentPoint32W(Dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return {static_cast<int>(extent.cx), static_cast<int>(metrics.tmHeight), static_cast<int>(metrics.tmAscent)};
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

void TGdiText::Draw(TPixelBuffer& buffer, const TGdiFontSpec& font, double ratio, int x, int y, uint32_t rgb,
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
        std::memcpy(surface + size_t(row) * BitmapWidth, buffer.Pixels + size_t(area.top + row) * buffer.Stride + area.left,
                    size_t(width) * sizeof(uint32_t));
    SelectFont(font, ratio);
    HRGN region = CreateRectRgn(0, 0, width, height);
    SelectClipRgn(Dc, region);
    DeleteObject(region);
    SetTextAlign(Dc, align);
    SetTextColor(Dc, RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    ExtTextOutW(Dc, x - area.left, y - area.top, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
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
