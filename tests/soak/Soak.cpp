#include "Soak.h"

#include "app/Misc.h"
#include "app/MovesWindow.h"
#include "cube/StartPosition.h"
#include "engine/AnimationSettings.h"
#include "panel/CommandRect.h"
#include "platform/controls/ArcDial.h"
#include "platform/controls/ChoiceList.h"
#include "platform/controls/FloatSlider.h"
#include "platform/controls/GreyRampSlider.h"
#include "platform/controls/LinkLabel.h"
#include "platform/controls/ProgressBar.h"
#include "platform/controls/StyledButton.h"
#include "platform/controls/WrappingButton.h"
#include "platform/gl/Viewport3D.h"

#include "support/ManualClock.h"
#include "support/SceneReading.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <sstream>

namespace velmar::soak {
namespace {

constexpr const char* kActNames[kActCount] = {
    "Type",        "KeyBurst",       "ControlKey",   "ViewPress", "ViewMove", "ViewRelease",
    "DragSticker", "DragBackground", "ColourButton", "DialClick", "DialDrag", "CheckBox",
    "SliderClick", "SliderDrag",     "SliderKey",    "ListPick",  "ListKey",  "ListWheel",
    "Radio",       "StartPosition",  "Link",         "Resize",    "Focus",    "PuzzleKey",
    "PuzzleMenu",  "Algorithm",      "InTurn",       "InPattern", "Wait",
};

// How often each act comes, out of the sum.
constexpr int kWeights[kActCount] = {
    14, 2, 6, 5, 5, 4, 8, 5, // keys and the view
    6,  2, 2, 3, 2, 2, 2, 3, // panel
    2,  1, 2, 2, 1, 2, 2,    // panel, window
    5,  3, 2,                // the puzzle's commands
    8,  2, 7,                // from inside a turn or a pattern, waiting
};

const char kTyped[] = "rRgGwWoObByYxXaDzq0195 -";
const int kControlKeys[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Left,     Qt::Key_Right,     Qt::Key_Up,
                            Qt::Key_Down, Qt::Key_Space,   Qt::Key_Return,   Qt::Key_Escape,    Qt::Key_Home,
                            Qt::Key_End,  Qt::Key_PageUp,  Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_F4};
const char* const kSliders[] = {"TbSpeedRotation", "TbSize", "tbSpeedAnim", "BwTbLight"};
const char* const kDials[] = {"ArcDialX", "ArcDialY", "ArcDialZ"};
const char* const kBoxes[] = {"CbRotateX", "CbRotateY", "CbRotateZ"};
const char* const kLists[] = {"cbFun", "CbAnimation"};
const char* const kRadios[] = {"RbAmbiance", "RbSpotLight"};
const char* const kFocusable[] = {"ArcDialX",    "TbSpeedRotation", "BtnRedLeft", "BtnYellowRight",
                                  "cbFun",       "TbSize",          "BtnStart",   "CbAnimation",
                                  "tbSpeedAnim", "LbInfoLink",      "RbAmbiance", "BwTbLight"};
// Undo thrice as often as the others, so that histories are also walked back a long way.
const std::pair<int, Qt::KeyboardModifiers> kPuzzleKeys[] = {
    {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Z, Qt::ControlModifier},
    {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
    {Qt::Key_Y, Qt::ControlModifier}, {Qt::Key_N, Qt::ControlModifier},
    {Qt::Key_L, Qt::ControlModifier}, {Qt::Key_F1, Qt::NoModifier},
    {Qt::Key_F10, Qt::ShiftModifier}, {Qt::Key_Menu, Qt::NoModifier},
    {Qt::Key_M, Qt::ControlModifier}, {Qt::Key_T, Qt::ControlModifier},
    {Qt::Key_D, Qt::ControlModifier}};
// Standard notation, the colour letters, and text that plays nothing (the notation box picks which).
const char* const kAlgorithms[] = {"R U R' U'",
                                   "(F R U R\u2019 U\u2019 F\u2019)2",
                                   "x y",
                                   "M2 U M2 U2",
                                   "L2 D // comment\nB' F2",
                                   "RgWbyO",
                                   "(R)1001",
                                   "Rw U",
                                   "q",
                                   ""};
const Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

template <typename T, std::size_t N>
const T& pick(const T (&items)[N], int i)
{
    return items[std::size_t(std::abs(i)) % N];
}

// A click at `from`, or a left-button drag from `from` to `to` in four moves; `at` maps the action's
// numbers to a point on the widget.
template <typename At>
void clickOrDrag(QWidget* widget, bool click, int from, int to, At at)
{
    if (click) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at(from));
        return;
    }
    QTest::mousePress(widget, Qt::LeftButton, {}, at(from));
    for (int i = 1; i <= 4; ++i)
        QTest::mouseMove(widget, at(from + (to - from) * i / 4));
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at(to));
}

// At rest every piece sits exactly on the grid under the root, unrotated, and every sticker in one of
// the six placements, facing outwards from its piece.
std::string checkPiecesAndStickers(const cube::TCubeScene& cube)
{
    if (std::string rest = testkit::checkAtRest(cube); !rest.empty())
        return rest;
    std::set<std::tuple<int, int, int>> cells;
    std::map<QChar, int> perColour;
    std::map<std::tuple<int, int, int>, int> perFace;
    for (const platform::Box* piece : cube.pieces) {
        const QVector3D p = piece->position();
        const std::tuple<int, int, int> cell{int(std::lround(p.x())), int(std::lround(p.y())), int(std::lround(p.z()))};
        if (cell == std::tuple<int, int, int>{0, 0, 0} || !cells.insert(cell).second)
            return piece->name().toStdString() + " shares a cell or sits in the centre";
        for (const platform::SceneObject* stick : piece->children()) {
            const cube::TStickPosition at = cube::GetStickPosition(*stick);
            if (at == cube::TStickPosition::PoNone)
                return stick->name().toStdString() + " is in no placement";
            const cube::StickPlacement& exact = cube::placementOf(at);
            if ((stick->position() - exact.offset).length() > 1e-4f)
                return stick->name().toStdString() + " is off its placement";
            const QVector3D out = cube::outwardOf(at);
            const QVector3D onCube(std::get<0>(cell), std::get<1>(cell), std::get<2>(cell));
            if (QVector3D::dotProduct(out, onCube) < 2.5f)
                return stick->name().toStdString() + " faces into the cube";
            ++perColour[stick->name().back()];
            ++perFace[{int(out.x()), int(out.y()), int(out.z())}];
        }
    }
    for (const auto& [colour, count] : perColour)
        if (count + 1 != 9) // and the pivot's tile
            return "colour " + QString(colour).toStdString() + " shows " + std::to_string(count + 1) + " times";
    if (perColour.size() != 6 || perFace.size() != 6)
        return "a colour or a face is missing";
    for (const auto& [face, count] : perFace)
        if (count + 1 != 9)
            return "a face carries " + std::to_string(count + 1) + " facelets";
    return {};
}

} // namespace

const char* toString(Act act)
{
    return kActNames[int(act)];
}

std::string toString(const Action& action)
{
    std::ostringstream out;
    out << toString(action.act) << ' ' << action.a << ' ' << action.b << ' ' << action.c;
    return out.str();
}

bool parse(const std::string& text, Action& action)
{
    std::istringstream in(text);
    std::string name;
    if (!(in >> name >> action.a >> action.b >> action.c))
        return false;
    for (int i = 0; i < kActCount; ++i)
        if (name == kActNames[i]) {
            action.act = Act(i);
            return true;
        }
    return false;
}

std::string toString(const std::vector<Action>& actions)
{
    std::string out;
    for (const Action& action : actions)
        out += toString(action) + "; ";
    return out;
}

std::vector<Action> parseList(const std::string& text)
{
    std::vector<Action> out;
    std::istringstream in(text);
    std::string item;
    while (std::getline(in, item, ';')) {
        Action action;
        if (parse(item, action))
            out.push_back(action);
    }
    return out;
}

Action randomAction(std::mt19937& random)
{
    static const int total = [] {
        int sum = 0;
        for (int w : kWeights)
            sum += w;
        return sum;
    }();
    int roll = int(random() % unsigned(total));
    int act = 0;
    while (roll >= kWeights[act])
        roll -= kWeights[act++];
    std::uniform_int_distribution<int> number(0, 999);
    return {Act(act), number(random), number(random), number(random)};
}

Soak::Soak(TFormMain& window) : m_window(window)
{
    engine::Puzzle& puzzle = m_window.puzzle();
    m_played = QObject::connect(&puzzle, &engine::Puzzle::movePlayed, &m_window,
                                [this](const engine::Move& move, engine::TurnSource source) {
                                    m_model.play(std::string(1, move.letter));
                                    ++m_moves;
                                    if (source != engine::TurnSource::Undo && source != engine::TurnSource::Redo)
                                        m_resetsUndone.clear();
                                });
    m_jumped = QObject::connect(&puzzle, &engine::Puzzle::cubeJumped, &m_window, [this](engine::TurnSource source) {
        if (source == engine::TurnSource::Undo && !m_beforeResets.empty()) {
            m_resetsUndone.push_back(m_model.colours());
            m_model = testkit::ReferenceCube(m_beforeResets.back());
            m_beforeResets.pop_back();
        } else if (source == engine::TurnSource::Redo && !m_resetsUndone.empty()) {
            m_beforeResets.push_back(m_model.colours());
            m_model = testkit::ReferenceCube(m_resetsUndone.back());
            m_resetsUndone.pop_back();
        } else if (source != engine::TurnSource::Undo && source != engine::TurnSource::Redo) {
            // A reset of a solved cube changes nothing and is no step of the history.
            if (!m_model.isSolved()) {
                m_beforeResets.push_back(m_model.colours());
                m_resetsUndone.clear();
            }
            m_model = testkit::ReferenceCube();
            ++m_resets;
        }
    });
    m_window.puzzle().scrambleSeed = [this] { return std::uint64_t(++m_scrambles); };
    m_window.askRestore = [this] { return m_nextAnswer; };
    TMisc::opener = [this](const QUrl&) { ++m_links; };
}

Soak::~Soak()
{
    QObject::disconnect(m_played);
    QObject::disconnect(m_jumped);
    TMisc::opener = nullptr;
}

QWidget* Soak::control(const char* name) const
{
    return m_window.findChild<QWidget*>(QString::fromLatin1(name));
}

QWidget* Soak::keyTarget() const
{
    QWidget* focus = QApplication::focusWidget();
    if (focus && (focus->window() == &m_window || focus->window()->windowType() == Qt::Popup))
        return focus;
    return &m_window;
}

void Soak::key(QWidget* target, int keyCode, const QString& text, bool autoRepeat, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, keyCode, modifiers, text, autoRepeat);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, keyCode, modifiers, text, autoRepeat);
    QApplication::sendEvent(target, &release);
}

QPointF Soak::stickerPoint(int which, int where)
{
    const platform::Plane& stick = *m_window.cube().stickers[std::size_t(std::abs(which)) % 48];
    const float u = float(where % 29) / 10.0f - 1.4f;
    const float v = float((where / 29) % 29) / 10.0f - 1.4f;
    const QVector3D world = stick.absolutePosition() + stick.worldRotation().rotatedVector({u, v, 0});
    return testkit::projectToView(*m_window.cube().Camera, QSizeF(m_window.glViewport()->size()), world);
}

void Soak::mouseOnView(QEvent::Type type, QPointF pos, Qt::MouseButton button)
{
    platform::Viewport3D* view = m_window.glViewport();
    if (!view)
        return;
    if (type == QEvent::MouseButtonPress)
        m_viewButtons |= button;
    else if (type == QEvent::MouseButtonRelease)
        m_viewButtons &= ~button;
    QMouseEvent event(type, pos, view->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : button,
                      m_viewButtons, Qt::NoModifier);
    QCoreApplication::sendEvent(&view->surfaceObject(), &event);
}

void Soak::apply(const Action& action)
{
    ++m_covered[int(action.act)];
    const int a = action.a, b = action.b, c = action.c;
    const QSizeF view = m_window.glViewport() ? QSizeF(m_window.glViewport()->size()) : QSizeF(1, 1);
    auto anywhere = [&](int x, int y, int outside) {
        // Mostly inside the view; now and then beyond its edges, where only a capture may reach.
        const double stretch = outside % 5 == 0 ? 1.4 : 1.0;
        return QPointF(((x % 1000) / 1000.0 * stretch - (stretch - 1) / 2) * view.width(),
                       ((y % 1000) / 1000.0 * stretch - (stretch - 1) / 2) * view.height());
    };
    switch (action.act) {
    case Act::Type: {
        const QChar typed = QChar::fromLatin1(pick(kTyped, a));
        key(keyTarget(), typed.toUpper().unicode(), QString(typed));
        return;
    }
    case Act::KeyBurst: {
        const char typed = pick(kTyped, a);
        const int count = 2 + b % 6;
        for (int i = 0; i < count; ++i) {
            QKeyEvent press(QEvent::KeyPress, QChar(typed).toUpper().unicode(), Qt::NoModifier, QString(QChar(typed)),
                            i > 0);
            QApplication::sendEvent(keyTarget(), &press);
        }
        QKeyEvent release(QEvent::KeyRelease, QChar(typed).toUpper().unicode(), Qt::NoModifier, QString(QChar(typed)));
        QApplication::sendEvent(keyTarget(), &release);
        return;
    }
    case Act::ControlKey: {
        const int code = pick(kControlKeys, a);
        QTest::keyClick(keyTarget(), Qt::Key(code), code == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        return;
    }
    case Act::ViewPress:
    case Act::ViewMove:
    case Act::ViewRelease: {
        const QPointF pos = a % 3 == 0 ? anywhere(b, c, a) : stickerPoint(b, c);
        const QEvent::Type type = action.act == Act::ViewPress  ? QEvent::MouseButtonPress
                                  : action.act == Act::ViewMove ? QEvent::MouseMove
                                                                : QEvent::MouseButtonRelease;
        mouseOnView(type, pos, pick(kButtons, a / 3));
        return;
    }
    case Act::DragSticker: {
        mouseOnView(QEvent::MouseButtonPress, stickerPoint(a, b), Qt::LeftButton);
        const QPointF to = stickerPoint(a, c);
        const QPointF from = stickerPoint(a, b);
        for (int i = 1; i <= 4; ++i)
            mouseOnView(QEvent::MouseMove, from + (to - from) * (i / 4.0), Qt::NoButton);
        mouseOnView(QEvent::MouseButtonRelease, to, Qt::LeftButton);
        return;
    }
    case Act::DragBackground: {
        const QPointF from = anywhere(a, b, 1);
        const double angle = c / 1000.0 * 2 * std::numbers::pi;
        mouseOnView(QEvent::MouseButtonPress, from, pick(kButtons, c));
        for (int i = 1; i <= 6; ++i)
            mouseOnView(QEvent::MouseMove, from + QPointF(std::cos(angle), std::sin(angle)) * (8.0 * i), Qt::NoButton);
        mouseOnView(QEvent::MouseButtonRelease, from + QPointF(std::cos(angle), std::sin(angle)) * 48.0,
                    pick(kButtons, c));
        return;
    }
    case Act::ColourButton:
        QTest::mouseClick(m_window.panel().colourButtons[std::size_t(a % 12)], Qt::LeftButton);
        return;
    case Act::DialClick:
    case Act::DialDrag: {
        QWidget* dial = control(pick(kDials, a));
        const QPointF centre = QRectF(dial->rect()).center();
        auto at = [&](int turn) {
            const double angle = turn / 1000.0 * 2 * std::numbers::pi;
            return (centre + QPointF(std::cos(angle), -std::sin(angle)) * 15.0).toPoint();
        };
        clickOrDrag(dial, action.act == Act::DialClick, b, c, at);
        return;
    }
    case Act::CheckBox:
        QTest::mouseClick(control(pick(kBoxes, a)), Qt::LeftButton);
        return;
    case Act::SliderClick:
    case Act::SliderDrag: {
        QWidget* slider = control(pick(kSliders, a));
        auto at = [&](int x) { return QPoint(x * std::max(1, slider->width()) / 1000, slider->height() / 2); };
        clickOrDrag(slider, action.act == Act::SliderClick, b, c, at);
        return;
    }
    case Act::SliderKey: {
        QWidget* slider = control(pick(kSliders, a));
        slider->setFocus();
        QTest::keyClick(keyTarget(), Qt::Key(pick(kControlKeys, b)));
        return;
    }
    case Act::ListPick: {
        auto* list = static_cast<platform::ChoiceList*>(control(pick(kLists, a)));
        list->showPopup();
        QAbstractItemView* items = list->view();
        testkit::pumpUntil([&] { return items->isVisible(); }, 50);
        if (!items->isVisible())
            return;
        const QRect r = items->visualRect(items->model()->index(b % std::max(1, list->count()), 0));
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, r.center());
        return;
    }
    case Act::ListKey: {
        QWidget* list = control(pick(kLists, a));
        list->setFocus();
        const int keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,   Qt::Key_PageDown,
                            Qt::Key_D,  Qt::Key_X,    Qt::Key_F4,   Qt::Key_Escape};
        QTest::keyClick(keyTarget(), Qt::Key(pick(keys, b)));
        return;
    }
    case Act::ListWheel: {
        QWidget* list = control(pick(kLists, a));
        const QPointF centre = QRectF(list->rect()).center();
        QWheelEvent wheel(centre, list->mapToGlobal(centre), QPoint(), QPoint(0, b % 2 ? 120 : -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
        return;
    }
    case Act::Radio:
        QTest::mouseClick(control(pick(kRadios, a)), Qt::LeftButton);
        return;
    case Act::StartPosition: {
        // Oui, Non, Escape (which says Non) and a box closed from its title bar.
        const TAnswer answers[] = {TAnswer::Yes, TAnswer::No, TAnswer::No, TAnswer::Cancel};
        m_nextAnswer = pick(answers, a);
        QTest::mouseClick(control("BtnStart"), Qt::LeftButton);
        return;
    }
    case Act::Link:
        QTest::mouseClick(control("LbInfoLink"), Qt::LeftButton);
        return;
    case Act::Resize: {
        const QSize sizes[] = {QSize(1, 1), QSize(1280, 1024), QSize(1 + b % 1280, 1 + c % 1024), QSize(466, 567)};
        m_window.resize(pick(sizes, a));
        testkit::pumpUntil([] { return false; }, 3);
        return;
    }
    case Act::Focus:
        if (a % 7 == 0)
            m_window.activateWindow();
        else
            control(pick(kFocusable, b))->setFocus();
        return;
    case Act::PuzzleKey: {
        const auto [code, modifiers] = pick(kPuzzleKeys, a);
        // Undo and redo pressed quickly several times in a row walk the history a long way back.
        const int presses = code == Qt::Key_Z || code == Qt::Key_Y ? 1 + c % 12 : 1;
        for (int i = 0; i < presses; ++i)
            QTest::keyClick(keyTarget(), Qt::Key(code), modifiers);
        return;
    }
    case Act::PuzzleMenu: {
        const QPointF at = a % 2 ? anywhere(b, c, 1) : stickerPoint(b, c);
        mouseOnView(QEvent::MouseButtonPress, at, Qt::RightButton);
        if (a % 5 == 0)
            mouseOnView(QEvent::MouseMove, at + QPointF(10, -6), Qt::NoButton);
        mouseOnView(QEvent::MouseButtonRelease, at, Qt::RightButton);
        QMenu& menu = m_window.menu().menu();
        testkit::pumpUntil([&] { return menu.isVisible(); }, 20);
        const QList<QAction*> entries = menu.actions();
        // Now and then none: the menu is closed with Escape.
        if (!menu.isVisible() || b % 7 == 0)
            QTest::keyClick(&menu, Qt::Key_Escape);
        else
            QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(entries[c % entries.size()]).center());
        return;
    }
    case Act::Algorithm: {
        if (!m_window.movesWindow() || !m_window.movesWindow()->isVisible())
            m_window.menu().action(app::PuzzleCommand::Moves).trigger();
        app::MovesWindow& moves = *m_window.movesWindow();
        moves.notation().setCurrentIndex(b % 2);
        moves.field().setPlainText(QString::fromUtf8(pick(kAlgorithms, a)));
        if (c % 2)
            QTest::keyClick(&moves.field(), Qt::Key_Return);
        else
            moves.play();
        return;
    }
    case Act::InTurn:
    case Act::InPattern: {
        std::mt19937 nestedRandom{unsigned(c)};
        Action nested = randomAction(nestedRandom);
        if (nested.act == Act::InTurn || nested.act == Act::InPattern)
            nested.act = Act::Type;
        const int wanted = 1 + b % 4;
        int steps = 0;
        bool done = false;
        const auto during =
            QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &m_window, [&] {
                if (done || !m_window.puzzle().isTurning() || ++steps < wanted)
                    return;
                done = true;
                apply(nested);
            });
        if (action.act == Act::InTurn) {
            const QChar letter = QChar::fromLatin1("rRgGwWoObByY"[a % 12]);
            key(keyTarget(), letter.toUpper().unicode(), QString(letter));
        } else {
            m_window.panel().cbFun->setItemIndex(a % 12);
            testkit::pumpUntil(
                [&] { return done || (!m_window.puzzle().hasWaitingPlayback() && !m_window.puzzle().isPlayingBack()); },
                4000);
        }
        QObject::disconnect(during);
        return;
    }
    case Act::Wait:
        testkit::pumpUntil([] { return false; }, 1 + a % 40);
        return;
    }
}

std::string Soak::settleAndCheck()
{
    // A person clicking elsewhere closes an open list or menu, and the help window.
    for (const char* name : kLists)
        static_cast<platform::ChoiceList*>(control(name))->hidePopup();
    m_window.menu().menu().hide();
    if (QWidget* help = m_window.helpWindow())
        help->close();
    if (QWidget* moves = m_window.movesWindow())
        moves->close();
    platform::AnimationDriver& driver = platform::AnimationDriver::shared();
    auto spinning = [&] {
        int running = 0;
        for (platform::Axis axis : {platform::Axis::X, platform::Axis::Y, platform::Axis::Z})
            running += m_window.view().autoRotation(axis).running();
        return running;
    };
    const bool rested = testkit::pumpUntil(
        [&] {
            return !m_window.puzzle().isTurning() && !m_window.puzzle().isPlayingBack() &&
                   !m_window.puzzle().hasWaitingPlayback() && !m_window.puzzle().isSearching() &&
                   driver.runningCount() == spinning();
        },
        [&] { return m_window.puzzle().isSearching(); }, 4000);
    if (!rested)
        return "the program did not come to rest";
    return checkInvariants();
}

std::string Soak::checkInvariants()
{
    if (std::string pieces = checkPiecesAndStickers(m_window.cube()); !pieces.empty())
        return pieces;
    if (std::string model = testkit::compareWithModel(m_window.cube(), m_model); !model.empty())
        return "not the cube of the letters played: " + model;
    if (!m_window.panel().recCommand->isEnabled())
        return "the panel stays disabled with no pattern playing";
    if (m_window.panel().pbFun->isVisible())
        return "the progress bar shows with no pattern playing";
    if (m_window.puzzle().isPlayingBack())
        return "a pattern is marked as playing";
    const QCheckBox* boxes[] = {m_window.panel().CbRotateX, m_window.panel().CbRotateY, m_window.panel().CbRotateZ};
    const platform::Axis axes[] = {platform::Axis::X, platform::Axis::Y, platform::Axis::Z};
    for (int i = 0; i < 3; ++i)
        if (boxes[i]->isChecked() != m_window.view().autoRotation(axes[i]).running())
            return "an auto-rotation does not follow its box";
    for (const platform::ArcDial* dial :
         {m_window.panel().ArcDialX, m_window.panel().ArcDialY, m_window.panel().ArcDialZ})
        if (!std::isfinite(dial->value()))
            return "a dial holds a value that is not finite";
    if (m_window.puzzle().pendingCount() != 0)
        return "moves are left queued";
    if (std::abs(m_window.cube().turns[0]->duration() - engine::turnSeconds(m_window.panel().tbSpeedAnim->value())) >
        1e-6f)
        return "the turns do not run at the speed the slider sets";
    if (m_window.callout().isShown())
        return "a callout is left over the view";
    return {};
}

Outcome replay(const std::vector<Action>& actions)
{
    TFormMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return {0, "the window never showed"};
    Soak soak(window);
    for (std::size_t i = 0; i < actions.size(); ++i) {
        soak.apply(actions[i]);
        if (std::string problem = soak.settleAndCheck(); !problem.empty())
            return {long(i), problem};
    }
    return {};
}

std::vector<Action> shrink(std::vector<Action> failing)
{
    std::size_t chunk = failing.size() / 2;
    while (chunk >= 1) {
        bool removed = false;
        for (std::size_t start = 0; start < failing.size();) {
            std::vector<Action> without(failing.begin(), failing.begin() + long(start));
            without.insert(without.end(), failing.begin() + long(std::min(failing.size(), start + chunk)),
                           failing.end());
            const Outcome outcome = replay(without);
            if (outcome.failedAt >= 0) {
                // Everything after the failure is not needed either.
                without.resize(std::size_t(outcome.failedAt) + 1);
                failing = std::move(without);
                removed = true;
            } else {
                start += chunk;
            }
        }
        if (!removed)
            chunk /= 2;
    }
    return failing;
}

} // namespace velmar::soak
