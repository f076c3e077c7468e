// StyleBook1: the six styles of the colour buttons.
#pragma once

#include "platform/controls/StyledButton.h"

#include <span>

namespace velmar::panel {

std::span<const platform::ButtonStyle> StyleBook1();

} // namespace velmar::panel
