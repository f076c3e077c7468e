#include "SpokenNotice.h"

#include "Accessibility.h"

namespace velmar::platform {
namespace {

class AccessibleNotice : public QAccessibleWidget {
public:
    explicit AccessibleNotice(SpokenNotice* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}
};

} // namespace

SpokenNotice::SpokenNotice(QWidget* parent) : QWidget(parent)
{
    registerAccessible<SpokenNotice, AccessibleNotice>();
    setObjectName(QStringLiteral("SpokenNotice"));
    // Nothing on screen, nothing to reach with Tab or the pointer.
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void SpokenNotice::say(const QString& text)
{
    // A screen reader speaks the notification when it is shown.
    hide();
    setAccessibleName(text);
    show();
}

} // namespace velmar::platform
