#include "Notation.h"

#include "cube/FaceLetters.h"

#include <QStringList>

#include <algorithm>
#include <optional>
#include <vector>

namespace velmar::engine {
namespace {

constexpr char16_t kTypographicApostrophe = u'\u2019';

bool isPrime(QChar c)
{
    return c == u'\'' || c == kTypographicApostrophe;
}

// Reads one algorithm text, keeping where it is for the messages.
class Reader {
public:
    Reader(const QString& text, Notation notation) : m_text(text), m_notation(notation) {}

    ParsedAlgorithm read()
    {
        std::vector<Group> groups(1);
        while (!failed() && skipBlanksAndComments()) {
            const QChar c = m_text.at(m_at);
            if (c == u'(') {
                groups.push_back({m_at, {}});
                ++m_at;
            } else if (c == u')') {
                if (groups.size() == 1)
                    return fail(m_at, QStringLiteral("“)” closes no “(”"));
                const Group group = groups.back();
                groups.pop_back();
                ++m_at;
                const qint64 times = readCount();
                append(groups.back().letters, group.letters, times);
            } else {
                readMove(groups.back().letters);
            }
        }
        if (!failed() && groups.size() > 1)
            return fail(groups.back().opened, QStringLiteral("this “(” is never closed"));
        if (!failed())
            m_result.letters = groups.front().letters;
        return m_result;
    }

private:
    struct Group {
        qsizetype opened = 0;
        QByteArray letters;
    };

    bool failed() const { return !m_result.ok(); }
    bool atEnd() const { return m_at >= m_text.size(); }

    // False at the end of the text.
    bool skipBlanksAndComments()
    {
        while (!atEnd()) {
            const QChar c = m_text.at(m_at);
            if (c.isSpace() || c == u',') {
                ++m_at;
            } else if (c == u'/' && m_at + 1 < m_text.size() && m_text.at(m_at + 1) == u'/') {
                while (!atEnd() && m_text.at(m_at) != u'\n')
                    ++m_at;
            } else {
                return true;
            }
        }
        return false;
    }

    // A repeat count right after ")"; 1 when there is none.
    qint64 readCount()
    {
        if (atEnd() || !m_text.at(m_at).isDigit())
            return 1;
        qint64 times = 0;
        while (!atEnd() && m_text.at(m_at).isDigit()) {
            // Anything this large is over the limit anyway.
            times = std::min<qint64>(times * 10 + m_text.at(m_at).digitValue(), kMaxAlgorithmQuarterTurns + 1);
            ++m_at;
        }
        return times;
    }

    void append(QByteArray& into, const QByteArray& letters, qint64 times)
    {
        if (times > 0 && (letters.size() * times > kMaxAlgorithmQuarterTurns - into.size())) {
            tooLong();
            return;
        }
        for (qint64 i = 0; i < times; ++i)
            into += letters;
    }

    void readMove(QByteArray& into)
    {
        const qsizetype start = m_at;
        const QChar c = m_text.at(m_at++);
        const std::optional<cube::LetterMeaning> face = faceOf(c);
        if (!face) {
            rejectToken(start);
            return;
        }
        // In standard notation a face letter followed by "w" is a wide turn.
        if (m_notation == Notation::Standard && !atEnd() && m_text.at(m_at) == u'w') {
            ++m_at;
            rejectToken(start);
            return;
        }
        bool clockwise = face->clockwise;
        int quarters = 1;
        if (!atEnd() && m_text.at(m_at) == u'2') {
            quarters = 2;
            ++m_at;
        }
        if (!atEnd() && isPrime(m_text.at(m_at))) {
            clockwise = !clockwise;
            ++m_at;
            // Some write the prime before the 2.
            if (quarters == 1 && !atEnd() && m_text.at(m_at) == u'2') {
                quarters = 2;
                ++m_at;
            }
        }
        if (!atEnd() && m_text.at(m_at).isDigit()) {
            // "R3": the suffix is what is wrong.
            rejectToken(start);
            return;
        }
        QByteArray move(quarters, cube::moveLetter(face->face, clockwise));
        append(into, move, 1);
    }

    // The face and sense a letter names in this notation.
    std::optional<cube::LetterMeaning> faceOf(QChar c) const
    {
        if (c.unicode() > 0x7F)
            return std::nullopt;
        const char ascii = char(c.unicode());
        if (m_notation == Notation::ColourLetters)
            return cube::meaningOf(ascii);
        const int face = cube::faceOfNotation(ascii);
        if (face < 0)
            return std::nullopt;
        return cube::LetterMeaning{face, true};
    }

    void rejectToken(qsizetype start)
    {
        // The token runs on over the suffixes a move could carry.
        qsizetype end = std::max(m_at, start + 1);
        while (end < m_text.size() && (isPrime(m_text.at(end)) || m_text.at(end).isDigit() ||
                                       (m_notation == Notation::Standard && m_text.at(end) == u'w')))
            ++end;
        const QString token = m_text.mid(start, end - start);
        fail(start, QStringLiteral("“%1” %2").arg(token, reasonFor(token)));
    }

    QString reasonFor(const QString& token) const
    {
        const QLatin1String never("; the centres of this cube do not move, so %1 do not exist here");
        const QChar first = token.at(0);
        if (m_notation == Notation::Standard) {
            if (QStringLiteral("MES").contains(first.toUpper()))
                return QStringLiteral("is a slice turn") + QString(never).arg(QLatin1String("slice turns"));
            if (QStringLiteral("xyz").contains(first.toLower()))
                return QStringLiteral("turns the whole cube") + QString(never).arg(QLatin1String("cube rotations"));
            if (QStringLiteral("udfblr").contains(first) ||
                (token.size() > 1 && token.at(1) == u'w' && cube::faceOfNotation(char(first.unicode())) >= 0))
                return QStringLiteral("is a wide turn") + QString(never).arg(QLatin1String("wide turns"));
            if (cube::faceOfNotation(char(first.unicode())) >= 0)
                return QStringLiteral("is not a move: a face is followed by nothing, ', 2 or 2'");
            return QStringLiteral("is not a move: the faces are U D F B R L");
        }
        if (cube::meaningOf(char(first.unicode())))
            return QStringLiteral("is not a move: a letter is followed by nothing, ', 2 or 2'");
        return QStringLiteral("is not a move: the letters are R O W Y G B, lower case anticlockwise");
    }

    void tooLong()
    {
        m_result.error = QStringLiteral("More than %1 quarter turns: an algorithm may have %1 at most")
                             .arg(kMaxAlgorithmQuarterTurns);
        m_result.line = 0;
        m_result.column = 0;
    }

    ParsedAlgorithm fail(qsizetype at, const QString& why)
    {
        const qsizetype lineStart = at == 0 ? 0 : m_text.lastIndexOf(u'\n', at - 1) + 1;
        m_result.line = int(m_text.left(at).count(u'\n')) + 1;
        m_result.column = int(at - lineStart) + 1;
        const bool severalLines = m_text.contains(u'\n');
        m_result.error = severalLines
                             ? QStringLiteral("Line %1, column %2: %3").arg(m_result.line).arg(m_result.column).arg(why)
                             : QStringLiteral("Column %1: %2").arg(m_result.column).arg(why);
        return m_result;
    }

    const QString& m_text;
    Notation m_notation;
    qsizetype m_at = 0;
    ParsedAlgorithm m_result;
};

} // namespace

ParsedAlgorithm parseAlgorithm(const QString& text, Notation notation)
{
    ParsedAlgorithm parsed = Reader(text, notation).read();
    if (!parsed.ok())
        parsed.letters.clear();
    return parsed;
}

QString standardMove(char letter)
{
    const std::optional<cube::LetterMeaning> meaning = cube::meaningOf(letter);
    if (!meaning)
        return {};
    const QChar face = QLatin1Char(cube::kFaceLetters[std::size_t(meaning->face)].notation);
    return meaning->clockwise ? QString(face) : QString(face) + u'\'';
}

QStringList standardTokens(std::string_view letters)
{
    QStringList tokens;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const QString move = standardMove(letters[i]);
        if (move.isEmpty())
            continue;
        if (i + 1 < letters.size() && letters[i + 1] == letters[i]) {
            tokens << QString(move.at(0)) + u'2';
            ++i;
        } else {
            tokens << move;
        }
    }
    return tokens;
}

} // namespace velmar::engine
