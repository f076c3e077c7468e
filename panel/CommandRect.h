// The rectangle that holds every control of the command panel; disabling it disables and dims them all.
#pragma once

#include <QColor>
#include <QWidget>

class QGraphicsOpacityEffect;

namespace velmar::panel {

class CommandRect : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal kDisabledOpacity = 0.8;

    CommandRect(QColor fill, QWidget* parent = nullptr);
    qreal drawnOpacity() const;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    QGraphicsOpacityEffect* m_dim;
};

} // namespace velmar::panel
