#include "platform/qt/Panel.h"
#include "tests/platform/qt/AlignedChild.h"

#include <QColor>
#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

QRgb Rgb(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return qRgb(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

QImage Render(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

} // namespace

TEST(Panel, DefaultsGiveAOnePixelRaisedBevel)
{
    TPanel panel;
    EXPECT_EQ(panel.BevelOuter(), bvRaised);
    EXPECT_EQ(panel.BevelInner(), bvNone);
    EXPECT_EQ(panel.BevelWidth(), 1);
    EXPECT_EQ(panel.BorderWidth(), 0);
    EXPECT_EQ(panel.Alignment(), taCenter);
    EXPECT_EQ(panel.Color(), clBtnFace);
    panel.resize(1075, 200);
    EXPECT_EQ(panel.AlignFreeArea(), (TRect{1, 1, 1074, 199}));
}

TEST(Panel, FreeAreaShrinksByBorderAndBothBevels)
{
    TPanel panel;
    panel.resize(100, 60);
    panel.SetBevelWidth(2);
    panel.SetBorderWidth(3);
    panel.SetBevelInner(bvLowered);
    EXPECT_EQ(panel.AlignFreeArea(), (TRect{7, 7, 93, 53}));
    panel.SetBevelOuter(bvNone);
    EXPECT_EQ(panel.AlignFreeArea(), (TRect{5, 5, 95, 55}));
}

TEST(Panel, BorderChangeRealignsChildren)
{
    TPanel panel;
    panel.resize(100, 60);
    auto* child = Adopted(new QLabel(&panel));
    SetControlAlign(child, alClient);
    EXPECT_EQ(child->geometry(), QRect(1, 1, 98, 58));
    panel.SetBorderWidth(4);
    EXPECT_EQ(child->geometry(), QRect(5, 5, 90, 50));
    panel.SetBevelInner(bvRaised);
    EXPECT_EQ(child->geometry(), QRect(6, 6, 88, 48));
}

TEST(Panel, UnchangedFrameValuesDoNotRealign)
{
    TPanel panel;
    panel.SetBorderWidth(0);
    panel.SetBevelWidth(1);
    panel.SetBevelOuter(bvRaised);
    panel.SetBevelInner(bvNone);
    EXPECT_EQ(panel.Layout().Runs(), 0);
    panel.SetBevelWidth(3);
    panel.SetBevelOuter(bvLowered);
    EXPECT_EQ(panel.Layout().Runs(), 2);
    // Colour, caption and its alignment do not touch the free area.
    panel.SetColor(clRed);
    panel.SetCaption("x");
    panel.SetAlignment(taRightJustify);
    EXPECT_EQ(panel.Layout().Runs(), 2);
}

TEST(Panel, RaisedBevelIsLightTopLeftAndDarkBottomRight)
{
    TPanel panel;
    panel.resize(12, 8);
    const QImage image = Render(panel);
    const QRgb light = Rgb(clBtnHighlight), dark = Rgb(clBtnShadow), face = Rgb(clBtnFace);
    ASSERT_NE(light, face);
    ASSERT_NE(dark, face);
    for (int x = 0; x < 11; ++x)
        EXPECT_EQ(image.pixel(x, 0), light) << x;
    for (int y = 0; y < 7; ++y)
        EXPECT_EQ(image.pixel(0, y), light) << y;
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(image.pixel(x, 7), dark) << x;
    for (int y = 0; y < 8; ++y)
        EXPECT_EQ(image.pixel(11, y), dark) << y;
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 11; ++x)
            EXPECT_EQ(image.pixel(x, y), face) << x << "," << y;
}

TEST(Panel, LoweredBevelsAroundABorderInThePanelColour)
{
    // Outer raised ring, two border rings in red, inner lowered ring, fill.
    TPanel panel;
    panel.resize(16, 16);
    panel.SetBorderWidth(2);
    panel.SetBevelInner(bvLowered);
    panel.SetColor(clRed);
    const QImage image = Render(panel);
    const QRgb light = Rgb(clBtnHighlight), dark = Rgb(clBtnShadow), red = qRgb(255, 0, 0);
    EXPECT_EQ(image.pixel(0, 0), light);
    EXPECT_EQ(image.pixel(15, 15), dark);
    EXPECT_EQ(image.pixel(1, 1), red);
    EXPECT_EQ(image.pixel(2, 13), red);
    EXPECT_EQ(image.pixel(3, 3), dark);
    EXPECT_EQ(image.pixel(3, 11), dark);
    EXPECT_EQ(image.pixel(12, 12), light);
    EXPECT_EQ(image.pixel(12, 3), light);
    EXPECT_EQ(image.pixel(4, 4), red);
    EXPECT_EQ(image.pixel(11, 11), red);
}

TEST(Panel, CaptionIsCentredOnTheWHeight)
{
    TPanel panel;
    panel.resize(200, 60);
    panel.SetColor(clWhite);
    panel.SetCaption("Panel1");
    const QImage image = Render(panel);
    const int lineHeight = QFontMetrics(panel.font()).height();
    const int top = (1 + 59 - lineHeight) / 2;
    int inkTop = -1, inkBottom = -1, inkLeft = 200, inkRight = -1;
    for (int y = 1; y < 59; ++y)
        for (int x = 1; x < 199; ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                inkTop = inkTop < 0 ? y : inkTop;
                inkBottom = y;
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
    ASSERT_GE(inkTop, 0) << "no caption drawn";
    EXPECT_GE(inkTop, top);
    EXPECT_LT(inkBottom, top + lineHeight);
    // Centred: the ink's margins left and right differ by a few pixels at most.
    EXPECT_LE(std::abs((inkLeft - 1) - (198 - inkRight)), 3);
}

TEST(Panel, LeftJustifiedCaptionStartsAtTheFreeAreaEdge)
{
    TPanel panel;
    panel.resize(200, 40);
    panel.SetColor(clWhite);
    panel.SetBorderWidth(10);
    panel.SetAlignment(taLeftJustify);
    panel.SetCaption("W");
    const QImage image = Render(panel);
    int inkLeft = 200;
    for (int y = 11; y < 29; ++y)
        for (int x = 11; x < 189; ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                inkLeft = std::min(inkLeft, x);
    EXPECT_GE(inkLeft, 11);
    EXPECT_LT(inkLeft, 16);
}

TEST(Panel, EmptyCaptionLeavesTheFaceUniform)
{
    TPanel panel;
    panel.resize(50, 30);
    const QImage image = Render(panel);
    for (int y = 1; y < 29; ++y)
        for (int x = 1; x < 49; ++x)
            ASSERT_EQ(image.pixel(x, y), Rgb(clBtnFace)) << x << "," << y;
}
