// Closing the window in the middle of a turn, with more moves queued, ends the program cleanly.
#include "app/UMain.h"

#include "support/ReferenceCube.h"
#include "support/SceneReading.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace velmar;

TEST(CloseDuringTurn, EventLoopEndsAndTheCubeIsWhole)
{
    TFormMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    bool closed = false;
    QTimer::singleShot(0, &window, [&] {
        // Typed keys: the first turn's wait runs the event loop in which the close arrives.
        QTimer::singleShot(150, &window, [&] {
            EXPECT_TRUE(window.puzzle().isTurning());
            QTest::keyClicks(&window, "RRRbbb");
            window.close();
            closed = true;
        });
        QTest::keyClick(&window, 'W');
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        ADD_FAILURE() << "the event loop did not end";
        QApplication::exit(1);
    });
    watchdog.start(20000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window.puzzle().isTurning());
    EXPECT_EQ(window.puzzle().pendingCount(), 0u);
    velmar::testkit::ReferenceCube model;
    model.play("W");
    EXPECT_EQ(velmar::testkit::compareWithModel(window.cube(), model), "")
        << "the running turn lands, queued ones do not play";
    EXPECT_EQ(velmar::testkit::checkAtRest(window.cube()), "");
}
