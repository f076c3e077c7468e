#include "HistoryText.h"

#include "Notation.h"

#include <ranges>
#include <string>

namespace velmar::engine {
namespace {

template <typename Steps>
std::vector<HistoryLine> linesOf(const Steps& steps)
{
    std::vector<HistoryLine> lines;
    std::string letters;
    const TurnGroup* group = nullptr;
    const auto close = [&] {
        if (!lines.empty())
            lines.back().moves = standardTokens(letters);
        letters.clear();
    };
    for (const TurnHistory::Step& step : steps) {
        const Move* move = step.move();
        // A start position of its own is a line of its own; a pattern's belongs to the pattern.
        if (step.group.get() != group || (!move && step.group->source == TurnSource::Hand)) {
            close();
            group = step.group.get();
            lines.push_back({group->source, group->name, false, {}});
        }
        if (move)
            letters += move->letter;
        else
            lines.back().reset = true;
    }
    close();
    return lines;
}

} // namespace

HistoryText describeHistory(const TurnHistory& history)
{
    return {linesOf(history.done()), linesOf(history.undone() | std::views::reverse)};
}

QString lineLabel(const HistoryLine& line)
{
    switch (line.source) {
    case TurnSource::Pattern:
        return QStringLiteral("Pattern “%1”").arg(line.name);
    case TurnSource::Scramble:
        return QStringLiteral("Scramble");
    case TurnSource::Solution:
        return QStringLiteral("Solution");
    case TurnSource::Algorithm:
        return QStringLiteral("Algorithm");
    default:
        return line.reset ? QStringLiteral("Start position") : QStringLiteral("Your turns");
    }
}

QString plainHistory(const HistoryText& text)
{
    QStringList lines;
    for (const HistoryLine& line : text.done) {
        const QString moves = line.moves.join(u' ');
        lines << (moves.isEmpty() ? QString() : moves + QStringLiteral("  ")) + QStringLiteral("// ") + lineLabel(line);
    }
    return lines.join(u'\n');
}

TurnCount countSinceScramble(const TurnHistory& history)
{
    const auto& done = history.done();
    auto from = done.end();
    while (from != done.begin()) {
        const TurnHistory::Step& step = *(from - 1);
        if (!step.move() || step.group->source == TurnSource::Scramble)
            break;
        --from;
    }
    std::string letters;
    for (auto it = from; it != done.end(); ++it)
        letters += it->move()->letter;
    return {int(letters.size()), int(standardTokens(letters).size())};
}

} // namespace velmar::engine
