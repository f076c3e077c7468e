// Screen readers learn where each control of a scaled panel is drawn, not where it lies in design
// units: every accessible interface of a control inside a ScaledLayout reports the drawn rectangle and
// hands everything else to the interface Qt (or the control) provides.
#pragma once

namespace velmar::panel {

// Once per process, after the controls' own interfaces are registered (the last registered is asked
// first).
void reportDrawnRectangles();

} // namespace velmar::panel
