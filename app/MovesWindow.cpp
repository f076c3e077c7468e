#include "MovesWindow.h"

#include "engine/HistoryText.h"
#include "engine/Puzzle.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <functional>

namespace velmar::app {
namespace {

QString lineHtml(const engine::HistoryLine& line, bool markLast)
{
    QStringList moves;
    for (const QString& move : line.moves)
        moves << move.toHtmlEscaped();
    // What undo takes back next.
    if (markLast && !moves.isEmpty())
        moves.back() = QStringLiteral("<u><b>%1</b></u>").arg(moves.back());
    return QStringLiteral("<p><i>%1:</i> %2</p>")
        .arg(engine::lineLabel(line).toHtmlEscaped(), moves.isEmpty() ? QStringLiteral("–") : moves.join(u' '));
}

// The algorithm's text: Enter plays it, Shift+Enter starts a new line.
class AlgorithmField : public QPlainTextEdit {
public:
    AlgorithmField(std::function<void()> play, QWidget* parent) : QPlainTextEdit(parent), m_play(std::move(play)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            !(event->modifiers() & Qt::ShiftModifier)) {
            m_play();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }
    void insertFromMimeData(const QMimeData* source) override
    {
        // Qt 6.4 crashes pasting a clipboard that offers no format at all (its owner went away without a
        // clipboard manager to keep it): there is nothing to paste then anyway. (2026-12)
        if (source && !source->formats().isEmpty())
            QPlainTextEdit::insertFromMimeData(source);
    }

private:
    std::function<void()> m_play;
};

} // namespace

MovesWindow::MovesWindow(engine::Puzzle& puzzle, QWidget* parent)
    : QDialog(parent),
      m_puzzle(puzzle),
      m_history(new QTextBrowser(this)),
      m_counts(new QLabel(this)),
      m_copy(new QPushButton(QStringLiteral("&Copy"), this)),
      m_notation(new QComboBox(this)),
      m_field(new AlgorithmField([this] { play(); }, this)),
      m_play(new QPushButton(QStringLiteral("&Play"), this)),
      m_message(new QLabel(this)),
      m_clockTick(QStringLiteral("FaMovesClock"), [this](float) { writeCounts(); })
{
    setObjectName(QStringLiteral("MovesWindow"));
    setWindowTitle(QStringLiteral("Velmar's Cube - Moves"));

    m_history->setObjectName(QStringLiteral("MovesHistory"));
    m_history->setAccessibleName(QStringLiteral("Moves"));
    m_history->setAccessibleDescription(
        QStringLiteral("The turns since start in standard notation; the underlined move is what Undo takes "
                       "back next"));
    m_counts->setObjectName(QStringLiteral("MovesCounts"));
    m_counts->setAccessibleName(QStringLiteral("Turn count"));
    m_counts->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_copy->setObjectName(QStringLiteral("BtnCopyMoves"));
    m_copy->setAccessibleName(QStringLiteral("Copy the moves"));

    m_notation->setObjectName(QStringLiteral("CbNotation"));
    m_notation->setAccessibleName(QStringLiteral("Notation"));
    m_notation->addItem(QStringLiteral("Standard: U D F B R L"), int(engine::Notation::Standard));
    m_notation->addItem(QStringLiteral("Colour letters: R O W Y G B"), int(engine::Notation::ColourLetters));
    m_field->setObjectName(QStringLiteral("TxtAlgorithm"));
    m_field->setAccessibleName(QStringLiteral("Algorithm"));
    m_field->setAccessibleDescription(QStringLiteral("Moves to play; Enter plays them, Shift+Enter starts a new line"));
    m_field->setTabChangesFocus(true);
    m_field->setPlaceholderText(QStringLiteral("(R U R' U')6"));
    m_field->setFixedHeight(m_field->fontMetrics().lineSpacing() * 3 + 12);
    m_play->setObjectName(QStringLiteral("BtnPlayAlgorithm"));
    // Enter plays, wherever it is pressed in the window; Copy has its own Ctrl+C.
    m_play->setDefault(true);
    m_copy->setAutoDefault(false);
    m_play->setAccessibleName(QStringLiteral("Play the algorithm"));
    m_message->setObjectName(QStringLiteral("LbAlgorithmMessage"));
    m_message->setWordWrap(true);
    m_message->setAccessibleName(QStringLiteral("Algorithm message"));

    auto* algorithm = new QGroupBox(QStringLiteral("Play an algorithm"), this);
    auto* algorithmLayout = new QVBoxLayout(algorithm);
    auto* notationRow = new QHBoxLayout;
    auto* notationLabel = new QLabel(QStringLiteral("&Notation:"), algorithm);
    notationLabel->setBuddy(m_notation);
    notationRow->addWidget(notationLabel);
    notationRow->addWidget(m_notation, 1);
    algorithmLayout->addLayout(notationRow);
    algorithmLayout->addWidget(m_field);
    auto* playRow = new QHBoxLayout;
    playRow->addWidget(m_message, 1);
    playRow->addWidget(m_play, 0, Qt::AlignTop);
    algorithmLayout->addLayout(playRow);

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(m_counts, 1);
    countRow->addWidget(m_copy);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_history, 1);
    layout->addLayout(countRow);
    layout->addWidget(algorithm);
    layout->addWidget(buttons);
    resize(420, 460);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(m_copy, &QPushButton::clicked, this, &MovesWindow::copy);
    connect(m_play, &QPushButton::clicked, this, &MovesWindow::play);
    // Outside the field and the history's own selection, Ctrl+C copies the whole history.
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &MovesWindow::copy);

    m_clockTick.setStopValue(1);
    m_clockTick.setDuration(1);
    m_clockTick.setLoop(true);
    m_clockTick.setInterpolation(platform::Interpolation::Linear);

    // Every jump of the whole cube comes with a change of the history.
    connect(&m_puzzle, &engine::Puzzle::historyChanged, this, &MovesWindow::refresh);
    connect(&m_puzzle, &engine::Puzzle::solved, this, &MovesWindow::showCounts);
    connect(&m_puzzle, &engine::Puzzle::solutionFound, this, [this](const QByteArray& letters) {
        m_solution = letters;
        refresh();
    });
    connect(&m_puzzle, &engine::Puzzle::movePlayed, this, [this](const engine::Move&, engine::TurnSource source) {
        // Anything else turning the cube makes the solution stale.
        if (source != engine::TurnSource::Solution && source != engine::TurnSource::Undo &&
            source != engine::TurnSource::Redo)
            m_solution.clear();
    });
    connect(&m_puzzle, &engine::Puzzle::progressChanged, this, [this](int, int maximum) {
        // The playback that ends is the solution's (any other turned the cube first): it is in the
        // history now.
        if (maximum == 0 && !m_solution.isEmpty()) {
            m_solution.clear();
            refresh();
        }
    });
    connect(&m_puzzle, &engine::Puzzle::refused, this, [this](const QString& why) {
        if (isVisible())
            say(why);
    });
}

void MovesWindow::refresh()
{
    if (!isVisible())
        return;
    const engine::HistoryText text = engine::describeHistory(m_puzzle.history());
    QString html;
    for (std::size_t i = 0; i < text.done.size(); ++i)
        html += lineHtml(text.done[i], i + 1 == text.done.size());
    if (text.done.empty())
        html += QStringLiteral("<p><i>No turns yet.</i></p>");
    if (!text.undone.empty()) {
        html += QStringLiteral("<p style=\"color:gray\"><i>Redo would play again:</i></p><div style=\"color:gray\">");
        for (const engine::HistoryLine& line : text.undone)
            html += lineHtml(line, false);
        html += QStringLiteral("</div>");
    }
    if (!m_solution.isEmpty())
        html += QStringLiteral("<p><i>Solution found (%1 quarter turns):</i> %2</p>")
                    .arg(m_solution.size())
                    .arg(engine::standardTokens(m_solution.toStdString()).join(u' ').toHtmlEscaped());
    m_history->setHtml(html);
    m_history->moveCursor(QTextCursor::End);
    m_history->ensureCursorVisible();
    recount();
}

void MovesWindow::recount()
{
    const engine::TurnCount count = engine::countSinceScramble(m_puzzle.history());
    m_countText = QStringLiteral("%1 quarter turns, %2 face turns").arg(count.quarterTurns).arg(count.faceTurns);
    showCounts();
}

void MovesWindow::showCounts()
{
    if (!isVisible())
        return;
    writeCounts();
    const bool ticking = m_puzzle.isSolveClockRunning();
    if (ticking && !m_clockTick.running())
        m_clockTick.start();
    else if (!ticking && m_clockTick.running())
        m_clockTick.stop();
}

// Run by the clock's tick too, so it reads nothing but the clock.
void MovesWindow::writeCounts()
{
    QString text = m_countText;
    if (const std::optional<double> clock = m_puzzle.solveClock())
        text += QStringLiteral(" · clock %1").arg(engine::clockText(*clock));
    if (m_counts->text() != text)
        m_counts->setText(text);
}

QString MovesWindow::plainText() const
{
    return engine::plainHistory(engine::describeHistory(m_puzzle.history()));
}

void MovesWindow::copy()
{
    QApplication::clipboard()->setText(plainText());
    say(QStringLiteral("Copied the moves."));
}

void MovesWindow::play()
{
    const auto notation = engine::Notation(m_notation->currentData().toInt());
    const engine::ParsedAlgorithm parsed = engine::parseAlgorithm(m_field->toPlainText(), notation);
    if (!parsed.ok()) {
        say(parsed.error);
        // The text stays to be corrected, the cursor where it went wrong.
        if (parsed.line > 0) {
            QTextCursor cursor(m_field->document()->findBlockByNumber(parsed.line - 1));
            cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, parsed.column - 1);
            m_field->setTextCursor(cursor);
        }
        m_field->setFocus();
        return;
    }
    if (parsed.letters.isEmpty()) {
        say(QStringLiteral("Nothing to play: type moves first."));
        return;
    }
    if (m_puzzle.playAlgorithm(parsed.letters))
        say(QStringLiteral("Playing %1 quarter turns.").arg(parsed.letters.size()));
}

void MovesWindow::say(const QString& text)
{
    m_message->setText(text);
}

void MovesWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    refresh();
}

void MovesWindow::hideEvent(QHideEvent* event)
{
    m_clockTick.stop();
    QDialog::hideEvent(event);
}

} // namespace velmar::app
