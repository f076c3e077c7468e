// A notice that screen readers speak at once, whatever has the focus: an invisible widget in the
// notification role, shown anew with each text. (Orca 43 speaks a notification as it is shown; it
// says nothing of a changed name or description, and Qt 6.4 has no announcement to send.)
#pragma once

#include <QWidget>

namespace velmar::platform {

class SpokenNotice : public QWidget {
    Q_OBJECT
public:
    explicit SpokenNotice(QWidget* parent);

    // Speaks `text`, again when it is the same text as last time.
    void say(const QString& text);
};

} // namespace velmar::platform
