// What the twelve colour buttons say to a screen reader: a synthesizer reads "r" and "R" alike, so
// each button's name tells the face, its colour and the sense of the turn instead of its letter.
#pragma once

#include <span>

class QAbstractButton;

namespace velmar::panel {

// Names and describes each button after the move letter its caption holds; captions stay as they are.
void nameColourButtons(std::span<QAbstractButton* const> buttons);

} // namespace velmar::panel
