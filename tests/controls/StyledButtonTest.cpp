// The styled button: style lookup, hover colour runs on a hand-moved clock, the pressed and focus glows,
// what it draws, and what screen readers learn of it.
#include "platform/controls/StyledButton.h"
#include "panel/ButtonStyles.h"
#include "platform/scene/AnimationDriver.h"

#include "support/ManualClock.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace velmar::platform;
using velmar::testkit::ManualClock;

namespace {

const ButtonStyle& style(const char* name)
{
    return *findStyle(velmar::panel::StyleBook1(), QString::fromLatin1(name));
}

testing::AssertionResult sameColour(const QColor& actual, QRgb expected)
{
    if (actual.rgba() == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "got " << actual.name(QColor::HexArgb).toStdString() << ", expected "
                                       << QColor::fromRgba(expected).name(QColor::HexArgb).toStdString();
}

// Each of red, green and blue within `tolerance` of the expected value.
testing::AssertionResult near(QRgb actual, int r, int g, int b, int tolerance)
{
    if (std::abs(qRed(actual) - r) <= tolerance && std::abs(qGreen(actual) - g) <= tolerance &&
        std::abs(qBlue(actual) - b) <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "got (" << qRed(actual) << ", " << qGreen(actual) << ", " << qBlue(actual)
                                       << "), expected (" << r << ", " << g << ", " << b << ") ± " << tolerance;
}

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST(ButtonStyles, FoundByNameWithoutRegardToCase)
{
    const ButtonStyle* rouge = findStyle(velmar::panel::StyleBook1(), "btnRouge");
    ASSERT_NE(rouge, nullptr);
    EXPECT_STREQ(rouge->name, "BtnRouge");
    ASSERT_NE(findStyle(velmar::panel::StyleBook1(), "BTNJAUNE"), nullptr);
    EXPECT_STREQ(findStyle(velmar::panel::StyleBook1(), "BTNJAUNE")->name, "BtnJaune");
    EXPECT_EQ(findStyle(velmar::panel::StyleBook1(), "BtnViolet"), nullptr);
    EXPECT_EQ(findStyle(velmar::panel::StyleBook1(), "BtnRougeX"), nullptr);
    EXPECT_EQ(findStyle(velmar::panel::StyleBook1(), ""), nullptr);
}

// A shown window holding one button, on a clock the test moves by hand.
class StyledButtonTest : public testing::Test {
protected:
    void SetUp() override { driver().setClock(&clock); }
    void TearDown() override
    {
        host.reset();
        driver().setClock(nullptr);
    }

    StyledButton* show(const char* styleName, const QString& caption = QStringLiteral("R"))
    {
        host = std::make_unique<QWidget>();
        host->setGeometry(40, 40, 120, 80);
        button = new StyledButton(style(styleName), host.get());
        button->setText(caption);
        button->setGeometry(40, 30, 25, 25);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        return button;
    }

    static AnimationDriver& driver() { return AnimationDriver::shared(); }
    void at(double t)
    {
        clock.t = t;
        driver().tick();
    }
    // Enter and leave are sent to the button itself: moves synthesised through the window race with the X
    // server's own crossing events for it, which can reset Qt's record of the widget under the pointer.
    void hoverIn()
    {
        const QPointF inside(12, 12);
        QEnterEvent enter(inside, inside, button->mapToGlobal(inside));
        QApplication::sendEvent(button, &enter);
    }
    void hoverOut()
    {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
    }
    bool activate()
    {
        host->activateWindow();
        return QTest::qWaitForWindowActive(host.get());
    }

    ManualClock clock;
    std::unique_ptr<QWidget> host;
    StyledButton* button = nullptr;
};

TEST_F(StyledButtonTest, StartsWithTheStyleOuterFill)
{
    show("BtnOrange");
    EXPECT_TRUE(sameColour(button->outerFill(), 0xFFFE9E0C));
    EXPECT_EQ(button->sizeHint(), QSize(25, 25));
    EXPECT_EQ(button->focusPolicy(), Qt::StrongFocus);
    EXPECT_FALSE(button->innerGlowShown());
    EXPECT_FALSE(button->focusGlowShown());
}

TEST_F(StyledButtonTest, HoverInRunsFromItsStartToItsStopColour)
{
    show("BtnRouge");
    clock.t = 1;
    hoverIn();
    EXPECT_TRUE(sameColour(button->outerFill(), 0xFFFF0000)) << "the start colour at once";
    at(1.1);
    // red (255 + 248) / 2 = 251.5 → 252, green and blue 156 / 2 = 78
    EXPECT_TRUE(sameColour(button->outerFill(), 0xFFFC4E4E));
    at(1.2);
    EXPECT_TRUE(sameColour(button->outerFill(), 0xFFF89C9C));
    at(1.23); // 0.2f is a hair over 0.2 s: the run may end one 30 ms step later
    EXPECT_FALSE(driver().isActive()) << "nothing moves once the fill has arrived";
    at(2);
    EXPECT_TRUE(sameColour(button->outerFill(), 0xFFF89C9C));
}

TEST_F(StyledButtonTest, HoverOutRunsFromItsStartToItsStopColour)
{
    show("BtnVert");
    hoverIn();
    at(0.5);
    hoverOut();
    EXPECT_TRUE(sameColour(button->outerFill(), 0xFF1ADA1A));
    at(0.6);
    // red 26 / 2 = 13, green (218 + 128) / 2 = 173, blue 13
    EXPECT_TRUE(sameColour(button->outerFill(), 0xFF0DAD0D));
    at(0.7);
    EXPECT_TRUE(sameColour(button->outerFill(), 0xFF008000));
    at(0.73);
    EXPECT_FALSE(driver().isActive());
}

TEST_F(StyledButtonTest, LeavingMidwayStopsTheHoverInSoOnlyOneRunWritesTheFill)
{
    show("BtnJaune");
    hoverIn();
    at(0.1);
    EXPECT_EQ(driver().runningCount(), 1);
    hoverOut();
    EXPECT_EQ(driver().runningCount(), 1) << "the hover-in run must have been stopped";
    EXPECT_TRUE(sameColour(button->outerFill(), 0xFFFFFF00)) << "the hover-out start colour";
    at(0.2);
    // red 255, green (255 + 228) / 2 = 241.5 → 242, blue (0 + 196) / 2 = 98
    EXPECT_TRUE(sameColour(button->outerFill(), 0xFFFFF262));
    at(0.3);
    EXPECT_TRUE(sameColour(button->outerFill(), 0xFFFFE4C4));
}

TEST_F(StyledButtonTest, RepaintsOnlyWhenTheFillChanges)
{
    show("BtnBlanc"); // its hover runs go from white to white
    PaintCounter counter;
    button->installEventFilter(&counter);
    QCoreApplication::processEvents();
    hoverIn(); // #FFEFEFEF to white: one change
    QCoreApplication::processEvents();
    EXPECT_GE(counter.paints, 1);
    counter.paints = 0;
    at(0.1);
    QCoreApplication::processEvents();
    at(0.23);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    EXPECT_FALSE(driver().isActive());
    hoverOut(); // its start colour is the white already shown
    QCoreApplication::processEvents();
    at(0.5);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
}

TEST_F(StyledButtonTest, PressingShowsTheInnerGlowAndReleaseClicksOnce)
{
    show("BtnBlanc");
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_TRUE(button->innerGlowShown());
    EXPECT_EQ(clicked.count(), 0);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_FALSE(button->innerGlowShown());
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(StyledButtonTest, KeyboardFocusShowsTheFocusGlow)
{
    show("BtnRouge");
    auto* other = new StyledButton(style("BtnVert"), host.get());
    other->setGeometry(80, 30, 25, 25);
    other->show();
    ASSERT_TRUE(activate());
    other->setFocus();
    EXPECT_FALSE(button->focusGlowShown());
    QTest::keyClick(other, Qt::Key_Tab);
    ASSERT_TRUE(button->hasFocus()) << "Tab reaches the button";
    EXPECT_TRUE(button->focusGlowShown());
    EXPECT_FALSE(other->focusGlowShown());
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 1) << "Space clicks the focused button";
    other->setFocus();
    EXPECT_FALSE(button->focusGlowShown());
    EXPECT_TRUE(other->focusGlowShown());
}

TEST_F(StyledButtonTest, TheFocusGlowReachesOutsideTheButton)
{
    show("BtnRouge", QString());
    const auto pixelLeftOfButton = [&](int gap) {
        return host->grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(40 - gap, 42);
    };
    const QRgb background = pixelLeftOfButton(2);
    ASSERT_TRUE(activate());
    button->setFocus();
    ASSERT_TRUE(button->focusGlowShown());
    const QRgb glow = pixelLeftOfButton(2);
    // The red glow over the grey window: more red than green or blue, and less green than before.
    EXPECT_GT(qRed(glow), qGreen(glow) + 20);
    EXPECT_LT(qGreen(glow), qGreen(background) - 20);
    EXPECT_EQ(pixelLeftOfButton(20), background) << "the glow is a few pixels wide only";
}

TEST_F(StyledButtonTest, DrawsTheFaceTheBorderAndTheCaption)
{
    show("BtnBleu", QString());
    QImage plain = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(plain.size(), QSize(25, 25));
    EXPECT_TRUE(near(plain.pixel(12, 12), 0, 0, 255, 2)) << "the face in the middle";
    // The border #C84F4F4F over the outer fill #EFEFEF: 79 × 200/255 + 239 × 55/255 = 113.5
    EXPECT_TRUE(near(plain.pixel(0, 12), 114, 114, 114, 2)) << "the border over the outer fill";
    // The highlight #96FCFCFC over the blue face: 252 × 150/255 = 148.2, blue 252 × 150/255 + 255 × 105/255
    EXPECT_TRUE(near(plain.pixel(1, 12), 148, 148, 253, 2)) << "the highlight rim";

    button->setText(QStringLiteral("R"));
    QImage captioned = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int letterPixels = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x)
            if (captioned.pixel(x, y) != plain.pixel(x, y)) {
                EXPECT_TRUE(x >= 5 && x < 20 && y >= 3 && y < 22) << "caption pixel at " << x << ", " << y;
                if (qRed(captioned.pixel(x, y)) > 200 && qGreen(captioned.pixel(x, y)) > 200)
                    ++letterPixels;
            }
    EXPECT_GE(letterPixels, 10) << "a white letter on the blue face";
}

TEST_F(StyledButtonTest, DarkCaptionOnALightFace)
{
    show("BtnJaune", QStringLiteral("J"));
    QImage image = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int dark = 0;
    for (int y = 3; y < 22; ++y)
        for (int x = 5; x < 20; ++x)
            if (qRed(image.pixel(x, y)) < 60 && qGreen(image.pixel(x, y)) < 60)
                ++dark;
    EXPECT_GE(dark, 8);
}

TEST_F(StyledButtonTest, TheInnerGlowFadesFromTheEdgeInwards)
{
    show("BtnBlanc", QString());
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(12, 12));
    QImage pressed = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(12, 12));
    // Inside the rim the glow reaches 0.4 × 12.5 = 5 pixels from x = 1. Pixel 2's centre is 1.5 in:
    // alpha 0.9 × (1 - 1.5/5) = 0.63 of wheat #F5DEB3 over white gives (248.7, 234.2, 207.1).
    EXPECT_TRUE(near(pressed.pixel(2, 12), 249, 234, 207, 3));
    // Pixel 4's centre is 3.5 in: alpha 0.27, (252.3, 246.1, 234.5).
    EXPECT_TRUE(near(pressed.pixel(4, 12), 252, 246, 234, 3));
    EXPECT_TRUE(near(pressed.pixel(12, 12), 255, 255, 255, 0)) << "the middle keeps the face";
    EXPECT_TRUE(near(pressed.pixel(12, 22), 249, 234, 207, 3)) << "the bottom edge glows alike";
    QImage released = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(near(released.pixel(2, 12), 255, 255, 255, 0));
}

TEST_F(StyledButtonTest, ScreenReadersSeeAPushButton)
{
    show("BtnRouge", QStringLiteral("r"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::PushButton);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("r"));
    button->setAccessibleName(QStringLiteral("Red face"));
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Red face"));
    ASSERT_NE(iface->actionInterface(), nullptr);
    EXPECT_TRUE(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    // Qt's press action is an animated click: the button goes down at once and clicks a moment later.
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(button->isDown());
}

} // namespace
