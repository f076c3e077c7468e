#include "ColourButtonNames.h"

#include "engine/FaceTurns.h"
#include "input/TypedKeys.h"

#include <QAbstractButton>

#include <array>

namespace velmar::panel {
namespace {

using P = cube::TStickPosition;

struct FaceWords {
    P face;
    const char* name;   // as the name starts
    const char* colour; // its stickers at start
};

const std::array<FaceWords, 6> kFaces = {{
    {P::PoFront, "Front", "red"},
    {P::PoBack, "Back", "orange"},
    {P::PoTop, "Top", "white"},
    {P::PoBottom, "Bottom", "yellow"},
    {P::PoRight, "Right", "blue"},
    {P::PoLeft, "Left", "green"},
}};

// Upper-case letters turn clockwise as seen from outside their face, lower-case ones anticlockwise.
const char* senseOf(char letter)
{
    return letter >= 'A' && letter <= 'Z' ? "clockwise" : "anticlockwise";
}

} // namespace

void nameColourButtons(std::span<QAbstractButton* const> buttons)
{
    for (QAbstractButton* button : buttons) {
        const QString caption = button->text();
        const char letter = caption.isEmpty() ? '\0' : input::letterOf(caption.at(0).unicode());
        const std::optional<engine::Move> move = engine::moveOfLetter(letter);
        if (!move)
            continue;
        for (const FaceWords& words : kFaces) {
            if (words.face != move->face)
                continue;
            button->setAccessibleName(
                QStringLiteral("%1 face (%2), %3")
                    .arg(QLatin1String(words.name), QLatin1String(words.colour), QLatin1String(senseOf(letter))));
            button->setAccessibleDescription(
                QStringLiteral("Turns the %1 face a quarter turn %2, as seen from outside it; key %3")
                    .arg(QString::fromLatin1(words.name).toLower(), QLatin1String(senseOf(letter)), QChar(letter)));
        }
    }
}

} // namespace velmar::panel
