#include "RestoreBox.h"

#include <QMessageBox>
#include <QPushButton>

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
    box.exec();
    if (box.clickedButton() == yes)
        return TAnswer::Yes;
    if (box.clickedButton() == no)
        return TAnswer::No;
    return TAnswer::Cancel;
}
