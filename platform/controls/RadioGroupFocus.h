// Tab enters a group of radio buttons on its checked one, as screen readers and other toolkits expect;
// the arrow keys move within the group as usual.
#pragma once

class QWidget;

namespace velmar::platform {

// Keeps the tab stop of `group`'s auto-exclusive radio buttons on the checked one, whenever it changes.
void keepTabStopOnCheckedRadio(QWidget* group);

} // namespace velmar::platform
