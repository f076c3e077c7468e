// Closing the window in the middle of a pattern lands the running turn, plays nothing more, and ends
// the event loop with status 0.
#include "app/UMain.h"

#include "platform/controls/ChoiceList.h"

#include "support/ReferenceCube.h"
#include "support/SceneReading.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

using namespace velmar;

TEST(CloseDuringPattern, EventLoopEndsAndTheCubeIsWhole)
{
    TFormMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    int turnsFinished = 0;
    for (platform::FloatAnimation* turn : window.cube().turns) {
        auto finish = turn->onFinish;
        turn->onFinish = [&, finish](platform::FloatAnimation& a) {
            finish(a);
            ++turnsFinished;
        };
    }
    bool closed = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &window, [&] {
        const bool animating = std::any_of(window.cube().turns.begin(), window.cube().turns.end(),
                                           [](platform::FloatAnimation* turn) { return turn->running(); });
        if (closed || turnsFinished < 3 || !animating)
            return;
        closed = true;
        window.close();
    });
    closer.start(5);
    QTimer::singleShot(0, &window, [&] { window.panel().cbFun->setItemIndex(7); }); // Bande (25)
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        ADD_FAILURE() << "the event loop did not end";
        QApplication::exit(1);
    });
    watchdog.start(60000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window.puzzle().isTurning());
    EXPECT_FALSE(window.puzzle().isPlayingBack());
    EXPECT_EQ(turnsFinished, 4) << "three turns, then the one running at the close lands";
    velmar::testkit::ReferenceCube model;
    model.play("rGGR");
    EXPECT_EQ(velmar::testkit::compareWithModel(window.cube(), model), "");
    EXPECT_EQ(velmar::testkit::checkAtRest(window.cube()), "");
}
