#pragma once
// The Windows panel: a child window of ours that paints the raised
// one-pixel bevel, the button face and its caption, and places its children
// by the alignment inside the bevel.

#include "platform/win32/Control.h"
#include "platform/win32/MessageTarget.h"
#include "support/layout/AlignContainer.h"
#include "support/raster/Colors.h"

#include <string>

namespace win32 {

class TPanel final : public TWin32Control<IPanel>, public TMessageTarget {
public:
    TPanel(TControlHost& host, HWND parent, const std::string& caption);

    TAlignContainer& Layout() override { return FLayout; }
    // A new size re-aligns the children at once, also while hidden.
    void SetBounds(const TRect& bounds) override;
    std::string Caption() const override { return FCaption; }
    void SetCaption(const std::string& caption) override;

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc) const;
    TRect ClientArea() const { return TRect{0, 0, FBounds.Width(), FBounds.Height()}; }

    TAlignContainer FLayout;
    std::string FCaption;
};

// A system colour (clBtnFace, ...) from the installed table, or an RGB
// colour, as GDI takes it.
COLORREF ToColorRef(TColor color);

// The paint and the messages every container of ours shares: the children's
// commands passed on to them.
bool HandleContainerMessage(const TControlHost& host, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace win32
