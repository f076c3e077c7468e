#include "ButtonStyles.h"

#include <array>

namespace velmar::panel {
namespace {

// name, outer fill, face colour, hover-in start and stop, hover-out start and stop, pressed, focus
constexpr std::array<platform::ButtonStyle, 6> kStyles = {{
    {"BtnRouge", 0xFFEFEFEF, 0xFFFF0000, 0xFFFF0000, 0xFFF89C9C, 0xFFF89C9C, 0xFFFF0000, 0xFF4F4848, 0xFFFF0000},
    {"BtnVert", 0xFFEFEFEF, 0xFF008000, 0xFF008000, 0xFF1ADA1A, 0xFF1ADA1A, 0xFF008000, 0xFF4F4848, 0xFF008000},
    {"BtnBlanc", 0xFFEFEFEF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFF5DEB3, 0xFFFFFFFF},
    {"BtnBleu", 0xFFEFEFEF, 0xFF0000FF, 0xFF0000FF, 0xFFA5D9FF, 0xFFA5D9FF, 0xFF0000FF, 0xFF0000FF, 0x82005ACC},
    {"BtnOrange", 0xFFFE9E0C, 0xFFFE9E0C, 0xFFFF7F50, 0xFFFE9E0C, 0xFFFF7F50, 0xFFFE9E0C, 0xFFFE9E0C, 0xFFFE9E0C},
    {"BtnJaune", 0xFFEFEFEF, 0xFFFFFF00, 0xFFFFE4C4, 0xFFFFFF00, 0xFFFFFF00, 0xFFFFE4C4, 0xFFFFFF00, 0xFFFFFF00},
}};

} // namespace

std::span<const platform::ButtonStyle> StyleBook1()
{
    return kStyles;
}

} // namespace velmar::panel
