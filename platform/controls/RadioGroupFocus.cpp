#include "RadioGroupFocus.h"

#include <QRadioButton>

#include <algorithm>

namespace velmar::platform {

void keepTabStopOnCheckedRadio(QWidget* group)
{
    QList<QRadioButton*> radios = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    radios.removeIf([](const QRadioButton* radio) { return !radio->autoExclusive(); });
    auto follow = [radios] {
        // With none checked, each keeps its stop.
        const bool anyChecked = std::any_of(radios.begin(), radios.end(), [](auto* r) { return r->isChecked(); });
        for (QRadioButton* radio : radios) {
            const bool stop = radio->isChecked() || !anyChecked;
            radio->setFocusPolicy(stop ? Qt::FocusPolicy(radio->focusPolicy() | Qt::TabFocus)
                                       : Qt::FocusPolicy(radio->focusPolicy() & ~Qt::TabFocus));
        }
    };
    for (QRadioButton* radio : radios)
        QObject::connect(radio, &QAbstractButton::toggled, group, follow);
    follow();
}

} // namespace velmar::platform
