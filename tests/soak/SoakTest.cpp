// A long randomised session with the real main window, headless. The seed
// is printed and can be given back through KMITY_SOAK_SEED to replay a
// failure; KMITY_SOAK_ACTIONS sets the number of actions (the default keeps
// the session within a few minutes), KMITY_SOAK_WATCHDOG_S the longest
// silence (no step, no action) before the session counts as hung.

#include "SoakSession.h"
#include "tests/app/QtForm.h"

#include "chart/LineSeries.h"
#include "platform/qt/Application.h"
#include "platform/qt/DrawingServices.h"
#include "support/runtime/ErrorBox.h"
#include "support/runtime/MessageLoop.h"

#include <QEventLoop>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <random>
#include <thread>

namespace {

uint64_t EnvironmentNumber(const char* name, uint64_t otherwise)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : otherwise;
}

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Aborts the process, with the seed, when the heartbeat stops for too long:
// an action or a step that never returns is a hang, and a hung test would
// otherwise only end at CTest's timeout without saying how to replay it.
class TWatchdog {
public:
    TWatchdog(std::atomic<int64_t>& heartbeat, int64_t limitMs, uint64_t seed)
        : FThread([this, &heartbeat, limitMs, seed] {
              std::unique_lock lock(FMutex);
              while (!FDone) {
                  FWake.wait_for(lock, std::chrono::milliseconds(500));
                  if (!FDone && NowMs() - heartbeat.load() > limitMs) {
                      std::fprintf(stderr, "soak: no progress for %lld ms; hung. Replay with KMITY_SOAK_SEED=%llu\n",
                                   static_cast<long long>(limitMs), static_cast<unsigned long long>(seed));
                      std::abort();
                  }
              }
          })
    {
    }
    ~TWatchdog()
    {
        {
            std::lock_guard lock(FMutex);
            FDone = true;
        }
        FWake.notify_all();
        FThread.join();
    }

private:
    std::mutex FMutex;
    std::condition_variable FWake;
    bool FDone = false;
    std::thread FThread;
};

} // namespace

TEST(Soak, RandomisedSessionKeepsTheSeriesConsistentAndEndsAtTheClose)
{
    const uint64_t seed = EnvironmentNumber("KMITY_SOAK_SEED", std::random_device{}());
    const int actions = static_cast<int>(EnvironmentNumber("KMITY_SOAK_ACTIONS", 5000));
    const int64_t watchdogMs = static_cast<int64_t>(EnvironmentNumber("KMITY_SOAK_WATCHDOG_S", 60)) * 1000;
    std::printf("soak: seed %llu, %d actions (replay with KMITY_SOAK_SEED=%llu)\n",
                static_cast<unsigned long long>(seed), actions, static_cast<unsigned long long>(seed));
    std::fflush(stdout);
    SCOPED_TRACE("KMITY_SOAK_SEED=" + std::to_string(seed));

    TRecordingErrorBox errors;
    IErrorBox* previousBox = SetErrorBox(&errors);
    std::atomic<int64_t> heartbeat{NowMs()};
    TWatchdog watchdog(heartbeat, watchdogMs, seed);

    auto form = NewMainWindow();
    Q(*form)->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Q(*form)));

    // As at start-up: the window's Closed ends the program's message loop.
    QEventLoop mainLoop;
    int closedSignals = 0;
    form->OnClosed = [&] {
        QMetaObject::invokeMethod(
            &mainLoop,
            [&] {
                ++closedSignals;
                mainLoop.quit();
            },
            Qt::QueuedConnection);
    };

    const auto started = std::chrono::steady_clock::now();
    TSoakSession session(*form, errors, seed, actions, heartbeat);
    session.Begin();
    mainLoop.exec();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("soak: %d actions, %d steps, runs nested %d deep, %d zooms, %zu error boxes, %.1f s\n",
                session.ActionsDone(), session.Steps(), session.MaxDepthSeen(), session.ZoomsApplied(),
                errors.Texts.size(), seconds);

    std::map<std::string, int> messages;
    for (const std::string& text : errors.Texts)
        ++messages[text];
    for (const auto& [text, count] : messages)
        std::printf("soak: %5d x %s\n", count, text.c_str());
    session.CheckNewErrorBoxes();
    for (const std::string& failure : session.Failures())
        ADD_FAILURE() << failure;
    // The close came during a run, ended every level of it and then closed
    // the window for good, once.
    EXPECT_GE(session.ClosesAsked(), 1);
    EXPECT_EQ(closedSignals, 1);
    EXPECT_FALSE(Q(*form)->isVisible());
    EXPECT_EQ(form->RunDepth(), 0);
    EXPECT_FALSE(form->CloseDeferred());
    EXPECT_TRUE(ApplicationTerminating());
    EXPECT_TRUE(form->RunState.StopRequested);

    form.reset();
    SetErrorBox(previousBox);
}

// The program's own application object, so that an exception escaping an
// event handler takes the same way to the error box as in the program.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    TApplication app(argc, argv);
    InstallDrawingServices();
    SetApplicationTitle(ApplicationTitleFromPath(argc > 0 ? argv[0] : "kmity"));
    return RUN_ALL_TESTS();
}
