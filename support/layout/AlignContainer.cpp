#include "support/layout/AlignContainer.h"

#include <QChildEvent>
#include <QEvent>
#include <QVariant>

#include <cassert>
#include <vector>

namespace {

// Dynamic property that holds a widget's alignment, so that any widget
// class can be aligned without deriving from ours.
constexpr const char* AlignProperty = "kmityAlign";

// Qt's "no maximum" is a huge size; the layout's is 0.
int32_t LimitOrNone(int limit) { return limit >= QWIDGETSIZE_MAX ? 0 : limit; }

std::vector<QWidget*> ChildWidgets(const QWidget* container)
{
    std::vector<QWidget*> widgets;
    for (QObject* object : container->children()) {
        if (!object->isWidgetType())
            continue;
        auto* widget = static_cast<QWidget*>(object);
        if (!widget->isWindow())
            widgets.push_back(widget);
    }
    return widgets;
}

TAlignChild ReadChild(QWidget* widget, const QWidget* container)
{
    const QRect r = widget->geometry();
    TAlignChild child;
    child.Align = ControlAlign(widget);
    child.Visible = widget->isVisibleTo(container);
    child.Left = r.x();
    child.Top = r.y();
    child.Width = r.width();
    child.Height = r.height();
    child.MinWidth = widget->minimumWidth();
    child.MinHeight = widget->minimumHeight();
    child.MaxWidth = LimitOrNone(widget->maximumWidth());
    child.MaxHeight = LimitOrNone(widget->maximumHeight());
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

void SetControlAlign(QWidget* control, TAlign align)
{
    assert(control);
    if (ControlAlign(control) == align)
        return;
    control->setProperty(AlignProperty, static_cast<int>(align));
    if (auto* container = dynamic_cast<TAlignContainer*>(control->parentWidget()))
        container->RequestAlign(control);
}

TAlign ControlAlign(const QWidget* control)
{
    assert(control);
    const QVariant value = control->property(AlignProperty);
    return value.isValid() ? static_cast<TAlign>(value.toInt()) : alNone;
}

TAlignContainer::TAlignContainer(QWidget* parent) : QWidget(parent) {}

void TAlignContainer::DisableAlign() { ++FAlignSuspended; }

void TAlignContainer::EnableAlign()
{
    assert(FAlignSuspended > 0 && "EnableAlign without DisableAlign");
    if (--FAlignSuspended > 0 || !FAlignPending)
        return;
    FAlignPending = false;
    AlignControls(nullptr);
}

void TAlignContainer::RequestAlign(QWidget* causing)
{
    if (FAligning)
        return;
    if (FAlignSuspended > 0) {
        FAlignPending = true;
        return;
    }
    AlignControls(causing);
}

TRect TAlignContainer::AlignFreeArea() const { return TRect{0, 0, width(), height()}; }

void TAlignContainer::AlignControls(QWidget* causing)
{
    std::vector<QWidget*> widgets = ChildWidgets(this);
    std::vector<TAlignChild> children;
    int causingIndex = -1;
    for (QWidget* widget : widgets) {
        if (widget == causing)
            causingIndex = static_cast<int>(children.size());
        children.push_back(ReadChild(widget, this));
    }
    AlignChildren(children, AlignFreeArea(), causingIndex);

    {
        TAligningGuard guard(FAligning);
        for (size_t i = 0; i < widgets.size(); ++i) {
            const TAlignChild& c = children[i];
            const QRect target(c.Left, c.Top, c.Width, c.Height);
            if (widgets[i]->geometry() != target)
                widgets[i]->setGeometry(target);
        }
    }
    FAlignedSize = size();
    for (QWidget* widget : widgets)
        if (auto* nested = dynamic_cast<TAlignContainer*>(widget))
            nested->AlignIfResized();
}

void TAlignContainer::AlignIfResized()
{
    if (size() != FAlignedSize)
        RequestAlign(nullptr);
}

bool TAlignContainer::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::Resize:
        RequestAlign(nullptr);
        break;
    case QEvent::ChildAdded: {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) {
            child->installEventFilter(this);
            RequestAlign(static_cast<QWidget*>(child));
        }
        break;
    }
    case QEvent::ChildRemoved:
        // A child being destroyed no longer reports itself as a widget and
        // must not be touched; it has already left children(), so simply
        // align what is left.
        RequestAlign(nullptr);
        break;
    default:
        break;
    }
    return handled;
}

bool TAlignContainer::eventFilter(QObject* watched, QEvent* event)
{
    // A child that moved to another parent keeps our filter; ignore it.
    if (watched->parent() != this)
        return false;
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        RequestAlign(static_cast<QWidget*>(watched));
        break;
    default:
        break;
    }
    return false;
}
