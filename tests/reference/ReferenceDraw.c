/* Draws the cases of a case file with the platform's own 2D calls and writes
 * their pixels out, so that the raster device can be compared with them.
 *
 * Usage: ReferenceDraw CASES OUT. Every case is drawn on a fresh white
 * 48 x 48 top-down 32-bit DIB section selected into a memory DC, with the
 * DC's defaults (black one-pixel pen, white brush, opaque white background,
 * copy mode). OUT receives, per case in file order, its 48 * 48 pixels as
 * little-endian 32-bit words 0x00RRGGBB, row by row.
 *
 * The case language is shared with the comparing test; see Cases.txt. */

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { kSide = 48, kMaxPoints = 64 };

static COLORREF ParseColor(const char *text)
{
    unsigned long rgb = strtoul(text, NULL, 16);
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

struct Name {
    const char *Text;
    int Value;
};

static int Lookup(const struct Name *names, const char *text)
{
    for (; names->Text != NULL; ++names)
        if (strcmp(names->Text, text) == 0)
            return names->Value;
    fprintf(stderr, "unknown name %s\n", text);
    exit(2);
}

static const struct Name kPenStyles[] = {
    {"solid", PS_SOLID}, {"dash", PS_DASH}, {"dot", PS_DOT}, {"dashdot", PS_DASHDOT},
    {"dashdotdot", PS_DASHDOTDOT}, {"clear", PS_NULL}, {"insideframe", PS_INSIDEFRAME},
    {"alternate", PS_ALTERNATE}, {NULL, 0}};

static const struct Name kBrushStyles[] = {
    {"solid", -1}, {"clear", -2}, {"horizontal", HS_HORIZONTAL}, {"vertical", HS_VERTICAL},
    {"fdiagonal", HS_FDIAGONAL}, {"bdiagonal", HS_BDIAGONAL}, {"cross", HS_CROSS},
    {"diagcross", HS_DIAGCROSS}, {NULL, 0}};

static const struct Name kModes[] = {
    {"black", R2_BLACK}, {"notmergepen", R2_NOTMERGEPEN}, {"masknotpen", R2_MASKNOTPEN},
    {"notcopypen", R2_NOTCOPYPEN}, {"maskpennot", R2_MASKPENNOT}, {"not", R2_NOT},
    {"xorpen", R2_XORPEN}, {"notmaskpen", R2_NOTMASKPEN}, {"maskpen", R2_MASKPEN},
    {"notxorpen", R2_NOTXORPEN}, {"nop", R2_NOP}, {"mergenotpen", R2_MERGENOTPEN},
    {"copypen", R2_COPYPEN}, {"mergepennot", R2_MERGEPENNOT}, {"mergepen", R2_MERGEPEN},
    {"white", R2_WHITE}, {NULL, 0}};

static void Replace(HDC dc, HGDIOBJ object)
{
    DeleteObject(SelectObject(dc, object));
}

static HPEN MakePen(int width, int style, COLORREF color)
{
    if (style == PS_ALTERNATE) {
        LOGBRUSH brush = {BS_SOLID, color, 0};
        return ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, NULL);
    }
    return CreatePen(style, width, color);
}

static HBRUSH MakeBrush(int style, COLORREF color)
{
    if (style == -1)
        return CreateSolidBrush(color);
    if (style == -2)
        return (HBRUSH)GetStockObject(NULL_BRUSH);
    return CreateHatchBrush(style, color);
}

/* The numbers after the command word, at most kMaxPoints * 2 of them. */
static int ReadNumbers(int *numbers)
{
    int count = 0;
    char *token;
    while (count < kMaxPoints * 2 && (token = strtok(NULL, " \t\r\n")) != NULL)
        numbers[count++] = atoi(token);
    return count;
}

static void Run(HDC dc, char *line)
{
    int n[kMaxPoints * 2];
    char *word = strtok(line, " \t\r\n");
    if (word == NULL || word[0] == '#')
        return;
    if (strcmp(word, "pen") == 0) {
        int width = atoi(strtok(NULL, " \t\r\n"));
        int style = Lookup(kPenStyles, strtok(NULL, " \t\r\n"));
        Replace(dc, MakePen(width, style, ParseColor(strtok(NULL, " \t\r\n"))));
    } else if (strcmp(word, "brush") == 0) {
        int style = Lookup(kBrushStyles, strtok(NULL, " \t\r\n"));
        char *color = strtok(NULL, " \t\r\n");
        Replace(dc, MakeBrush(style, color ? ParseColor(color) : 0));
    } else if (strcmp(word, "mode") == 0) {
        SetROP2(dc, Lookup(kModes, strtok(NULL, " \t\r\n")));
    } else if (strcmp(word, "bkmode") == 0) {
        SetBkMode(dc, strcmp(strtok(NULL, " \t\r\n"), "opaque") == 0 ? OPAQUE : TRANSPARENT);
    } else if (strcmp(word, "bkcolor") == 0) {
        SetBkColor(dc, ParseColor(strtok(NULL, " \t\r\n")));
    } else if (strcmp(word, "move") == 0 && ReadNumbers(n) == 2) {
        MoveToEx(dc, n[0], n[1], NULL);
    } else if (strcmp(word, "line") == 0 && ReadNumbers(n) == 2) {
        LineTo(dc, n[0], n[1]);
    } else if (strcmp(word, "polyline") == 0) {
        int count = ReadNumbers(n) / 2;
        Polyline(dc, (const POINT *)n, count);
    } else if (strcmp(word, "polygon") == 0) {
        int count = ReadNumbers(n) / 2;
        Polygon(dc, (const POINT *)n, count);
    } else if (strcmp(word, "rect") == 0 && ReadNumbers(n) == 4) {
        Rectangle(dc, n[0], n[1], n[2], n[3]);
    } else if (strcmp(word, "ellipse") == 0 && ReadNumbers(n) == 4) {
        Ellipse(dc, n[0], n[1], n[2], n[3]);
    } else if (strcmp(word, "pixel") == 0) {
        int x = atoi(strtok(NULL, " \t\r\n"));
        int y = atoi(strtok(NULL, " \t\r\n"));
        SetPixel(dc, x, y, ParseColor(strtok(NULL, " \t\r\n")));
    } else if (strcmp(word, "fill") == 0) {
        RECT r;
        HBRUSH brush;
        r.left = atoi(strtok(NULL, " \t\r\n"));
        r.top = atoi(strtok(NULL, " \t\r\n"));
        r.right = atoi(strtok(NULL, " \t\r\n"));
        r.bottom = atoi(strtok(NULL, " \t\r\n"));
        brush = CreateSolidBrush(ParseColor(strtok(NULL, " \t\r\n")));
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    } else if (strcmp(word, "clip") == 0 && ReadNumbers(n) == 4) {
        IntersectClipRect(dc, n[0], n[1], n[2], n[3]);
    } else if (strcmp(word, "noclip") == 0) {
        SelectClipRgn(dc, NULL);
    } else {
        fprintf(stderr, "bad line: %s\n", word);
        exit(2);
    }
}

struct Surface {
    HDC Dc;
    HBITMAP Bitmap;
    HGDIOBJ Previous;
    DWORD *Bits;
};

static void BeginCase(struct Surface *s)
{
    BITMAPINFO info;
    memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kSide;
    info.bmiHeader.biHeight = -kSide; /* top-down */
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    s->Dc = CreateCompatibleDC(NULL);
    s->Bitmap = CreateDIBSection(s->Dc, &info, DIB_RGB_COLORS, (void **)&s->Bits, NULL, 0);
    s->Previous = SelectObject(s->Dc, s->Bitmap);
    memset(s->Bits, 0xFF, kSide * kSide * 4);
}

static void EndCase(struct Surface *s, FILE *out)
{
    int i;
    GdiFlush();
    for (i = 0; i < kSide * kSide; ++i)
        s->Bits[i] &= 0x00FFFFFF;
    fwrite(s->Bits, 4, kSide * kSide, out);
    Replace(s->Dc, GetStockObject(BLACK_PEN));
    Replace(s->Dc, GetStockObject(WHITE_BRUSH));
    SelectObject(s->Dc, s->Previous);
    DeleteObject(s->Bitmap);
    DeleteDC(s->Dc);
    s->Dc = NULL;
}

int main(int argc, char **argv)
{
    char line[2048];
    struct Surface surface = {NULL, NULL, NULL, NULL};
    FILE *in;
    FILE *out;
    if (argc != 3) {
        fprintf(stderr, "usage: ReferenceDraw CASES OUT\n");
        return 2;
    }
    in = fopen(argv[1], "r");
    out = fopen(argv[2], "wb");
    if (in == NULL || out == NULL) {
        fprintf(stderr, "cannot open files\n");
        return 2;
    }
    while (fgets(line, sizeof line, in) != NULL) {
        if (strncmp(line, "case ", 5) == 0) {
            if (surface.Dc != NULL)
                EndCase(&surface, out);
            BeginCase(&surface);
            continue;
        }
        if (surface.Dc != NULL)
            Run(surface.Dc, line);
    }
    if (surface.Dc != NULL)
        EndCase(&surface, out);
    fclose(out);
    fclose(in);
    return 0;
}
