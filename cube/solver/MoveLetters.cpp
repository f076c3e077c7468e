#include "MoveLetters.h"

#include "Cubies.h"
#include "Facelets.h"

#include "cube/FaceLetters.h"

#include <algorithm>

namespace velmar::solver {
namespace faces = velmar::cube;
namespace {

// The clockwise letter of each solver face, in Face order U R F D L B.
constexpr std::array<char, 6> kClockwiseLetters = [] {
    std::array<char, 6> letters{};
    constexpr char order[] = "URFDLB";
    for (int f = 0; f < 6; ++f)
        letters[std::size_t(f)] = faces::moveLetter(faces::faceOfNotation(order[f]), true);
    return letters;
}();
static_assert(kClockwiseLetters[0] == 'W' && kClockwiseLetters[5] == 'O');

} // namespace

Facelets applyMoves(Facelets cube, std::string_view letters)
{
    for (char letter : letters)
        for (int f = 0; f < 6; ++f) {
            if (letter == kClockwiseLetters[std::size_t(f)])
                cube = turnFace(cube, Face(f), 1);
            else if (letter == faces::toLowerAscii(kClockwiseLetters[std::size_t(f)]))
                cube = turnFace(cube, Face(f), 3);
        }
    return cube;
}

std::string lettersOf(const std::vector<std::uint8_t>& moves)
{
    std::string letters;
    for (int m : moves) {
        const char upper = kClockwiseLetters[std::size_t(moveFace(m))];
        const int turns = moveTurns(m);
        if (turns == 3)
            letters += faces::toLowerAscii(upper);
        else
            letters.append(std::size_t(turns), upper);
    }
    return letters;
}

std::string inverseLetters(const std::string& letters)
{
    std::string inverse(letters.rbegin(), letters.rend());
    for (char& c : inverse)
        c = faces::inverseLetter(c);
    return inverse;
}

} // namespace velmar::solver
