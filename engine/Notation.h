// Algorithms as people write them, read into the cube's move letters, and moves written back in the
// standard notation every cuber reads: U D F B R L from the declared view (white up, red in front, blue
// on the right), X clockwise seen from outside face X, X' anticlockwise, X2 a half turn.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string_view>

namespace velmar::engine {

enum class Notation {
    Standard,      // U D F B R L
    ColourLetters, // the program's own letters: R O W Y G B, lower case anticlockwise
};

// Longer algorithms are refused: a pasted page must not keep the cube busy for an hour.
inline constexpr int kMaxAlgorithmQuarterTurns = 1000;

struct ParsedAlgorithm {
    QByteArray letters; // one move letter per quarter turn
    QString error;      // empty when the whole text reads as moves
    int line = 0;       // where the error is, from 1
    int column = 0;
    bool ok() const { return error.isEmpty(); }
};

// Reads moves (each with no suffix, ', ’ (as web pages write it), 2, 2' or 2’), spaces optional,
// parentheses with an optional repeat count, and comments from // to the end of a line. The first
// token that is no move stops the reading: the error names it and says where. Slice and wide turns
// and whole-cube rotations get their own reason: the centres of this cube never move.
ParsedAlgorithm parseAlgorithm(const QString& text, Notation notation);

// One token: "F", "F'".
QString standardMove(char letter);
// Standard notation of move letters, two equal quarter turns in a row as one half turn ("F2").
QStringList standardTokens(std::string_view letters);

} // namespace velmar::engine
