// The history as the moves window shows and copies it: one line per run of steps from one place (the
// user's own turns, a pattern, a scramble, a solution, an algorithm, the start position), in standard
// notation, and the turns counted since the last scramble or return to the start position.
#pragma once

#include "History.h"

#include <QStringList>

#include <vector>

namespace velmar::engine {

struct HistoryLine {
    TurnSource source;
    QString name;       // a pattern's label
    bool reset = false; // it puts the whole cube back to the start position first
    QStringList moves;  // standard notation, two equal quarter turns in a row as one half turn
};

struct HistoryText {
    // Oldest first: the last move of the last line is what undo takes back next.
    std::vector<HistoryLine> done;
    // In the order redo would play them again.
    std::vector<HistoryLine> undone;
};

HistoryText describeHistory(const TurnHistory& history);

// "Your turns", "Pattern “Damier”", "Scramble", "Solution", "Algorithm", "Start position".
QString lineLabel(const HistoryLine& line);

// The done lines as plain notation, one line each with its label as a comment: it reads back as an
// algorithm.
QString plainHistory(const HistoryText& text);

struct TurnCount {
    int quarterTurns = 0;
    int faceTurns = 0; // a half turn counts once
};

// The turns done since the last scramble or jump of the whole cube (since the start when there was none).
TurnCount countSinceScramble(const TurnHistory& history);

} // namespace velmar::engine
