// The twelve built-in patterns: move strings that draw decorations on the solved cube.
#pragma once

#include <QString>

#include <array>

namespace velmar::engine {

inline constexpr int kPatternCount = 12;

// Indexed by the pattern list's item index. The "F" of entry 5 is no move letter: it turns nothing but
// still counts in the length shown and on the progress bar.
extern const std::array<const char*, kPatternCount> FUN_LABELS; // UTF-8
extern const std::array<const char*, kPatternCount> FUN_VALUES; // 8-bit move letters

// The list item of a pattern: its label, " (", the length of its move string, ")".
QString patternItemText(int index);

} // namespace velmar::engine
