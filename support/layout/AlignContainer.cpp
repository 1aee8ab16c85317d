// The alignment container: reads its children's rectangles, runs the
// alignment layout and writes back what changed.

#include "support/layout/AlignContainer.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace {

TAlignChild ReadChild(const ILayoutControl& control, TAlign align)
{
    const TRect r = control.Bounds();
    const TSizeLimits limits = control.SizeLimits();
    TAlignChild child;
    child.Align = align;
    child.Visible = control.VisibleToParent();
    child.Left = r.Left;
    child.Top = r.Top;
    child.Width = r.Width();
    child.Height = r.Height();
    child.MinWidth = limits.MinWidth;
    child.MinHeight = limits.MinHeight;
    child.MaxWidth = limits.MaxWidth;
    child.MaxHeight = limits.MaxHeight;
    return child;
}

class TAligningGuard {
public:
    explicit TAligningGuard(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TAligningGuard() { FFlag = false; }
    TAligningGuard(const TAligningGuard&) = delete;
    TAligningGuard& operator=(const TAligningGuard&) = delete;

private:
    bool& FFlag;
};

} // namespace

TAlignContainer::TAlignContainer(std::function<TRect()> freeArea) : FFreeArea(std::move(freeArea)) {}

void TAlignContainer::Add(ILayoutControl& child, TAlign align)
{
    assert(std::none_of(FChildren.begin(), FChildren.end(), [&](const TEntry& e) { return e.Control == &child; }) &&
           "a child is added once");
    FChildren.push_back({&child, align});
    RequestAlign(&child);
}

void TAlignContainer::Remove(ILayoutControl& child)
{
    // Compares addresses only: the child may be half destroyed already.
    const auto found =
        std::find_if(FChildren.begin(), FChildren.end(), [&](const TEntry& e) { return e.Control == &child; });
    if (found == FChildren.end())
        return;
    FChildren.erase(found);
    RequestAlign(nullptr);
}

void TAlignContainer::SetAlign(ILayoutControl& child, TAlign align)
{
    const auto found =
        std::find_if(FChildren.begin(), FChildren.end(), [&](const TEntry& e) { return e.Control == &child; });
    assert(found != FChildren.end() && "only a child of the container is aligned in it");
    if (found == FChildren.end() || found->Align == align)
        return;
    found->Align = align;
    RequestAlign(&child);
}

TAlign TAlignContainer::AlignOf(const ILayoutControl& child) const
{
    for (const TEntry& entry : FChildren)
        if (entry.Control == &child)
            return entry.Align;
    return alNone;
}

void TAlignContainer::DisableAlign() { ++FAlignSuspended; }

void TAlignContainer::EnableAlign()
{
    assert(FAlignSuspended > 0 && "EnableAlign without DisableAlign");
    if (--FAlignSuspended > 0 || !FAlignPending)
        return;
    FAlignPending = false;
    AlignControls(nullptr);
}

void TAlignContainer::RequestAlign(const ILayoutControl* causing)
{
    if (FAligning)
        return;
    if (FAlignSuspended > 0) {
        FAlignPending = true;
        return;
    }
    AlignControls(causing);
}

void TAlignContainer::ClientResized()
{
    if (FFreeArea() != FAlignedArea)
        RequestAlign(nullptr);
}

void TAlignContainer::AlignControls(const ILayoutControl* causing)
{
    ++FRuns;
    std::vector<TAlignChild> children;
    children.reserve(FChildren.size());
    int causingIndex = -1;
    for (const TEntry& entry : FChildren) {
        if (entry.Control == causing)
            causingIndex = static_cast<int>(children.size());
        children.push_back(ReadChild(*entry.Control, entry.Align));
    }
    FAlignedArea = FFreeArea();
    AlignChildren(children, FAlignedArea, causingIndex);

    // A child that holds children re-aligns them inside its SetBounds; what
    // the platform reports back to us about the moves made here is ignored.
    const std::vector<TEntry> placed = FChildren;
    TAligningGuard guard(FAligning);
    for (size_t i = 0; i < placed.size(); ++i) {
        const TAlignChild& c = children[i];
        const TRect target{c.Left, c.Top, c.Left + c.Width, c.Top + c.Height};
        if (placed[i].Control->Bounds() != target)
            placed[i].Control->SetBounds(target);
    }
}
