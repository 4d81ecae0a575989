// Delay waits its time; with message processing the event loop turns meanwhile.

#include "graphics/delay.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vexo;

TEST(Delay, ProcessingMessagesKeepsTheEventLoopTurning) {
    QObject context;
    int fired = 0;
    QTimer::singleShot(5, &context, [&] { ++fired; });
    QElapsedTimer clock;
    clock.start();
    Delay(60, true);
    EXPECT_GE(clock.elapsed(), 59);
    EXPECT_EQ(fired, 1);
}

TEST(Delay, WithoutMessagesNothingRunsMeanwhile) {
    QObject context;
    int fired = 0;
    QTimer::singleShot(5, &context, [&] { ++fired; });
    QElapsedTimer clock;
    clock.start();
    Delay(40, false);
    EXPECT_GE(clock.elapsed(), 39);
    EXPECT_EQ(fired, 0);
}

TEST(Delay, EndsWhileEventsKeepArriving) {
    QTimer busy; // fires at every turn of the loop
    int turns = 0;
    QObject::connect(&busy, &QTimer::timeout, &busy, [&] { ++turns; });
    busy.start(0);
    QElapsedTimer clock;
    clock.start();
    Delay(50, true);
    EXPECT_GE(clock.elapsed(), 49);
    EXPECT_GT(turns, 1);
}
