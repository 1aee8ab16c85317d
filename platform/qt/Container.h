#pragma once
// A Qt widget whose children are placed by our alignment container: it
// reports its own resizes and its children's moves, resizes and visibility
// changes to the container, and never lets a Qt layout place anything.

#include "support/layout/AlignContainer.h"
#include "support/layout/LayoutControl.h"

#include <QWidget>

#include <utility>
#include <vector>

class TQtContainerWidget : public QWidget {
public:
    explicit TQtContainerWidget(QWidget* parent = nullptr);

    TAlignContainer& AlignLayout() { return FLayout; }

    // Makes `control` (which is `widget`) a child the layout places, last in
    // child order, with no alignment yet. `widget` must be a child of this.
    void Adopt(QWidget* widget, ILayoutControl& control);

    // The area the aligned children share, in client coordinates: the
    // client rectangle, less whatever frame a subclass draws.
    virtual TRect AlignFreeArea() const;

    void DisableAlign() { FLayout.DisableAlign(); }
    void EnableAlign() { FLayout.EnableAlign(); }

    // The control an adopted child widget is, or null.
    ILayoutControl* AdoptedControl(const QObject* object) const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TAlignContainer FLayout;
    std::vector<std::pair<const QObject*, ILayoutControl*>> FAdopted;
};
