// The pupil's result file: what is written reads back with its checksum
// right; an edited verdict, a damaged or foreign file is recognised; names
// are safe on any share and differ between pupils.
#include "result_file.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <string>

using namespace Qt::Literals::StringLiterals;
using classroom::FileProblem;

namespace {

classroom::ResultFile sample()
{
    classroom::ResultFile r;
    r.program = u"1.0.0"_s;
    r.code = u"9Б"_s;
    r.variant = 6;
    r.pupil = u"Иванов Пётр"_s;
    r.form = u"9Б"_s;
    r.checks = {{QDateTime(QDate(2026, 12, 9), QTime(10, 15, 42)), u"2"_s, 2, u"2,95"_s, u"5890"_s, u"Неверно !"_s,
                    u"Проверьте единицы измерения."_s},
        {QDateTime(QDate(2026, 12, 9), QTime(10, 17, 3)), u"2"_s, -2, u"2,95"_s, u"589"_s, u"Верно !"_s,
            u"натрий, 589 нм"_s}};
    return r;
}

TEST(ResultFile, ReadsBackWhatWasWrittenAndKnowsAnEditedVerdict)
{
    const QByteArray bytes = classroom::resultFileBytes(sample());
    const auto read = classroom::parseResultFile(bytes);
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(read.checksumOk);
    EXPECT_EQ(read.result.pupil, u"Иванов Пётр"_s);
    EXPECT_EQ(read.result.decimalMark, u',');
    ASSERT_EQ(read.result.checks.size(), 2u);
    EXPECT_EQ(read.result.checks[1].time, QDateTime(QDate(2026, 12, 9), QTime(10, 17, 3)));
    EXPECT_EQ(read.result.checks[1].order, -2);
    EXPECT_EQ(read.result.checks[0].hint, u"Проверьте единицы измерения."_s);

    // «Неверно» made «Верно» by hand: still readable, but no longer what was written.
    QByteArray edited = bytes;
    edited.replace("\"Неверно !\"", "\"Верно !\"");
    ASSERT_NE(edited, bytes);
    const auto forged = classroom::parseResultFile(edited);
    ASSERT_TRUE(forged.ok());
    EXPECT_FALSE(forged.checksumOk);
    EXPECT_EQ(forged.result.checks[0].verdict, u"Верно !"_s);

    // Blanks and line breaks do not count: the content does.
    QByteArray reflowed = bytes;
    reflowed.replace("\n", "\r\n  ");
    EXPECT_TRUE(classroom::parseResultFile(reflowed).checksumOk);
}

// Every start is recorded with its time and covered by the checksum. A
// file from before the list (no "starts", its checksum over the rest) was
// one start, made when its first check was.
TEST(ResultFile, StartsReadBackAndAFileWithoutThemHadOne)
{
    classroom::ResultFile r = sample();
    r.starts = {QDateTime(QDate(2026, 12, 9), QTime(10, 15)), QDateTime(QDate(2026, 12, 10), QTime(9, 0, 5))};
    const QByteArray bytes = classroom::resultFileBytes(r);
    const auto read = classroom::parseResultFile(bytes);
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(read.checksumOk);
    EXPECT_EQ(read.result.starts, r.starts);
    EXPECT_EQ(classroom::resultFileBytes(read.result), bytes);
    QByteArray oneStartLess = bytes;
    oneStartLess.replace("\"2026-12-10T09:00:05\"", "");
    oneStartLess.replace("\"2026-12-09T10:15:00\",", "\"2026-12-09T10:15:00\"");
    ASSERT_NE(oneStartLess, bytes);
    const auto shortened = classroom::parseResultFile(oneStartLess);
    ASSERT_TRUE(shortened.ok());
    EXPECT_EQ(shortened.result.starts.size(), 1u);
    EXPECT_FALSE(shortened.checksumOk);

    QJsonObject old = QJsonDocument::fromJson(bytes).object();
    old.remove(u"starts"_s);
    old.remove(u"sha256"_s);
    old.insert(u"sha256"_s,
        QString::fromLatin1(
            QCryptographicHash::hash(QJsonDocument(old).toJson(QJsonDocument::Compact), QCryptographicHash::Sha256)
                .toHex()));
    const auto older = classroom::parseResultFile(QJsonDocument(old).toJson());
    ASSERT_TRUE(older.ok());
    EXPECT_TRUE(older.checksumOk);
    EXPECT_EQ(older.result.checks.size(), 2u);
    EXPECT_EQ(older.result.starts, std::vector<QDateTime>{QDateTime(QDate(2026, 12, 9), QTime(10, 15, 42))});
}

struct Refusal {
    const char *name;
    QByteArray bytes;
    FileProblem problem;
    QString field;
};

class ResultFileRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(ResultFileRefuses, WithTheProblemAndTheField)
{
    const auto read = classroom::parseResultFile(GetParam().bytes);
    EXPECT_EQ(read.error.problem, GetParam().problem);
    EXPECT_EQ(read.error.detail, GetParam().field);
}

QByteArray withField(const char *from, const char *to)
{
    QByteArray bytes = classroom::resultFileBytes(sample());
    EXPECT_TRUE(bytes.contains(from)) << from;
    return bytes.replace(from, to);
}

INSTANTIATE_TEST_SUITE_P(Files, ResultFileRefuses,
    ::testing::Values(Refusal{"NotJson", "PK\x03\x04", FileProblem::NotOurs, {}},
        Refusal{"AnotherFormat", R"({"format":"gratinglab-task","version":1})", FileProblem::NotOurs, {}},
        Refusal{"Newer", R"({"format":"gratinglab-result","version":2})", FileProblem::Newer, {}},
        Refusal{"TooLarge", QByteArray(classroom::kMaxResultFileBytes + 1, ' '), FileProblem::TooLarge, {}},
        Refusal{"VariantOutOfRange", withField("\"variant\": 6", "\"variant\": 100"), FileProblem::Damaged,
            u"variant"_s},
        Refusal{"CodeNotNormalised", withField("\"code\": \"9Б\"", "\"code\": \" 9б\""), FileProblem::Damaged,
            u"code"_s},
        Refusal{"OrderOutOfRange", withField("\"order\": -2", "\"order\": -9"), FileProblem::Damaged, u"order"_s},
        Refusal{"TimeNotATime", withField("2026-12-09T10:17:03", "yesterday"), FileProblem::Damaged, u"time"_s},
        Refusal{"TimeNotADay", withField("2026-12-09T10:17:03", "2026-02-30T10:17:03"), FileProblem::Damaged,
            u"time"_s},
        Refusal{"TimeOutOfTheClock", withField("2026-12-09T10:17:03", "2026-12-09T24:17:03"), FileProblem::Damaged,
            u"time"_s},
        Refusal{"TimeWithASign", withField("2026-12-09T10:17:03", "2026-12-09T10:+7:03"), FileProblem::Damaged,
            u"time"_s},
        Refusal{"TimeOfAYearNotDigits", withField("2026-12-09T10:17:03", "2$26-12-09T10:17:03"), FileProblem::Damaged,
            u"time"_s},
        Refusal{"AnswerTooLong",
            withField("\"answer\": \"589\"", ("\"answer\": \"" + std::string(201, '5') + "\"").c_str()),
            FileProblem::Damaged, u"answer"_s},
        Refusal{"DecimalMarkNotAMark", withField("\"decimal_mark\": \",\"", "\"decimal_mark\": \";\""),
            FileProblem::Damaged, u"decimal_mark"_s},
        Refusal{"NoChecksum", withField("\"sha256\"", "\"sha1\""), FileProblem::Damaged, u"sha256"_s},
        Refusal{"StartsNotAList", withField("\"sha256\"", "\"starts\": 1, \"sha256\""), FileProblem::Damaged,
            u"starts"_s},
        Refusal{"StartNotATime", withField("\"sha256\"", "\"starts\": [\"2026-12-09T10:15:00\", 3], \"sha256\""),
            FileProblem::Damaged, u"starts"_s}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ResultFile, NamesAreSafeAndDifferBetweenPupils)
{
    classroom::ResultFile r = sample();
    EXPECT_EQ(classroom::resultFileName(r, u"3fa2c1"_s), u"9Б-06-Иванов_Пётр-3fa2c1.gratinglab-result"_s);
    r.pupil = u"../CON:*?\"<>|"_s;
    r.code = u"A/B\\C"_s;
    EXPECT_EQ(classroom::resultFileName(r, u"3fa2c1"_s), u"A_B_C-06-___CON_______-3fa2c1.gratinglab-result"_s);
    r.pupil.clear();
    EXPECT_EQ(classroom::resultFileName(r, u"ab12cd"_s), u"A_B_C-06-ab12cd.gratinglab-result"_s);
    EXPECT_EQ(classroom::thisComputerMark().size(), 6);
    EXPECT_EQ(classroom::thisComputerMark(), classroom::thisComputerMark());
}

} // namespace
