// The window built from its fixed definition: every control at its place,
// with its caption, in the order of the definition (which is the child
// order the alignment layout sees).

#include "app/FormCharts.h"
#include "app/MainWindow.h"
#include "support/layout/Panel.h"

#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTextOption>

namespace {

TPanel* NewPanel(QWidget* parent, const char* name, const char* caption, TAlign align, QRect geometry)
{
    auto* panel = new TPanel(parent);
    panel->setObjectName(QString::fromUtf8(name));
    panel->SetCaption(caption);
    panel->setGeometry(geometry);
    SetControlAlign(panel, align);
    return panel;
}

// A label sizes itself to its text in its font (the definition's sizes are
// those of the design font), so only its position is fixed.
QLabel* NewLabel(QWidget* parent, const char* name, const char* text, int left, int top)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setFocusPolicy(Qt::NoFocus);
    const QFontMetrics metrics(label->font());
    label->setGeometry(left, top, metrics.horizontalAdvance(label->text()), metrics.height());
    return label;
}

// Selecting the whole text on keyboard focus is QLineEdit's own habit for
// Tab, Backtab and shortcut focus; a mouse click places the cursor.
QLineEdit* NewEdit(QWidget* parent, const char* name, const char* text, int left, int top)
{
    auto* edit = new QLineEdit(QString::fromUtf8(text), parent);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setGeometry(left, top, 121, 21);
    return edit;
}

// Neither default nor cancel button: Return and Escape press none.
QPushButton* NewButton(QWidget* parent, const char* name, const char* caption, int left, int top)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(left, top, 75, 25);
    return button;
}

QPlainTextEdit* NewMemo(QWidget* parent)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QStringLiteral("Output"));
    memo->setGeometry(8, 608, 249, 129);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setWordWrapMode(QTextOption::WordWrap);
    // Return starts a new line; Tab moves on to the next control.
    memo->setTabChangesFocus(true);
    return memo;
}

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

void TForm1::CreateControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    // "MS Sans Serif" at 11 pixels; where it is missing the system sans
    // stands in.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    move(248, 79);
    resize(1077, 737);

    DisableAlign();
    Panel1 = NewPanel(this, "Panel1", "Panel1", alClient, {0, 0, 1077, 737});
    Panel1->DisableAlign();
    const char* rowNames[3] = {"Panel2", "Panel3", "Panel4"};
    const char* columnNames[3] = {"Panel5", "Panel6", "Panel7"};
    const char* chartNames[3] = {"Chart1", "Chart2", "Chart3"};
    const char* titles[3] = {"Kmity 1", "Kmity 2", "Kmity složené"};
    TPanel** rows[3] = {&Panel2, &Panel3, &Panel4};
    TPanel** columns[3] = {&Panel5, &Panel6, &Panel7};
    TChart** charts[3] = {&Chart1, &Chart2, &Chart3};
    TLineSeries** series[3] = {&Series1, &Series2, &Series3};
    for (int row = 0; row < 3; ++row) {
        // All three rows carry the caption "Panel2".
        TPanel* rowPanel = NewPanel(Panel1, rowNames[row], "Panel2", alTop, {1, 1 + 200 * row, 1075, 200});
        *rows[row] = rowPanel;
        rowPanel->DisableAlign();
        *columns[row] = NewPanel(rowPanel, columnNames[row], "", alLeft, {1, 1, 257, 198});
        if (row < 2)
            CreateInputColumn(*columns[row], row);
        else
            CreateButtonColumn();
        *charts[row] = CreateFormChart(rowPanel, chartNames[row], titles[row], 258, 1, 816, 198);
        *series[row] = CreateFormSeries(*charts[row]);
        rowPanel->EnableAlign();
    }
    Output = NewMemo(Panel1);
    Panel1->EnableAlign();
    EnableAlign();
    SetTabOrder();
}

void TForm1::CreateInputColumn(TPanel* column, int row)
{
    if (row == 0) {
        Label1 = NewLabel(column, "Label1", "amplituda A1 [m]", 16, 24);
        Label3 = NewLabel(column, "Label3", "frekvence", 16, 56);
        Label7 = NewLabel(column, "Label7", "ω1", 72, 56);
        Label5 = NewLabel(column, "Label5", "ϕ1", 16, 88);
        Edit1 = NewEdit(column, "Edit1", "5", 120, 16);
        Edit2 = NewEdit(column, "Edit2", "1", 120, 48);
        Edit5 = NewEdit(column, "Edit5", "0", 120, 80);
    } else {
        Label2 = NewLabel(column, "Label2", "amplituda A2 [m]", 16, 24);
        Label4 = NewLabel(column, "Label4", "frekvence", 16, 56);
        Label6 = NewLabel(column, "Label6", "ω2", 72, 56);
        Label8 = NewLabel(column, "Label8", "ϕ2", 16, 88);
        Edit3 = NewEdit(column, "Edit3", "5", 120, 16);
        Edit4 = NewEdit(column, "Edit4", "1", 120, 48);
        Edit6 = NewEdit(column, "Edit6", "0", 120, 80);
    }
}

void TForm1::CreateButtonColumn()
{
    Button1 = NewButton(Panel7, "Button1", "Start", 24, 32);
    Button2 = NewButton(Panel7, "Button2", "Stop", 24, 64);
    Button3 = NewButton(Panel7, "Button3", "Clear", 24, 96);
    CheckBox1 = new QCheckBox(QStringLiteral("pomalu"), Panel7);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(160, 37, 57, 17);
    // Owned by the window and created after Panel1, so it outlives the box.
    auto* style = new TCompactCheckStyle();
    style->setParent(this);
    CheckBox1->setStyle(style);
    CheckBox1->setChecked(false);
}

void TForm1::SetTabOrder()
{
    // The definition's tab orders, parent by parent, make this one ring.
    QWidget* const ring[] = {Edit1, Edit2, Edit5, Edit3, Edit4, Edit6, Button1, Button2, Button3, CheckBox1, Output};
    constexpr int Count = sizeof(ring) / sizeof(ring[0]);
    for (int i = 0; i + 1 < Count; ++i)
        QWidget::setTabOrder(ring[i], ring[i + 1]);
    QWidget::setTabOrder(ring[Count - 1], ring[0]);
}
