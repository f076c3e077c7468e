// The rectangle that holds every control of the command panel: disabling it disables them all (the
// disabled look comes from the panel's dimming).
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace velmar::panel {

class CommandRect : public QWidget {
    Q_OBJECT
public:
    explicit CommandRect(QColor fill, QWidget* parent = nullptr);

    // Enables or disables every control at once. Disabling moves the focus out of the panel; the control
    // that had it gets it back when the panel is enabled again, so a keyboard user carries on where they
    // were.
    void setCommandsEnabled(bool enabled);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    QPointer<QWidget> m_focusBefore;
};

} // namespace velmar::panel
