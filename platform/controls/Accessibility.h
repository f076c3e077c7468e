// What screen readers learn of the controls Qt does not know: their role, state, value and range.
#pragma once

class QAccessibleInterface;

namespace velmar::platform {

class FloatSlider;
class ArcDial;
class CalloutPanel;
class LinkLabel;

// Each defined beside its control.
QAccessibleInterface* accessibleFloatSlider(FloatSlider* slider);
QAccessibleInterface* accessibleArcDial(ArcDial* dial);
QAccessibleInterface* accessibleCallout(CalloutPanel* panel);
QAccessibleInterface* accessibleLinkLabel(LinkLabel* link);

// Registers the interfaces above with Qt's accessibility, once per process; each control calls it
// before its interface can be asked for.
void installControlAccessibility();

} // namespace velmar::platform
