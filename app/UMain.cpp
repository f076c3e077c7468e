#include "UMain.h"

#include "Misc.h"

#include "cube/FaceLetters.h"
#include "cube/LightSettings.h"
#include "cube/ReadableCube.h"
#include "engine/AnimationSettings.h"
#include "engine/Patterns.h"
#include "input/TypedKeys.h"
#include "panel/CalloutHint.h"
#include "panel/CommandRect.h"
#include "panel/PanelTheme.h"
#include "panel/ScaledLayout.h"
#include "platform/controls/ArcDial.h"
#include "platform/controls/ChoiceList.h"
#include "platform/controls/DisabledDimming.h"
#include "platform/controls/FloatSlider.h"
#include "platform/controls/GreyRampSlider.h"
#include "platform/controls/ProgressBar.h"
#include "platform/controls/SpokenNotice.h"
#include "platform/gl/Viewport3D.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace velmar;
using platform::Axis;

namespace {
const QColor kSilver = QColor::fromRgba(0xFFC0C0C0);
const QLatin1String kSecondsSuffix(" s");

// A window of the program's own, shown where the user will see it: in front and active.
void bringForward(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}
} // namespace

TFormMain::TFormMain(QWidget* parent)
    : QWidget(parent),
      Cube(Scene3D),
      Panel(this),
      m_puzzle(Scene3D, Cube),
      Press(m_puzzle, Cube),
      View(*Cube.Dummy, *Cube.Camera, {Panel.ArcDialX, Panel.ArcDialY, Panel.ArcDialZ}),
      Menu(
          *this, [this](app::PuzzleCommand command) { runCommand(command); },
          [this](app::PuzzleCommand command) { return canRun(command); }, [this] { return Viewport3D2; }),
      Callout(*this, kSilver),
      m_notice(new platform::SpokenNotice(this))
{
    setWindowTitle(QStringLiteral("Velmar's Cube - 3D"));
    setFocusPolicy(Qt::StrongFocus);
    buildViewport();
    describeCube();
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
    m_puzzle.close();
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
    Viewport3D2->setAccessibleDescription(m_cubeInWords);
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
    if (m_glView)
        Press.watchView(m_glView->router(), *m_glView);
    connect(&Press, &input::ViewPress::turnAsked, this, &TFormMain::turnByHand);
    connect(&Press, &input::ViewPress::orbitStep, this, [this](input::TDirection step) { View.orbit(step); });
    connect(&Press, &input::ViewPress::menuAsked, this, [this](QPoint global) { Menu.popup(global); });

    Panel.wire(*this);

    connect(&m_puzzle, &engine::Puzzle::busyChanged, Panel.recCommand,
            [this](bool busy) { Panel.recCommand->setCommandsEnabled(!busy); });
    connect(&m_puzzle, &engine::Puzzle::progressChanged, this, &TFormMain::showProgress);
    connect(&m_puzzle, &engine::Puzzle::solved, this,
            [this](int turns, double seconds) { say(engine::solvedText(turns, seconds)); });
    connect(&m_puzzle, &engine::Puzzle::refused, this, &TFormMain::say);
    connect(&m_puzzle, &engine::Puzzle::movePlayed, this, &TFormMain::describeCube);
    connect(&m_puzzle, &engine::Puzzle::cubeJumped, this, &TFormMain::describeCube);

    new input::TypedKeys(*this, [this](QKeyEvent& event) {
        const QString text = event.text();
        const char16_t typed = text.isEmpty() ? u'\0' : text.at(0).unicode();
        FormKeyDown(event.key(), typed, event.modifiers());
        return cube::meaningOf(input::letterOf(typed)).has_value();
    });
}

void TFormMain::FormCreate()
{
    for (int i = 0; i < engine::kPatternCount; ++i)
        Panel.cbFun->appendItem(engine::patternItemText(i));
    for (const char* name : engine::ANIMATION)
        Panel.CbAnimation->appendItem(QString::fromLatin1(name));
    Panel.CbAnimation->setItemIndex(0);
    CbAnimationChange(this);
    Panel.tbSpeedAnim->setValue(1.6);
    Panel.TbSpeedRotation->setValue(11);
    Panel.TbSize->setValue(39);
}

void TFormMain::FormKeyDown(int, char16_t KeyChar, Qt::KeyboardModifiers)
{
    m_puzzle.turn(input::letterOf(KeyChar));
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
    const QString caption = static_cast<QAbstractButton*>(Sender)->text();
    turnByHand(caption.isEmpty() ? '\0' : input::letterOf(caption.at(0).unicode()));
}

void TFormMain::turnByHand(char letter)
{
    Panel.cbFun->setItemIndex(-1);
    m_puzzle.turn(letter);
}

void TFormMain::cbFunChange(QObject*)
{
    const int index = Panel.cbFun->itemIndex();
    if (index == -1)
        return;
    // Closed either way, never opened; the pattern plays from the event loop, not inside the list's signal.
    Panel.cbFun->hidePopup();
    m_puzzle.playPattern(index);
}

void TFormMain::TbSizeChange(QObject*)
{
    const double v = Panel.TbSize->value();
    Panel.CpnlCubeSize->report(panel::fixedText(v + 10, 0, 2), [&] { View.setCameraDistance(v); });
}

void TFormMain::BtnStartClick(QObject*)
{
    // Closing the box is "not now", like "Non": the cube's state is only thrown away on "Oui". The box
    // runs the event loop, so a turn may have started meanwhile: then the puzzle refuses.
    if (askRestore() != TAnswer::Yes || !m_puzzle.resetToStart())
        return;
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
    engine::setTurnInterpolation(Cube, Panel.CbAnimation->itemIndex());
}

void TFormMain::tbSpeedAnimChange(QObject*)
{
    const float speed = engine::turnSeconds(Panel.tbSpeedAnim->value());
    Panel.CPnlSpeedAnimHint->report(panel::fixedText(speed, 1, 2) + kSecondsSuffix,
                                    [&] { m_puzzle.setTurnSeconds(speed); });
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
    cube::applyLightMode(Scene3D, Cube, spot);
}

void TFormMain::BwTbLightChange(QObject*)
{
    SetLight();
}

void TFormMain::SetLight()
{
    // The light's new colour asks the view for a repaint through the scene.
    cube::SetLight(Cube, Panel.BwTbLight->value());
}

void TFormMain::showProgress(int value, int maximum)
{
    // After a playback the bar is hidden as it stands, full.
    if (maximum > 0) {
        Panel.pbFun->setClampedMaximum(maximum);
        Panel.pbFun->setClampedValue(value);
    }
    Panel.pbFun->setVisible(maximum > 0);
}

bool TFormMain::canRun(app::PuzzleCommand command) const
{
    using C = app::PuzzleCommand;
    switch (command) {
    case C::Undo:
        return m_puzzle.canUndo();
    case C::Redo:
        return m_puzzle.canRedo();
    case C::Scramble:
        return m_puzzle.canScramble();
    case C::Solve:
        return m_puzzle.canSolve();
    case C::Moves:
    case C::StickerLetters:
    case C::CubeInWords:
    case C::Help:
        return true;
    }
    return false;
}

void TFormMain::runCommand(app::PuzzleCommand command)
{
    using C = app::PuzzleCommand;
    switch (command) {
    case C::Undo:
        return m_puzzle.undo();
    case C::Redo:
        return m_puzzle.redo();
    case C::Scramble:
        // The list shows what the cube holds; a refused scramble leaves the playing pattern's name.
        if (!m_puzzle.isPlayingBack())
            Panel.cbFun->setItemIndex(-1);
        return m_puzzle.scramble();
    case C::Solve:
        return m_puzzle.solve();
    case C::Moves:
        return showMoves();
    case C::StickerLetters:
        return showStickerLetters(!m_stickerLetters);
    case C::CubeInWords:
        return speakCubeInWords();
    case C::Help:
        return showHelp();
    }
}

void TFormMain::say(const QString& text)
{
    Callout.show(text, *Viewport3D2);
}

void TFormMain::showStickerLetters(bool on)
{
    m_stickerLetters = on;
    cube::showStickerLetters(Cube, on);
    Menu.action(app::PuzzleCommand::StickerLetters).setChecked(on);
}

void TFormMain::describeCube()
{
    m_cubeInWords = cube::cubeInWords(Cube);
    Viewport3D2->setAccessibleDescription(m_cubeInWords);
}

void TFormMain::speakCubeInWords()
{
    // The words of the cube as it last rested: asked inside a turn, the layer under its pivot cannot be read.
    m_notice->say(m_cubeInWords);
}

void TFormMain::showMoves()
{
    if (!m_moves) {
        m_moves = new app::MovesWindow(m_puzzle, this);
        // Beside the window rather than over the cube, where the screen has room.
        if (QScreen* s = screen()) {
            const QRect room = s->availableGeometry();
            const QRect frame = frameGeometry();
            const int x = std::min(frame.right() + 8, room.right() - m_moves->width());
            m_moves->move(std::max(room.left(), x), std::max(room.top(), frame.top()));
        }
    }
    bringForward(*m_moves);
}

void TFormMain::showHelp()
{
    if (!m_help)
        m_help = new app::HelpWindow(this);
    bringForward(*m_help);
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    m_puzzle.close();
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
