// The dial without range: it stores what it is given, follows the pointer's angle while the left button
// drags, steps by keys, and tells screen readers its value.
#include "platform/controls/ArcDial.h"
#include "support/SpyValues.h"

#include <QAccessible>
#include <QApplication>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace velmar::platform;
using velmar::testkit::signalled;

namespace {

// A 40 × 40 dial, centred on (20, 20).
class ArcDialTest : public ::testing::Test {
protected:
    void SetUp() override { dial.resize(40, 40); }
    ArcDial dial;
};

TEST_F(ArcDialTest, StoresAnyValueUnchangedAndSignalsOnlyChanges)
{
    QSignalSpy spy(&dial, &ArcDial::valueChanged);
    for (float value : {455.0f, 455.0f, -720.0f, -720.0f, std::numeric_limits<float>::quiet_NaN(),
                        -std::numeric_limits<float>::infinity()})
        dial.setValue(value);
    EXPECT_EQ(dial.value(), -720);
    EXPECT_EQ(signalled<float>(spy), (std::vector<float>{455, -720}));
}

TEST(ArcDialAngle, CountsDegreesCounterClockwiseFromTheRight)
{
    const QPointF centre(20, 20);
    const std::pair<QPointF, float> rows[] = {
        {{30, 20}, 0},
        {{20, 10}, 90},
        {{20, 30}, -90},
        {{30, 10}, 45},
        {{10, 10}, 135},
        {{10, 30}, -135},
        {{30, 30}, -45},
        {{20 + 10 * std::sqrt(3.0), 10}, 30}, // tan 30° = 10 / (10√3)
        // Straight left is the lower end of [-180, 180), never 180; just off it, atan(0.001 / 10) is 0.00573°.
        {{10, 20}, -180},
        {{0, 20}, -180},
        {{10, 19.999}, 179.99427f},
        {{10, 20.001}, -179.99427f},
    };
    for (const auto& [pointer, degrees] : rows)
        EXPECT_NEAR(ArcDial::angleOf(centre, pointer), degrees, 1e-4) << pointer.x() << ", " << pointer.y();
    EXPECT_EQ(ArcDial::angleOf(centre, {10, 20}), -180.0f);
}

TEST_F(ArcDialTest, PressSetsTheAngleAndDraggingFollowsIt)
{
    QSignalSpy spy(&dial, &ArcDial::valueChanged);
    QTest::mousePress(&dial, Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_FLOAT_EQ(dial.value(), 90);
    for (QPoint pointer : {QPoint(20, 1), QPoint(8, 8), QPoint(5, 20), QPoint(5, 20), QPoint(20, 38)})
        QTest::mouseMove(&dial, pointer);
    QTest::mouseRelease(&dial, Qt::LeftButton, {}, QPoint(20, 38));
    // Straight up twice and straight left twice are reported once each.
    EXPECT_EQ(signalled<float>(spy), (std::vector<float>{90, 135, -180, -90}));

    // Once released, the pointer no longer turns it (with tracking on, moves arrive without a button).
    dial.setMouseTracking(true);
    QMouseEvent move(QEvent::MouseMove, QPointF(38, 20), dial.mapToGlobal(QPointF(38, 20)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&dial, &move);
    EXPECT_EQ(dial.value(), -90);
}

TEST_F(ArcDialTest, TheCentreAndOtherButtonsLeaveTheValue)
{
    dial.setValue(33);
    QSignalSpy spy(&dial, &ArcDial::valueChanged);
    QTest::mouseClick(&dial, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mousePress(&dial, Qt::RightButton, {}, QPoint(20, 5));
    QTest::mouseMove(&dial, QPoint(5, 20));
    QTest::mouseRelease(&dial, Qt::RightButton, {}, QPoint(5, 20));
    QTest::mouseClick(&dial, Qt::MiddleButton, {}, QPoint(35, 20));
    EXPECT_EQ(dial.value(), 33);
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(ArcDialTest, KeysStepByDegreesWithoutWrapping)
{
    dial.setValue(178);
    const std::pair<Qt::Key, float> presses[] = {
        {Qt::Key_Up, 179},   {Qt::Key_Right, 180}, {Qt::Key_PageUp, 195},
        {Qt::Key_Down, 194}, {Qt::Key_Left, 193},  {Qt::Key_PageDown, 178},
    };
    for (const auto& [key, expected] : presses) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&dial, &press);
        EXPECT_TRUE(press.isAccepted());
        EXPECT_EQ(dial.value(), expected) << QTest::toString(key);
    }
    // Keys it has no use for go on to its parent.
    for (Qt::Key key : {Qt::Key_X, Qt::Key_Home}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&dial, &press);
        EXPECT_FALSE(press.isAccepted()) << QTest::toString(key);
    }
}

TEST_F(ArcDialTest, ScreenReadersReadTheStoredValue)
{
    const struct LocaleKept {
        QLocale before;
        ~LocaleKept() { QLocale::setDefault(before); }
    } kept;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    dial.setValue(455);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&dial);
    ASSERT_TRUE(accessible && accessible->valueInterface());
    EXPECT_EQ(accessible->role(), QAccessible::Dial);
    QAccessibleValueInterface* value = accessible->valueInterface();
    EXPECT_EQ(value->currentValue().toDouble(), 455.0);
    // No range of its own: one turn's span, widened to hold the value.
    EXPECT_EQ(value->minimumValue().toDouble(), -180.0);
    EXPECT_EQ(value->maximumValue().toDouble(), 455.0);
    EXPECT_EQ(value->minimumStepSize().toDouble(), 1.0);
    dial.setValue(-1000);
    EXPECT_EQ(value->minimumValue().toDouble(), -1000.0);
    EXPECT_EQ(value->maximumValue().toDouble(), 180.0);

    dial.setValue(-12.5f);
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("-12,5"));
    // The float 0.1f is read as the decimal it stands for.
    dial.setValue(0.1f);
    EXPECT_EQ(value->currentValue().toDouble(), 0.1);
    value->setCurrentValue(30.0);
    EXPECT_EQ(dial.value(), 30);
}

} // namespace
