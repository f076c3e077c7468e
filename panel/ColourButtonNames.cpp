#include "ColourButtonNames.h"

#include "cube/FaceLetters.h"
#include "input/TypedKeys.h"

#include <QAbstractButton>

namespace velmar::panel {

void nameColourButtons(std::span<QAbstractButton* const> buttons)
{
    for (QAbstractButton* button : buttons) {
        const QString caption = button->text();
        const char letter = caption.isEmpty() ? '\0' : input::letterOf(caption.at(0).unicode());
        const std::optional<cube::LetterMeaning> meaning = cube::meaningOf(letter);
        if (!meaning)
            continue;
        const cube::FaceLetter& face = cube::kFaceLetters[std::size_t(meaning->face)];
        const QString side = QString::fromLatin1(face.side);
        const QLatin1String sense(meaning->clockwise ? "clockwise" : "anticlockwise");
        button->setAccessibleName(QStringLiteral("%1 face (%2), %3")
                                      .arg(side.at(0).toUpper() + side.mid(1), QLatin1String(face.colour), sense));
        button->setAccessibleDescription(
            QStringLiteral("Turns the %1 face a quarter turn %2, as seen from outside it; key %3")
                .arg(side, sense, QChar(letter)));
    }
}

} // namespace velmar::panel
