#include "UMain.h"

#include "Misc.h"

#include "cube/StartPosition.h"
#include "input/TypedKeys.h"
#include "panel/AnimationSettings.h"
#include "panel/CalloutHint.h"
#include "panel/CommandRect.h"
#include "panel/LightSettings.h"
#include "panel/PanelTheme.h"
#include "panel/ScaledLayout.h"
#include "platform/controls/ArcDial.h"
#include "platform/controls/ChoiceList.h"
#include "platform/controls/DisabledDimming.h"
#include "platform/controls/FloatSlider.h"
#include "platform/controls/GreyRampSlider.h"
#include "platform/controls/ProgressBar.h"
#include "platform/gl/Viewport3D.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>
#include <cstdio>

using namespace velmar;
using platform::Axis;

namespace {
const QColor kSilver = QColor::fromRgba(0xFFC0C0C0);
const QLatin1String kSecondsSuffix(" s");
} // namespace

TFormMain::TFormMain(QWidget* parent)
    : QWidget(parent),
      Cube(Scene3D),
      Panel(this),
      Turns(Scene3D, Cube, *this),
      Drag(static_cast<input::DragHost&>(*this)),
      Patterns(Turns, *this),
      View(*Cube.Dummy, *Cube.Camera, {Panel.ArcDialX, Panel.ArcDialY, Panel.ArcDialZ},
           [this] { ArcDialXChange(this); }),
      Puzzle(*this, *this, Cube, Turns, Patterns, kSilver)
{
    setWindowTitle(QStringLiteral("Velmar's Cube - 3D"));
    setFocusPolicy(Qt::StrongFocus);
    buildViewport();
    layOut();
    platform::DisabledDimming::install(Panel.sclytCommand);
    panel::keepPanelTheme(Panel.sclytCommand);
    resize(kClientWidth, kClientHeight);
    // Declared values are all in place before any handler is wired.
    wire();
    FormCreate();
}

TFormMain::~TFormMain()
{
    Turns.abandonPending();
    // The view refers to the scene and its camera: let it go before the members it reads.
    delete Viewport3D2;
    Viewport3D2 = nullptr;
    m_glView = nullptr;
}

void TFormMain::buildViewport()
{
    m_glView = new platform::Viewport3D(Scene3D, *Cube.Camera, kSilver, platform::Viewport3D::formForPlatform(), this);
    Viewport3D2 = m_glView->widget();
    Viewport3D2->setMinimumSize(1, 1);
    m_glView->setKeyReceiver(this);
    // Found out when the view first gets its context; the view is replaced from the event loop, not
    // from inside its own set-up.
    connect(m_glView, &platform::Viewport3D::unavailable, this, &TFormMain::showViewUnavailable, Qt::QueuedConnection);
    nameView();
}

void TFormMain::nameView()
{
    Viewport3D2->setObjectName(QStringLiteral("Viewport3D2"));
    Viewport3D2->setAccessibleName(QStringLiteral("Cube"));
    Viewport3D2->setFocusPolicy(Qt::NoFocus);
}

void TFormMain::showViewUnavailable(const QString& problem)
{
    std::fprintf(stderr, "VelmarCube: the 3D view is not available: %s\n", qPrintable(problem));
    QWidget* standIn = new platform::ViewportUnavailable(kSilver, problem, this);
    delete layout()->replaceWidget(Viewport3D2, standIn);
    delete Viewport3D2;
    m_glView = nullptr;
    Viewport3D2 = standIn;
    nameView();
}

void TFormMain::layOut()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Viewport3D2, 1);
    layout->addWidget(Panel.sclytCommand, 0);
}

void TFormMain::wire()
{
    for (platform::Plane* stick : Cube.stickers) {
        stick->onMouseDown = [this](platform::SceneObject& s, const platform::PointerEvent& e) {
            Drag.StickMouseDown(s, e);
        };
        stick->onMouseUp = [this](platform::SceneObject& s, const platform::PointerEvent& e) {
            Drag.StickCornerMouseUp(s, e);
        };
        if (stick->name().startsWith(QLatin1String("PLCC")))
            stick->onMouseMove = [this](platform::SceneObject& s, const platform::PointerEvent& e) {
                Drag.StickCornerMouseMove(s, e);
            };
    }

    if (m_glView) {
        platform::PointerRouter& router = m_glView->router();
        router.onViewMouseDown = [this](const platform::PointerEvent& e) { Viewport3D2MouseDown(e); };
        router.onViewMouseMove = [this](const platform::PointerEvent& e) { Viewport3D2MouseMove(e); };
        router.onViewMouseUp = [this](const platform::PointerEvent& e) { Viewport3D2MouseUp(e); };
        Puzzle.watchView(*m_glView);
    }

    Panel.wire(*this);
    connect(&Turns, &engine::TFaceTurns::played, this, [this](const engine::Move& move) {
        if (onMovePlayed)
            onMovePlayed(move.letter);
    });

    m_keys = new input::TypedKeys(*this, [this](QKeyEvent& event) {
        const QString text = event.text();
        const char16_t typed = text.isEmpty() ? u'\0' : text.at(0).unicode();
        FormKeyDown(event.key(), typed, event.modifiers());
        return engine::moveOfLetter(input::letterOf(typed)).has_value();
    });
}

void TFormMain::FormCreate()
{
    Drag.MvtOn = false;
    MvtAuto = false;
    for (int i = 0; i < engine::kPatternCount; ++i)
        Panel.cbFun->appendItem(engine::patternItemText(i));
    for (const char* name : panel::ANIMATION)
        Panel.CbAnimation->appendItem(QString::fromLatin1(name));
    Panel.CbAnimation->setItemIndex(0);
    CbAnimationChange(this);
    Panel.tbSpeedAnim->setValue(1.6);
    Panel.TbSpeedRotation->setValue(11);
    Panel.TbSize->setValue(39);
}

void TFormMain::FormKeyDown(int, char16_t KeyChar, Qt::KeyboardModifiers)
{
    // While a pattern plays its letters are the only moves.
    if (MvtAuto)
        return;
    Rotate(input::letterOf(KeyChar));
}

void TFormMain::RotationFinish(platform::FloatAnimation&)
{
    // The turn engine wires its animations' finish to itself; this is the window's name for that handler,
    // and the window adds nothing to a turn's end.
    Turns.RotationFinish();
}

void TFormMain::Viewport3D2MouseDown(const platform::PointerEvent& event)
{
    View.Viewport3D2MouseDown(event);
}

void TFormMain::Viewport3D2MouseMove(const platform::PointerEvent& event)
{
    View.Viewport3D2MouseMove(event, Drag.MvtOn, Drag.Direction);
}

void TFormMain::Viewport3D2MouseUp(const platform::PointerEvent&)
{
    // A release over the background also disarms a sticker drag.
    Drag.MvtOn = false;
}

void TFormMain::ArcDialXChange(QObject*)
{
    View.applyDialsToRig();
}

void TFormMain::CbRotateXChange(QObject*)
{
    View.setAutoRotation(Axis::X, Panel.CbRotateX->isChecked());
}

void TFormMain::CbRotateYChange(QObject*)
{
    View.setAutoRotation(Axis::Y, Panel.CbRotateY->isChecked());
}

void TFormMain::CbRotateZChange(QObject*)
{
    View.setAutoRotation(Axis::Z, Panel.CbRotateZ->isChecked());
}

void TFormMain::TbSpeedRotationChange(QObject*)
{
    const double v = Panel.TbSpeedRotation->value();
    Panel.CPnlSpeedRotatHint->report(panel::fixedText(std::abs(v - 22), 1, 2) + kSecondsSuffix,
                                     [&] { View.setAutoRotationPeriod(float(panel::TViewControls::periodOf(v))); });
}

void TFormMain::ColorBtnClick(QObject* Sender)
{
    Panel.cbFun->setItemIndex(-1);
    const QString caption = static_cast<QAbstractButton*>(Sender)->text();
    if (!caption.isEmpty())
        Rotate(input::letterOf(caption.at(0).unicode()));
}

void TFormMain::cbFunChange(QObject*)
{
    const int index = Panel.cbFun->itemIndex();
    if (index == -1)
        return;
    // Closed either way, never opened; the pattern plays from the event loop, not inside the list's signal.
    Panel.cbFun->hidePopup();
    Patterns.request(index);
}

void TFormMain::TbSizeChange(QObject*)
{
    const double v = Panel.TbSize->value();
    Panel.CpnlCubeSize->report(panel::fixedText(v + 10, 0, 2), [&] { View.setCameraDistance(v); });
}

void TFormMain::BtnStartClick(QObject*)
{
    // Closing the box is "not now", like "Non": the cube's state is only thrown away on "Oui".
    if (askRestore() != TAnswer::Yes || Turns.isTurning() || Patterns.isPlaying())
        return;
    SortVelmar();
    Panel.CbRotateX->setChecked(false);
    Panel.CbRotateY->setChecked(false);
    Panel.CbRotateZ->setChecked(false);
    Panel.ArcDialX->setValue(-35);
    Panel.ArcDialY->setValue(-45);
    Panel.ArcDialZ->setValue(-18);
    Panel.cbFun->setItemIndex(-1);
    ArcDialXChange(this);
}

void TFormMain::CbAnimationChange(QObject*)
{
    panel::setTurnInterpolation(Cube, Panel.CbAnimation->itemIndex());
}

void TFormMain::tbSpeedAnimChange(QObject*)
{
    const float speed = panel::turnSeconds(Panel.tbSpeedAnim->value());
    Panel.CPnlSpeedAnimHint->report(panel::fixedText(speed, 1, 2) + kSecondsSuffix,
                                    [&] { panel::setTurnDuration(Cube, speed); });
}

void TFormMain::LbInfoLinkClick(QObject* Sender)
{
    TMisc::Open(static_cast<QLabel*>(Sender)->text());
}

void TFormMain::RbAmbianceChange(QObject*)
{
    const bool spot = Panel.RbSpotLight->isChecked();
    Panel.BwTbLight->setEnabled(spot);
    if (spot)
        SetLight();
    panel::applyLightMode(Scene3D, Cube, spot);
}

void TFormMain::BwTbLightChange(QObject*)
{
    SetLight();
}

void TFormMain::SetLight()
{
    // The light's new colour asks the view for a repaint through the scene.
    panel::SetLight(Cube, Panel.BwTbLight->value());
}

void TFormMain::SortVelmar()
{
    const cube::CubeSnapshot before = cube::takeSnapshot(Cube);
    cube::SortVelmar(Cube);
    Puzzle.cubeReset(before);
    if (onCubeSolved)
        onCubeSolved();
}

void TFormMain::setCommandEnabled(bool enabled)
{
    if (!enabled) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && Panel.recCommand->isAncestorOf(focus))
            m_focusBeforeTurn = focus;
    }
    Panel.recCommand->setEnabled(enabled);
    // Disabling moved the focus out of the panel; a keyboard user carries on where they were.
    if (enabled && m_focusBeforeTurn && m_focusBeforeTurn->isEnabled() && isActiveWindow()) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus == this)
            m_focusBeforeTurn->setFocus(Qt::OtherFocusReason);
    }
    if (enabled)
        m_focusBeforeTurn = nullptr;
}

float TFormMain::turnSecondsSetting() const
{
    return panel::turnSeconds(Panel.tbSpeedAnim->value());
}

void TFormMain::clearPatternSelection()
{
    Panel.cbFun->setItemIndex(-1);
}

void TFormMain::setProgressValue(int value)
{
    Panel.pbFun->setClampedValue(value);
}

int TFormMain::progressValue() const
{
    return Panel.pbFun->value();
}

void TFormMain::setProgressMaximum(int maximum)
{
    Panel.pbFun->setClampedMaximum(maximum);
}

void TFormMain::setProgressVisible(bool visible)
{
    Panel.pbFun->setVisible(visible);
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    Turns.abandonPending();
    QWidget::closeEvent(event);
}

void TFormMain::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        m_centred = true;
        if (QScreen* s = screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(s->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}
