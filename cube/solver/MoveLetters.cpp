#include "MoveLetters.h"

#include "Cubies.h"
#include "Facelets.h"

#include <algorithm>
#include <cctype>

namespace velmar::solver {
namespace {

// In Face order U R F D L B.
constexpr char faceLetters[6] = {'W', 'B', 'R', 'Y', 'G', 'O'};

} // namespace

Facelets applyMoves(Facelets cube, std::string_view letters)
{
    for (char letter : letters)
        for (int f = 0; f < 6; ++f) {
            if (letter == faceLetters[f])
                cube = turnFace(cube, Face(f), 1);
            else if (letter == char(std::tolower(faceLetters[f])))
                cube = turnFace(cube, Face(f), 3);
        }
    return cube;
}

std::string lettersOf(const std::vector<std::uint8_t>& moves)
{
    std::string letters;
    for (int m : moves) {
        const char upper = faceLetters[moveFace(m)];
        const int turns = moveTurns(m);
        if (turns == 3)
            letters += char(std::tolower(upper));
        else
            letters.append(std::size_t(turns), upper);
    }
    return letters;
}

std::string inverseLetters(const std::string& letters)
{
    std::string inverse(letters.rbegin(), letters.rend());
    for (char& c : inverse)
        c = std::isupper(static_cast<unsigned char>(c)) ? char(std::tolower(c)) : char(std::toupper(c));
    return inverse;
}

} // namespace velmar::solver
