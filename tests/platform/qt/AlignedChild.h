#pragma once
// Qt children of a container for the alignment tests: made, adopted by the
// container, and aligned by widget as the layout's users see them.

#include "platform/qt/Container.h"
#include "platform/qt/Control.h"

#include <QWidget>

#include <cassert>
#include <type_traits>

inline TQtContainerWidget* ContainerOf(const QWidget* child)
{
    auto* container = dynamic_cast<TQtContainerWidget*>(child->parentWidget());
    assert(container && "the child's parent is a Qt container");
    return container;
}

// Adopts a new child of a container: a control of ours as it is, any other
// widget through a wrapper.
template <class W>
W* Adopted(W* child)
{
    if constexpr (std::is_base_of_v<ILayoutControl, W>)
        ContainerOf(child)->Adopt(child, *child);
    else
        ContainerOf(child)->Adopt(child, *new TWidgetControl(child));
    return child;
}

inline void SetControlAlign(QWidget* child, TAlign align)
{
    TQtContainerWidget* container = ContainerOf(child);
    container->AlignLayout().SetAlign(*container->AdoptedControl(child), align);
}

inline TAlign ControlAlign(const QWidget* child)
{
    const TQtContainerWidget* container = ContainerOf(child);
    return const_cast<TQtContainerWidget*>(container)->AlignLayout().AlignOf(*container->AdoptedControl(child));
}
