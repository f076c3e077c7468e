// Float sliders and the grey ramp: snapping and clamping, when they signal, real mouse, keys and wheel,
// the ramp's greys, and what screen readers read.
#include "platform/controls/FloatSlider.h"
#include "platform/controls/GreyRampSlider.h"
#include "support/SpyValues.h"

#include <QAccessible>
#include <QApplication>
#include <QLocale>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using namespace velmar::platform;
using velmar::testkit::signalled;

namespace {

// Whether the slider kept the event or left it to its parent.
bool accepted(QWidget* widget, QEvent&& event)
{
    QApplication::sendEvent(widget, &event);
    return event.isAccepted();
}
bool keyAccepted(QWidget* widget, int key)
{
    return accepted(widget, QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
}
bool wheelAccepted(QWidget* widget, int angleDelta)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    return accepted(widget, QWheelEvent(at, widget->mapToGlobal(at), QPoint(), QPoint(0, angleDelta), Qt::NoButton,
                                        Qt::NoModifier, Qt::NoScrollPhase, false));
}

// The zoom-like slider: 0.1 to 2.0 in steps of 0.1, at 1.6.
class FloatSliderStep : public ::testing::Test {
protected:
    void SetUp() override
    {
        slider.setRange(0.1, 2.0);
        slider.setStep(0.1);
        slider.setValue(1.6);
    }
    FloatSlider slider;
};

TEST_F(FloatSliderStep, SnapsToTheNearestStepThenClampsToExactDecimals)
{
    const std::pair<double, double> rows[] = {{1.63, 1.6}, {1.66, 1.7}, {5, 2.0}, {-1, 0.1}};
    for (const auto& [given, stored] : rows) {
        slider.setValue(given);
        EXPECT_EQ(slider.value(), stored) << given;
    }
    const double decimals[] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0,
                               1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8, 1.9, 2.0};
    // Summed in binary, 0.1 + k × 0.1 misses most of these decimals (0.30000000000000004 for k = 2).
    for (int k = 0; k < 20; ++k) {
        slider.setValue(0.1 + k * 0.1);
        EXPECT_EQ(slider.value(), decimals[k]) << k;
    }
}

TEST_F(FloatSliderStep, SignalsOnlyWhenTheStoredValueChanges)
{
    QSignalSpy spy(&slider, &FloatSlider::valueChanged);
    slider.setValue(1.6);
    slider.setValue(1.62); // snaps back onto 1.6
    slider.setValue(std::numeric_limits<double>::quiet_NaN());
    slider.setValue(std::numeric_limits<double>::infinity());
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(slider.value(), 1.6);

    slider.setValue(0.7);
    slider.setValue(0.7);
    slider.setValue(9);   // clamps to 2.0
    slider.setValue(2.5); // clamps to 2.0 again: no change
    slider.setRange(0.1, 3.0);
    slider.setRange(0.1, 1.0);
    // Steps of 0.5 from the minimum: 0.1, 0.6, 1.1, ...; 1.0 is nearest to 1.1.
    slider.setRange(0.1, 2.0);
    slider.setStep(0.5);
    EXPECT_EQ(signalled<double>(spy), (std::vector<double>{0.7, 2.0, 1.0, 1.1}));
}

TEST_F(FloatSliderStep, KeysAndWheelStepAndPassOnWhatTheyCannotUse)
{
    const std::pair<Qt::Key, double> presses[] = {
        {Qt::Key_Right, 1.7},  {Qt::Key_Up, 1.8},     {Qt::Key_Left, 1.7}, {Qt::Key_Down, 1.6}, {Qt::Key_PageDown, 0.6},
        {Qt::Key_PageUp, 1.6}, {Qt::Key_PageUp, 2.0}, {Qt::Key_Home, 0.1}, {Qt::Key_End, 2.0},
    };
    for (const auto& [key, expected] : presses) {
        EXPECT_TRUE(keyAccepted(&slider, key));
        EXPECT_EQ(slider.value(), expected) << QTest::toString(key);
    }
    // A move letter or Escape belongs to whoever is above the slider.
    EXPECT_FALSE(keyAccepted(&slider, Qt::Key_R));
    EXPECT_FALSE(keyAccepted(&slider, Qt::Key_Escape));

    // At the maximum an upward turn cannot change anything and goes on to the parent.
    EXPECT_FALSE(wheelAccepted(&slider, 120));
    EXPECT_TRUE(wheelAccepted(&slider, -240));
    EXPECT_EQ(slider.value(), 1.8);
    // A high-resolution wheel sends a notch in pieces; the step comes with the piece that completes it.
    EXPECT_TRUE(wheelAccepted(&slider, 60));
    EXPECT_EQ(slider.value(), 1.8);
    EXPECT_TRUE(wheelAccepted(&slider, 60));
    EXPECT_EQ(slider.value(), 1.9);
}

// A continuous 0..1 slider 200 pixels wide in the Fusion style, so pixel positions are known: the handle's
// centre travels from half a handle in from the left to half a handle in from the right.
class FloatSliderMouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        slider.setStyle(fusion.get());
        slider.resize(kWidth, 20);
        handleLength = fusion->pixelMetric(QStyle::PM_SliderLength);
        travel = kWidth - handleLength;
    }
    double valueAtColumn(int x) const { return double(x - handleLength / 2) / travel; }
    int columnOf(double value) const { return handleLength / 2 + int(std::lround(value * travel)); }

    static constexpr int kWidth = 200;
    std::unique_ptr<QStyle> fusion{QStyleFactory::create(QStringLiteral("Fusion"))};
    FloatSlider slider;
    int handleLength = 0;
    int travel = 0;
};

TEST_F(FloatSliderMouse, DraggingTheHandleReportsEveryChange)
{
    slider.setValue(0.25);
    QSignalSpy spy(&slider, &FloatSlider::valueChanged);
    const int grab = columnOf(0.25) + 3; // off the handle's centre, still on it
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(grab, 10));
    EXPECT_EQ(spy.count(), 0) << "grabbing the handle must not move it";
    for (int dx : {10, 20, 30, 30, 60})
        QTest::mouseMove(&slider, QPoint(grab + dx, 10));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(grab + 60, 10));

    // The pointer at 30 twice moves the value once.
    const std::vector<double> values = signalled<double>(spy);
    ASSERT_EQ(values.size(), 4u);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()) && values[0] < values[3]);
    // The handle keeps the 3 pixels between its centre and the pointer.
    EXPECT_NEAR(slider.value(), valueAtColumn(columnOf(0.25) + 60), 1.0 / travel);

    // Moving after the release changes nothing (with tracking on, moves arrive without a button).
    slider.setMouseTracking(true);
    accepted(&slider, QMouseEvent(QEvent::MouseMove, QPointF(20, 10), slider.mapToGlobal(QPointF(20, 10)), Qt::NoButton,
                                  Qt::NoButton, Qt::NoModifier));
    EXPECT_EQ(spy.count(), 4);
}

TEST_F(FloatSliderMouse, PressOnTheGrooveJumpsThereAndDrags)
{
    QSignalSpy spy(&slider, &FloatSlider::valueChanged);
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(150, 10));
    EXPECT_NEAR(slider.value(), valueAtColumn(150), 0.5 / travel);
    QTest::mouseMove(&slider, QPoint(120, 10));
    EXPECT_NEAR(slider.value(), valueAtColumn(120), 0.5 / travel);
    QTest::mouseMove(&slider, QPoint(kWidth + 40, 10)); // past the end clamps
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(kWidth + 40, 10));
    EXPECT_EQ(slider.value(), 1.0);
    EXPECT_EQ(spy.count(), 3);
}

TEST_F(FloatSliderMouse, OtherButtonsAndADisabledSliderChangeNothing)
{
    QSignalSpy spy(&slider, &FloatSlider::valueChanged);
    QTest::mousePress(&slider, Qt::RightButton, {}, QPoint(150, 10));
    QTest::mouseMove(&slider, QPoint(170, 10));
    QTest::mouseRelease(&slider, Qt::RightButton, {}, QPoint(170, 10));
    QTest::mouseClick(&slider, Qt::MiddleButton, {}, QPoint(150, 10));

    slider.setEnabled(false);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(150, 10));
    QTest::keyClick(&slider, Qt::Key_End);
    wheelAccepted(&slider, 120);
    EXPECT_EQ(slider.value(), 0);
    EXPECT_EQ(spy.count(), 0);
}

TEST(GreyRamp, ColumnGreysRunFromBlackToWhite)
{
    // Hand-computed column / width × 255; std::lround takes 127.5 up to 128.
    const int columns[][3] = {{0, 100, 0},     {25, 100, 64}, {50, 100, 128}, {99, 100, 252},
                              {100, 100, 255}, {1, 7, 36},    {3, 7, 109},    {6, 7, 219}};
    for (const auto& [column, width, grey] : columns)
        EXPECT_EQ(GreyRampSlider::greyOfColumn(column, width), grey) << column << " of " << width;

    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    GreyRampSlider slider;
    slider.setStyle(fusion.get());
    slider.resize(100, 15);
    slider.setValue(1); // the handle sits at the right end, clear of the columns sampled
    const QImage image = slider.grab().toImage();
    std::vector<int> greys;
    for (int x : {5, 25, 45, 65}) {
        const QRgb pixel = image.pixel(int(x * image.devicePixelRatio()), int(7 * image.devicePixelRatio()));
        EXPECT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)) << x;
        greys.push_back(qGreen(pixel));
    }
    EXPECT_LT(greys.front(), 30);
    EXPECT_TRUE(std::is_sorted(greys.begin(), greys.end()) && greys.front() < greys.back());
    EXPECT_GT(greys.back(), 150);
}

TEST_F(FloatSliderStep, ScreenReadersReadTheValueInTheSlidersOwnUnits)
{
    const struct LocaleKept {
        QLocale before;
        ~LocaleKept() { QLocale::setDefault(before); }
    } kept;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    slider.setAccessibleName(QStringLiteral("Zoom"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&slider);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Slider);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Zoom"));
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("1,6"));
    QAccessibleValueInterface* value = accessible->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toDouble(), 1.6);
    EXPECT_EQ(value->minimumValue().toDouble(), 0.1);
    EXPECT_EQ(value->maximumValue().toDouble(), 2.0);
    EXPECT_EQ(value->minimumStepSize().toDouble(), 0.1);
    value->setCurrentValue(0.73);
    EXPECT_EQ(slider.value(), 0.7);

    // The grey ramp is a slider too; a continuous slider steps by a hundredth of its range.
    GreyRampSlider ramp;
    ramp.setRange(0, 50);
    ramp.setValue(39);
    accessible = QAccessible::queryAccessibleInterface(&ramp);
    ASSERT_TRUE(accessible && accessible->valueInterface());
    EXPECT_EQ(accessible->role(), QAccessible::Slider);
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("39"));
    EXPECT_EQ(accessible->valueInterface()->minimumStepSize().toDouble(), 0.5);
}

} // namespace
