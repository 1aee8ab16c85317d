// The picture corpus: the window and single charts rendered in a fixed set
// of situations (at start, after runs of several lengths, past t = 50, after
// a zoom, its frame, an undo, a scroll, a wheel turn, a Clear and a resize;
// zoomed, inverted and huge ranges), each compared bit for bit with the
// fingerprint recorded in PictureCorpus.txt. Any change of any pixel fails.
//
// When pixels change on purpose, record them anew with one command (from
// the source root, with the tests built in build/):
//   KMITY_UPDATE_PICTURES=1 ./build/tests/kmity_tests
//   --gtest_filter='PictureCorpus*'
// and look at them by adding KMITY_DUMP_PICTURES=<folder> (one PNG each).

#include "AppTestSupport.h"
#include "WindowPixels.h"

#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "tests/chart/ChartMouseTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPushButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string CorpusFile = std::string(KMITY_TESTS_DIR) + "/app/PictureCorpus.txt";

// FNV-1a over the size and the exact pixel bytes, row by row (the padding
// at a row's end is not part of the picture).
std::string Fingerprint(const QImage& picture)
{
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    uint64_t h = 14695981039346656037ull;
    auto add = [&h](const unsigned char* bytes, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) {
            h ^= bytes[i];
            h *= 1099511628211ull;
        }
    };
    const int32_t size[2] = {img.width(), img.height()};
    add(reinterpret_cast<const unsigned char*>(size), sizeof size);
    for (int y = 0; y < img.height(); ++y)
        add(img.constScanLine(y), static_cast<std::size_t>(img.width()) * 4);
    char text[64];
    std::snprintf(text, sizeof text, "%dx%d %016" PRIx64, img.width(), img.height(), h);
    return text;
}

using TFingerprints = std::map<std::string, std::string>;

TFingerprints ReadCorpus()
{
    TFingerprints corpus;
    std::ifstream in(CorpusFile);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t space = line.find(' ');
        corpus[line.substr(0, space)] = line.substr(space + 1);
    }
    return corpus;
}

void WriteCorpus(const TFingerprints& corpus)
{
    std::ofstream out(CorpusFile);
    out << "# Fingerprints of the picture corpus (PictureCorpusTest.cpp): name, "
           "size, FNV-1a of the pixels.\n"
        << "# Regenerate: KMITY_UPDATE_PICTURES=1 ./build/tests/kmity_tests"
           " --gtest_filter='PictureCorpus*'\n";
    for (const auto& [name, print] : corpus)
        out << name << ' ' << print << '\n';
}

// Collects the pictures of one test and checks (or records) them at its end.
class TCorpus {
public:
    void Add(const std::string& name, const QImage& picture)
    {
        ASSERT_FALSE(picture.isNull()) << name;
        Pictures.emplace_back(name, picture);
    }

    void Check()
    {
        TFingerprints corpus = ReadCorpus();
        const QString dumpDir = qEnvironmentVariable("KMITY_DUMP_PICTURES");
        if (!dumpDir.isEmpty())
            QDir().mkpath(dumpDir);
        for (const auto& [name, picture] : Pictures) {
            if (!dumpDir.isEmpty())
                picture.save(dumpDir + "/" + QString::fromStdString(name) + ".png");
            const std::string print = Fingerprint(picture);
            if (qEnvironmentVariableIsSet("KMITY_UPDATE_PICTURES"))
                corpus[name] = print;
            else
                EXPECT_EQ(corpus[name], print) << "picture " << name << " differs from the recorded one";
        }
        if (qEnvironmentVariableIsSet("KMITY_UPDATE_PICTURES"))
            WriteCorpus(corpus);
    }

private:
    std::vector<std::pair<std::string, QImage>> Pictures;
};

void SendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void Drag(QWidget* w, Qt::MouseButton button, QPoint from, QPoint to)
{
    SendMouse(w, QEvent::MouseButtonPress, from, button, button);
    SendMouse(w, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, button);
    SendMouse(w, QEvent::MouseMove, to, Qt::NoButton, button);
    SendMouse(w, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
}

void WheelDown(QWidget* w, QPoint at)
{
    QWheelEvent event(QPointF(at), QPointF(w->mapToGlobal(at)), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

void AddCharts(TCorpus& corpus, TForm1& form, const std::string& state)
{
    ASSERT_TRUE(PaintPendingCharts(form)) << state;
    corpus.Add(state + ".chart1", PaintedPicture(*form.Chart1));
    corpus.Add(state + ".chart2", PaintedPicture(*form.Chart2));
    corpus.Add(state + ".chart3", PaintedPicture(*form.Chart3));
}

void AddWindow(TCorpus& corpus, TForm1& form, const std::string& state)
{
    AddCharts(corpus, form, state);
    corpus.Add(state + ".window", Q(form)->grab().toImage());
}

void RunAndAdd(TCorpus& corpus, TForm1& form, int steps, const std::string& state)
{
    RunSteps(form, steps);
    AddCharts(corpus, form, state);
}

} // namespace

TEST(PictureCorpus, TheWindowThroughRunsAndMouseActionsDrawsAsRecorded)
{
    TErrorBoxRecorder errors;
    TCorpus corpus;
    auto form = ShowMainWindow();
    AddWindow(corpus, *form, "window-start");
    RunAndAdd(corpus, *form, 10, "run-10-steps");
    RunAndAdd(corpus, *form, 250, "run-250-steps");
    RunAndAdd(corpus, *form, 520, "run-past-fifty");

    TChart* shown = form->Chart1;
    QWidget* chart = ChartWidgetOf(*shown);
    Drag(chart, Qt::LeftButton, QPoint(100, 50), QPoint(300, 150));
    AddCharts(corpus, *form, "zoomed");
    SendMouse(chart, QEvent::MouseButtonPress, QPoint(150, 60), Qt::LeftButton, Qt::LeftButton);
    SendMouse(chart, QEvent::MouseMove, QPoint(260, 130), Qt::NoButton, Qt::LeftButton);
    corpus.Add("zoom-frame.window", ImageView(shown->WindowImage()).copy());
    SendMouse(chart, QEvent::MouseButtonRelease, QPoint(152, 62), Qt::LeftButton, Qt::NoButton);
    AddCharts(corpus, *form, "zoom-frame-erased");
    Drag(chart, Qt::LeftButton, QPoint(300, 150), QPoint(100, 50));
    AddCharts(corpus, *form, "undone");
    Drag(chart, Qt::RightButton, QPoint(400, 100), QPoint(300, 60));
    AddCharts(corpus, *form, "scrolled");
    WheelDown(chart, QPoint(400, 100));
    AddCharts(corpus, *form, "wheel");
    QTest::mouseClick(Q(form->Button3), Qt::LeftButton);
    AddCharts(corpus, *form, "cleared");
    RunSteps(*form, 30);
    Q(*form)->resize(900, 700);
    QCoreApplication::processEvents();
    AddWindow(corpus, *form, "resized");
    EXPECT_TRUE(errors.Texts.empty());
    corpus.Check();
}

TEST(PictureCorpus, SingleChartsWithZoomedInvertedAndHugeRangesDrawAsRecorded)
{
    TCorpus corpus;
    {
        TMouseTestChart t;
        corpus.Add("single-plain", t.Pixels());
        t.Chart.BottomAxis().SetLimits(10, 12.5);
        t.Chart.LeftAxis().SetLimits(-1, 3);
        t.Paint();
        corpus.Add("single-zoomed", t.Pixels());
        t.Chart.BottomAxis().SetLimits(10, 10);
        t.Paint();
        corpus.Add("single-sliver", t.Pixels());
    }
    {
        TMouseTestChart t;
        t.Chart.LeftAxis().SetInverted(true);
        t.Chart.BottomAxis().SetInverted(true);
        t.Paint();
        corpus.Add("single-inverted", t.Pixels());
    }
    {
        TMouseTestChart t;
        t.Chart.LeftAxis().SetLimits(-1e300, 1e300);
        t.Series->AddPoint(51, 1e308, "", clDefault);
        t.Series->AddPoint(52, -1e308, "", clDefault);
        t.Chart.BottomAxis().SetAutomatic(true);
        t.Paint();
        corpus.Add("single-huge", t.Pixels());
        t.Chart.LeftAxis().SetLimits(-1e-300, 1e-300);
        t.Chart.BottomAxis().SetLimits(-1e15, 1e15);
        t.Paint();
        corpus.Add("single-tiny-and-wide", t.Pixels());
    }
    corpus.Check();
}
