// The class list as a teacher pastes it, and the board code the program
// proposes.
#include "board_code.h"
#include "classroom_texts.h"
#include "pupil_list.h"
#include "task_code.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <deque>

using namespace Qt::Literals::StringLiterals;
using classroom::PupilListProblem;

namespace {

QString numberedList(int pupils)
{
    QString text;
    for (int i = 1; i <= pupils; ++i)
        text += u"Ученик %1\n"_s.arg(i);
    return text;
}

TEST(PupilList, ReadsNamesAndIdsInTheListsOrder)
{
    // A spreadsheet column pasted from Windows: BOM, CRLF, tabs, a trailing
    // blank line; a hand-typed line with «;» and doubled spaces.
    const auto parse = classroom::parsePupilList(
        u"\uFEFFИванов Пётр\tivanov@school.ru\r\n  Петрова   Анна ; 1042 \r\nСидоров Илья\r\n\r\n  \n"_s);
    ASSERT_TRUE(parse.ok()) << classroom::pupilListMessage(parse.error).toStdString();
    ASSERT_EQ(parse.pupils.size(), 3u);
    const std::vector<std::tuple<int, QString, QString>> expected{
        {1, u"Иванов Пётр"_s, u"ivanov@school.ru"_s},
        {2, u"Петрова Анна"_s, u"1042"_s},
        {3, u"Сидоров Илья"_s, u""_s},
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(parse.pupils[i].variant, std::get<0>(expected[i]));
        EXPECT_EQ(parse.pupils[i].name, std::get<1>(expected[i]));
        EXPECT_EQ(parse.pupils[i].id, std::get<2>(expected[i]));
    }
    EXPECT_EQ(classroom::parsePupilList(numberedList(99)).pupils.size(), 99u);
}

// Two columns copied from LibreOffice Calc or Excel, as they reach the
// clipboard: tab-separated, the line ends of the system, a trailing line
// end, cells quoted when they hold a quote, a tab or a line break, and an
// empty third column when the selection was wider.
class SpreadsheetPaste : public ::testing::TestWithParam<std::pair<const char *, QString>> {};

TEST_P(SpreadsheetPaste, GivesThePupilsOfTheColumns)
{
    const auto parse = classroom::parsePupilList(GetParam().second);
    ASSERT_TRUE(parse.ok()) << classroom::pupilListMessage(parse.error).toStdString();
    std::vector<std::pair<QString, QString>> read;
    for (const classroom::Pupil &p : parse.pupils)
        read.emplace_back(p.name, p.id);
    const std::vector<std::pair<QString, QString>> expected{{u"Иванов Пётр"_s, u"ivanov@school.ru"_s},
        {u"Петрова Анна"_s, QString()}, {u"Ким \"Юна\""_s, u"kim@school.ru"_s}};
    EXPECT_EQ(read, expected);
}

INSTANTIATE_TEST_SUITE_P(Clipboards, SpreadsheetPaste,
    ::testing::Values(
        std::pair{"Linux", u"Иванов Пётр\tivanov@school.ru\nПетрова Анна\t\n\"Ким \"\"Юна\"\"\"\tkim@school.ru\n"_s},
        std::pair{"Windows",
            u"Иванов Пётр\tivanov@school.ru\r\nПетрова Анна\t\r\n\"Ким \"\"Юна\"\"\"\tkim@school.ru\r\n"_s},
        std::pair{"QuotedCellsAndALineBreakInOne",
            u"\"Иванов Пётр\"\t\"ivanov@school.ru\"\r\n\"Петрова\r\nАнна\"\t\r\n\"Ким \"\"Юна\"\"\"\tkim@school.ru"_s},
        std::pair{"AnEmptyThirdColumn",
            u"Иванов Пётр\tivanov@school.ru\t\nПетрова Анна\t\t\n\"Ким \"\"Юна\"\"\"\tkim@school.ru\t\n"_s},
        std::pair{"TypedWithSemicolons", u"Иванов Пётр; ivanov@school.ru\nПетрова Анна\nКим \"Юна\";kim@school.ru"_s}),
    [](const auto &info) { return std::string(info.param.first); });

struct Refusal {
    const char *name;
    QString text;
    PupilListProblem problem;
    int line, firstLine;
};

class PupilListRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(PupilListRefusal, NamesTheLineInRussian)
{
    const Refusal &r = GetParam();
    const auto parse = classroom::parsePupilList(r.text);
    EXPECT_EQ(parse.error.problem, r.problem);
    EXPECT_EQ(parse.error.line, r.line);
    EXPECT_EQ(parse.error.firstLine, r.firstLine);
    EXPECT_TRUE(parse.pupils.empty());
    const QString message = classroom::pupilListMessage(parse.error);
    if (r.line > 0) {
        EXPECT_TRUE(message.startsWith(u"Строка %1: "_s.arg(r.line))) << message.toStdString();
    }
    if (r.firstLine > 0) {
        EXPECT_TRUE(message.contains(u"в строке %1"_s.arg(r.firstLine))) << message.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, PupilListRefusal,
    ::testing::Values(Refusal{"Nothing", u" \n\t\n"_s, PupilListProblem::Empty, 0, 0},
        Refusal{"BlankLineInside", u"Иванов\n\nПетров\n"_s, PupilListProblem::EmptyLine, 2, 0},
        Refusal{"BlankFirstLine", u"   \nИванов"_s, PupilListProblem::EmptyLine, 1, 0},
        Refusal{"OnlyAnId", u"Иванов\n\tpetrov@school.ru"_s, PupilListProblem::NameMissing, 2, 0},
        Refusal{"AHundred", numberedList(100), PupilListProblem::TooMany, 100, 0},
        Refusal{"SameNameOtherCaseAndSpacing", u"Иванов Пётр\nПетров\nиванов   пётр;2"_s, PupilListProblem::Duplicate,
            3, 1},
        Refusal{"NameTooLong", u"А\n"_s + QString(61, u'я'), PupilListProblem::NameTooLong, 2, 0},
        Refusal{"ControlInName", u"Ива\u0007нов"_s, PupilListProblem::NameControlCharacter, 1, 0},
        Refusal{"IdTooLong", u"Иванов;"_s + QString(101, u'x'), PupilListProblem::IdTooLong, 1, 0},
        Refusal{"ThreeColumns", u"Иванов\tivanov@school.ru\t9Б"_s, PupilListProblem::TooManyColumns, 1, 0},
        // A quote left open was typed: the lines stay lines.
        Refusal{"OpenQuote", u"\"Иванов;1\n\nПетров"_s, PupilListProblem::EmptyLine, 2, 0},
        Refusal{"ControlInId", u"Иванов;iv\u001banov"_s, PupilListProblem::IdControlCharacter, 1, 0}),
    [](const auto &info) { return std::string(info.param.name); });

class ScriptedRandom final : public classroom::RandomSource {
public:
    explicit ScriptedRandom(std::deque<std::uint32_t> values) : values_(std::move(values)) {}
    std::uint32_t below(std::uint32_t bound) override
    {
        EXPECT_EQ(bound, 10u);
        const std::uint32_t v = values_.front();
        values_.pop_front();
        return v;
    }
    std::deque<std::uint32_t> values_;
};

TEST(BoardCode, EightDigitsInTwoGroupsThatAreAValidCodeAsTheyStand)
{
    ScriptedRandom random({4, 8, 1, 7, 2, 5, 9, 3, 0, 0, 0, 0, 9, 9, 9, 9});
    EXPECT_EQ(classroom::proposeBoardCode(random), u"4817-2593"_s);
    const QString zeros = classroom::proposeBoardCode(random);
    EXPECT_EQ(zeros, u"0000-9999"_s);
    EXPECT_TRUE(random.values_.empty());
    EXPECT_EQ(bench::checkTaskCode(zeros), bench::TaskInputError::None);
    EXPECT_EQ(bench::normaliseTaskCode(zeros), zeros);

    classroom::SystemRandom system;
    const QString code = classroom::proposeBoardCode(system);
    EXPECT_TRUE(QRegularExpression(u"^[0-9]{4}-[0-9]{4}$"_s).match(code).hasMatch()) << code.toStdString();
}

} // namespace
