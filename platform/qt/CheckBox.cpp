// The Qt check box and the style that makes its box compact.

#include "platform/qt/CheckBox.h"

#include <QProxyStyle>

namespace {

// The check box keeps its 57-pixel width; the platform's roomier indicator
// would cut "pomalu" short, so it gets a 13-pixel box and a 3-pixel gap.
class TCompactCheckStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
            return 13;
        case PM_CheckBoxLabelSpacing:
            return 3;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

} // namespace

TCheckBox::TCheckBox(QWidget* parent) : TQtControl(parent)
{
    // Owned by the window and created after the window's child that holds
    // the box, so it outlives the box (children go in creation order).
    auto* style = new TCompactCheckStyle();
    style->setParent(window());
    setStyle(style);
    // toggled follows every change of the state, by mouse or keyboard.
    connect(this, &QCheckBox::toggled, this, [this] {
        if (FOnChange)
            FOnChange();
    });
}
