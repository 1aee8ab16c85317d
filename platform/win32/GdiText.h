#pragma once
// Text measured and drawn with GDI into a 32-bit pixel buffer of our own
// (0xFFRRGGBB, top row first), the way the charts' pictures are kept. The
// buffer's pixels inside the clip rectangle are copied into a DIB section,
// GDI draws there, and they are copied back. Characters the font lacks are
// taken from the first fallback face that has them (see GdiText.cpp).

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace win32 {

// A font as the program describes it, in logical pixels (96 per inch):
// Height is the character height without internal leading (a negative
// lfHeight), so 8 points are 11 pixels (PixelHeightOfPoints).
struct TGdiFontRequest {
    std::string Face = "Arial"; // UTF-8
    int Height = 11;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int EscapementTenths = 0; // counter-clockwise, in tenths of a degree
    friend bool operator==(const TGdiFontRequest&, const TGdiFontRequest&) = default;
};

// Points at 96 pixels per inch, rounded as MulDiv rounds.
int PixelHeightOfPoints(int points);

struct TTextSize {
    int Width = 0; // the advance of the whole string
    int Height = 0; // the line height: ascent and descent
    int Ascent = 0; // from the cell's top to the baseline
};

// Pixels owned by the caller: Stride is in pixels and at least Width.
struct TPixelBuffer {
    uint32_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
    int Stride = 0;
};

class TGdiText {
public:
    TGdiText();
    ~TGdiText();
    TGdiText(const TGdiText&) = delete;
    TGdiText& operator=(const TGdiText&) = delete;

    // Measured at the device-pixel ratio: the font's height is multiplied
    // by it, as the picture is drawn at the device's resolution.
    TTextSize Measure(const TGdiFontRequest& font, double ratio, std::string_view utf8);

    // Draws the string with a transparent background, anchored at (x, y) by
    // align (GDI's TA_ flags; TA_LEFT | TA_TOP is the cell's top-left
    // corner) and turned by the font's escapement. Only pixels inside clip
    // (and the buffer) change. Coordinates are the buffer's device pixels.
    void Draw(TPixelBuffer& buffer, const TGdiFontRequest& font, double ratio, int x, int y, uint32_t rgb,
              const RECT& clip, std::string_view utf8, UINT align = TA_LEFT | TA_TOP);

private:
    // A piece of the text in one font.
    struct TRun {
        HFONT Font;
        std::wstring Text;
    };
    std::vector<TRun> Runs(const std::wstring& text);
    HFONT FallbackFor(wchar_t character);
    HFONT MakeFont(const std::wstring& face) const;
    int RunWidth(const TRun& run);

    // Selects the font into the memory device context; the last one is kept
    // while the next call asks for the same.
    void SelectFont(const TGdiFontRequest& font, double ratio);
    // A DIB section at least this large, selected into the context.
    uint32_t* Surface(int width, int height);

    HDC Dc = nullptr;
    HFONT Font = nullptr;
    HGDIOBJ OriginalFont = nullptr;
    TGdiFontRequest FontDefinition;
    double FontRatio = 0;
    // Fallback faces made for the current font, by their place in the list
    // of faces (null where not yet made).
    std::vector<HFONT> Fallbacks;
    HBITMAP Bitmap = nullptr;
    HGDIOBJ OriginalBitmap = nullptr;
    uint32_t* Bits = nullptr;
    int BitmapWidth = 0;
    int BitmapHeight = 0;
};

} // namespace win32
