// The Qt message loop and the application object as the last handler
// boundary.

#include "support/runtime/MessageLoop.h"
#include "platform/qt/Application.h"
#include "support/runtime/ErrorBox.h"
#include "tests/support/runtime/ErrorBoxRecorder.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

// The test program's file is kmity_tests; nothing else sets the title.
TEST(TApplication, TakesItsTitleFromTheProgramFile) { EXPECT_EQ(ApplicationTitle(), "kmity_tests"); }

TEST(DispatchPendingMessages, HandlesEveryMessageAlreadyWaiting)
{
    int handled = 0;
    QObject receiver;
    for (int i = 0; i < 3; ++i)
        QMetaObject::invokeMethod(
            &receiver, [&] { ++handled; }, Qt::QueuedConnection);
    DispatchPendingMessages();
    EXPECT_EQ(handled, 3);
}

// A call that waited for new messages would sit here until the timer fires.
TEST(DispatchPendingMessages, ReturnsWithoutWaitingForATimerThatIsNotDue)
{
    bool fired = false;
    QTimer::singleShot(60000, [&] { fired = true; });
    DispatchPendingMessages();
    EXPECT_FALSE(fired);
}

namespace {

class TThrowingObject final : public QObject {
protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("Floating point division by zero");
        return QObject::event(e);
    }
};

} // namespace

TEST(TApplicationNotify, ShowsAnExceptionThatEscapedAHandlerInsteadOfPassingItOn)
{
    ASSERT_NE(dynamic_cast<TApplication*>(QCoreApplication::instance()), nullptr);
    TErrorBoxRecorder box;
    TThrowingObject receiver;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &event);
    ASSERT_EQ(box.Texts.size(), 1u);
    EXPECT_EQ(box.Texts[0], "Floating point division by zero.");
}
