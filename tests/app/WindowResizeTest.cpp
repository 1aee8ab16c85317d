// The main window resized: the rows keep their height, the strip below them
// shows Panel1's caption once its middle falls below them, and a small
// window cuts the lower rows and narrows the charts.

#include "AppTestSupport.h"
#include "WindowPixels.h"

#include "chart/Chart.h"
#include "support/layout/Panel.h"
#include "support/numbers/Rounding.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

void ExpectGeometryIn(const QWidget* w, const QWidget* parent, QRect expected)
{
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget(), parent);
    EXPECT_EQ(w->geometry(), expected);
}

void ResizeAndSettle(TForm1& form, int width, int height)
{
    Q(form)->resize(width, height);
    QCoreApplication::processEvents();
}

// The part of Panel1's own picture below the three rows and right of the
// memo: there, nothing but Panel1 itself draws.
QRect StripRightOfTheMemo(const TForm1& form)
{
    const int top = Q(form.Panel4)->geometry().bottom() + 1;
    const int left = Q(form.Output)->geometry().right() + 1;
    return QRect(left, top, Q(form.Panel1)->width() - 1 - left, Q(form.Panel1)->height() - 1 - top);
}

} // namespace

TEST(WindowResize, TallerKeepsTheRowsAndTheMemoAndShowsPanel1sCaptionOnceItsMiddleIsBelowTheRows)
{
    auto form = ShowMainWindow();
    ResizeAndSettle(*form, 1077, 900);
    ExpectGeometryIn(Q(form->Panel1), Q(*form), QRect(0, 0, 1077, 900));
    ExpectGeometryIn(Q(form->Panel2), Q(form->Panel1), QRect(1, 1, 1075, 200));
    ExpectGeometryIn(Q(form->Panel3), Q(form->Panel1), QRect(1, 201, 1075, 200));
    ExpectGeometryIn(Q(form->Panel4), Q(form->Panel1), QRect(1, 401, 1075, 200));
    ExpectGeometryIn(Q(form->Output), Q(form->Panel1), QRect(8, 608, 249, 129));
    ExpectGeometryIn(ChartWidgetOf(*form->Chart3), Q(form->Panel4), QRect(258, 1, 816, 198));
    // At 900 the caption's middle (about 450) is still behind the third row.
    QImage panel = Q(form->Panel1)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(panel.size(), QSize(1077, 900));
    EXPECT_EQ(FindInk(panel, StripRightOfTheMemo(*form), IsDarkInk).Count, 0);

    // At 1300 the middle (650) lies in the strip below the rows.
    ResizeAndSettle(*form, 1077, 1300);
    ExpectGeometryIn(Q(form->Panel4), Q(form->Panel1), QRect(1, 401, 1075, 200));
    ExpectGeometryIn(Q(form->Output), Q(form->Panel1), QRect(8, 608, 249, 129));
    panel = Q(form->Panel1)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(panel.size(), QSize(1077, 1300));
    const TInkBox caption = FindInk(panel, StripRightOfTheMemo(*form), IsDarkInk);
    ASSERT_GT(caption.Count, 0);
    // Centred in Panel1 (inside its one-pixel bevel), one line high.
    EXPECT_NEAR((caption.Left + caption.Right) / 2.0, 1077 / 2.0, 3.0);
    EXPECT_NEAR((caption.Top + caption.Bottom) / 2.0, 1300 / 2.0, 4.0);
    EXPECT_LT(caption.Bottom - caption.Top, Q(form->Panel1)->fontMetrics().height());
    // "Panel1" is six letters wide, far wider than high.
    EXPECT_GT(caption.Right - caption.Left, 2 * (caption.Bottom - caption.Top));
    EXPECT_EQ(Q(form->Panel1)->Caption(), "Panel1");
}

TEST(WindowResize, SmallerCutsTheLowerRowsAndNarrowsTheCharts)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    ResizeAndSettle(*form, 600, 300);
    ExpectGeometryIn(Q(form->Panel1), Q(*form), QRect(0, 0, 600, 300));
    // The rows keep their 200 pixels; the second is cut, the third and the
    // memo lie wholly below the window.
    ExpectGeometryIn(Q(form->Panel2), Q(form->Panel1), QRect(1, 1, 598, 200));
    ExpectGeometryIn(Q(form->Panel3), Q(form->Panel1), QRect(1, 201, 598, 200));
    ExpectGeometryIn(Q(form->Panel4), Q(form->Panel1), QRect(1, 401, 598, 200));
    ExpectGeometryIn(Q(form->Output), Q(form->Panel1), QRect(8, 608, 249, 129));
    EXPECT_TRUE(Q(form->Panel4)->visibleRegion().isEmpty());
    EXPECT_TRUE(Q(form->Output)->visibleRegion().isEmpty());
    EXPECT_EQ(Q(form->Panel3)->visibleRegion().boundingRect(), QRect(0, 0, 598, 99));
    // Only the charts narrow: 598 less the bevels and the 257-pixel column.
    ExpectGeometryIn(Q(form->Panel5), Q(form->Panel2), QRect(1, 1, 257, 198));
    ExpectGeometryIn(ChartWidgetOf(*form->Chart1), Q(form->Panel2), QRect(258, 1, 339, 198));
    ExpectGeometryIn(ChartWidgetOf(*form->Chart3), Q(form->Panel4), QRect(258, 1, 339, 198));

    // The first chart, shown, paints at its new width with its margins.
    RunSteps(*form, 20);
    ASSERT_TRUE(QTest::qWaitFor([&form] { return !form->Chart1->Canvas().IsStale(); }, 5000));
    const QImage picture = PaintedPicture(*form->Chart1);
    EXPECT_EQ(picture.size(), QSize(339, 198));
    EXPECT_EQ(form->Chart1->Layout().PlotRect.Right, 339 - MulDiv(3, 339, 100));
    EXPECT_EQ(form->Chart1->BottomAxis().Mapping().EndPixel, form->Chart1->Layout().PlotRect.Right);
    const TInkBox red = FindInk(picture, picture.rect(), IsSeriesRed);
    ASSERT_GT(red.Count, 0);
    EXPECT_LE(red.Right, form->Chart1->Layout().PlotRect.Right - 1);
    EXPECT_TRUE(errors.Texts.empty());
}
