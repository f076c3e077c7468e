#include "Patterns.h"

#include <cstring>

namespace velmar::engine {

const std::array<const char*, kPatternCount> FUN_LABELS = {
    "Damier", "Barre", "2 Cubes",   "3 Cubes", "Carré", "Damier coloré",
    "Plus",   "Bande", "Diagonale", "Angle",   "L",     "Tetris",
};

const std::array<const char*, kPatternCount> FUN_VALUES = {
    "OORRWWYYGGBB", "RRGGOORRGGor",          "WWGGRRwOOYBrBrBryOOw",   "GGyRRyowoRByWBOGGOWW",
    "gBrOYwgB",     "OORRWWYYGGBBgBrOYwgFB", "RGGBBRROOWWGGBBRROOYYr", "rGGRRbyRRWRRBBRRYRRwbRRGG",
    "GBROGBROGBRO", "WGGRbGoRRBgYWWrGGw",    "OBBYRbGyoRyWgRRw",       "GBROGBROGBROWWYY",
};

QString patternItemText(int index)
{
    return QStringLiteral("%1 (%2)")
        .arg(QString::fromUtf8(FUN_LABELS.at(std::size_t(index))))
        .arg(std::strlen(FUN_VALUES.at(std::size_t(index))));
}

} // namespace velmar::engine
