// The user actions of the randomised session, each done through QTest on
// the real widgets, and the close at the end.

#include "SoakSession.h"

#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "platform/qt/ChartWidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace {

const char* const ValidTexts[] = {"5",    "1",         "0",     "-2.5",  " 3 ",    "90",      "1e-3", ".5",  "45",
                                  "-180", "12345.678", "1e300", "1e308", "-1e308", "1.7e308", "1e19", "2e18"};
const char* const InvalidTexts[] = {"", "abc", "1,5", "1e400", "1e5000", "+-1", "1.2.3", "5 5", "e5", "-"};

} // namespace

void TSoakSession::ClickStart()
{
    Note("Start");
    QTest::mouseClick(Q(FForm.Button1), Qt::LeftButton);
    // Back here once this level has ended: by Stop, by an error, or at once
    // when Start itself failed (then the series are empty).
    CheckAfterAction("Start returned");
}

void TSoakSession::ClickStop()
{
    QTest::mouseClick(Q(FForm.Button2), Qt::LeftButton);
    if (!FForm.RunState.StopRequested)
        Fail("Stop did not ask the run to stop");
    CheckAfterAction("Stop");
}

void TSoakSession::ClickClear()
{
    QTest::mouseClick(Q(FForm.Button3), Qt::LeftButton);
    if (FForm.Series1->PointCount() != 0 || FForm.Series2->PointCount() != 0 || FForm.Series3->PointCount() != 0)
        Fail("Clear left points in the series");
    CheckAfterAction("Clear");
}

void TSoakSession::TogglePomalu()
{
    // The space bar toggles a check box wherever its label lies.
    QTest::keyClick(Q(FForm.CheckBox1), Qt::Key_Space);
    const int wanted = Q(FForm.CheckBox1)->isChecked() ? 50 : 0;
    if (FForm.RunState.StepDelayMs != wanted)
        Fail("pomalu left a step delay of " + std::to_string(FForm.RunState.StepDelayMs));
    CheckAfterAction(Q(FForm.CheckBox1)->isChecked() ? "pomalu on" : "pomalu off");
}

void TSoakSession::TypeInto(QLineEdit* edit, const std::string& text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QString::fromStdString(text));
    if (edit->text().toStdString() != text)
        Fail("typing gave '" + edit->text().toStdString() + "' instead of '" + text + "'");
    FTyped.push_back(text);
}

void TSoakSession::TypeRandomNumber()
{
    QLineEdit* edits[] = {Q(FForm.Edit1), Q(FForm.Edit2), Q(FForm.Edit3),
                          Q(FForm.Edit4), Q(FForm.Edit5), Q(FForm.Edit6)};
    QLineEdit* edit = edits[Pick(0, 5)];
    const bool valid = Chance(0.75);
    const std::string text =
        valid ? ValidTexts[Pick(0, std::size(ValidTexts) - 1)] : InvalidTexts[Pick(0, std::size(InvalidTexts) - 1)];
    TypeInto(edit, text);
    CheckAfterAction("type '" + text + "' into " + edit->objectName().toStdString());
}

void TSoakSession::TypeOverflowingAmplitudes()
{
    // Two amplitudes near the largest double in phase: the sum overflows
    // within a few steps of the next run.
    TypeInto(Q(FForm.Edit1), "1e308");
    TypeInto(Q(FForm.Edit3), "1e308");
    TypeInto(Q(FForm.Edit2), "1");
    TypeInto(Q(FForm.Edit4), "1");
    TypeInto(Q(FForm.Edit5), "0");
    TypeInto(Q(FForm.Edit6), "0");
    CheckAfterAction("type amplitudes of 1e308 in phase");
}

void TSoakSession::ZoomDrag(TChart* chart)
{
    QWidget* window = ChartWidgetOf(*chart);
    const int w = std::max(window->width(), 2);
    const int h = std::max(window->height(), 2);
    const QPoint from(Pick(0, w / 2), Pick(0, h / 2));
    const QPoint to(from.x() + Pick(1, w), from.y() + Pick(1, h));
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, (from + to) / 2);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    if (to.x() - from.x() > 16 && to.y() - from.y() > 16 && !chart->BottomAxis().Automatic())
        ++FZoomsApplied;
    CheckAfterAction("zoom drag on " + window->objectName().toStdString());
}

void TSoakSession::UndoDrag(TChart* chart)
{
    QWidget* window = ChartWidgetOf(*chart);
    const int w = std::max(window->width(), 2);
    const int h = std::max(window->height(), 2);
    const QPoint from(Pick(w / 2, w), Pick(h / 2, h));
    const QPoint to(from.x() - Pick(1, w), from.y() - Pick(1, h));
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    CheckAfterAction("undo drag on " + window->objectName().toStdString());
}

void TSoakSession::ScrollDrag(TChart* chart)
{
    QWidget* window = ChartWidgetOf(*chart);
    const int w = std::max(window->width(), 2);
    const int h = std::max(window->height(), 2);
    const QPoint from(Pick(0, w), Pick(0, h));
    QTest::mousePress(window, Qt::RightButton, {}, from);
    for (int moves = Pick(1, 4); moves > 0; --moves)
        QTest::mouseMove(window, QPoint(Pick(-w / 2, w + w / 2), Pick(-h / 2, h + h / 2)));
    QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(Pick(0, w), Pick(0, h)));
    CheckAfterAction("scroll drag on " + window->objectName().toStdString());
}

void TSoakSession::TurnWheel(TChart* chart)
{
    QWidget* window = ChartWidgetOf(*chart);
    const QPointF at(Pick(0, std::max(window->width() - 1, 0)), Pick(0, std::max(window->height() - 1, 0)));
    const int notches = Pick(-3, 3);
    QWheelEvent wheel(at, window->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(window, &wheel);
    CheckAfterAction("wheel " + std::to_string(notches) + " on " + window->objectName().toStdString());
}

void TSoakSession::Resize()
{
    const bool tiny = Chance(0.4);
    const int w = tiny ? Pick(1, 8) : Pick(20, 1600);
    const int h = tiny ? Pick(1, 8) : Pick(20, 1000);
    Q(FForm)->resize(w, h);
    CheckAfterAction("resize to " + std::to_string(w) + "x" + std::to_string(h));
}

void TSoakSession::RestoreSize()
{
    Q(FForm)->resize(FDesignSize);
    CheckAfterAction("resize back");
}

void TSoakSession::BeginFinale()
{
    FFinale = true;
    Note("finale");
    if (FForm.RunDepth() > 0) {
        FFinaleSteps = 5;
    } else {
        QTimer::singleShot(0, this, [this] { StartFinalRun(0); });
    }
    // A run may also end on its own (an overflow) before the close comes;
    // then a new one is started for it.
    auto* guard = new QTimer(this);
    connect(guard, &QTimer::timeout, this, [this, guard] {
        Beat();
        if (!Q(FForm)->isVisible())
            guard->stop();
        else if (FForm.RunDepth() == 0 && FFinaleSteps <= 0 && !FForm.CloseDeferred())
            StartFinalRun(1);
    });
    guard->start(100);
}

void TSoakSession::StartFinalRun(int attempt)
{
    if (attempt > 10) {
        Fail("no run could be started for the close");
        Q(FForm)->close();
        return;
    }
    RestoreSize();
    for (TChart* chart : {FForm.Chart1, FForm.Chart2, FForm.Chart3})
        UndoDrag(chart);
    const char* initial[] = {"5", "1", "5", "1", "0", "0"};
    QLineEdit* edits[] = {Q(FForm.Edit1), Q(FForm.Edit2), Q(FForm.Edit3),
                          Q(FForm.Edit4), Q(FForm.Edit5), Q(FForm.Edit6)};
    for (int i = 0; i < 6; ++i)
        TypeInto(edits[i], initial[i]);
    if (Q(FForm.CheckBox1)->isChecked())
        TogglePomalu();
    FFinaleSteps = 5;
    ClickStart();
    if (Q(FForm)->isVisible() && FForm.RunDepth() == 0 && FFinaleSteps > 0) {
        // Start failed (an axis minimum left above 50 by the last paint):
        // once the charts have repainted it runs.
        FFinaleSteps = 0;
        QTimer::singleShot(50, this, [this, attempt] { StartFinalRun(attempt + 1); });
    }
}
