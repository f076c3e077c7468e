// Algorithms read from text, and moves written back in standard notation, against hand-written tables
// and the reference cube's own standard-notation turns.
#include "engine/Notation.h"

#include "support/ReferenceCube.h"

#include <gtest/gtest.h>

#include <random>

using namespace velmar;
using engine::Notation;
using testkit::ReferenceCube;

namespace {

struct Good {
    const char* text;
    Notation notation;
    const char* letters;
};

// U white W, D yellow Y, F red R, B orange O, R blue B, L green G; X' the lower-case letter.
const Good kGood[] = {
    {"R U R' U'", Notation::Standard, "BWbw"},
    {"RUR'U'", Notation::Standard, "BWbw"},
    {"F2 B2'", Notation::Standard, "RRoo"},
    {"R\u2019 U2\u2019 D'2", Notation::Standard, "bwwyy"},
    {"(R U R' U')2", Notation::Standard, "BWbwBWbw"},
    {"((R)2 U)2", Notation::Standard, "BBWBBW"},
    {"(L)0 D", Notation::Standard, "Y"},
    {"L D // then the back\n  B, F", Notation::Standard, "GYOR"},
    {"   ", Notation::Standard, ""},
    {"RgW2 (b)3 y'", Notation::ColourLetters, "RgWWbbbY"},
    {"Rw", Notation::ColourLetters, "Rw"},
};

TEST(Notation, ReadsMovesIntoTheProgramsLetters)
{
    for (const Good& good : kGood) {
        const engine::ParsedAlgorithm parsed = engine::parseAlgorithm(QString::fromUtf8(good.text), good.notation);
        EXPECT_TRUE(parsed.ok()) << good.text << ": " << parsed.error.toStdString();
        EXPECT_EQ(parsed.letters.toStdString(), good.letters) << good.text;
    }
}

struct Bad {
    const char* text;
    Notation notation;
    int line, column;
    const char* says;
};

const Bad kBad[] = {
    {"R U Q", Notation::Standard, 1, 5, "Column 5: “Q” is not a move"},
    {"R M U", Notation::Standard, 1, 3, "“M” is a slice turn; the centres of this cube do not move"},
    {"Rw U", Notation::Standard, 1, 1, "“Rw” is a wide turn"},
    {"R r2", Notation::Standard, 1, 3, "“r2” is a wide turn"},
    {"x R", Notation::Standard, 1, 1, "“x” turns the whole cube"},
    {"R U\nF E'", Notation::Standard, 2, 3, "Line 2, column 3: “E'” is a slice turn"},
    {"R3", Notation::Standard, 1, 1, "“R3” is not a move"},
    {"(R U", Notation::Standard, 1, 1, "never closed"},
    {"R) U", Notation::Standard, 1, 2, "closes no"},
    {"RUx", Notation::ColourLetters, 1, 2, "“U” is not a move: the letters are R O W Y G B"},
    {"(R U R' U')251", Notation::Standard, 0, 0, "More than 1000 quarter turns"},
    {"(R2)99999999999999999999", Notation::Standard, 0, 0, "More than 1000 quarter turns"},
};

TEST(Notation, RefusesWhatIsNoMoveSayingWhatAndWhere)
{
    for (const Bad& bad : kBad) {
        const engine::ParsedAlgorithm parsed = engine::parseAlgorithm(QString::fromUtf8(bad.text), bad.notation);
        EXPECT_FALSE(parsed.ok()) << bad.text;
        EXPECT_TRUE(parsed.letters.isEmpty()) << bad.text;
        EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(bad.says)))
            << bad.text << ": " << parsed.error.toStdString();
        EXPECT_EQ(parsed.line, bad.line) << bad.text;
        EXPECT_EQ(parsed.column, bad.column) << bad.text;
    }
}

TEST(Notation, TheLimitIsAThousandQuarterTurns)
{
    QString text;
    for (int i = 0; i < 500; ++i)
        text += QStringLiteral("U2 ");
    EXPECT_EQ(engine::parseAlgorithm(text, Notation::Standard).letters.size(), 1000);
    EXPECT_FALSE(engine::parseAlgorithm(text + QStringLiteral("D"), Notation::Standard).ok());
}

TEST(Notation, EachFaceTurnsAsTheReferenceCubesStandardTurn)
{
    for (char face : std::string("UDFBRL")) {
        for (int quarters : {1, 2, 3}) {
            const QString token = QString(QLatin1Char(face)) + (quarters == 2 ? "2" : quarters == 3 ? "'" : "");
            ReferenceCube played;
            played.play(engine::parseAlgorithm(token, Notation::Standard).letters.toStdString());
            ReferenceCube turned;
            turned.turn(face, quarters);
            EXPECT_EQ(played, turned) << token.toStdString();
        }
    }
}

TEST(Notation, WrittenBackItReadsAsTheSameTurns)
{
    EXPECT_EQ(engine::standardTokens("BBWbwRRoo").join(u' '), QStringLiteral("R2 U R' U' F2 B2"));
    std::mt19937 random(11);
    const std::string alphabet = "rRgGwWoObByY";
    for (int round = 0; round < 50; ++round) {
        std::string letters;
        for (int i = 0; i < 30; ++i)
            letters += alphabet[random() % alphabet.size()];
        const QString written = engine::standardTokens(letters).join(u' ');
        ReferenceCube original, reread;
        original.play(letters);
        reread.play(engine::parseAlgorithm(written, Notation::Standard).letters.toStdString());
        EXPECT_EQ(original, reread) << written.toStdString();
    }
}

} // namespace
