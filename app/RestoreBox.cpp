#include "RestoreBox.h"

#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace {

// Qt centres a box before the window manager has framed it, so the frame pushes it off centre; each
// time a move, paint or activation shows a frame not yet allowed for, the box is centred again, frame and
// all. The frame is asked of the box's window: the widget's own copy of it can miss the window manager's
// late answer and stay unframed. A user's drag changes no frame, so it is left where the user puts it.
class CentreWhenFramed : public QObject {
public:
    explicit CentreWhenFramed(QWidget* box) : QObject(box), m_box(box) { box->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Paint && type != QEvent::WindowActivate)
            return false;
        const QWindow* window = m_box->windowHandle();
        if (!window || !m_box->screen())
            return false;
        const QMargins frame = window->frameMargins();
        if (frame.isNull() || frame == m_centredFor)
            return false;
        m_centredFor = frame;
        m_box->move(m_box->pos() + m_box->screen()->availableGeometry().center() - window->frameGeometry().center());
        return false;
    }

private:
    QWidget* m_box;
    QMargins m_centredFor;
};

} // namespace

TAnswer askRestoreInitialCube()
{
    // No parent: the box is centred on the screen rather than on the window, and modal to the whole
    // application.
    QMessageBox box(QMessageBox::Information, QStringLiteral("Informations"), QStringLiteral("Restore initial cube?"));
    box.setObjectName(QStringLiteral("RestoreBox"));
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    new CentreWhenFramed(&box);
    box.exec();
    if (box.clickedButton() == yes)
        return TAnswer::Yes;
    if (box.clickedButton() == no)
        return TAnswer::No;
    return TAnswer::Cancel;
}
