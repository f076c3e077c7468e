// The command panel right after start-up and under real input: layout, lists, hints, colour buttons,
// keyboard routing, animation and light settings, the link.
#include "WindowFixture.h"

#include "engine/Patterns.h"

#include "app/Misc.h"
#include "platform/controls/ArcDial.h"
#include "platform/controls/CalloutPanel.h"
#include "platform/controls/ChoiceList.h"
#include "platform/controls/FloatSlider.h"
#include "platform/controls/GreyRampSlider.h"
#include "platform/controls/LinkLabel.h"
#include "platform/controls/ProgressBar.h"
#include "platform/controls/StyledButton.h"

#include "support/ReferenceCube.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <map>

using namespace velmar;
using velmar::testkit::ReferenceCube;
using P = cube::TStickPosition;

namespace {

class Panel : public velmar::testkit::ShownWindow {
protected:
    template <typename T = QWidget>
    T* control(const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    platform::CalloutPanel* hint(const char* name) { return control<platform::CalloutPanel>(name); }
    void settleHints()
    {
        ASSERT_TRUE(testkit::pumpUntil([] { return !platform::AnimationDriver::shared().isActive(); }));
    }
    QColor emissiveOf(const char* name) { return window.scene().get<platform::MeshObject>(name).material().emissive; }
};

TEST_F(Panel, EveryControlWhereItIsDeclared)
{
    struct Row {
        const char* name;
        const char* parent;
        QRect geometry;
    };
    // clang-format off
    const Row rows[] = {
        {"recCommand", "sclytCommand", {0, 0, 466, 216}},     {"pbFun", "sclytCommand", {140, 128, 153, 17}},
        {"GbRotation", "recCommand", {8, 16, 121, 193}},      {"ArcDialX", "GbRotation", {16, 18, 40, 40}},
        {"LabelX", "ArcDialX", {0, 0, 40, 40}},               {"ArcDialY", "GbRotation", {16, 62, 40, 40}},
        {"LabelY", "ArcDialY", {0, 0, 40, 40}},               {"ArcDialZ", "GbRotation", {16, 110, 40, 40}},
        {"LabelZ", "ArcDialZ", {0, 0, 40, 40}},               {"CbRotateX", "GbRotation", {70, 29, 20, 19}},
        {"CbRotateY", "GbRotation", {70, 73, 20, 19}},        {"CbRotateZ", "GbRotation", {70, 120, 20, 19}},
        {"TbSpeedRotation", "GbRotation", {8, 168, 65, 15}},  {"CPnlSpeedRotatHint", "GbRotation", {76, 166, 37, 20}},
        {"LbSpeedRotate", "GbRotation", {10, 155, 48, 15}},   {"BtnRedLeft", "recCommand", {136, 16, 25, 25}},
        {"BtnRedRight", "recCommand", {168, 16, 25, 25}},     {"BtnGreenLeft", "recCommand", {200, 16, 25, 25}},
        {"BtnGreenRight", "recCommand", {232, 16, 25, 25}},   {"BtnWhiteLeft", "recCommand", {264, 16, 25, 25}},
        {"BtnWhiteRight", "recCommand", {296, 16, 25, 25}},   {"BtnOrangeLeft", "recCommand", {136, 48, 25, 25}},
        {"BtnOrangeRight", "recCommand", {168, 48, 25, 25}},  {"BtnBlueLeft", "recCommand", {200, 48, 25, 25}},
        {"BtnBlueRight", "recCommand", {232, 48, 25, 25}},    {"BtnYellowLeft", "recCommand", {264, 48, 25, 25}},
        {"BtnYellowRight", "recCommand", {296, 48, 25, 25}},  {"GBFun", "recCommand", {132, 76, 173, 77}},
        {"cbFun", "GBFun", {8, 24, 153, 22}},                 {"GbSize", "recCommand", {132, 150, 173, 41}},
        {"TbSize", "GbSize", {4, 16, 125, 18}},               {"CpnlCubeSize", "GbSize", {130, 15, 33, 20}},
        {"BtnStart", "recCommand", {328, 176, 121, 36}},      {"GbAnimation", "recCommand", {328, 5, 121, 84}},
        {"CbAnimation", "GbAnimation", {8, 24, 100, 22}},     {"CPnlSpeedAnimHint", "GbAnimation", {83, 58, 33, 20}},
        {"tbSpeedAnim", "GbAnimation", {7, 60, 77, 17}},      {"LbSpeedAnimation", "GbAnimation", {10, 49, 48, 15}},
        {"LbInfoLink", "recCommand", {122, 192, 209, 24}},    {"GbLight", "recCommand", {328, 88, 120, 84}},
        {"RbAmbiance", "GbLight", {16, 16, 81, 19}},          {"RbSpotLight", "GbLight", {16, 40, 89, 19}},
        {"BwTbLight", "GbLight", {10, 64, 100, 15}},
    };
    // clang-format on
    for (const Row& row : rows) {
        QWidget* w = control(row.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(row.parent)) << row.name;
        EXPECT_EQ(w->geometry(), row.geometry) << row.name;
        EXPECT_FALSE(w->accessibleName().isEmpty() &&
                     QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
            << row.name << " has no accessible name";
    }
    EXPECT_FALSE(control("pbFun")->isVisible());
    EXPECT_TRUE(control<QLabel>("LabelX")->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_TRUE(control<QLabel>("LabelX")->font().bold());
}

TEST_F(Panel, TextsValuesAndListsAfterStartUp)
{
    EXPECT_EQ(control<QGroupBox>("GbRotation")->title(), "Rotation");
    EXPECT_EQ(control<QGroupBox>("GBFun")->title(), "Fun");
    EXPECT_EQ(control<QGroupBox>("GbSize")->title(), "Cube's size");
    EXPECT_EQ(control<QGroupBox>("GbAnimation")->title(), "Animation");
    EXPECT_EQ(control<QGroupBox>("GbLight")->title(), "Lights");
    EXPECT_EQ(control<QAbstractButton>("BtnStart")->text(), "Start position");
    EXPECT_EQ(control<QAbstractButton>("RbAmbiance")->text(), "Ambiance");
    EXPECT_EQ(control<QAbstractButton>("RbSpotLight")->text(), "Spot Light");
    EXPECT_EQ(control<QLabel>("LbSpeedRotate")->text(), "Speed");
    EXPECT_EQ(control<QLabel>("LbInfoLink")->text(), "https://velmar.example/cube");
    const std::map<const char*, const char*> captions = {
        {"BtnRedLeft", "r"},   {"BtnRedRight", "R"},   {"BtnGreenLeft", "g"},  {"BtnGreenRight", "G"},
        {"BtnWhiteLeft", "w"}, {"BtnWhiteRight", "W"}, {"BtnOrangeLeft", "o"}, {"BtnOrangeRight", "O"},
        {"BtnBlueLeft", "b"},  {"BtnBlueRight", "B"},  {"BtnYellowLeft", "y"}, {"BtnYellowRight", "Y"}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(control<QAbstractButton>(name)->text(), caption) << name;

    auto* fun = control<platform::ChoiceList>("cbFun");
    const QStringList patterns = {"Damier (12)",    "Barre (12)",         "2 Cubes (20)", "3 Cubes (20)",
                                  "Carré (8)",      "Damier coloré (21)", "Plus (22)",    "Bande (25)",
                                  "Diagonale (12)", "Angle (18)",         "L (16)",       "Tetris (16)"};
    ASSERT_EQ(fun->count(), patterns.size());
    for (int i = 0; i < fun->count(); ++i)
        EXPECT_EQ(fun->itemText(i), patterns[i]);
    EXPECT_EQ(fun->itemIndex(), -1);
    auto* easing = control<platform::ChoiceList>("CbAnimation");
    const QStringList curves = {"Linear",      "Quadratic", "Cubic",   "Quartic", "Quintic", "Sinusoidal",
                                "Exponential", "Circular",  "Elastic", "Back",    "Bounce"};
    ASSERT_EQ(easing->count(), curves.size());
    for (int i = 0; i < easing->count(); ++i)
        EXPECT_EQ(easing->itemText(i), curves[i]);
    EXPECT_EQ(easing->itemIndex(), 0);

    EXPECT_EQ(control<platform::FloatSlider>("tbSpeedAnim")->value(), 1.6);
    EXPECT_EQ(control<platform::FloatSlider>("TbSpeedRotation")->value(), 11.0);
    EXPECT_EQ(control<platform::FloatSlider>("TbSize")->value(), 39.0);
    EXPECT_EQ(control<platform::FloatSlider>("BwTbLight")->value(), 1.0);
    EXPECT_EQ(control<platform::FloatSlider>("TbSize")->maximum(), 50.0);
    EXPECT_EQ(control<platform::FloatSlider>("TbSpeedRotation")->minimum(), 3.0);
    EXPECT_EQ(control<platform::FloatSlider>("tbSpeedAnim")->step(), 0.1);
    EXPECT_EQ(control<platform::ArcDial>("ArcDialX")->value(), -35.0f);
    EXPECT_EQ(control<platform::ArcDial>("ArcDialY")->value(), -45.0f);
    EXPECT_EQ(control<platform::ArcDial>("ArcDialZ")->value(), -18.0f);
    for (const char* box : {"CbRotateX", "CbRotateY", "CbRotateZ"})
        EXPECT_FALSE(control<QCheckBox>(box)->isChecked()) << box;
    EXPECT_TRUE(control<QRadioButton>("RbSpotLight")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("RbAmbiance")->isChecked());

    // What the start-up handlers did, and what no handler touched.
    for (platform::FloatAnimation* turn : window.cube().turns) {
        EXPECT_EQ(turn->interpolation(), platform::Interpolation::Linear);
        EXPECT_NEAR(turn->duration(), 0.5f, 1e-6f);
        EXPECT_EQ(turn->animationType(), platform::AnimationType::InOut);
    }
    EXPECT_FLOAT_EQ(window.cube().Camera->position().z(), -21);
    EXPECT_FLOAT_EQ(window.view().autoRotation(platform::Axis::X).duration(), 11);
    EXPECT_EQ(window.cube().Dummy->rotationAngle(), QVector3D(-36, -45, -18)) << "no dial is applied at start-up";
    EXPECT_TRUE(window.cube().MainLight->isEnabled());
    EXPECT_EQ(window.cube().MainLight->params().diffuse, QColor(255, 255, 255));
}

TEST_F(Panel, HintsShowTheStartUpValuesThenFadeInPlace)
{
    EXPECT_EQ(hint("CPnlSpeedAnimHint")->text(), "0.5 s");
    EXPECT_EQ(hint("CPnlSpeedRotatHint")->text(), "11.0 s");
    EXPECT_EQ(hint("CpnlCubeSize")->text(), "49");
    EXPECT_EQ(control<QLabel>("TxtCubeSize"), hint("CpnlCubeSize")->textElement());
    EXPECT_EQ(control<QLabel>("txtSpeedAnimHint"), hint("CPnlSpeedAnimHint")->textElement());
    EXPECT_EQ(control<QLabel>("TxtSpeedRotateHint"), hint("CPnlSpeedRotatHint")->textElement());
    for (const char* name : {"CPnlSpeedAnimHint", "CPnlSpeedRotatHint", "CpnlCubeSize"})
        EXPECT_EQ(hint(name)->opacity(), 1.0) << name;
    settleHints();
    for (const char* name : {"CPnlSpeedAnimHint", "CPnlSpeedRotatHint", "CpnlCubeSize"}) {
        EXPECT_EQ(hint(name)->opacity(), 0.0) << name;
        EXPECT_TRUE(hint(name)->isVisible()) << name << " stays in place, transparent";
    }
    EXPECT_EQ(hint("CpnlCubeSize")->geometry(), QRect(130, 15, 33, 20));

    // A new value shows the hint again at once.
    control<platform::FloatSlider>("TbSize")->setValue(50);
    EXPECT_EQ(hint("CpnlCubeSize")->opacity(), 1.0);
    EXPECT_EQ(hint("CpnlCubeSize")->text(), "60");
    EXPECT_FLOAT_EQ(window.cube().Camera->position().z(), -10);
}

TEST(PanelLocale, HintsUseTheUsersDecimalSeparator)
{
    velmar::testkit::SteppingClockScope clock;
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    {
        TFormMain window;
        EXPECT_EQ(window.panel().CPnlSpeedAnimHint->panel().text(), "0,5 s");
        EXPECT_EQ(window.panel().CPnlSpeedRotatHint->panel().text(), "11,0 s");
        EXPECT_EQ(window.panel().CpnlCubeSize->panel().text(), "49");
    }
    QLocale::setDefault(before);
}

TEST(PanelHints, OpaqueForASecondAfterTheLastChangeThenFadeInHalfASecond)
{
    velmar::testkit::ManualClockScope clock;
    TFormMain window;
    platform::FloatSlider& size = *window.panel().TbSize;
    const platform::CalloutPanel& hint = window.panel().CpnlCubeSize->panel();
    const auto& driver = platform::AnimationDriver::shared();
    clock.at(5);
    ASSERT_FALSE(driver.isActive()) << "the start-up hints have faded";

    size.setValue(20);
    for (double t : {5.0, 5.5, 5.99, 6.0}) {
        clock.at(t);
        EXPECT_EQ(hint.opacity(), 1.0) << t;
    }
    clock.at(6.25);
    EXPECT_NEAR(hint.opacity(), 0.5, 1e-6);
    clock.at(6.5);
    EXPECT_EQ(hint.opacity(), 0.0);
    EXPECT_FALSE(driver.isActive());

    // A second change 0.8 s after the first starts the second again.
    clock.set(10);
    size.setValue(21);
    clock.at(10.8);
    size.setValue(22);
    EXPECT_EQ(hint.text(), "32");
    for (double t : {11.25, 11.5, 11.8}) {
        clock.at(t);
        EXPECT_EQ(hint.opacity(), 1.0) << t;
    }
    clock.at(12.05);
    EXPECT_NEAR(hint.opacity(), 0.5, 1e-6);
    clock.at(12.3);
    EXPECT_EQ(hint.opacity(), 0.0);
    EXPECT_FALSE(driver.isActive());
}

TEST_F(Panel, EachColourButtonPlaysItsLetterWithThePanelDimmedDuringTheTurn)
{
    ReferenceCube model;
    const char* const buttons[] = {"BtnRedLeft",   "BtnRedRight",   "BtnGreenLeft",  "BtnGreenRight",
                                   "BtnWhiteLeft", "BtnWhiteRight", "BtnOrangeLeft", "BtnOrangeRight",
                                   "BtnBlueLeft",  "BtnBlueRight",  "BtnYellowLeft", "BtnYellowRight"};
    const char letters[] = "rRgGwWoObByY";
    int askedDuringTurn = 0;
    window.askRestore = [&] {
        ++askedDuringTurn;
        return TAnswer::No;
    };
    for (int i = 0; i < 12; ++i) {
        bool seen = false;
        auto during =
            QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
                if (seen || !window.puzzle().isTurning())
                    return;
                seen = true;
                EXPECT_FALSE(window.panel().recCommand->isEnabled());
                EXPECT_DOUBLE_EQ(platform::DisabledDimming::drawnOpacity(window.panel().recCommand), 0.8);
                EXPECT_TRUE(window.panel().pbFun->isEnabled()) << "outside the panel";
                // Clicks on the dimmed panel reach nothing.
                QTest::mouseClick(control("BtnStart"), Qt::LeftButton);
                QTest::mouseClick(control("BtnYellowRight"), Qt::LeftButton);
            });
        QTest::mouseClick(control(buttons[i]), Qt::LeftButton);
        QObject::disconnect(during);
        EXPECT_TRUE(seen) << buttons[i];
        model.play(std::string(1, letters[i]));
        ASSERT_EQ(testkit::compareWithModel(window.cube(), model), "") << buttons[i];
        EXPECT_TRUE(window.panel().recCommand->isEnabled());
    }
    EXPECT_EQ(askedDuringTurn, 0);
}

TEST_F(Panel, AColourButtonClearsThePatternChoice)
{
    auto* fun = control<platform::ChoiceList>("cbFun");
    {
        const QSignalBlocker quiet(fun);
        fun->setCurrentIndex(3);
    }
    QTest::mouseClick(control("BtnBlueRight"), Qt::LeftButton);
    EXPECT_EQ(fun->itemIndex(), -1);
    EXPECT_FALSE(window.puzzle().hasWaitingPlayback());
}

TEST_F(Panel, TheRedButtonsAskForTheirStyleInAnotherCase)
{
    EXPECT_STREQ(control<platform::StyledButton>("BtnRedLeft")->buttonStyle().name, "BtnRouge");
    EXPECT_STREQ(control<platform::StyledButton>("BtnRedRight")->buttonStyle().name, "BtnRouge");
    EXPECT_STREQ(control<platform::StyledButton>("BtnBlueLeft")->buttonStyle().name, "BtnBleu");
    EXPECT_STREQ(control<platform::StyledButton>("BtnYellowRight")->buttonStyle().name, "BtnJaune");
}

TEST_F(Panel, MoveLettersTypedOnAFocusedListTurnTheCubeAndLeaveTheList)
{
    auto* fun = control<platform::ChoiceList>("cbFun");
    auto* easing = control<platform::ChoiceList>("CbAnimation");
    window.activateWindow();
    fun->setFocus();
    ASSERT_TRUE(testkit::pumpUntil([&] { return fun->hasFocus(); }));
    QTest::keyClick(fun, 'B'); // "Barre (12)" would be the list's own pick
    easing->setFocus();
    ASSERT_TRUE(testkit::pumpUntil([&] { return easing->hasFocus(); }));
    QTest::keyClick(easing, 'b'); // "Back", "Bounce"
    QTest::keyClick(easing, 'G');
    for (int i = 0; i < 50; ++i)
        QCoreApplication::processEvents();
    ReferenceCube model;
    model.play("BbG");
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
    EXPECT_EQ(fun->itemIndex(), -1);
    EXPECT_FALSE(window.puzzle().hasWaitingPlayback());
    EXPECT_EQ(easing->itemIndex(), 0);
    EXPECT_EQ(window.cube().turns[0]->interpolation(), platform::Interpolation::Linear);
}

TEST_F(Panel, AFocusedListIgnoresEveryOtherCharacterAndTheArrowsStillChoose)
{
    auto* fun = control<platform::ChoiceList>("cbFun");
    auto* easing = control<platform::ChoiceList>("CbAnimation");
    const std::string moveLetters = "rRgGwWoObByY";
    auto typeEveryOtherCharacter = [&](QWidget* target) {
        for (char c = '!'; c <= '~'; ++c)
            if (moveLetters.find(c) == std::string::npos)
                QTest::keyClick(target, c); // D, T, 2, ... each begins an item of one list or the other
        for (const char16_t typed : {u'é', u'я', u'Œ'}) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(typed)));
            QApplication::sendEvent(target, &press);
        }
    };
    window.activateWindow();
    easing->setFocus();
    ASSERT_TRUE(testkit::pumpUntil([&] { return easing->hasFocus(); }));
    typeEveryOtherCharacter(easing);
    EXPECT_EQ(easing->itemIndex(), 0);
    fun->setFocus();
    ASSERT_TRUE(testkit::pumpUntil([&] { return fun->hasFocus(); }));
    typeEveryOtherCharacter(fun);
    // Nor in its open drop-down, where the highlight would move to the item the character begins.
    fun->showPopup();
    ASSERT_TRUE(testkit::pumpUntil([&] { return fun->view()->isVisible(); }));
    const QModelIndex highlighted = fun->view()->currentIndex();
    typeEveryOtherCharacter(fun->view());
    EXPECT_EQ(fun->view()->currentIndex(), highlighted);
    QTest::keyClick(fun->view(), Qt::Key_Escape);
    ASSERT_TRUE(testkit::pumpUntil([&] { return !fun->view()->isVisible(); }));
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(fun->itemIndex(), -1);
    EXPECT_FALSE(window.puzzle().hasWaitingPlayback() || window.puzzle().isPlayingBack());
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");

    fun->setFocus();
    ASSERT_TRUE(testkit::pumpUntil([&] { return fun->hasFocus(); }));
    QTest::keyClick(fun, Qt::Key_Down);
    EXPECT_EQ(fun->itemIndex(), 0);
    EXPECT_TRUE(window.puzzle().hasWaitingPlayback()) << "Damier is on its way";
    ASSERT_TRUE(
        testkit::pumpUntil([&] { return !window.puzzle().hasWaitingPlayback() && !window.puzzle().isPlayingBack(); }));
    ReferenceCube model;
    model.play(engine::FUN_VALUES[0]);
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
}

TEST_F(Panel, TabWalksThePanelInItsDeclaredOrder)
{
    const QStringList expected = {
        "ArcDialX",        "ArcDialY",      "ArcDialZ",       "CbRotateX",    "CbRotateY",     "CbRotateZ",
        "TbSpeedRotation", "BtnRedLeft",    "BtnRedRight",    "BtnGreenLeft", "BtnGreenRight", "BtnWhiteLeft",
        "BtnWhiteRight",   "BtnOrangeLeft", "BtnOrangeRight", "BtnBlueLeft",  "BtnBlueRight",  "BtnYellowLeft",
        "BtnYellowRight",  "cbFun",         "TbSize",         "BtnStart",     "CbAnimation",   "tbSpeedAnim",
        "LbInfoLink",      "RbSpotLight",   "BwTbLight"};
    window.activateWindow();
    control("ArcDialX")->setFocus();
    ASSERT_TRUE(testkit::pumpUntil([&] { return control("ArcDialX")->hasFocus(); }));
    QStringList walked = {QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked.join(' ').toStdString(), expected.join(' ').toStdString());
    // The two radio buttons are one stop, entered on the checked one; the arrow keys move between them.
    control("RbSpotLight")->setFocus();
    QTest::keyClick(control("RbSpotLight"), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "RbAmbiance");
    EXPECT_TRUE(control<QRadioButton>("RbAmbiance")->isChecked());
    control("LbInfoLink")->setFocus();
    QTest::keyClick(control("LbInfoLink"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "RbAmbiance");
    QTest::keyClick(control("RbAmbiance"), Qt::Key_Down);
    QTest::keyClick(control("RbSpotLight"), Qt::Key_Tab);
    QTest::keyClick(control("BwTbLight"), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "RbSpotLight") << "from either side";
}

TEST_F(Panel, EasingAndSpeedShapeLaterTurns)
{
    auto* easing = control<platform::ChoiceList>("CbAnimation");
    easing->setItemIndex(9);
    for (platform::FloatAnimation* turn : window.cube().turns)
        EXPECT_EQ(turn->interpolation(), platform::Interpolation::Back);
    auto* speed = control<platform::FloatSlider>("tbSpeedAnim");
    speed->setValue(2.0);
    EXPECT_EQ(hint("CPnlSpeedAnimHint")->text(), "0.1 s");
    for (platform::FloatAnimation* turn : window.cube().turns)
        EXPECT_NEAR(turn->duration(), 0.1f, 1e-6f);
    speed->setValue(0.1);
    EXPECT_EQ(hint("CPnlSpeedAnimHint")->text(), "2.0 s");
    for (platform::FloatAnimation* turn : window.cube().turns)
        EXPECT_NEAR(turn->duration(), 2.0f, 1e-6f);

    // A Back turn swings past the quarter turn and lands on it.
    float highest = 0;
    platform::Box& pivot = *window.cube().pivots[size_t(P::PoFront)];
    auto watch = QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window,
                                  [&] { highest = std::max(highest, pivot.rotationAngle().z()); });
    QTest::keyClick(&window, 'R');
    QObject::disconnect(watch);
    EXPECT_GT(highest, 90.5f);
    EXPECT_EQ(pivot.rotationAngle().z(), 90.0f);
}

TEST_F(Panel, TheLightSliderSetsTheSpotLightsGrey)
{
    auto* light = control<platform::FloatSlider>("BwTbLight");
    light->setValue(0.5);
    EXPECT_EQ(window.cube().MainLight->params().diffuse, QColor::fromRgba(0xFF808080)) << "127.5 goes to 128";
    light->setValue(0);
    EXPECT_EQ(window.cube().MainLight->params().diffuse, QColor::fromRgba(0xFF000000));
    light->setValue(1);
    EXPECT_EQ(window.cube().MainLight->params().diffuse, QColor::fromRgba(0xFFFFFFFF));
}

TEST_F(Panel, AmbianceLightsStickersAndPivotsFlatAndSpotLightRestoresTheGrey)
{
    auto* light = control<platform::FloatSlider>("BwTbLight");
    light->setValue(0.5);
    const QColor bodyBefore = emissiveOf("CC1");
    QTest::mouseClick(control("RbAmbiance"), Qt::LeftButton);
    EXPECT_TRUE(control<QRadioButton>("RbAmbiance")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("RbSpotLight")->isChecked());
    EXPECT_FALSE(window.cube().MainLight->isEnabled());
    EXPECT_FALSE(light->isEnabled());
    EXPECT_DOUBLE_EQ(platform::DisabledDimming::drawnOpacity(light), 0.8);
    for (platform::Plane* stick : window.cube().stickers)
        EXPECT_EQ(stick->material().emissive, QColor(255, 255, 255, 255)) << stick->name().toStdString();
    for (platform::Box* pivot : window.cube().pivots)
        EXPECT_EQ(pivot->material().emissive, QColor(255, 255, 255, 255));
    EXPECT_EQ(emissiveOf("CC1"), bodyBefore) << "black bodies are never touched";
    EXPECT_EQ(emissiveOf("CA7"), bodyBefore);

    // A disabled control inside a panel dimmed for a turn draws at 0.64.
    bool checked = false;
    auto during =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            if (checked || !window.puzzle().isTurning())
                return;
            checked = true;
            EXPECT_NEAR(platform::DisabledDimming::drawnOpacity(light), 0.64, 1e-9);
        });
    QTest::keyClick(&window, 'W');
    QObject::disconnect(during);
    EXPECT_TRUE(checked);

    // Clicking the disabled slider moves nothing.
    QTest::mouseClick(light, Qt::LeftButton, {}, QPoint(5, light->height() / 2));
    EXPECT_EQ(light->value(), 0.5);

    window.cube().MainLight->setDiffuse(QColor(1, 2, 3));
    QTest::mouseClick(control("RbSpotLight"), Qt::LeftButton);
    EXPECT_TRUE(window.cube().MainLight->isEnabled());
    EXPECT_TRUE(light->isEnabled());
    EXPECT_EQ(window.cube().MainLight->params().diffuse, QColor::fromRgba(0xFF808080)) << "the slider's grey again";
    for (platform::Plane* stick : window.cube().stickers)
        EXPECT_EQ(stick->material().emissive.alpha(), 0);
    for (platform::Box* pivot : window.cube().pivots)
        EXPECT_EQ(pivot->material().emissive.alpha(), 0);
}

TEST_F(Panel, AmbianceShowsFlatFullColours)
{
    QTest::mouseClick(control("RbAmbiance"), Qt::LeftButton);
    QTest::qWait(50);
    const QImage shot = view().grabFrame();
    const double dpr = view().devicePixelRatio();
    auto at = [&](QVector3D world) {
        const QPointF p = pixelOf(world);
        return shot.pixelColor(QPoint(int(p.x() * dpr), int(p.y() * dpr)));
    };
    auto near = [](QColor c, QColor want) {
        return std::abs(c.red() - want.red()) <= 3 && std::abs(c.green() - want.green()) <= 3 &&
               std::abs(c.blue() - want.blue()) <= 3;
    };
    // Sticker centres of the three faces in view, each at its tile's pure colour.
    const QColor front = at({0, 0, -4.51f});
    const QColor top = at({3, -4.51f, -3});
    const QColor right = at({4.51f, 3, 0});
    EXPECT_TRUE(near(front, QColor(255, 0, 0))) << front.name().toStdString();
    EXPECT_TRUE(near(top, QColor(255, 255, 255))) << top.name().toStdString();
    EXPECT_TRUE(near(right, QColor(0, 0, 255))) << right.name().toStdString();
}

TEST_F(Panel, TheLinkOpensExactlyItsTextAndOnlyWebAddresses)
{
    std::vector<QUrl> opened;
    const auto before = TMisc::opener;
    TMisc::opener = [&](const QUrl& url) { opened.push_back(url); };
    auto* link = control<platform::LinkLabel>("LbInfoLink");
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString(), link->text());

    for (const char* refused : {"file:///etc/passwd", "velmar.example/cube", "javascript:alert(1)",
                                "ftp://velmar.example/", "https://", "xdg-open https://velmar.example", ""})
        TMisc::Open(QString::fromLatin1(refused));
    EXPECT_EQ(opened.size(), 1u) << "only absolute http and https addresses are opened";
    TMisc::Open(QStringLiteral("HTTP://velmar.example/x"));
    EXPECT_EQ(opened.size(), 2u);
    TMisc::opener = before;

    EXPECT_FALSE(link->shadowShown());
    QEnterEvent enter(QPointF(5, 5), link->mapToGlobal(QPointF(5, 5)), link->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(link, &enter);
    EXPECT_TRUE(link->shadowShown());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_FALSE(link->shadowShown());
}

TEST_F(Panel, WideningStretchesThePanelAndTheViewTakesTheHeight)
{
    window.resize(932, 667);
    ASSERT_TRUE(testkit::pumpUntil([&] { return window.panel().sclytCommand->width() == 932; }));
    EXPECT_EQ(window.panel().sclytCommand->geometry(), QRect(0, 451, 932, 216));
    EXPECT_EQ(view().size(), QSize(932, 451));
    EXPECT_EQ(window.panel().sclytCommand->drawnRect(control("BtnStart")), QRect(656, 176, 242, 36));
    EXPECT_EQ(window.panel().sclytCommand->drawnRect(control("TbSize")), QRect(272, 166, 250, 18));
}

class PaintCount : public QObject {
public:
    PaintCount() { qApp->installEventFilter(this); }
    ~PaintCount() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// The panel as the window shows it: drawn where the window paints it.
class ScaledPanel : public Panel {
protected:
    QImage panelPixels()
    {
        testkit::pumpUntil([] { return false; }, 10);
        return window.grab(window.panel().sclytCommand->geometry()).toImage();
    }
    // From the first to the last pixel of the row through `band`'s middle that differs from the band's
    // leftmost pixel by more than `contrast` in a channel.
    static int inkWidth(const QImage& image, const QRect& band, int contrast)
    {
        const int y = band.center().y();
        const QColor background = image.pixelColor(band.left(), y);
        int first = -1, last = -1;
        for (int x = band.left(); x <= band.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) > contrast ||
                std::abs(c.green() - background.green()) > contrast ||
                std::abs(c.blue() - background.blue()) > contrast) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        return first < 0 ? 0 : last - first + 1;
    }
    QRect drawn(const char* name) { return window.panel().sclytCommand->drawnRect(control(name)); }
    QPoint drawnCentre(const char* name)
    {
        return window.panel().sclytCommand->geometry().topLeft() + drawn(name).center();
    }
};

TEST_F(ScaledPanel, AtTwiceTheWidthCaptionsAndDialsAreDrawnTwiceAsWide)
{
    const QImage narrow = panelPixels();
    const int caption = inkWidth(narrow, drawn("LbSpeedRotate"), 60);
    const int dial = inkWidth(narrow, drawn("ArcDialX").adjusted(-2, 0, 2, 0), 12);
    window.resize(932, 567);
    ASSERT_TRUE(testkit::pumpUntil([&] { return window.panel().sclytCommand->width() == 932; }));
    EXPECT_EQ(window.panel().sclytCommand->height(), 216);
    const QImage wide = panelPixels();
    ASSERT_GT(caption, 10);
    ASSERT_GT(dial, 30);
    EXPECT_NEAR(inkWidth(wide, drawn("LbSpeedRotate"), 60), 2 * caption, 3);
    EXPECT_NEAR(inkWidth(wide, drawn("ArcDialX").adjusted(-4, 0, 4, 0), 12), 2 * dial, 3);

    // Idle once drawn: nothing repaints.
    settleHints();
    testkit::pumpUntil([] { return false; }, 10);
    PaintCount paints;
    testkit::pumpUntil([] { return false; }, 50);
    EXPECT_EQ(paints.count, 0);
}

TEST_F(ScaledPanel, AClickWhereAControlIsDrawnReachesIt)
{
    window.resize(932, 567);
    ASSERT_TRUE(testkit::pumpUntil([&] { return window.panel().sclytCommand->width() == 932; }));
    QWindow* handle = window.windowHandle();
    QTest::mouseClick(handle, Qt::LeftButton, {}, drawnCentre("CbRotateY"));
    EXPECT_TRUE(window.panel().CbRotateY->isChecked());
    QTest::mouseClick(handle, Qt::LeftButton, {}, drawnCentre("CbRotateY"));
    EXPECT_FALSE(window.panel().CbRotateY->isChecked());
    // Where the green button lies in design units, the scaled panel shows the empty rotation box.
    QTest::mouseClick(handle, Qt::LeftButton, {},
                      window.panel().sclytCommand->geometry().topLeft() +
                          control("BtnGreenRight")->geometry().center());
    QTest::mouseClick(handle, Qt::LeftButton, {}, drawnCentre("BtnGreenRight"));
    ReferenceCube model;
    model.play("G");
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
}

TEST_F(ScaledPanel, ScreenReadersLearnWhereEachControlIsDrawn)
{
    const char* const names[] = {"BtnStart", "CbRotateX", "cbFun", "ArcDialZ", "LbSpeedRotate", "BtnYellowRight"};
    auto reported = [&](const char* name) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(this->control(name));
        return control->rect().translated(-window.mapToGlobal(window.panel().sclytCommand->pos()));
    };
    std::map<std::string, QRect> narrow;
    for (const char* name : names)
        narrow[name] = reported(name);
    window.resize(932, 567);
    ASSERT_TRUE(testkit::pumpUntil([&] { return window.panel().sclytCommand->width() == 932; }));
    for (const char* name : names) {
        const QRect n = narrow[name];
        EXPECT_EQ(reported(name), QRect(2 * n.x(), n.y(), 2 * n.width(), n.height())) << name;
    }
    EXPECT_EQ(reported("BtnStart"), QRect(656, 176, 242, 36));
    // Still the control as Qt describes it otherwise.
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(control("CbRotateX"));
    EXPECT_EQ(box->role(), QAccessible::CheckBox);
    EXPECT_EQ(box->text(QAccessible::Name), "Rotate X automatically");
    EXPECT_EQ(box->parent()->object(), control("GbRotation"));
}

TEST_F(Panel, AWindowShrunkToItsSmallestStillWorks)
{
    window.resize(1, 1);
    testkit::pumpUntil([] { return false; }, 20);
    EXPECT_GT(view().width(), 0);
    EXPECT_GT(view().height(), 0);
    EXPECT_EQ(window.panel().sclytCommand->height(), 216);
    press({0, 0});
    moveTo({0, 0});
    release({0, 0});
    QTest::keyClick(&window, 'R');
    ReferenceCube model;
    model.play("R");
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
}

TEST_F(Panel, ControlsOfOurOwnTellScreenReadersTheirValues)
{
    QAccessibleInterface* speed = QAccessible::queryAccessibleInterface(control("tbSpeedAnim"));
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->role(), QAccessible::Slider);
    EXPECT_EQ(speed->text(QAccessible::Name), "Animation speed");
    ASSERT_NE(speed->valueInterface(), nullptr);
    EXPECT_EQ(speed->valueInterface()->currentValue().toDouble(), 1.6);
    EXPECT_EQ(speed->valueInterface()->minimumValue().toDouble(), 0.1);
    EXPECT_EQ(speed->valueInterface()->maximumValue().toDouble(), 2.0);
    QAccessibleInterface* dial = QAccessible::queryAccessibleInterface(control("ArcDialY"));
    ASSERT_NE(dial, nullptr);
    EXPECT_EQ(dial->role(), QAccessible::Dial);
    EXPECT_EQ(dial->text(QAccessible::Name), "Y rotation");
    EXPECT_EQ(dial->valueInterface()->currentValue().toDouble(), -45.0);
    QAccessibleInterface* size = QAccessible::queryAccessibleInterface(control("CpnlCubeSize"));
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->text(QAccessible::Name), "49");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control("CbRotateX"))->text(QAccessible::Name),
              "Rotate X automatically");
    EXPECT_EQ(size->childCount(), 0) << "the text is read once, through the hint";
    // Qt names a list after its current item on Linux; what it sets stays its accessible name.
    EXPECT_EQ(control("cbFun")->accessibleName(), "Patterns");
    EXPECT_EQ(control("CbAnimation")->accessibleName(), "Easing");
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(control("LbInfoLink"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), "https://velmar.example/cube");
    std::vector<QUrl> opened;
    const auto before = TMisc::opener;
    TMisc::opener = [&](const QUrl& url) { opened.push_back(url); };
    ASSERT_NE(link->actionInterface(), nullptr);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    TMisc::opener = before;
    EXPECT_EQ(opened.size(), 1u) << "a screen reader can follow the link";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control("BtnRedLeft"))->role(), QAccessible::Button);
}

} // namespace
