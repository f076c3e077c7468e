// The twelve move letters and the words for the six faces: the one table that typing, turning, solving,
// the help, the accessible names and the standard notation all read. Plain C++, so the solver reads it too.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace velmar::cube {

// One face, in TStickPosition order (front, back, top, bottom, right, left).
struct FaceLetter {
    // Upper case: a quarter turn clockwise as seen from outside the face; lower case: anticlockwise.
    char clockwise;
    // The sense of the clockwise turn about the face's pivot axis, +90 or -90: the cube's axes are fixed,
    // so faces on opposite sides of an axis turn it opposite ways.
    std::int8_t clockwiseSense;
    // The face in standard notation, from the declared view: white up, red in front, blue on the right.
    char notation;
    const char* side;   // "front"
    const char* colour; // of its stickers at start, and of its centre for ever
};

inline constexpr int kFaceCount = 6;

inline constexpr std::array<FaceLetter, kFaceCount> kFaceLetters = {{
    {'R', 90, 'F', "front", "red"},
    {'O', -90, 'B', "back", "orange"},
    {'W', 90, 'U', "top", "white"},
    {'Y', -90, 'D', "bottom", "yellow"},
    {'B', -90, 'R', "right", "blue"},
    {'G', 90, 'L', "left", "green"},
}};

// What a move letter names: a face (its index in kFaceLetters) and a sense.
struct LetterMeaning {
    int face;
    bool clockwise;
    // The sense about the pivot's own axis, +90 or -90.
    constexpr std::int8_t sense() const
    {
        const std::int8_t s = kFaceLetters[std::size_t(face)].clockwiseSense;
        return clockwise ? s : std::int8_t(-s);
    }
};

constexpr char toLowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// The letter that turns `face` in the given sense.
constexpr char moveLetter(int face, bool clockwise)
{
    const char upper = kFaceLetters[std::size_t(face)].clockwise;
    return clockwise ? upper : toLowerAscii(upper);
}

// None for any character that is not one of the twelve letters.
constexpr std::optional<LetterMeaning> meaningOf(char letter)
{
    for (int face = 0; face < kFaceCount; ++face) {
        if (letter == moveLetter(face, true))
            return LetterMeaning{face, true};
        if (letter == moveLetter(face, false))
            return LetterMeaning{face, false};
    }
    return std::nullopt;
}

// The letter that undoes `letter`; any other character is its own.
constexpr char inverseLetter(char letter)
{
    const std::optional<LetterMeaning> m = meaningOf(letter);
    return m ? moveLetter(m->face, !m->clockwise) : letter;
}

// The face of a standard-notation face letter (U D F B R L), or -1.
constexpr int faceOfNotation(char notation)
{
    for (int face = 0; face < kFaceCount; ++face)
        if (kFaceLetters[std::size_t(face)].notation == notation)
            return face;
    return -1;
}

} // namespace velmar::cube
