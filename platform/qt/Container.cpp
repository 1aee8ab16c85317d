// The Qt side of the alignment: what happened to the widgets, passed on to
// the alignment container.

#include "platform/qt/Container.h"

#include <QChildEvent>
#include <QEvent>

#include <algorithm>
#include <cassert>

TQtContainerWidget::TQtContainerWidget(QWidget* parent) : QWidget(parent), FLayout([this] { return AlignFreeArea(); })
{
}

void TQtContainerWidget::Adopt(QWidget* widget, ILayoutControl& control)
{
    assert(widget->parentWidget() == this && "only a child is adopted");
    widget->installEventFilter(this);
    FAdopted.emplace_back(widget, &control);
    FLayout.Add(control);
}

TRect TQtContainerWidget::AlignFreeArea() const { return TRect{0, 0, width(), height()}; }

ILayoutControl* TQtContainerWidget::AdoptedControl(const QObject* object) const
{
    const auto found = std::find_if(FAdopted.begin(), FAdopted.end(), [&](const auto& a) { return a.first == object; });
    return found == FAdopted.end() ? nullptr : found->second;
}

bool TQtContainerWidget::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::Resize:
        FLayout.ClientResized();
        break;
    case QEvent::ChildRemoved: {
        // A child being destroyed is no longer a whole object: only its
        // address is compared.
        const QObject* child = static_cast<QChildEvent*>(event)->child();
        if (ILayoutControl* control = AdoptedControl(child)) {
            FAdopted.erase(
                std::find_if(FAdopted.begin(), FAdopted.end(), [&](const auto& a) { return a.first == child; }));
            FLayout.Remove(*control);
        }
        break;
    }
    default:
        break;
    }
    return handled;
}

bool TQtContainerWidget::eventFilter(QObject* watched, QEvent* event)
{
    // A child that moved to another parent keeps our filter; ignore it.
    if (watched->parent() != this)
        return false;
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (const ILayoutControl* control = AdoptedControl(watched))
            FLayout.RequestAlign(control);
        break;
    default:
        break;
    }
    return false;
}
