// The main window as the definition lays it out: geometry of every control
// relative to its parent, captions and texts, and the keyboard behaviour.

#include "AppTestSupport.h"

#include "support/layout/Panel.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

void ExpectGeometry(const QWidget* control, QWidget* parent, int left, int top, int width, int height)
{
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget(), parent) << control->objectName().toStdString();
    EXPECT_EQ(control->geometry(), QRect(left, top, width, height)) << control->objectName().toStdString();
}

// A label takes the size of its text; its position is fixed.
void ExpectLabel(const QLabel* label, QWidget* parent, const char* text, int left, int top)
{
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8(text));
    EXPECT_EQ(label->parentWidget(), parent);
    EXPECT_EQ(label->pos(), QPoint(left, top)) << text;
    const QFontMetrics metrics(label->font());
    EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text())) << text;
    EXPECT_GE(label->height(), metrics.height()) << text;
}

} // namespace

TEST(MainWindowLayout, FormHasItsTitleClientSizeAndFont)
{
    auto form = ShowMainWindow();
    EXPECT_TRUE(Q(*form)->isWindow());
    EXPECT_EQ(Q(*form)->windowTitle(), "Form1");
    EXPECT_EQ(Q(*form)->size(), QSize(1077, 737));
    EXPECT_EQ(Q(*form)->font().pixelSize(), 11);
    EXPECT_EQ(Q(*form)->font().family(), "MS Sans Serif");
}

TEST(MainWindowLayout, PanelsFormThreeRowsOfInputColumnAndChart)
{
    auto form = ShowMainWindow();
    ExpectGeometry(Q(form->Panel1), Q(*form), 0, 0, 1077, 737);
    ExpectGeometry(Q(form->Panel2), Q(form->Panel1), 1, 1, 1075, 200);
    ExpectGeometry(Q(form->Panel3), Q(form->Panel1), 1, 201, 1075, 200);
    ExpectGeometry(Q(form->Panel4), Q(form->Panel1), 1, 401, 1075, 200);
    ExpectGeometry(Q(form->Panel5), Q(form->Panel2), 1, 1, 257, 198);
    ExpectGeometry(Q(form->Panel6), Q(form->Panel3), 1, 1, 257, 198);
    ExpectGeometry(Q(form->Panel7), Q(form->Panel4), 1, 1, 257, 198);
    const auto* chart1 = Q(form->Panel2)->findChild<QWidget*>("Chart1", Qt::FindDirectChildrenOnly);
    const auto* chart2 = Q(form->Panel3)->findChild<QWidget*>("Chart2", Qt::FindDirectChildrenOnly);
    const auto* chart3 = Q(form->Panel4)->findChild<QWidget*>("Chart3", Qt::FindDirectChildrenOnly);
    ExpectGeometry(chart1, Q(form->Panel2), 258, 1, 816, 198);
    ExpectGeometry(chart2, Q(form->Panel3), 258, 1, 816, 198);
    ExpectGeometry(chart3, Q(form->Panel4), 258, 1, 816, 198);
    ExpectGeometry(Q(form->Output), Q(form->Panel1), 8, 608, 249, 129);
    EXPECT_EQ(Q(form->Panel1)->Caption(), "Panel1");
    // All three rows carry the caption of the first.
    EXPECT_EQ(Q(form->Panel2)->Caption(), "Panel2");
    EXPECT_EQ(Q(form->Panel3)->Caption(), "Panel2");
    EXPECT_EQ(Q(form->Panel4)->Caption(), "Panel2");
    EXPECT_EQ(Q(form->Panel5)->Caption(), "");
    EXPECT_EQ(Q(form->Panel7)->Caption(), "");
}

TEST(MainWindowLayout, InputColumnsHoldLabelsAndEditBoxes)
{
    auto form = ShowMainWindow();
    ExpectLabel(Q(form->Label1), Q(form->Panel5), "amplituda A1 [m]", 16, 24);
    ExpectLabel(Q(form->Label3), Q(form->Panel5), "frekvence", 16, 56);
    ExpectLabel(Q(form->Label7), Q(form->Panel5), "ω1", 72, 56);
    ExpectLabel(Q(form->Label5), Q(form->Panel5), "ϕ1", 16, 88);
    ExpectLabel(Q(form->Label2), Q(form->Panel6), "amplituda A2 [m]", 16, 24);
    ExpectLabel(Q(form->Label4), Q(form->Panel6), "frekvence", 16, 56);
    ExpectLabel(Q(form->Label6), Q(form->Panel6), "ω2", 72, 56);
    ExpectLabel(Q(form->Label8), Q(form->Panel6), "ϕ2", 16, 88);
    ExpectGeometry(Q(form->Edit1), Q(form->Panel5), 120, 16, 121, 21);
    ExpectGeometry(Q(form->Edit2), Q(form->Panel5), 120, 48, 121, 21);
    ExpectGeometry(Q(form->Edit5), Q(form->Panel5), 120, 80, 121, 21);
    ExpectGeometry(Q(form->Edit3), Q(form->Panel6), 120, 16, 121, 21);
    ExpectGeometry(Q(form->Edit4), Q(form->Panel6), 120, 48, 121, 21);
    ExpectGeometry(Q(form->Edit6), Q(form->Panel6), 120, 80, 121, 21);
    const std::vector<QString> texts = {Q(form->Edit1)->text(), Q(form->Edit2)->text(), Q(form->Edit5)->text(),
                                        Q(form->Edit3)->text(), Q(form->Edit4)->text(), Q(form->Edit6)->text()};
    EXPECT_EQ(texts, (std::vector<QString>{"5", "1", "0", "5", "1", "0"}));
}

TEST(MainWindowLayout, ButtonColumnHoldsStartStopClearAndPomalu)
{
    auto form = ShowMainWindow();
    ExpectGeometry(Q(form->Button1), Q(form->Panel7), 24, 32, 75, 25);
    ExpectGeometry(Q(form->Button2), Q(form->Panel7), 24, 64, 75, 25);
    ExpectGeometry(Q(form->Button3), Q(form->Panel7), 24, 96, 75, 25);
    ExpectGeometry(Q(form->CheckBox1), Q(form->Panel7), 160, 37, 57, 17);
    EXPECT_EQ(Q(form->Button1)->text(), "Start");
    EXPECT_EQ(Q(form->Button2)->text(), "Stop");
    EXPECT_EQ(Q(form->Button3)->text(), "Clear");
    EXPECT_EQ(Q(form->CheckBox1)->text(), "pomalu");
    EXPECT_FALSE(Q(form->CheckBox1)->isChecked());
    // The caption is not cut short at the fixed width.
    QStyleOptionButton option;
    option.initFrom(Q(form->CheckBox1));
    option.text = Q(form->CheckBox1)->text();
    const QRect contents =
        Q(form->CheckBox1)->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, Q(form->CheckBox1));
    EXPECT_LE(contents.left() + Q(form->CheckBox1)->fontMetrics().horizontalAdvance("pomalu"), 57);
    EXPECT_TRUE(Q(form->Output)->toPlainText().isEmpty());
}

TEST(MainWindowLayout, ResizingChangesOnlyTheChartWidths)
{
    auto form = ShowMainWindow();
    Q(*form)->resize(1277, 837);
    ExpectGeometry(Q(form->Panel1), Q(*form), 0, 0, 1277, 837);
    ExpectGeometry(Q(form->Panel4), Q(form->Panel1), 1, 401, 1275, 200);
    ExpectGeometry(Q(form->Panel7), Q(form->Panel4), 1, 1, 257, 198);
    const auto* chart3 = Q(form->Panel4)->findChild<QWidget*>("Chart3", Qt::FindDirectChildrenOnly);
    ExpectGeometry(chart3, Q(form->Panel4), 258, 1, 1016, 198);
    ExpectGeometry(Q(form->Output), Q(form->Panel1), 8, 608, 249, 129);
}

TEST(MainWindowKeyboard, TabCyclesThroughTheInputsButtonsCheckBoxAndMemo)
{
    auto form = ShowMainWindow();
    Q(*form)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Q(*form)));
    Q(form->Edit1)->setFocus(Qt::OtherFocusReason);
    const std::vector<QWidget*> expected = {Q(form->Edit2),     Q(form->Edit5),   Q(form->Edit3),   Q(form->Edit4),
                                            Q(form->Edit6),     Q(form->Button1), Q(form->Button2), Q(form->Button3),
                                            Q(form->CheckBox1), Q(form->Output),  Q(form->Edit1)};
    std::vector<QWidget*> visited;
    for (size_t i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, expected);
}

TEST(MainWindowKeyboard, TabIntoAnEditBoxSelectsItsText)
{
    auto form = ShowMainWindow();
    Q(*form)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Q(*form)));
    Q(form->Edit3)->setText("12.5");
    Q(form->Edit5)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Q(form->Edit5), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Q(form->Edit3));
    EXPECT_EQ(Q(form->Edit3)->selectedText(), "12.5");
}

TEST(MainWindowKeyboard, ReturnInTheMemoStartsANewLineAndPressesNoButton)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    Q(*form)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Q(*form)));
    auto stepped = std::make_shared<bool>(false);
    form->RunState.OnPointsAdded = [stepped](TRunState& s) {
        *stepped = true;
        s.StopRequested = true;
    };
    Q(form->Output)->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(Q(form->Output), "ab");
    QTest::keyClick(Q(form->Output), Qt::Key_Return);
    QTest::keyClicks(Q(form->Output), "c");
    EXPECT_EQ(Q(form->Output)->toPlainText(), "ab\nc");
    Q(form->Button1)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Q(form->Button1), Qt::Key_Return);
    QTest::keyClick(Q(form->Button1), Qt::Key_Enter);
    QTest::keyClick(Q(form->Button1), Qt::Key_Escape);
    EXPECT_FALSE(*stepped);
    // Space still presses the focused button.
    QTest::keyClick(Q(form->Button1), Qt::Key_Space);
    EXPECT_TRUE(*stepped);
}

TEST(MainWindowKeyboard, ChartsAreNoTabStops)
{
    auto form = ShowMainWindow();
    for (const char* name : {"Chart1", "Chart2", "Chart3"}) {
        const auto* chart = Q(*form)->findChild<QWidget*>(name);
        ASSERT_NE(chart, nullptr) << name;
        EXPECT_EQ(chart->focusPolicy(), Qt::NoFocus) << name;
    }
}

// A screen reader names each edit box by its label and each chart by its
// title, with a word on what the chart shows.
TEST(MainWindowAccessibility, EditBoxesCarryTheirLabelsAndChartsTheirTitles)
{
    auto form = ShowMainWindow();
    auto accessibleText = [](QWidget* widget, QAccessible::Text text) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        return accessible ? accessible->text(text) : QStringLiteral("(none)");
    };
    const std::pair<IEdit*, const char*> edits[] = {
        {form->Edit1, "amplituda A1 [m]"}, {form->Edit2, "frekvence ω1"}, {form->Edit5, "ϕ1"},
        {form->Edit3, "amplituda A2 [m]"}, {form->Edit4, "frekvence ω2"}, {form->Edit6, "ϕ2"},
    };
    for (const auto& [edit, name] : edits)
        EXPECT_EQ(accessibleText(Q(edit), QAccessible::Name), QString::fromUtf8(name)) << name;
    const std::pair<const char*, const char*> charts[] = {
        {"Chart1", "Kmity 1"}, {"Chart2", "Kmity 2"}, {"Chart3", "Kmity složené"}};
    for (const auto& [name, title] : charts) {
        auto* chart = Q(*form)->findChild<QWidget*>(name);
        ASSERT_NE(chart, nullptr) << name;
        EXPECT_EQ(accessibleText(chart, QAccessible::Name), QString::fromUtf8(title)) << name;
        EXPECT_FALSE(accessibleText(chart, QAccessible::Description).isEmpty()) << name;
    }
}
