#include "HelpWindow.h"

#include "PuzzleMenu.h"

#include "cube/FaceLetters.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velmar::app {

QString HelpWindow::helpText()
{
    QString html = QStringLiteral("<h3>Move letters</h3><p>Type a letter anywhere in the window to turn a face "
                                  "a quarter turn: upper case clockwise as seen from outside that face, lower "
                                  "case anticlockwise.</p><table cellspacing=\"0\" cellpadding=\"3\">");
    for (int face = 0; face < cube::kFaceCount; ++face) {
        const cube::FaceLetter& row = cube::kFaceLetters[std::size_t(face)];
        html += QStringLiteral("<tr><td><b>%1 %2</b></td><td>%3 (%4)</td></tr>")
                    .arg(QChar(cube::moveLetter(face, true)), QChar(cube::moveLetter(face, false)),
                         QLatin1String(row.side), QLatin1String(row.colour));
    }
    html += QStringLiteral("</table><h3>Shortcuts</h3><table cellspacing=\"0\" cellpadding=\"3\">");
    const auto keysText = [](const char* keys) {
        return QString::fromLatin1(keys).replace(QLatin1String("; "), QLatin1String(", "));
    };
    for (const PuzzleCommandDecl& decl : puzzleCommands())
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(keysText(decl.keys), QString::fromLatin1(decl.text));
    html += QStringLiteral("<tr><td><b>%1</b></td><td>The menu of these commands (also a right click on the "
                           "cube)</td></tr></table>")
                .arg(keysText(kMenuKeys));
    return html;
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Velmar's Cube - Help"));
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("HelpText"));
    text->setAccessibleName(QStringLiteral("Help"));
    text->setHtml(helpText());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(380, 420);
}

} // namespace velmar::app
