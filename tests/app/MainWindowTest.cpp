// The main window as the definition lays it out: geometry of every control
// relative to its parent, captions and texts, and the keyboard behaviour.

#include "AppTestSupport.h"

#include "support/layout/Panel.h"

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
    EXPECT_TRUE(form->isWindow());
    EXPECT_EQ(form->windowTitle(), "Form1");
    EXPECT_EQ(form->size(), QSize(1077, 737));
    EXPECT_EQ(form->font().pixelSize(), 11);
    EXPECT_EQ(form->font().family(), "MS Sans Serif");
}

TEST(MainWindowLayout, PanelsFormThreeRowsOfInputColumnAndChart)
{
    auto form = ShowMainWindow();
    ExpectGeometry(form->Panel1, form.get(), 0, 0, 1077, 737);
    ExpectGeometry(form->Panel2, form->Panel1, 1, 1, 1075, 200);
    ExpectGeometry(form->Panel3, form->Panel1, 1, 201, 1075, 200);
    ExpectGeometry(form->Panel4, form->Panel1, 1, 401, 1075, 200);
    ExpectGeometry(form->Panel5, form->Panel2, 1, 1, 257, 198);
    ExpectGeometry(form->Panel6, form->Panel3, 1, 1, 257, 198);
    ExpectGeometry(form->Panel7, form->Panel4, 1, 1, 257, 198);
    const auto* chart1 = form->Panel2->findChild<QWidget*>("Chart1", Qt::FindDirectChildrenOnly);
    const auto* chart2 = form->Panel3->findChild<QWidget*>("Chart2", Qt::FindDirectChildrenOnly);
    const auto* chart3 = form->Panel4->findChild<QWidget*>("Chart3", Qt::FindDirectChildrenOnly);
    ExpectGeometry(chart1, form->Panel2, 258, 1, 816, 198);
    ExpectGeometry(chart2, form->Panel3, 258, 1, 816, 198);
    ExpectGeometry(chart3, form->Panel4, 258, 1, 816, 198);
    ExpectGeometry(form->Output, form->Panel1, 8, 608, 249, 129);
    EXPECT_EQ(form->Panel1->Caption(), "Panel1");
    // All three rows carry the caption of the first.
    EXPECT_EQ(form->Panel2->Caption(), "Panel2");
    EXPECT_EQ(form->Panel3->Caption(), "Panel2");
    EXPECT_EQ(form->Panel4->Caption(), "Panel2");
    EXPECT_EQ(form->Panel5->Caption(), "");
    EXPECT_EQ(form->Panel7->Caption(), "");
}

TEST(MainWindowLayout, InputColumnsHoldLabelsAndEditBoxes)
{
    auto form = ShowMainWindow();
    ExpectLabel(form->Label1, form->Panel5, "amplituda A1 [m]", 16, 24);
    ExpectLabel(form->Label3, form->Panel5, "frekvence", 16, 56);
    ExpectLabel(form->Label7, form->Panel5, "ω1", 72, 56);
    ExpectLabel(form->Label5, form->Panel5, "ϕ1", 16, 88);
    ExpectLabel(form->Label2, form->Panel6, "amplituda A2 [m]", 16, 24);
    ExpectLabel(form->Label4, form->Panel6, "frekvence", 16, 56);
    ExpectLabel(form->Label6, form->Panel6, "ω2", 72, 56);
    ExpectLabel(form->Label8, form->Panel6, "ϕ2", 16, 88);
    ExpectGeometry(form->Edit1, form->Panel5, 120, 16, 121, 21);
    ExpectGeometry(form->Edit2, form->Panel5, 120, 48, 121, 21);
    ExpectGeometry(form->Edit5, form->Panel5, 120, 80, 121, 21);
    ExpectGeometry(form->Edit3, form->Panel6, 120, 16, 121, 21);
    ExpectGeometry(form->Edit4, form->Panel6, 120, 48, 121, 21);
    ExpectGeometry(form->Edit6, form->Panel6, 120, 80, 121, 21);
    const std::vector<QString> texts = {form->Edit1->text(), form->Edit2->text(), form->Edit5->text(),
                                        form->Edit3->text(), form->Edit4->text(), form->Edit6->text()};
    EXPECT_EQ(texts, (std::vector<QString>{"5", "1", "0", "5", "1", "0"}));
}

TEST(MainWindowLayout, ButtonColumnHoldsStartStopClearAndPomalu)
{
    auto form = ShowMainWindow();
    ExpectGeometry(form->Button1, form->Panel7, 24, 32, 75, 25);
    ExpectGeometry(form->Button2, form->Panel7, 24, 64, 75, 25);
    ExpectGeometry(form->Button3, form->Panel7, 24, 96, 75, 25);
    ExpectGeometry(form->CheckBox1, form->Panel7, 160, 37, 57, 17);
    EXPECT_EQ(form->Button1->text(), "Start");
    EXPECT_EQ(form->Button2->text(), "Stop");
    EXPECT_EQ(form->Button3->text(), "Clear");
    EXPECT_EQ(form->CheckBox1->text(), "pomalu");
    EXPECT_FALSE(form->CheckBox1->isChecked());
    // The caption is not cut short at the fixed width.
    QStyleOptionButton option;
    option.initFrom(form->CheckBox1);
    option.text = form->CheckBox1->text();
    const QRect contents =
        form->CheckBox1->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, form->CheckBox1);
    EXPECT_LE(contents.left() + form->CheckBox1->fontMetrics().horizontalAdvance("pomalu"), 57);
    EXPECT_TRUE(form->Output->toPlainText().isEmpty());
}

TEST(MainWindowLayout, ResizingChangesOnlyTheChartWidths)
{
    auto form = ShowMainWindow();
    form->resize(1277, 837);
    ExpectGeometry(form->Panel1, form.get(), 0, 0, 1277, 837);
    ExpectGeometry(form->Panel4, form->Panel1, 1, 401, 1275, 200);
    ExpectGeometry(form->Panel7, form->Panel4, 1, 1, 257, 198);
    const auto* chart3 = form->Panel4->findChild<QWidget*>("Chart3", Qt::FindDirectChildrenOnly);
    ExpectGeometry(chart3, form->Panel4, 258, 1, 1016, 198);
    ExpectGeometry(form->Output, form->Panel1, 8, 608, 249, 129);
}

TEST(MainWindowKeyboard, TabCyclesThroughTheInputsButtonsCheckBoxAndMemo)
{
    auto form = ShowMainWindow();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->Edit1->setFocus(Qt::OtherFocusReason);
    const std::vector<QWidget*> expected = {form->Edit2,     form->Edit5,   form->Edit3,   form->Edit4,
                                            form->Edit6,     form->Button1, form->Button2, form->Button3,
                                            form->CheckBox1, form->Output,  form->Edit1};
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
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->Edit3->setText("12.5");
    form->Edit5->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(form->Edit5, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->Edit3);
    EXPECT_EQ(form->Edit3->selectedText(), "12.5");
}

TEST(MainWindowKeyboard, ReturnInTheMemoStartsANewLineAndPressesNoButton)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto stepped = std::make_shared<bool>(false);
    form->RunState.OnPointsAdded = [stepped](TRunState& s) {
        *stepped = true;
        s.StopRequested = true;
    };
    form->Output->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(form->Output, "ab");
    QTest::keyClick(form->Output, Qt::Key_Return);
    QTest::keyClicks(form->Output, "c");
    EXPECT_EQ(form->Output->toPlainText(), "ab\nc");
    form->Button1->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(form->Button1, Qt::Key_Return);
    QTest::keyClick(form->Button1, Qt::Key_Enter);
    QTest::keyClick(form->Button1, Qt::Key_Escape);
    EXPECT_FALSE(*stepped);
    // Space still presses the focused button.
    QTest::keyClick(form->Button1, Qt::Key_Space);
    EXPECT_TRUE(*stepped);
}

TEST(MainWindowKeyboard, ChartsAreNoTabStops)
{
    auto form = ShowMainWindow();
    for (const char* name : {"Chart1", "Chart2", "Chart3"}) {
        const auto* chart = form->findChild<QWidget*>(name);
        ASSERT_NE(chart, nullptr) << name;
        EXPECT_EQ(chart->focusPolicy(), Qt::NoFocus) << name;
    }
}
