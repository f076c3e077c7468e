// A shown main window driven through real events on a stepping clock.
#pragma once

#include "app/UMain.h"
#include "panel/CommandRect.h"
#include "panel/ScaledLayout.h"
#include "platform/controls/DisabledDimming.h"
#include "platform/gl/Viewport3D.h"

#include "support/ManualClock.h"
#include "support/SceneReading.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace velmar::testkit {

class ShownWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_NE(window.glViewport(), nullptr) << "these tests need OpenGL";
    }

    platform::Viewport3D& view() { return *window.glViewport(); }
    QSizeF viewSize() { return QSizeF(view().size()); }
    double dpr() { return view().devicePixelRatio(); }
    QPointF pixelOf(const QVector3D& world) { return projectToView(*window.cube().Camera, viewSize(), world); }

    void mouse(QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        // To the native window or widget, where the window system delivers a user's pointer.
        QMouseEvent event(type, pos, view().mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&view().surfaceObject(), &event);
    }
    void press(QPointF pos, Qt::MouseButton button = Qt::LeftButton, Qt::MouseButtons held = {})
    {
        mouse(QEvent::MouseButtonPress, pos, button, held | button);
    }
    void moveTo(QPointF pos, Qt::MouseButtons held = Qt::LeftButton)
    {
        mouse(QEvent::MouseMove, pos, Qt::NoButton, held);
    }
    void release(QPointF pos, Qt::MouseButton button = Qt::LeftButton, Qt::MouseButtons stillHeld = {})
    {
        mouse(QEvent::MouseButtonRelease, pos, button, stillHeld);
    }

    SteppingClockScope clock{0.05};
    TFormMain window;
};

} // namespace velmar::testkit
