// The twelve built-in patterns: move strings that draw decorations on the solved cube, and their
// playback letter by letter under a progress bar.
#pragma once

#include "FaceTurns.h"

#include <QByteArray>
#include <QString>

#include <array>
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

class TPatternPlayer {
public:
    TPatternPlayer(TFaceTurns& turns, PatternHost& host);

    // Resets the cube and plays pattern `index`, from the event loop rather than from inside the caller
    // (the list's own signal): it starts once no turn is running or queued. A newer request replaces
    // one that has not started yet; a request while a pattern plays is dropped, and none starts after
    // the window closed.
    void request(int index);
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
    std::optional<int> m_pending;
    bool m_posted = false;
    bool m_playing = false;
};

} // namespace velmar::engine
