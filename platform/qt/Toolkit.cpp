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
Control* Place(IContainer& parent, Control* control, const TControlSpec& spec, const TRect& bounds)
{
    control->setObjectName(QString::fromUtf8(spec.Name));
    if (!spec.AccessibleName.empty() || !spec.AccessibleDescription.empty())
        control->SetAccessibleName(spec.AccessibleName, spec.AccessibleDescription);
    control->SetBounds(bounds);
    ParentWidget(parent)->Adopt(control, *control);
    return control;
}

class TQtToolkit final : public IToolkit {
public:
    std::unique_ptr<IWindow> CreateMainWindow(const TWindowSpec& spec) override
    {
        auto window = std::make_unique<TWindow>();
        window->setObjectName(QString::fromUtf8(spec.Name));
        window->setWindowTitle(QString::fromStdString(spec.Title));
        // Where the family is missing the system sans stands in.
        QFont font(QString::fromStdString(spec.Font.Family));
        font.setPixelSize(spec.Font.PixelSize);
        window->setFont(font);
        window->move(spec.Bounds.Left, spec.Bounds.Top);
        window->resize(spec.Bounds.Width(), spec.Bounds.Height());
        return window;
    }

    IPanel* CreatePanel(IContainer& parent, const TControlSpec& spec) override
    {
        auto* panel = new TPanel(ParentWidget(parent));
        panel->SetCaption(spec.Text);
        return Place(parent, panel, spec, spec.Bounds);
    }

    // A label sizes itself to its text in its font (the definition's sizes
    // are those of the design font), so only its position is fixed.
    ILabel* CreateLabel(IContainer& parent, const TControlSpec& spec) override
    {
        auto* label = new TLabel(QString::fromStdString(spec.Text), ParentWidget(parent));
        label->setFocusPolicy(Qt::NoFocus);
        const QFontMetrics metrics(label->font());
        const TRect bounds{spec.Bounds.Left, spec.Bounds.Top,
                           spec.Bounds.Left + metrics.horizontalAdvance(label->text()),
                           spec.Bounds.Top + metrics.height()};
        return Place(parent, label, spec, bounds);
    }

    IEdit* CreateEdit(IContainer& parent, const TControlSpec& spec) override
    {
        auto* edit = new TEdit(QString::fromStdString(spec.Text), ParentWidget(parent));
        return Place(parent, edit, spec, spec.Bounds);
    }

    IButton* CreateButton(IContainer& parent, const TControlSpec& spec) override
    {
        auto* button = new TButton(ParentWidget(parent));
        button->setText(QString::fromStdString(spec.Text));
        return Place(parent, button, spec, spec.Bounds);
    }

    ICheckBox* CreateCheckBox(IContainer& parent, const TControlSpec& spec) override
    {
        auto* box = new TCheckBox(ParentWidget(parent));
        box->setText(QString::fromStdString(spec.Text));
        return Place(parent, box, spec, spec.Bounds);
    }

    IMemo* CreateMemo(IContainer& parent, const TControlSpec& spec) override
    {
        auto* memo = new TMemo(ParentWidget(parent));
        memo->setPlainText(QString::fromStdString(spec.Text));
        return Place(parent, memo, spec, spec.Bounds);
    }

    IControl* CreateChartHost(IContainer& parent, const TControlSpec& spec, TCustomLynPanel& chart) override
    {
        TQtContainerWidget* parentWidget = ParentWidget(parent);
        TWidgetControl* host = ::CreateChartHost(parentWidget, spec.Name, chart);
        if (!spec.AccessibleName.empty() || !spec.AccessibleDescription.empty())
            host->SetAccessibleName(spec.AccessibleName, spec.AccessibleDescription);
        host->SetBounds(spec.Bounds);
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
