// What a real window manager decides (run under scripts/with-openbox.sh): where the start box lands,
// its title-bar close, the title, maximising and restoring, and activation.
#include "../window/WindowFixture.h"

#include "support/ReferenceCube.h"

#include "platform/controls/WrappingButton.h"

#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <X11/Xlib.h>

using namespace velmar;
using testkit::ReferenceCube;

namespace {

// Asks the window manager to close `window` as its title-bar button does.
void closeFromTitleBar(QWidget* window)
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_TRUE(x11) << "run under scripts/with-openbox.sh";
    Display* display = x11->display();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = Window(window->winId());
    event.xclient.message_type = XInternAtom(display, "_NET_CLOSE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = CurrentTime;
    event.xclient.data.l[1] = 2; // from a pager or a title bar, not the application
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

class WindowManager : public testkit::ShownWindow {
protected:
    void SetUp() override
    {
        ShownWindow::SetUp();
        ASSERT_TRUE(testkit::pumpUntil([&] { return !window.windowHandle()->frameMargins().isNull(); }))
            << "no window manager framed the window";
    }
};

TEST_F(WindowManager, TheStartBoxIsCentredAndItsTitleBarCloseChangesNothing)
{
    QTest::keyClick(&window, 'R');
    int offCentre = -1;
    int rounds = 0;
    bool closed = false, forced = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        ++rounds;
        // Never left waiting: a box the window manager neither frames nor closes is answered "Non".
        if (rounds > 500) {
            poll.stop();
            forced = true;
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        // The frame as the window manager reports it to the box's window (the widget's copy may lag).
        const QWindow* boxWindow = box->windowHandle();
        if (closed || boxWindow->frameMargins().isNull())
            return;
        // The window manager may take a few rounds to settle the box where it goes.
        offCentre =
            (boxWindow->frameGeometry().center() - box->screen()->availableGeometry().center()).manhattanLength();
        if (offCentre > 4 && rounds < 200)
            return;
        closed = true;
        closeFromTitleBar(box);
    });
    poll.start(10);
    QTest::mouseClick(window.panel().BtnStart, Qt::LeftButton);
    EXPECT_FALSE(forced) << "the box was not framed, or its title-bar close did not close it";
    EXPECT_GE(offCentre, 0) << "the box never came up framed";
    EXPECT_LE(offCentre, 4) << "centred on the screen, frame and all";
    ReferenceCube model;
    model.play("R");
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "") << "the close answered nothing";
}

TEST_F(WindowManager, TitleAndActivation)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Velmar's Cube - 3D"));
    window.activateWindow();
    EXPECT_TRUE(testkit::pumpUntil([&] { return window.isActiveWindow(); })) << "the window manager gave it focus";
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, 'W');
    ReferenceCube model;
    model.play("W");
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
}

TEST_F(WindowManager, MaximisingAndRestoringKeepTheViewDrawnAndThePanelLaidOut)
{
    const QSize normal = window.size();
    window.showMaximized();
    ASSERT_TRUE(testkit::pumpUntil([&] { return window.size().width() > normal.width() * 2; }));
    const int frames = view().frameCount();
    ASSERT_TRUE(testkit::pumpUntil([&] { return view().frameCount() > frames; })) << "drawn at its new size";
    QWidget* panel = window.panel().sclytCommand;
    EXPECT_EQ(panel->geometry().bottom(), window.height() - 1);
    EXPECT_EQ(view().height() + panel->height(), window.height());
    EXPECT_EQ(view().width(), window.width());
    window.showNormal();
    ASSERT_TRUE(testkit::pumpUntil([&] { return window.size() == normal; }));
    EXPECT_EQ(view().size(), QSize(466, 351));
    EXPECT_EQ(panel->geometry(), QRect(0, 351, 466, 216));
}

} // namespace
