#include "Move.h"

#include "cube/FaceLetters.h"

namespace velmar::engine {

// The letter table lists its faces in the order of the sticker placements.
static_assert(cube::meaningOf('R')->face == int(cube::TStickPosition::PoFront));
static_assert(cube::meaningOf('O')->face == int(cube::TStickPosition::PoBack));
static_assert(cube::meaningOf('W')->face == int(cube::TStickPosition::PoTop));
static_assert(cube::meaningOf('Y')->face == int(cube::TStickPosition::PoBottom));
static_assert(cube::meaningOf('B')->face == int(cube::TStickPosition::PoRight));
static_assert(cube::meaningOf('G')->face == int(cube::TStickPosition::PoLeft));

std::optional<Move> moveOfLetter(char letter)
{
    const std::optional<cube::LetterMeaning> meaning = cube::meaningOf(letter);
    if (!meaning)
        return std::nullopt;
    return Move{letter, cube::TStickPosition(meaning->face), meaning->sense()};
}

Move Move::inverse() const
{
    return {cube::inverseLetter(letter), face, std::int8_t(-quarter)};
}

} // namespace velmar::engine
