#include "HelpWindow.h"

#include "PuzzleMenu.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velmar::app {
namespace {

struct LetterRow {
    const char* letters;
    const char* face;
};
constexpr LetterRow kLetters[] = {
    {"R r", "front (red)"},     {"O o", "back (orange)"}, {"W w", "top (white)"},
    {"Y y", "bottom (yellow)"}, {"G g", "left (green)"},  {"B b", "right (blue)"},
};

} // namespace

QString HelpWindow::helpText()
{
    QString html = QStringLiteral("<h3>Move letters</h3><p>Type a letter anywhere in the window to turn a face "
                                  "a quarter turn: upper case clockwise as seen from outside that face, lower "
                                  "case anticlockwise.</p><table cellspacing=\"0\" cellpadding=\"3\">");
    for (const LetterRow& row : kLetters)
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(row.letters, row.face);
    html += QStringLiteral("</table><h3>Shortcuts</h3><table cellspacing=\"0\" cellpadding=\"3\">");
    for (const PuzzleCommandDecl& decl : puzzleCommands()) {
        const QString keys = QString::fromLatin1(decl.keys).replace(QLatin1String("; "), QLatin1String(", "));
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(keys, QString::fromLatin1(decl.text));
    }
    html += QStringLiteral("<tr><td><b>Menu, Shift+F10</b></td><td>The menu of these commands (also a right "
                           "click on the cube)</td></tr></table>");
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
