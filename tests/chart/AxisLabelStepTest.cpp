// The label step search and the label value sequence, as pure functions.
#include "chart/ChartAxis.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(AxisNextLabelStep, WalksOneTwoFiveDecades)
{
    EXPECT_EQ(NextLabelStep(1), 2);
    EXPECT_EQ(NextLabelStep(2), 5);
    EXPECT_EQ(NextLabelStep(5), 10);
    EXPECT_EQ(NextLabelStep(10), 20);
    EXPECT_EQ(NextLabelStep(20), 50);
    EXPECT_DOUBLE_EQ(NextLabelStep(0.3), 0.5);
    EXPECT_EQ(NextLabelStep(7), 10);
}

TEST(AxisLabelStep, RaisesStepUntilLabelsFit)
{
    // 0..50 with room for 12: 1 (50 labels), 2 (25), 5 (10).
    EXPECT_EQ(LabelStepFor(50, 12, 0, 10), 5);
    // -10..10 with room for 9: 1 (20), 2 (10), 5 (4).
    EXPECT_EQ(LabelStepFor(20, 9, 0, 10), 5);
}

TEST(AxisLabelStep, IncrementIsALowerBound)
{
    EXPECT_EQ(LabelStepFor(50, 30, 3, 10), 3);
    EXPECT_EQ(LabelStepFor(50, 12, 3, 10), 5);
}

TEST(AxisLabelStep, NoRoomForALabelGivesTheSmallestStep)
{
    EXPECT_EQ(LabelStepFor(50, 0, 0, 10), 1e-12);
    EXPECT_TRUE(LabelValuesFor(0, 1e-8, 1e-12, true).empty());
    EXPECT_TRUE(LabelValuesFor(-3, 7, 1e-12, true).empty());
}

TEST(AxisLabelStep, EmptyRangeStartsBelowOne)
{
    EXPECT_EQ(LabelStepFor(0, 1, 0, 10), 1e-12);
    // From 1e-12 up the sequence until 0.5 / step <= 40: 0.02 (25 labels).
    EXPECT_DOUBLE_EQ(LabelStepFor(0.5, 40, 0, 10), 0.02);
}

TEST(AxisLabelStep, SeparationZeroKeepsTheStartingStep)
{
    EXPECT_EQ(LabelStepFor(20000, 5, 0, 0), 1);
    EXPECT_TRUE(LabelValuesFor(0, 20000, 1, true).empty());
}

TEST(AxisLabelStep, InfiniteRangeEndsTheSearchWithoutLabels)
{
    double step = LabelStepFor(INFINITY, 10, 0, 10);
    EXPECT_TRUE(std::isfinite(step));
    EXPECT_TRUE(LabelValuesFor(-1e308, INFINITY, step, true).empty());
    EXPECT_EQ(LabelStepFor(NAN, 10, 0, 10), 1e-12);
}

TEST(AxisLabelsThatFit, AddsSeparationPercentToTheLabelSize)
{
    // 14 px labels plus 10 % (1 px) on 150 px: 10 labels.
    EXPECT_EQ(LabelsThatFit(150, 14, 10), 10);
    EXPECT_EQ(LabelsThatFit(150, 15, 0), 10);
    // 5 labels of 30 px would need 150 px; 165 / 30 = 5.5 rounds to even 6.
    EXPECT_EQ(LabelsThatFit(165, 30, 0), 6);
    EXPECT_EQ(LabelsThatFit(150, 0, 10), 1);
    EXPECT_EQ(LabelsThatFit(0, 14, 10), 0);
}

TEST(AxisLabelValues, FiftyDownToZeroInFives)
{
    std::vector<double> expected = {50, 45, 40, 35, 30, 25, 20, 15, 10, 5, 0};
    EXPECT_EQ(LabelValuesFor(0, 50, 5, true), expected);
}

TEST(AxisLabelValues, NegativeMinimumItselfIsNotLabelled)
{
    std::vector<double> values = LabelValuesFor(-10, 10, 5, true);
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(values[0], 10);
    EXPECT_EQ(values[1], 5);
    EXPECT_EQ(values[2], 0);
    EXPECT_EQ(values[3], -5);

    std::vector<double> twos = LabelValuesFor(-10, 10, 2, true);
    ASSERT_EQ(twos.size(), 10u);
    EXPECT_EQ(twos.front(), 10);
    EXPECT_EQ(twos.back(), -8);
}

TEST(AxisLabelValues, FirstLabelIsAWholeMultipleOfTheStep)
{
    std::vector<double> values = LabelValuesFor(0, 50, 3, true);
    ASSERT_EQ(values.size(), 17u);
    EXPECT_EQ(values.front(), 48);
    EXPECT_EQ(values.back(), 0);

    std::vector<double> unrounded = LabelValuesFor(0, 50, 3, false);
    EXPECT_EQ(unrounded.front(), 50);
    EXPECT_EQ(unrounded.back(), 2);
}

TEST(AxisLabelValues, ValuesComeFromRepeatedSubtraction)
{
    // 0.3 - 0.1 - 0.1 - 0.1 is not 0: the residue is kept.
    std::vector<double> values = LabelValuesFor(0, 0.3, 0.1, false);
    ASSERT_EQ(values.size(), 4u);
    double v = 0.3;
    for (double value : values) {
        EXPECT_EQ(value, v);
        v -= 0.1;
    }
    EXPECT_NE(values.back(), 0.0);
}

TEST(AxisLabelValues, EmptyRangeGivesItsOneValue)
{
    EXPECT_EQ(LabelValuesFor(0, 0, 1e-12, true), std::vector<double>{0});
}

TEST(AxisLabelValues, EqualLimitsNear1e18EndWhenTheStepMakesNoProgress)
{
    std::vector<double> values = LabelValuesFor(1e18, 1e18, 1e-12, true);
    EXPECT_EQ(values, std::vector<double>{1e18});
    // Like -10 on -10..10, a negative minimum itself is not labelled.
    EXPECT_TRUE(LabelValuesFor(-1e18, -1e18, 1e-12, true).empty());
}

TEST(AxisLabelValues, TinyRangeFarFromZeroStaysBounded)
{
    // 1e-10 of range after deep zooming, far from zero: 100 labels asked
    // for, but the step is below the spacing of doubles there.
    std::vector<double> values = LabelValuesFor(1e6, 1e6 + 1e-10, 1e-12, true);
    EXPECT_FALSE(values.empty());
    EXPECT_LE(values.size(), static_cast<std::size_t>(MaxLabelValues));
    for (double v : values)
        EXPECT_LE(v, 1e6 + 1e-10);
}

TEST(AxisLabelValues, NoLabelsForAnInvertedRangeOrNoStep)
{
    EXPECT_TRUE(LabelValuesFor(5, 1, 1, true).empty());
    EXPECT_TRUE(LabelValuesFor(0, 10, 0, true).empty());
    EXPECT_TRUE(LabelValuesFor(0, 10000, 1, true).empty());
    EXPECT_EQ(LabelValuesFor(0, 9999, 1, true).size(), 10000u);
}

TEST(AxisLabelLines, SplitAtCharacterThirteen)
{
    EXPECT_TRUE(SplitLabelLines("").empty());
    EXPECT_EQ(SplitLabelLines("12"), std::vector<std::string>{"12"});
    EXPECT_EQ(SplitLabelLines("a\rb"), (std::vector<std::string>{"a", "b"}));
}
