#include "platform/qt/Container.h"
#include "platform/qt/Panel.h"
#include "tests/platform/qt/AlignedChild.h"

#include <QLabel>
#include <QRect>
#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

// The main window's panel tree at its design size, with plain widgets
// standing in for the charts and the memo.
struct TMainWindowTree {
    std::unique_ptr<TQtContainerWidget> Form = std::make_unique<TQtContainerWidget>();
    TPanel* Panel1 = nullptr;
    std::array<TPanel*, 3> Rows{};
    std::array<TPanel*, 3> Columns{};
    std::array<QWidget*, 3> Charts{};
    QWidget* Output = nullptr;

    TMainWindowTree()
    {
        Form->DisableAlign();
        Form->resize(1077, 737);
        Panel1 = Adopted(new TPanel(Form.get()));
        Panel1->setGeometry(0, 0, 1077, 737);
        SetControlAlign(Panel1, alClient);
        for (int row = 0; row < 3; ++row) {
            Rows[row] = Adopted(new TPanel(Panel1));
            Rows[row]->setGeometry(1, 1 + 200 * row, 1075, 200);
            SetControlAlign(Rows[row], alTop);
            Columns[row] = Adopted(new TPanel(Rows[row]));
            Columns[row]->setGeometry(1, 1, 257, 198);
            SetControlAlign(Columns[row], alLeft);
            Charts[row] = Adopted(new QWidget(Rows[row]));
            Charts[row]->setGeometry(258, 1, 816, 198);
            SetControlAlign(Charts[row], alClient);
        }
        Output = Adopted(new QWidget(Panel1));
        Output->setGeometry(8, 608, 249, 129);
        Form->EnableAlign();
        Form->show();
    }
};

void ExpectRowsOfWidth(const TMainWindowTree& tree, int rowWidth)
{
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(tree.Rows[row]->geometry(), QRect(1, 1 + 200 * row, rowWidth, 200));
        EXPECT_EQ(tree.Columns[row]->geometry(), QRect(1, 1, 257, 198));
        EXPECT_EQ(tree.Charts[row]->geometry(), QRect(258, 1, rowWidth - 259, 198));
    }
}

} // namespace

TEST(AlignContainer, MainWindowAtDesignSize)
{
    TMainWindowTree tree;
    EXPECT_EQ(tree.Panel1->geometry(), QRect(0, 0, 1077, 737));
    ExpectRowsOfWidth(tree, 1075);
    EXPECT_EQ(tree.Charts[0]->geometry(), QRect(258, 1, 816, 198));
    EXPECT_EQ(tree.Output->geometry(), QRect(8, 608, 249, 129));
}

TEST(AlignContainer, WiderWindowWidensOnlyRowsAndCharts)
{
    TMainWindowTree tree;
    tree.Form->resize(1277, 737);
    ExpectRowsOfWidth(tree, 1275);
    EXPECT_EQ(tree.Charts[2]->geometry(), QRect(258, 1, 1016, 198));
}

TEST(AlignContainer, TallerWindowKeepsRowsAndMemoInPlace)
{
    TMainWindowTree tree;
    tree.Form->resize(1077, 937);
    EXPECT_EQ(tree.Panel1->geometry(), QRect(0, 0, 1077, 937));
    ExpectRowsOfWidth(tree, 1075);
    EXPECT_EQ(tree.Output->geometry(), QRect(8, 608, 249, 129));
}

TEST(AlignContainer, SmallerWindowCutsRowsOffWithoutShrinkingThem)
{
    TMainWindowTree tree;
    tree.Form->resize(700, 300);
    ExpectRowsOfWidth(tree, 698);
    EXPECT_EQ(tree.Output->geometry(), QRect(8, 608, 249, 129));
}

TEST(AlignContainer, NarrowWindowKeepsChartsOwnWidth)
{
    // A row 198 wide is narrower than its column: the chart keeps the width
    // it last had and lies right of the column, clipped by the row.
    TMainWindowTree tree;
    tree.Form->resize(1000, 737);
    tree.Form->resize(200, 737);
    EXPECT_EQ(tree.Rows[0]->geometry(), QRect(1, 1, 198, 200));
    EXPECT_EQ(tree.Columns[0]->geometry(), QRect(1, 1, 257, 198));
    EXPECT_EQ(tree.Charts[0]->geometry(), QRect(258, 1, 739, 198));
}

TEST(AlignContainer, ResizingAnAlignedChildRealignsItsSiblings)
{
    TQtContainerWidget box;
    box.resize(300, 100);
    auto* column = Adopted(new QLabel(&box));
    auto* client = Adopted(new QLabel(&box));
    SetControlAlign(column, alLeft);
    SetControlAlign(client, alClient);
    box.show();
    column->resize(80, 10);
    EXPECT_EQ(column->geometry(), QRect(0, 0, 80, 100));
    EXPECT_EQ(client->geometry(), QRect(80, 0, 220, 100));
}

TEST(AlignContainer, HidingAndShowingAChildRealigns)
{
    TQtContainerWidget box;
    box.resize(300, 100);
    auto* top = Adopted(new QLabel(&box));
    top->resize(10, 30);
    auto* client = Adopted(new QLabel(&box));
    SetControlAlign(top, alTop);
    SetControlAlign(client, alClient);
    box.show();
    top->hide();
    EXPECT_EQ(client->geometry(), QRect(0, 0, 300, 100));
    top->show();
    EXPECT_EQ(client->geometry(), QRect(0, 30, 300, 70));
}

TEST(AlignContainer, AddingAndRemovingAChildRealigns)
{
    TQtContainerWidget box;
    box.resize(300, 100);
    auto* client = Adopted(new QLabel(&box));
    SetControlAlign(client, alClient);
    box.show();
    auto* left = new QLabel;
    left->resize(50, 10);
    left->setParent(&box);
    Adopted(left);
    SetControlAlign(left, alLeft);
    left->show();
    EXPECT_EQ(left->geometry(), QRect(0, 0, 50, 100));
    EXPECT_EQ(client->geometry(), QRect(50, 0, 250, 100));
    delete left;
    EXPECT_EQ(client->geometry(), QRect(0, 0, 300, 100));
}

TEST(AlignContainer, NewlyAlignedChildGoesFirstAmongEqualTops)
{
    TQtContainerWidget box;
    box.resize(100, 100);
    auto* first = Adopted(new QLabel(&box));
    first->setGeometry(0, 0, 10, 20);
    SetControlAlign(first, alTop);
    auto* second = Adopted(new QLabel(&box));
    second->setGeometry(0, 0, 10, 30);
    SetControlAlign(second, alTop);
    EXPECT_EQ(second->geometry(), QRect(0, 0, 100, 30));
    EXPECT_EQ(first->geometry(), QRect(0, 30, 100, 20));
}

TEST(AlignContainer, ChildSizeLimitsMoveTheNextChild)
{
    TQtContainerWidget box;
    box.resize(300, 100);
    auto* column = Adopted(new QLabel(&box));
    column->resize(10, 10);
    column->setMinimumWidth(60);
    auto* client = Adopted(new QLabel(&box));
    SetControlAlign(column, alLeft);
    SetControlAlign(client, alClient);
    EXPECT_EQ(column->geometry(), QRect(0, 0, 60, 100));
    EXPECT_EQ(client->geometry(), QRect(60, 0, 240, 100));
}

TEST(AlignContainer, SuspendedRequestsRunOnceWhenResumed)
{
    TQtContainerWidget box;
    box.DisableAlign();
    box.DisableAlign();
    auto* child = Adopted(new QLabel(&box));
    SetControlAlign(child, alClient);
    box.AlignLayout().RequestAlign();
    box.EnableAlign();
    EXPECT_EQ(box.AlignLayout().Runs(), 0);
    box.EnableAlign();
    EXPECT_EQ(box.AlignLayout().Runs(), 1);
    EXPECT_FALSE(box.AlignLayout().AlignDisabled());
}

TEST(AlignContainer, SuspensionWithoutRequestsRunsNothing)
{
    TQtContainerWidget box;
    box.DisableAlign();
    box.EnableAlign();
    EXPECT_EQ(box.AlignLayout().Runs(), 0);
}

TEST(AlignContainer, SameAlignmentAgainDoesNotRealign)
{
    TQtContainerWidget box;
    auto* child = Adopted(new QLabel(&box));
    SetControlAlign(child, alTop);
    const int runs = box.AlignLayout().Runs();
    SetControlAlign(child, alTop);
    EXPECT_EQ(box.AlignLayout().Runs(), runs);
    EXPECT_EQ(ControlAlign(child), alTop);
}
