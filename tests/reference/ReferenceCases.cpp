// Reads the shared case file and replays a case on the raster device, one
// command per platform call.

#include "ReferenceCases.h"

#include "support/raster/PixelWriter.h"
#include "support/raster/RasterDevice.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

TColor ReadColor(std::istream& in)
{
    std::string hex;
    in >> hex;
    const unsigned long rgb = std::stoul(hex, nullptr, 16);
    return RGBColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                    static_cast<int>(rgb & 0xFF));
}

template <class T>
T ReadName(std::istream& in, const std::map<std::string, T>& names)
{
    std::string word;
    in >> word;
    const auto found = names.find(word);
    if (found == names.end())
        throw std::runtime_error("unknown name " + word);
    return found->second;
}

const std::map<std::string, TDevicePenStyle> kPenStyles = {{"solid", TDevicePenStyle::Solid},
                                                           {"dash", TDevicePenStyle::Dash},
                                                           {"dot", TDevicePenStyle::Dot},
                                                           {"dashdot", TDevicePenStyle::DashDot},
                                                           {"dashdotdot", TDevicePenStyle::DashDotDot},
                                                           {"clear", TDevicePenStyle::Clear},
                                                           {"insideframe", TDevicePenStyle::InsideFrame},
                                                           {"alternate", TDevicePenStyle::Alternate}};

const std::map<std::string, TDeviceBrushStyle> kBrushStyles = {
    {"solid", TDeviceBrushStyle::Solid},           {"clear", TDeviceBrushStyle::Clear},
    {"horizontal", TDeviceBrushStyle::Horizontal}, {"vertical", TDeviceBrushStyle::Vertical},
    {"fdiagonal", TDeviceBrushStyle::FDiagonal},   {"bdiagonal", TDeviceBrushStyle::BDiagonal},
    {"cross", TDeviceBrushStyle::Cross},           {"diagcross", TDeviceBrushStyle::DiagCross}};

const std::map<std::string, TDevicePenMode> kModes = {{"black", TDevicePenMode::Black},
                                                      {"notmergepen", TDevicePenMode::NotMerge},
                                                      {"masknotpen", TDevicePenMode::MaskNotPen},
                                                      {"notcopypen", TDevicePenMode::NotCopy},
                                                      {"maskpennot", TDevicePenMode::MaskPenNot},
                                                      {"not", TDevicePenMode::Not},
                                                      {"xorpen", TDevicePenMode::Xor},
                                                      {"notmaskpen", TDevicePenMode::NotMask},
                                                      {"maskpen", TDevicePenMode::Mask},
                                                      {"notxorpen", TDevicePenMode::NotXor},
                                                      {"nop", TDevicePenMode::Nop},
                                                      {"mergenotpen", TDevicePenMode::MergeNotPen},
                                                      {"copypen", TDevicePenMode::Copy},
                                                      {"mergepennot", TDevicePenMode::MergePenNot},
                                                      {"mergepen", TDevicePenMode::Merge},
                                                      {"white", TDevicePenMode::White}};

std::vector<TPoint> ReadPoints(std::istream& in)
{
    std::vector<TPoint> points;
    TPoint p;
    while (in >> p.X >> p.Y)
        points.push_back(p);
    return points;
}

TRect ReadRect(std::istream& in)
{
    TRect r;
    in >> r.Left >> r.Top >> r.Right >> r.Bottom;
    return r;
}

// One command; the pen's raster operation is the device context's, so a new
// pen keeps it.
void Run(TRasterDevice& device, const std::string& line)
{
    std::istringstream in(line);
    std::string word;
    if (!(in >> word) || word[0] == '#')
        return;
    if (word == "pen") {
        const TDevicePenMode mode = device.Pen.Mode;
        in >> device.Pen.Width;
        device.Pen.Style = ReadName(in, kPenStyles);
        device.Pen.Color = ReadColor(in);
        device.Pen.Mode = mode;
    } else if (word == "brush") {
        device.Brush.Style = ReadName(in, kBrushStyles);
        if (device.Brush.Style != TDeviceBrushStyle::Clear)
            device.Brush.Color = ReadColor(in);
    } else if (word == "mode") {
        device.Pen.Mode = ReadName(in, kModes);
    } else if (word == "bkmode") {
        std::string mode;
        in >> mode;
        device.BkMode = mode == "opaque" ? bkOpaque : bkTransparent;
    } else if (word == "bkcolor") {
        device.BkColor = ReadColor(in);
    } else if (word == "move" || word == "line") {
        const std::vector<TPoint> p = ReadPoints(in);
        if (word == "move")
            device.MoveTo(p.at(0).X, p.at(0).Y);
        else
            device.LineTo(p.at(0).X, p.at(0).Y);
    } else if (word == "polyline" || word == "polygon") {
        const std::vector<TPoint> p = ReadPoints(in);
        if (word == "polyline")
            device.Polyline(p.data(), static_cast<int>(p.size()));
        else
            device.Polygon(p.data(), static_cast<int>(p.size()));
    } else if (word == "rect" || word == "ellipse") {
        const TRect r = ReadRect(in);
        if (word == "rect")
            device.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
        else
            device.Ellipse(r.Left, r.Top, r.Right, r.Bottom);
    } else if (word == "pixel") {
        int32_t x = 0;
        int32_t y = 0;
        in >> x >> y;
        device.SetPixel(x, y, ReadColor(in));
    } else if (word == "fill") {
        const TRect r = ReadRect(in);
        device.FillRect(r, ReadColor(in));
    } else if (word == "clip") {
        device.IntersectClip(ReadRect(in));
    } else if (word == "noclip") {
        device.RemoveClip();
    } else {
        throw std::runtime_error("bad line: " + line);
    }
}

} // namespace

std::vector<TReferenceCase> LoadReferenceCases(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    std::vector<TReferenceCase> cases;
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind("case ", 0) == 0) {
            TReferenceCase c;
            c.Name = line.substr(5);
            const size_t within = c.Name.find(" within ");
            if (within != std::string::npos) {
                c.Allowed = std::stoi(c.Name.substr(within + 8));
                c.Name.resize(within);
            }
            cases.push_back(c);
        } else if (!cases.empty()) {
            cases.back().Lines.push_back(line);
        }
    }
    return cases;
}

TImage DrawWithDevice(const TReferenceCase& drawing)
{
    TImage image(kReferenceSide, kReferenceSide);
    image.Fill(ToPixel(clWhite));
    TRasterDevice device(&image);
    device.BkMode = bkOpaque;
    for (const std::string& line : drawing.Lines)
        Run(device, line);
    return image;
}
