// Where no OpenGL context can be had (the offscreen platform here), the window still comes up and says so.
#include "app/UMain.h"

#include "platform/gl/Viewport3D.h"

#include "support/ManualClock.h"
#include "support/ReferenceCube.h"
#include "support/SceneReading.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace velmar;

TEST(NoOpenGl, WindowShowsTheProblemAndStillTurns)
{
    velmar::testkit::SteppingClockScope clock;
    TFormMain window;
    window.show();
    // The view finds out when it first tries to get a context, and is replaced from the event loop.
    velmar::testkit::pumpUntil([&] { return window.glViewport() == nullptr; }, 2000);
    if (window.glViewport() && window.glViewport()->problem().isEmpty())
        GTEST_SKIP() << "OpenGL works on this platform";
    EXPECT_EQ(window.glViewport(), nullptr);
    auto* stand_in = qobject_cast<platform::ViewportUnavailable*>(window.viewWidget());
    ASSERT_NE(stand_in, nullptr);
    EXPECT_FALSE(stand_in->problem().isEmpty());
    const QImage shot = window.viewWidget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(0xC0, 0xC0, 0xC0));
    QTest::keyClick(&window, 'R');
    velmar::testkit::ReferenceCube model;
    model.play("R");
    EXPECT_EQ(velmar::testkit::compareWithModel(window.cube(), model), "");
}
