#pragma once
// A widget that places its children by the alignment layout. Any child
// widget (a label, an edit box, a panel, a chart) can carry an alignment;
// geometry comes only from AlignChildren, never from a Qt layout.

#include "support/layout/AlignLayout.h"
#include "support/raster/Geometry.h"

#include <QSize>
#include <QWidget>

// The alignment of a widget within its parent. Changing it re-aligns the
// parent when the parent is an alignment container.
void SetControlAlign(QWidget* control, TAlign align);
TAlign ControlAlign(const QWidget* control);

class TAlignContainer : public QWidget {
    Q_OBJECT
public:
    explicit TAlignContainer(QWidget* parent = nullptr);

    void SetAlign(TAlign align) { SetControlAlign(this, align); }
    TAlign Align() const { return ControlAlign(this); }

    // Suspends alignment while a window is being built. The calls nest; when
    // the last EnableAlign comes and an alignment was asked for meanwhile,
    // it runs once.
    void DisableAlign();
    void EnableAlign();
    bool AlignDisabled() const { return FAlignSuspended > 0; }

    // Asks for an alignment of the children; `causing` is the child whose
    // change asked for it, or null. Runs now unless suspended or already
    // running (a child's move made by the alignment itself is ignored).
    void RequestAlign(QWidget* causing = nullptr);

    // The area the aligned children share, in client coordinates: the
    // client rectangle, less whatever frame a subclass draws.
    virtual TRect AlignFreeArea() const;

protected:
    // One run of the layout over the direct child widgets.
    virtual void AlignControls(QWidget* causing);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AlignIfResized();

    int FAlignSuspended = 0;
    bool FAlignPending = false;
    bool FAligning = false;
    // Our size at the last run: a hidden container gets no resize event
    // when its parent resizes it, so the parent checks this instead.
    QSize FAlignedSize{-1, -1};
};
