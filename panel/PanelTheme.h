// The panel keeps its own colours and text size whatever the desktop's theme: its lilac background is
// fixed by design, so the text drawn on it must not follow a dark scheme into light-on-light.
#pragma once

class QWidget;

namespace velmar::panel {

// Gives `panel` and its controls the light palette and the 9-point text the panel was laid out for.
void keepPanelTheme(QWidget* panel);

} // namespace velmar::panel
