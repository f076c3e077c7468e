// The twelve built-in patterns: move strings that draw decorations on the solved cube, and their
// playback letter by letter under a progress bar.
#pragma once

#include "FaceTurns.h"

#include <QByteArray>
#include <QMetaObject>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace velmar::engine {

inline constexpr int kPatternCount = 12;

// Indexed by the pattern list's item index. The "F" of entry 5 is no move letter: it turns nothing but
// still counts in the length shown and on the progress bar.
extern const std::array<const char*, kPatternCount> FUN_LABELS; // UTF-8
extern const std::array<const char*, kPatternCount> FUN_VALUES; // 8-bit move letters

// The list item of a pattern: its label, " (", the length of its move string, ")".
QString patternItemText(int index);

// What playback needs of the window around it.
class PatternHost {
public:
    virtual ~PatternHost() = default;
    virtual void setMvtAuto(bool playing) = 0;
    virtual void setCommandEnabled(bool enabled) = 0;
    // The progress bar keeps its value within its range.
    virtual void setProgressValue(int value) = 0;
    virtual int progressValue() const = 0;
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressVisible(bool visible) = 0;
    // Puts the cube back to solved.
    virtual void SortVelmar() = 0;
};

// Letters to play under the progress bar, as a pattern is: the built-in patterns, a scramble, a solution.
struct Playback {
    QByteArray letters;
    // Patterns start from the solved cube.
    bool resetFirst = false;
    // Asked when the playback is about to start; false drops it (a solution for a cube that changed).
    std::function<bool()> stillWanted;
    // Run right before the first letter and right after the last (a scramble's turn speed).
    std::function<void()> before;
    std::function<void()> after;
};

class TPatternPlayer {
public:
    TPatternPlayer(TFaceTurns& turns, PatternHost& host);
    ~TPatternPlayer();
    TPatternPlayer(const TPatternPlayer&) = delete;
    TPatternPlayer& operator=(const TPatternPlayer&) = delete;

    // Resets the cube and plays pattern `index`, from the event loop rather than from inside the caller
    // (the list's own signal): it starts once no turn is running or queued. A newer request replaces
    // one that has not started yet; a request while a pattern plays is dropped, and none starts after
    // the window closed.
    void request(int index);
    // The same for any letters.
    void request(Playback playback);
    bool hasPendingRequest() const { return m_pending.has_value(); }

    // Plays each character of TheMvts as a full turn, the panel disabled throughout and the progress bar
    // counting the characters. Returns when the last turn is over.
    void PlayMvt(const QByteArray& TheMvts);
    bool isPlaying() const { return m_playing; }

private:
    void startWhenIdle();
    void post();

    TFaceTurns& m_turns;
    PatternHost& m_host;
    std::optional<Playback> m_pending;
    bool m_posted = false;
    bool m_playing = false;
    QMetaObject::Connection m_idle;
    // The posted start's context: a start still queued when the player goes is dropped with it.
    QObject m_postContext;
};

} // namespace velmar::engine
