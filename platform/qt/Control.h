#pragma once
// The part every Qt control shares: a Qt widget class that also is one of
// our control interfaces, with its geometry, visibility, size limits and
// accessible name read from and written to the widget.

#include "app/toolkit/Controls.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <QWidget>

#include <string>

inline TRect ToTRect(const QRect& r) { return TRect{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }

inline QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

// Qt's "no maximum" is a huge size; the layout's is 0.
inline int32_t LimitOrNone(int limit) { return limit >= QWIDGETSIZE_MAX ? 0 : limit; }

inline TSizeLimits SizeLimitsOf(const QWidget& widget)
{
    return TSizeLimits{widget.minimumWidth(), widget.minimumHeight(), LimitOrNone(widget.maximumWidth()),
                       LimitOrNone(widget.maximumHeight())};
}

// Widget is the Qt class the control is made of (QLineEdit, ...), Interface
// the control interface it implements (IEdit, ...).
template <class Widget, class Interface>
class TQtControl : public Widget, public Interface {
public:
    using Widget::Widget;

    TRect Bounds() const override { return ToTRect(this->geometry()); }
    void SetBounds(const TRect& bounds) override { this->setGeometry(ToQRect(bounds)); }
    bool VisibleToParent() const override
    {
        const QWidget* parent = this->parentWidget();
        return parent ? this->isVisibleTo(parent) : this->isVisible();
    }
    TSizeLimits SizeLimits() const override { return SizeLimitsOf(*this); }
    void SetAccessibleName(const std::string& name, const std::string& description) override
    {
        this->setAccessibleName(QString::fromStdString(name));
        this->setAccessibleDescription(QString::fromStdString(description));
    }
};

// One of our controls over a widget of another class (a chart's host).
// It belongs to the widget and goes with it.
class TWidgetControl final : public QObject, public IControl {
public:
    explicit TWidgetControl(QWidget* widget) : QObject(widget), FWidget(widget) {}

    QWidget* Widget() const { return FWidget; }

    TRect Bounds() const override { return ToTRect(FWidget->geometry()); }
    void SetBounds(const TRect& bounds) override { FWidget->setGeometry(ToQRect(bounds)); }
    bool VisibleToParent() const override
    {
        const QWidget* parent = FWidget->parentWidget();
        return parent ? FWidget->isVisibleTo(parent) : FWidget->isVisible();
    }
    TSizeLimits SizeLimits() const override { return SizeLimitsOf(*FWidget); }
    void SetAccessibleName(const std::string& name, const std::string& description) override
    {
        FWidget->setAccessibleName(QString::fromStdString(name));
        FWidget->setAccessibleDescription(QString::fromStdString(description));
    }

private:
    QWidget* FWidget;
};

// The Qt widget behind one of our controls (every control of this platform
// is one); tests use it to click, type and look.
template <class W = QWidget>
W* QtWidget(const ILayoutControl* control)
{
    auto* mutableControl = const_cast<ILayoutControl*>(control);
    if (auto* wrapper = dynamic_cast<TWidgetControl*>(mutableControl))
        return dynamic_cast<W*>(wrapper->Widget());
    return dynamic_cast<W*>(mutableControl);
}
