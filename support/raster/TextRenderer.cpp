// The process's text renderer: one slot the platform fills at start-up.
#include "support/raster/TextRenderer.h"

namespace {

ITextRenderer*& Current()
{
    static ITextRenderer* renderer = nullptr;
    return renderer;
}

} // namespace

ITextRenderer* SetTextRenderer(ITextRenderer* renderer)
{
    ITextRenderer* previous = Current();
    Current() = renderer;
    return previous;
}

ITextRenderer* CurrentTextRenderer() { return Current(); }
