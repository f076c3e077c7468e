// The panel a turn disables takes nothing: no hover or focus feedback from real pointer crossings, no
// value, press or toggle written through accessibility; a re-enabled button ends where the pointer is.
#include "WindowFixture.h"

#include "platform/controls/ArcDial.h"
#include "platform/controls/ChoiceList.h"
#include "platform/controls/GreyRampSlider.h"
#include "platform/controls/LinkLabel.h"
#include "platform/controls/StyledButton.h"

#include "support/ReferenceCube.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QCursor>
#include <QRadioButton>

#include <map>
#include <string>

using namespace velmar;
using velmar::testkit::ReferenceCube;

namespace {

constexpr QRgb kRestFill = 0xFFEFEFEF;       // every style but the orange one, before any hover
constexpr QRgb kGreenHoverStop = 0xFF1ADA1A; // BtnVert's hover-in stop colour
constexpr int kPatience = 200000;            // passes of the event loop for the X server to report a crossing

// Stands still while `hold` is set, so a turn waits, its panel disabled, for the X server's crossings.
class GatedClock : public platform::AnimationClock {
public:
    double now() override { return hold ? t : t += 0.05; }
    bool hold = false;
    double t = 0;
};

class DisabledPanel : public velmar::testkit::ShownWindow {
protected:
    void SetUp() override
    {
        ShownWindow::SetUp();
        platform::AnimationDriver::shared().setClock(&gated);
        // Off the window, so the first crossing is one the test makes.
        QCursor::setPos(window.mapToGlobal(QPoint(-50, -50)));
        testkit::pumpUntil([] { return false; }, 50);
    }
    void TearDown() override { platform::AnimationDriver::shared().setClock(nullptr); }

    QWidget* control(const char* name) { return window.findChild<QWidget*>(QString::fromLatin1(name)); }
    void pointAt(QWidget* widget, QPoint at) { QCursor::setPos(widget->mapToGlobal(at)); }
    void pointAtMiddleOf(QWidget* widget) { pointAt(widget, widget->rect().center()); }
    // A bare spot of the panel, over no control.
    void pointAway() { pointAt(window.panel().recCommand, QPoint(2, 2)); }

    // Plays `letter`; from inside the turn, runs each step of `script` once the one before it reported
    // true, the turn held still meanwhile.
    void turnWith(char letter, std::vector<std::function<bool()>> script)
    {
        std::size_t next = 0;
        int passes = 0;
        gated.hold = true;
        auto during =
            QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
                if (!window.puzzle().isTurning() || !gated.hold)
                    return;
                if (next < script.size() && script[next]())
                    ++next;
                if (next == script.size() || ++passes > kPatience)
                    gated.hold = false;
            });
        QTest::keyClick(&window, letter);
        QObject::disconnect(during);
        gated.hold = false;
        EXPECT_EQ(next, script.size()) << "the script stalled at step " << next;
    }

    GatedClock gated;
};

TEST_F(DisabledPanel, PointerCrossingsDuringATurnLeaveNoHoverBehind)
{
    auto* green = static_cast<platform::StyledButton*>(control("BtnGreenLeft"));
    auto* link = static_cast<platform::LinkLabel*>(control("LbInfoLink"));
    bool feedback = false;
    auto watch = [&] { feedback |= green->outerFill() != QColor::fromRgba(kRestFill) || link->shadowShown(); };
    turnWith('R', {
                      [&] { return pointAtMiddleOf(green), true; },
                      [&] { return watch(), green->underMouse(); },
                      [&] { return watch(), pointAway(), true; },
                      [&] { return watch(), !green->underMouse(); },
                      [&] { return watch(), pointAtMiddleOf(link), true; },
                      [&] { return watch(), link->underMouse(); },
                      [&] { return watch(), pointAway(), true; },
                      [&] { return watch(), !link->underMouse(); },
                      // The pointer comes to rest on the button before the panel is enabled again.
                      [&] { return watch(), pointAtMiddleOf(green), true; },
                      [&] { return watch(), green->underMouse(); },
                  });
    EXPECT_FALSE(feedback) << "no hover colour and no shadow while disabled";
    ASSERT_TRUE(testkit::pumpUntil([] { return !platform::AnimationDriver::shared().isActive(); }));
    EXPECT_EQ(green->outerFill(), QColor::fromRgba(kGreenHoverStop)) << "enabled under the pointer, it shows the hover";
    EXPECT_FALSE(link->shadowShown());

    // Enabled under the pointer, and left during the next turn: it ends at the hover-out colour.
    turnWith('r', {
                      [&] { return pointAway(), true; },
                      [&] { return !green->underMouse(); },
                  });
    ASSERT_TRUE(testkit::pumpUntil([] { return !platform::AnimationDriver::shared().isActive(); }));
    EXPECT_EQ(green->outerFill(), QColor::fromRgba(green->buttonStyle().hoverOutStop));
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");
}

TEST_F(DisabledPanel, AccessibleWritesReachNoDisabledControl)
{
    auto value = [&](const char* name) {
        return QAccessible::queryAccessibleInterface(control(name))->valueInterface();
    };
    auto action = [&](const char* name, const QString& which) {
        QAccessible::queryAccessibleInterface(control(name))->actionInterface()->doAction(which);
    };
    const QString press = QAccessibleActionInterface::pressAction();
    const QString toggle = QAccessibleActionInterface::toggleAction();
    int asked = 0;
    window.askRestore = [&] {
        ++asked;
        return TAnswer::Yes;
    };
    const double sliders[] = {window.panel().TbSpeedRotation->value(), window.panel().TbSize->value(),
                              window.panel().tbSpeedAnim->value(), window.panel().BwTbLight->value()};
    const float turnSeconds = window.cube().turns[0]->duration();
    const float cameraZ = window.cube().Camera->position().z();

    turnWith(
        'W', {[&] {
            for (const char* name : {"TbSpeedRotation", "TbSize", "tbSpeedAnim", "BwTbLight", "ArcDialX", "ArcDialY"})
                value(name)->setCurrentValue(7.0);
            action("BtnBlueRight", press);
            action("BtnStart", press);
            action("CbRotateX", toggle);
            action("CbRotateX", press);
            action("RbAmbiance", press);
            action("cbFun", press);
            return true;
        }});
    EXPECT_EQ(window.panel().TbSpeedRotation->value(), sliders[0]);
    EXPECT_EQ(window.panel().TbSize->value(), sliders[1]);
    EXPECT_EQ(window.panel().tbSpeedAnim->value(), sliders[2]);
    EXPECT_EQ(window.panel().BwTbLight->value(), sliders[3]);
    EXPECT_EQ(window.panel().ArcDialX->value(), -35.0f);
    EXPECT_EQ(window.panel().ArcDialY->value(), -45.0f);
    for (platform::FloatAnimation* turn : window.cube().turns)
        EXPECT_EQ(turn->duration(), turnSeconds);
    EXPECT_EQ(window.cube().Camera->position().z(), cameraZ);
    EXPECT_FALSE(window.panel().CbRotateX->isChecked());
    EXPECT_TRUE(window.panel().RbSpotLight->isChecked());
    EXPECT_FALSE(window.panel().cbFun->view()->isVisible());
    EXPECT_EQ(asked, 0);
    ReferenceCube model;
    model.play("W");
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "") << "the blue button's press turned nothing";

    // In Ambiance the light slider is disabled on its own.
    QTest::mouseClick(window.panel().RbAmbiance, Qt::LeftButton);
    ASSERT_FALSE(window.panel().BwTbLight->isEnabled());
    const QColor diffuse = window.cube().MainLight->params().diffuse;
    value("BwTbLight")->setCurrentValue(0.3);
    EXPECT_EQ(window.panel().BwTbLight->value(), sliders[3]);
    EXPECT_EQ(window.cube().MainLight->params().diffuse, diffuse);

    // Enabled, the same writes take.
    value("TbSize")->setCurrentValue(7.0);
    EXPECT_EQ(window.panel().TbSize->value(), 7.0);
    action("CbRotateX", toggle);
    EXPECT_TRUE(window.panel().CbRotateX->isChecked());
}

// A screen reader keeps a control by its accessible id (its object path): ours, Qt's wrapped for the
// scaled panel, and the panel's own rectangle keep theirs in the panel a turn disables, after it, and in
// a widened window.
TEST_F(DisabledPanel, EachControlKeepsItsAccessibleIdThroughATurnAndAResize)
{
    const char* const names[] = {"recCommand",    "BtnRedLeft",  "BtnStart", "CbRotateX", "RbAmbiance", "GbRotation",
                                 "LbSpeedRotate", "tbSpeedAnim", "ArcDialX", "cbFun",     "LbInfoLink", "CpnlCubeSize"};
    auto id = [&](const char* name) {
        return QAccessible::uniqueId(QAccessible::queryAccessibleInterface(control(name)));
    };
    std::map<std::string, QAccessible::Id> first;
    for (const char* name : names) {
        first[name] = id(name);
        EXPECT_NE(first[name], 0u) << name;
    }
    auto unchanged = [&](const char* when) {
        for (const char* name : names)
            EXPECT_EQ(id(name), first[name]) << name << ", " << when;
        return true;
    };
    turnWith('R', {[&] {
                 EXPECT_FALSE(window.panel().recCommand->isEnabled());
                 return unchanged("in the disabled panel");
             }});
    ASSERT_TRUE(testkit::pumpUntil([] { return !platform::AnimationDriver::shared().isActive(); }));
    ASSERT_TRUE(window.panel().recCommand->isEnabled());
    unchanged("after the turn");
    window.resize(2 * window.width(), window.height());
    ASSERT_TRUE(testkit::pumpUntil([&] { return window.panel().sclytCommand->isScaled(); }));
    unchanged("in the widened window");
}

} // namespace
