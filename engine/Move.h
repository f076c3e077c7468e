// One quarter turn of one face, as the turn engine plays it, and where turns come from.
#pragma once

#include "cube/StickPlacement.h"

#include <cstdint>
#include <optional>

namespace velmar::engine {

struct Move {
    char letter;
    cube::TStickPosition face;
    // The sense about the pivot's own axis, +90 or -90: what the sticker re-mapping reads.
    std::int8_t quarter;

    // The pivot's angles: a turn runs from its rest orientation (0 or 360) a quarter turn on.
    int startAngle() const { return quarter > 0 ? 0 : 360; }
    int stopAngle() const { return startAngle() + quarter; }
    Move inverse() const;
    bool operator==(const Move&) const = default;
};

// The move a letter names, if it is one of the twelve.
std::optional<Move> moveOfLetter(char letter);

// Who asked for a turn: the history, the solved watch and the moves list tell them apart.
enum class TurnSource : std::uint8_t {
    Hand,    // a letter, a colour button, a sticker drag
    Undo,    // the history taking a turn back
    Redo,    // the history playing it again
    Pattern, // the playbacks, under the progress bar
    Scramble,
    Solution,
    Algorithm,
};

constexpr bool isPlayback(TurnSource source)
{
    return source >= TurnSource::Pattern;
}

} // namespace velmar::engine
