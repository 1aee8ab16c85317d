#pragma once
// The alignment container: the children of one parent control and their
// alignments, placed by the alignment layout (AlignLayout) whenever the
// parent's size, a child's rectangle, visibility or alignment changes.
// Our own code over ILayoutControl: a platform only reports what happened,
// the parent's resizes (ClientResized) and a child's own moves, resizes and
// visibility changes (RequestAlign with that child).

#include "support/layout/AlignLayout.h"
#include "support/layout/LayoutControl.h"
#include "support/raster/Geometry.h"

#include <functional>
#include <vector>

class TAlignContainer {
public:
    // `freeArea` gives the area the aligned children share, in the parent's
    // client coordinates: its client rectangle less whatever frame it draws.
    explicit TAlignContainer(std::function<TRect()> freeArea);
    TAlignContainer(const TAlignContainer&) = delete;
    TAlignContainer& operator=(const TAlignContainer&) = delete;

    // Children in the order they were added, which is the child order the
    // layout sees. A child is added once and removed before it dies.
    void Add(ILayoutControl& child, TAlign align = alNone);
    void Remove(ILayoutControl& child);

    // Changing a child's alignment re-aligns; the same one again does not.
    void SetAlign(ILayoutControl& child, TAlign align);
    TAlign AlignOf(const ILayoutControl& child) const;

    // Suspends alignment while a window is being built. The calls nest; when
    // the last EnableAlign comes and an alignment was asked for meanwhile,
    // it runs once.
    void DisableAlign();
    void EnableAlign();
    bool AlignDisabled() const { return FAlignSuspended > 0; }

    // Asks for an alignment; `causing` is the child whose change asked for
    // it, or null. Runs now unless suspended or already running (a child's
    // move made by the alignment itself is ignored).
    void RequestAlign(const ILayoutControl* causing = nullptr);

    // The platform reports that the parent's client area changed size; the
    // children are re-aligned only when it really did.
    void ClientResized();

    // How many times the layout ran; tests count them.
    int Runs() const { return FRuns; }

private:
    struct TEntry {
        ILayoutControl* Control;
        TAlign Align;
    };

    void AlignControls(const ILayoutControl* causing);

    std::function<TRect()> FFreeArea;
    std::vector<TEntry> FChildren;
    int FAlignSuspended = 0;
    bool FAlignPending = false;
    bool FAligning = false;
    int FRuns = 0;
    // The free area at the last run: a hidden parent gets no resize report
    // from every platform, so a parent that moves it checks this instead.
    TRect FAlignedArea{0, 0, -1, -1};
};
