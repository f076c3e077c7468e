// What screen readers learn of the controls Qt does not know: their role, state, value and range.
#pragma once

class QAccessibleInterface;

namespace velmar::platform {

class FloatSlider;
class ArcDial;
class CalloutPanel;

// Each defined beside its control.
QAccessibleInterface* accessibleFloatSlider(FloatSlider* slider);
QAccessibleInterface* accessibleArcDial(ArcDial* dial);
QAccessibleInterface* accessibleCallout(CalloutPanel* panel);

// Registers the interfaces above with Qt's accessibility, once per process.
void installControlAccessibility();

} // namespace velmar::platform
