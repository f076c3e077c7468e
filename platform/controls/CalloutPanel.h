// A small panel with a pointer on its left side that shows a text (a slider's value) and whose opacity
// an animation can drive; at opacity 0 it stays in place, only transparent.
#pragma once

#include <QWidget>

class QLabel;
class QGraphicsOpacityEffect;

namespace velmar::platform {

class CalloutPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPointerWidth = 23;  // along the panel's left side
    static constexpr int kPointerLength = 11; // how far it sticks out to the left
    static constexpr int kTextInset = 5;

    explicit CalloutPanel(QWidget* parent = nullptr);

    // The text element: fills the panel, its text inset from the left.
    QLabel* textElement() const { return m_text; }
    QString text() const;
    void setText(const QString& text);

    qreal opacity() const { return m_opacity; }
    void setOpacity(qreal opacity);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeText();

    QLabel* m_text;
    QGraphicsOpacityEffect* m_fade;
    qreal m_opacity = 1;
};

} // namespace velmar::platform
