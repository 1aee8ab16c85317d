#include "support/runtime/MessageLoop.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

TEST(SleepMilliseconds, APositiveDelayWaitsAtLeastThatLong)
{
    QElapsedTimer timer;
    timer.start();
    SleepMilliseconds(20);
    EXPECT_GE(timer.elapsed(), 19);
    SleepMilliseconds(0); // yields, returns
}
