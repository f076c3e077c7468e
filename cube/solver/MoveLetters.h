// The program's move letters: upper case a clockwise quarter turn of the face whose centre has that
// colour's initial (W white top, Y yellow bottom, R red front, O orange back, G green left, B blue right),
// lower case anticlockwise.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmar::solver {

// Face moves (0..17, see Cubies.h) as letters, a half turn as two equal upper-case letters.
std::string lettersOf(const std::vector<std::uint8_t>& moves);
// The letters that undo `letters`: reversed, each the other way round.
std::string inverseLetters(const std::string& letters);

} // namespace velmar::solver
