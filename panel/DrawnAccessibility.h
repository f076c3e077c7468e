// Screen readers learn where each control of a scaled panel is drawn, not where it lies in design
// units: every accessible interface of a control inside a ScaledLayout reports the drawn rectangle and
// hands everything else to the interface Qt (or the control) provides.
#pragma once

namespace velmar::panel {

// Once per process, before any control of a scaled panel is made: an interface made earlier is kept.
void reportDrawnRectangles();

} // namespace velmar::panel
