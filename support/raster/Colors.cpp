// Colours: the system colour table and the step from any colour to RGB.
#include "support/raster/Colors.h"

namespace {

// Light grey buttons on white windows with black text: what a desktop
// shows when nobody set a theme, so pictures drawn without a platform (the
// engine's tests) still have sensible colours.
class TBuiltInSystemColors : public ISystemColors {
public:
    TColor SystemColorRGB(int index) const override
    {
        switch (index) {
        case 5:
            return clWhite;
        case 8:
            return clBlack;
        case 16:
            return 0xA0A0A0;
        case 20:
            return clWhite;
        default:
            return 0xF0F0F0;
        }
    }
};

const ISystemColors& BuiltIn()
{
    static const TBuiltInSystemColors builtIn;
    return builtIn;
}

const ISystemColors*& Table()
{
    static const ISystemColors* table = &BuiltIn();
    return table;
}

} // namespace

const ISystemColors* SetSystemColors(const ISystemColors* colors)
{
    const ISystemColors* previous = Table();
    Table() = colors ? colors : &BuiltIn();
    return previous;
}

TColor ColorToRGB(TColor color)
{
    if (!IsSystemColor(color))
        return color;
    return Table()->SystemColorRGB(color & 0xFF);
}
