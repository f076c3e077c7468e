// The rectangle that holds every control of the command panel: disabling it disables them all (the
// disabled look comes from the panel's dimming).
#pragma once

#include <QColor>
#include <QWidget>

namespace velmar::panel {

class CommandRect : public QWidget {
    Q_OBJECT
public:
    explicit CommandRect(QColor fill, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
};

} // namespace velmar::panel
