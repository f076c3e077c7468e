// A randomized soak of the real window: a seeded stream of everything a person can do to it, real Qt
// events on the stepping clock, and after every action the invariants of a whole, consistent program.
#pragma once

#include "app/UMain.h"

#include "support/ReferenceCube.h"

#include <QEvent>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace velmar::soak {

enum class Act : std::uint8_t {
    Type,       // a typed character: a move letter, another letter or a digit
    KeyBurst,   // a held-down key: several presses, the later ones auto-repeated
    ControlKey, // Tab, Shift+Tab, the arrows, Space, Enter, Escape, Home, End, Page Up and Down
    ViewPress,  // a press, move or release on a sticker, a piece or the background, any button
    ViewMove,
    ViewRelease,
    DragSticker,    // press on a sticker, move along it, release
    DragBackground, // press on the view, several moves, release
    ColourButton,
    DialClick,
    DialDrag,
    CheckBox,
    SliderClick,
    SliderDrag,
    SliderKey,
    ListPick, // open a list and click an item
    ListKey,  // the keyboard on a focused list
    ListWheel,
    Radio,
    StartPosition, // the box answered Oui, Non, Escape or closed
    Link,
    Resize, // from the smallest window up to the whole screen
    Focus,
    PuzzleKey,  // Ctrl+Z, Ctrl+Shift+Z, Ctrl+Y, Ctrl+N, Ctrl+L, F1, Shift+F10, the Menu key
    PuzzleMenu, // a right click on the view, still or moving, then an entry of the menu or none
    Algorithm,  // text played from the moves window's field: moves in either notation, or not
    InTurn,     // a turn, and another action from inside it, a few animation steps in
    InPattern,  // a pattern, and another action from inside one of its turns
    Wait,
};
inline constexpr int kActCount = int(Act::Wait) + 1;
const char* toString(Act act);

// One action: what, and up to three numbers that say where, which and how (their meaning depends on
// the act; they are taken modulo what exists, so any numbers make a valid action).
struct Action {
    Act act = Act::Wait;
    int a = 0, b = 0, c = 0;
};
std::string toString(const Action& action);
// "Act a b c" as toString writes it; false when the text is not an action.
bool parse(const std::string& text, Action& action);
std::string toString(const std::vector<Action>& actions);
std::vector<Action> parseList(const std::string& text);

Action randomAction(std::mt19937& random);

class Soak {
public:
    // Installs the window's test seams (the move log, the box's answers, the link's opener); the window
    // must be shown.
    explicit Soak(TFormMain& window);
    ~Soak();
    Soak(const Soak&) = delete;
    Soak& operator=(const Soak&) = delete;

    void apply(const Action& action);
    // Lets the program come to rest (no turn, no pattern, no fade), then checks every invariant;
    // empty when all hold, else the first that does not.
    std::string settleAndCheck();

    const std::array<long, kActCount>& covered() const { return m_covered; }
    long movesPlayed() const { return m_moves; }
    long resets() const { return m_resets; }
    long linksOpened() const { return m_links; }

private:
    QPointF stickerPoint(int which, int where);
    void mouseOnView(QEvent::Type type, QPointF pos, Qt::MouseButton button);
    void key(QWidget* target, int key, const QString& text, bool autoRepeat = false,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QWidget* control(const char* name) const;
    QWidget* keyTarget() const;
    std::string checkInvariants();

    TFormMain& m_window;
    testkit::ReferenceCube m_model;
    Qt::MouseButtons m_viewButtons;
    std::array<long, kActCount> m_covered{};
    long m_moves = 0;
    long m_resets = 0;
    long m_links = 0;
    long m_scrambles = 0;
    TAnswer m_nextAnswer = TAnswer::No;
    // The model before each reset still in the history, and after each one undone: an undo of a reset
    // must give back exactly that cube. Kept as bare colours: a long soak resets thousands of times.
    std::vector<testkit::ReferenceCube::Colours> m_beforeResets;
    std::vector<testkit::ReferenceCube::Colours> m_resetsUndone;
    QMetaObject::Connection m_played;
    QMetaObject::Connection m_jumped;
};

// Replays `actions` on a fresh window; the index of the first action after which an invariant broke
// and what broke, or -1.
struct Outcome {
    long failedAt = -1;
    std::string problem;
};
Outcome replay(const std::vector<Action>& actions);

// The shortest list found that still fails, by removing ever smaller chunks (delta debugging).
std::vector<Action> shrink(std::vector<Action> failing);

} // namespace velmar::soak
