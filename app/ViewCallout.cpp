#include "ViewCallout.h"

#include "platform/gl/Viewport3D.h"

#include <QFontMetrics>
#include <QLabel>

namespace velmar::app {

ViewCallout::ViewCallout(QWidget& window, const QColor& background)
    : m_holder(new QWidget(&window)),
      m_panel(new platform::CalloutPanel(m_holder)),
      m_hint(*m_panel, QStringLiteral("FaViewCallout"), kFadeDelay, kFadeSeconds)
{
    m_holder->setObjectName(QStringLiteral("ViewCallout"));
    // Over a native view window only another native window shows; over the view widget a native child
    // would break the window's own OpenGL composition.
    if (platform::Viewport3D::formForPlatform() == platform::Viewport3D::Form::NativeWindow)
        m_holder->setAttribute(Qt::WA_NativeWindow);
    m_holder->setAutoFillBackground(true);
    QPalette palette = m_holder->palette();
    palette.setColor(QPalette::Window, background);
    m_holder->setPalette(palette);
    m_holder->hide();
    m_panel->setObjectName(QStringLiteral("CPnlViewCallout"));
    QFont font = m_panel->textElement()->font();
    font.setPointSize(10);
    m_panel->textElement()->setFont(font);
    m_hint.fade().onFinish = [this](platform::FloatAnimation&) { m_holder->hide(); };
}

void ViewCallout::show(const QString& text, const QWidget& view)
{
    m_hint.report(text, [&] {
        const QFontMetrics metrics(m_panel->textElement()->font());
        const QSize size(metrics.horizontalAdvance(text) + platform::CalloutPanel::kPointerLength +
                             3 * platform::CalloutPanel::kTextInset,
                         metrics.height() + 2 * platform::CalloutPanel::kTextInset);
        const QPoint topLeft = view.mapTo(m_holder->parentWidget(), QPoint((view.width() - size.width()) / 2, 8));
        m_holder->setGeometry(QRect(topLeft, size));
        m_panel->setGeometry(QRect(QPoint(0, 0), size));
        m_holder->show();
        m_holder->raise();
    });
}

bool ViewCallout::isShown() const
{
    return m_holder->isVisible();
}

} // namespace velmar::app
