// The Qt toolkit's factory: each control made as a Qt widget in its parent,
// named, with its text and rectangle, and handed to the parent's alignment.

#include "platform/qt/Toolkit.h"

#include "platform/qt/Button.h"
#include "platform/qt/ChartHost.h"
#include "platform/qt/CheckBox.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Label.h"
#include "platform/qt/LocaleMarks.h"
#include "platform/qt/Memo.h"
#include "platform/qt/MessageLoop.h"
#include "platform/qt/Panel.h"
#include "platform/qt/Window.h"

#include <QFont>
#include <QFontMetrics>

#include <cassert>

namespace {

TQtContainerWidget* ParentWidget(IContainer& parent)
{
    auto* widget = dynamic_cast<TQtContainerWidget*>(&parent);
    assert(widget && "a Qt control's parent is a Qt container");
    return widget;
}

// Names the new control, gives it its accessible name, places it and hands
// it to the parent's alignment.
template <class Control>
Control* Place(IContainer& parent, Control* control, const TControlDefinition& definition, const TRect& bounds)
{
    control->setObjectName(QString::fromUtf8(definition.Name));
    if (!definition.AccessibleName.empty() || !definition.AccessibleDescription.empty())
        control->SetAccessibleName(definition.AccessibleName, definition.AccessibleDescription);
    control->SetBounds(bounds);
    ParentWidget(parent)->Adopt(control, *control);
    return control;
}

class TQtToolkit final : public IToolkit {
public:
    std::unique_ptr<IWindow> CreateMainWindow(const TWindowDefinition& definition) override
    {
        auto window = std::make_unique<TWindow>();
        window->setObjectName(QString::fromUtf8(definition.Name));
        window->setWindowTitle(QString::fromStdString(definition.Title));
        // Where the family is missing the system sans stands in.
        QFont font(QString::fromStdString(definition.Font.Family));
        font.setPixelSize(definition.Font.PixelSize);
        window->setFont(font);
        window->move(definition.Bounds.Left, definition.Bounds.Top);
        window->resize(definition.Bounds.Width(), definition.Bounds.Height());
        return window;
    }

    IPanel* CreatePanel(IContainer& parent, const TControlDefinition& definition) override
    {
        auto* panel = new TPanel(ParentWidget(parent));
        panel->SetCaption(definition.Text);
        return Place(parent, panel, definition, definition.Bounds);
    }

    // A label sizes itself to its text in its font (the definition's sizes
    // are those of the design font), so only its position is fixed.
    ILabel* CreateLabel(IContainer& parent, const TControlDefinition& definition) override
    {
        auto* label = new TLabel(QString::fromStdString(definition.Text), ParentWidget(parent));
        label->setFocusPolicy(Qt::NoFocus);
        const QFontMetrics metrics(label->font());
        const TRect bounds{definition.Bounds.Left, definition.Bounds.Top,
                           definition.Bounds.Left + metrics.horizontalAdvance(label->text()),
                           definition.Bounds.Top + metrics.height()};
        return Place(parent, label, definition, bounds);
    }

    IEdit* CreateEdit(IContainer& parent, const TControlDefinition& definition) override
    {
        auto* edit = new TEdit(QString::fromStdString(definition.Text), ParentWidget(parent));
        return Place(parent, edit, definition, definition.Bounds);
    }

    IButton* CreateButton(IContainer& parent, const TControlDefinition& definition) override
    {
        auto* button = new TButton(ParentWidget(parent));
        button->setText(QString::fromStdString(definition.Text));
        return Place(parent, button, definition, definition.Bounds);
    }

    ICheckBox* CreateCheckBox(IContainer& parent, const TControlDefinition& definition) override
    {
        auto* box = new TCheckBox(ParentWidget(parent));
        box->setText(QString::fromStdString(definition.Text));
        return Place(parent, box, definition, definition.Bounds);
    }

    IMemo* CreateMemo(IContainer& parent, const TControlDefinition& definition) override
    {
        auto* memo = new TMemo(ParentWidget(parent));
        memo->setPlainText(QString::fromStdString(definition.Text));
        return Place(parent, memo, definition, definition.Bounds);
    }

    IControl* CreateChartHost(IContainer& parent, const TControlDefinition& definition, TCustomLynPanel& chart) override
    {
        TQtContainerWidget* parentWidget = ParentWidget(parent);
        TWidgetControl* host = ::CreateChartHost(parentWidget, definition.Name, chart);
        if (!definition.AccessibleName.empty() || !definition.AccessibleDescription.empty())
            host->SetAccessibleName(definition.AccessibleName, definition.AccessibleDescription);
        host->SetBounds(definition.Bounds);
        parentWidget->Adopt(host->Widget(), *host);
        return host;
    }

    IMessageLoop& MessageLoop() override { return QtMessageLoop(); }
    ILocaleMarks& LocaleMarks() override { return QtLocaleMarks(); }
};

} // namespace

IToolkit& QtToolkit()
{
    static TQtToolkit toolkit;
    return toolkit;
}
