#include "UMain.h"

#include "panel/CommandRect.h"
#include "panel/ScaledLayout.h"
#include "platform/gl/OpenGlProbe.h"
#include "platform/gl/Viewport3D.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <cstdio>

using namespace velmar;

namespace {
const QColor kSilver = QColor::fromRgba(0xFFC0C0C0);
const QColor kThistle = QColor::fromRgba(0xFFD8BFD8);
} // namespace

TFormMain::TFormMain(QWidget* parent)
    : QWidget(parent), Cube(Scene3D), Turns(Scene3D, Cube, *this), Drag(static_cast<input::DragHost&>(*this))
{
    setWindowTitle(QStringLiteral("Velmar's Cube - 3D"));
    setFocusPolicy(Qt::StrongFocus);
    buildViewport();
    buildPanel();
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
    const QString problem = platform::openGlProblem();
    if (problem.isEmpty()) {
        m_glView = new platform::Viewport3D(Scene3D, *Cube.Camera, kSilver, this);
        Viewport3D2 = m_glView;
    } else {
        std::fprintf(stderr, "VelmarCube: the 3D view is not available: %s\n", qPrintable(problem));
        Viewport3D2 = new platform::ViewportUnavailable(kSilver, problem, this);
    }
    Viewport3D2->setObjectName(QStringLiteral("Viewport3D2"));
    Viewport3D2->setFocusPolicy(Qt::NoFocus);
}

void TFormMain::buildPanel()
{
    sclytCommand = new panel::ScaledLayout(QSize(kClientWidth, kPanelHeight), this);
    sclytCommand->setObjectName(QStringLiteral("sclytCommand"));
    sclytCommand->setFixedHeight(kPanelHeight);
    recCommand = new panel::CommandRect(kThistle, sclytCommand);
    recCommand->setObjectName(QStringLiteral("recCommand"));
    sclytCommand->place(recCommand, QRectF(0, 0, kClientWidth, kPanelHeight));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Viewport3D2, 1);
    layout->addWidget(sclytCommand, 0);
}

void TFormMain::wire()
{
    for (platform::FloatAnimation* turn : Cube.turns)
        turn->onFinish = [this](platform::FloatAnimation& sender) { RotationFinish(sender); };

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

    if (m_glView)
        m_glView->router().onViewMouseUp = [this](const platform::PointerEvent& e) { Viewport3D2MouseUp(e); };
}

void TFormMain::FormCreate()
{
    Drag.MvtOn = false;
    MvtAuto = false;
}

void TFormMain::FormKeyDown(int, char16_t KeyChar, Qt::KeyboardModifiers)
{
    // While a pattern plays its letters are the only moves.
    if (MvtAuto)
        return;
    Rotate(static_cast<char>(KeyChar & 0xFF));
}

void TFormMain::RotationFinish(platform::FloatAnimation&)
{
    Turns.RotationFinish();
}

void TFormMain::Viewport3D2MouseUp(const platform::PointerEvent&)
{
    // A release over the background also disarms a sticker drag.
    Drag.MvtOn = false;
}

void TFormMain::setCommandEnabled(bool enabled)
{
    recCommand->setEnabled(enabled);
}

void TFormMain::clearPatternSelection()
{
    // The pattern list arrives with the rest of the command panel.
}

void TFormMain::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    FormKeyDown(event->key(), text.isEmpty() ? u'\0' : text.at(0).unicode(), event->modifiers());
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
