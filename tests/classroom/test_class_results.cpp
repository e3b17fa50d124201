// The class table: every check judged again from its read-outs, the mark
// rule, an edited file never solved, one file per pupil counted, and every
// file that does not belong listed with its reason, whatever language each
// pupil worked in; the two CSV exports.
#include "answer_check.h"
#include "bench_session.h"
#include "class_results.h"
#include "class_results_csv.h"
#include "growing_result.h"
#include "journal.h"
#include "journal_result.h"
#include "manual_clock.h"
#include "mark_rule.h"
#include "picture_catalogue.h"
#include "qt_translation.h"
#include "result_cache.h"
#include "result_samples.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using classroom::Misfit;
using classroom::PupilStatus;
using samples::Sodium;

namespace {

classroom::LoadedResult loaded(const QString &path, const QByteArray &bytes)
{
    return {path, std::make_shared<const classroom::ResultFileRead>(classroom::parseResultFile(bytes))};
}

classroom::LoadedResult loaded(const QString &path, const classroom::ResultFile &r)
{
    return loaded(path, classroom::resultFileBytes(r));
}

struct Judging {
    const char *name;
    std::vector<Sodium> checks;
    std::optional<int> firstRight;
    int hints;
    int mark;
};

class ResultJudging : public ::testing::TestWithParam<Judging> {};

TEST_P(ResultJudging, CountsChecksHintsAndTheMarkFromTheReadouts)
{
    classroom::ResultFile r = samples::result(6, u"Иванов Пётр"_s, {});
    for (int i = 0; i < int(GetParam().checks.size()); ++i)
        r.checks.push_back(samples::check(GetParam().checks[size_t(i)], i));
    const auto table = classroom::buildClassResults(samples::task9B(), {loaded(u"/r/a"_s, r)});
    ASSERT_EQ(table.rows.size(), 6u);
    const classroom::PupilRow &row = table.rows[5];
    EXPECT_EQ(row.name, u"Иванов Пётр"_s);
    EXPECT_EQ(row.id, u"ivanov@school.ru"_s);
    EXPECT_EQ(row.lineNm, 589);
    EXPECT_EQ(row.status, PupilStatus::Counted);
    EXPECT_TRUE(row.judged.agrees);
    EXPECT_EQ(row.judged.checks, int(GetParam().checks.size()));
    EXPECT_EQ(row.judged.firstRight, GetParam().firstRight);
    EXPECT_EQ(row.solved(), GetParam().firstRight.has_value());
    EXPECT_EQ(row.judged.firstRightAnswer, GetParam().firstRight ? u"590"_s : QString());
    EXPECT_EQ(row.judged.hintsSeen, GetParam().hints);
    EXPECT_EQ(row.mark, GetParam().mark);
    EXPECT_TRUE(table.misfits.empty());
}

INSTANTIATE_TEST_SUITE_P(Marks, ResultJudging,
    ::testing::Values(Judging{"RightFirst", {Sodium::Right}, 1, 0, 5},
        Judging{"RightSecond", {Sodium::OffTheLine, Sodium::Right}, 2, 1, 4},
        Judging{"RightThird", {Sodium::Arithmetic, Sodium::Rounding, Sodium::Right}, 3, 2, 4},
        Judging{"RightFourth", {Sodium::Arithmetic, Sodium::Rounding, Sodium::OffTheLine, Sodium::Right}, 4, 3, 3},
        Judging{"RightThenWrong", {Sodium::Right, Sodium::Arithmetic}, 1, 1, 5},
        Judging{"NeverRight", {Sodium::OffTheLine, Sodium::Arithmetic}, std::nullopt, 2, 2},
        Judging{"NoChecks", {}, std::nullopt, 0, 2}),
    [](const auto &info) { return std::string(info.param.name); });

// The exact formula gives 590 / sqrt(1 + (2,95 / 50)^2) = 588,97 from the
// same read-outs: 588 and 589 are right on the pupil's screen, and judged
// again they agree with it.
TEST(ResultJudgingExact, TheExactFormulaIsRightInTheClassTableAsOnTheScreen)
{
    for (const QString &answer : {u"588"_s, u"589"_s}) {
        classroom::ResultFile r = samples::result(6, u"Иванов Пётр"_s, {Sodium::Right});
        r.checks[0].answer = answer;
        const auto table = classroom::buildClassResults(samples::task9B(), {loaded(u"/r/a"_s, r)});
        const classroom::PupilRow &row = table.rows[5];
        EXPECT_TRUE(row.judged.agrees) << answer.toStdString();
        EXPECT_EQ(row.judged.firstRight, 1) << answer.toStdString();
        EXPECT_EQ(row.judged.firstRightAnswer, answer);
        EXPECT_EQ(row.mark, 5);
    }
}

TEST(MarkRule, FiveFourThreeTwo)
{
    const std::vector<std::pair<std::optional<int>, int>> table{{1, 5}, {2, 4}, {3, 4}, {4, 3}, {40, 3},
        {std::nullopt, 2}};
    for (const auto &[checks, mark] : table)
        EXPECT_EQ(classroom::markFor(checks), mark) << checks.value_or(0);
    EXPECT_TRUE(classroom::markRuleText().contains(u"5 — верный ответ с первой проверки"_s));
}

TEST(EditedResult, SaidRightWhereTheAnswerWasWrongIsFlaggedAndNotSolved)
{
    // «700» made «Верно» with the line beside it, and the checksum made
    // anew: only judging again shows it.
    classroom::ResultFile forged = samples::result(6, u"Иванов Пётр"_s, {Sodium::OffTheLine});
    forged.checks[0].verdict = u"Верно !"_s;
    forged.checks[0].hint = u"натрий, 589 нм"_s;
    // The same edit by hand: the checksum no longer fits.
    QByteArray byHand = classroom::resultFileBytes(samples::result(5, u"Дмитриев Олег"_s, {Sodium::OffTheLine}));
    byHand.replace("\"verdict\": \"Неверно !\"", "\"verdict\": \"Верно !\"");
    // A hint taken away is an edit too.
    classroom::ResultFile hintless = samples::result(4, u"Григорьев Пётр"_s, {Sodium::Arithmetic, Sodium::Right});
    hintless.checks[0].hint.clear();

    const auto table = classroom::buildClassResults(samples::task9B(),
        {loaded(u"/r/forged"_s, forged), loaded(u"/r/hand"_s, byHand), loaded(u"/r/hintless"_s, hintless)});
    for (const int variant : {4, 5, 6}) {
        const classroom::PupilRow &row = table.rows[size_t(variant - 1)];
        EXPECT_EQ(row.status, PupilStatus::Edited) << variant;
        EXPECT_FALSE(row.solved()) << variant;
        EXPECT_EQ(row.mark, std::nullopt) << variant;
    }
    EXPECT_EQ(table.rows[5].judged.checks, 1);
    ASSERT_EQ(table.misfits.size(), 3u);
    EXPECT_EQ(table.misfits[0].path, u"/r/forged"_s);
    EXPECT_EQ(table.misfits[0].reason,
        u"файл изменён: записанный результат проверки не совпадает с повторной проверкой"_s);
    EXPECT_EQ(table.misfits[1].path, u"/r/hand"_s);
    EXPECT_EQ(table.misfits[1].reason, u"файл изменён: контрольная сумма не сходится"_s);
    EXPECT_EQ(table.misfits[2].why, Misfit::Edited);
}

TEST(ClassTable, OneFilePerPupilCountsAndTheOthersAreListedWithTheirReason)
{
    QByteArray newer = classroom::resultFileBytes(samples::result(1, u"Алексеев Иван"_s, {}));
    newer.replace("\"version\": 1", "\"version\": 7");
    classroom::ResultFile otherTask = samples::result(2, u"Борисова Мария"_s, {Sodium::Right});
    otherTask.code = u"9А"_s;
    classroom::ResultFile editedLonger = samples::result(6, u"Иванов Пётр"_s,
        {Sodium::Arithmetic, Sodium::Arithmetic, Sodium::Arithmetic, Sodium::OffTheLine});
    editedLonger.checks[3].verdict = u"Верно !"_s;

    const auto table = classroom::buildClassResults(samples::task9B(),
        {loaded(u"/r/01-short"_s, samples::result(6, u"иванов  пётр"_s, {Sodium::OffTheLine, Sodium::Rounding})),
            loaded(u"/r/02-long"_s,
                samples::result(6, u"Иванов Пётр"_s, {Sodium::OffTheLine, Sodium::Rounding, Sodium::Right})),
            loaded(u"/r/03-edited"_s, editedLonger), loaded(u"/r/04-other-task"_s, otherTask),
            loaded(u"/r/05-swapped"_s, samples::result(3, u"Борисова Мария"_s, {Sodium::Right})),
            loaded(u"/r/06-stranger"_s, samples::result(3, u"Петров Сергей"_s, {Sodium::Right})),
            loaded(u"/r/07-nameless"_s, samples::result(3, QString(), {Sodium::Right})),
            loaded(u"/r/08-variant-7"_s, samples::result(7, u"Иванов Пётр"_s, {Sodium::Right})),
            loaded(u"/r/09-newer"_s, newer),
            loaded(u"/r/10-not-ours"_s, QByteArray(R"({"format": "gratinglab-task"})")),
            loaded(u"/r/11-damaged"_s,
                classroom::resultFileBytes(samples::result(1, {}, {}))
                    .replace(R"("variant": 1)", R"("variant": "1")"))},
        {{u"/r/00-link.gratinglab-result"_s, classroom::ScanProblem::Link}});

    // Of three files of one pupil the honest one with more checks counts.
    const classroom::PupilRow &ivanov = table.rows[5];
    EXPECT_EQ(ivanov.status, PupilStatus::Counted);
    EXPECT_EQ(ivanov.file, u"/r/02-long"_s);
    EXPECT_EQ(ivanov.judged.firstRight, 3);
    EXPECT_EQ(ivanov.mark, 4);
    for (const int v : {1, 2, 3, 4, 5}) {
        EXPECT_EQ(table.rows[size_t(v - 1)].status, PupilStatus::NoResult) << v;
        EXPECT_EQ(table.rows[size_t(v - 1)].mark, std::nullopt) << v;
    }
    EXPECT_EQ(table.rows[0].id, u"10234"_s);
    EXPECT_EQ(table.rows[2].lineNm, 579);

    const std::vector<std::pair<Misfit, QString>> expected{
        {Misfit::Link, u"ссылка, а не файл: не читается"_s},
        {Misfit::Duplicate, u"повтор: для этого ученика учтён файл «02-long»"_s},
        {Misfit::Edited, u"файл изменён: записанный результат проверки не совпадает с повторной проверкой"_s},
        {Misfit::OtherTask, u"другое задание (код 9А)"_s},
        {Misfit::VariantMismatch, u"вариант 3 не совпадает со списком: у «Борисова Мария» вариант 2"_s},
        {Misfit::NotOnList, u"ученика «Петров Сергей» нет в списке класса"_s},
        {Misfit::NotOnList, u"в файле нет имени ученика, а вариант 3 в списке — «Васильева Ольга»"_s},
        {Misfit::VariantOutside, u"вариант 7, а в задании варианты 1–6"_s},
        {Misfit::Newer, u"записан более новой версией gratinglab; обновите программу"_s},
        {Misfit::NotOurs, u"не файл результатов gratinglab"_s},
        {Misfit::Damaged, u"файл повреждён: неверное поле «variant»"_s},
    };
    ASSERT_EQ(table.misfits.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(table.misfits[i].why, expected[i].first) << i;
        EXPECT_EQ(table.misfits[i].reason, expected[i].second) << i;
    }
}

// Two unedited files of one pupil whose checks part ways (neither begins
// the other): tries one of them lacks. The one with more checks still
// counts, and the pupil is flagged.
TEST(ClassTable, FilesThatGoSeparateWaysAreFlaggedAndTheStartsCounted)
{
    classroom::ResultFile twice = samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic, Sodium::OffTheLine});
    twice.starts = {twice.checks[0].time, twice.checks[1].time};
    classroom::ResultFile elsewhere = samples::result(6, u"Иванов Пётр"_s, {Sodium::Right});
    elsewhere.checks[0].time = elsewhere.checks[0].time.addDays(1);
    const auto table = classroom::buildClassResults(samples::task9B(),
        {loaded(u"/r/b"_s, twice), loaded(u"/r/a"_s, elsewhere),
            loaded(u"/r/c"_s, samples::result(1, u"Алексеев Иван"_s, {Sodium::OffTheLine}))});
    const classroom::PupilRow &ivanov = table.rows[5];
    EXPECT_EQ(ivanov.file, u"/r/b"_s);
    EXPECT_EQ(ivanov.status, PupilStatus::Counted);
    EXPECT_TRUE(ivanov.filesDiverge);
    EXPECT_EQ(ivanov.mark, 2);
    EXPECT_FALSE(table.rows[0].filesDiverge);
    ASSERT_EQ(table.misfits.size(), 1u);
    EXPECT_EQ(table.misfits[0].path, u"/r/a"_s);
    EXPECT_EQ(table.misfits[0].why, Misfit::Diverging);
    EXPECT_EQ(table.misfits[0].reason, u"файлы расходятся: в учтённом файле «b» другие проверки"_s);

    const QList<QByteArray> csv = classroom::classResultsCsv(table, true).split('\n');
    EXPECT_EQ(csv[1], "1;Алексеев Иван;10234;410;1;нет;;;1;2;;1\r");
    EXPECT_EQ(csv[2], "2;Борисова Мария;;577;;;;;;;нет результата;\r");
    EXPECT_EQ(csv[6], "6;Иванов Пётр;ivanov@school.ru;589;2;нет;;;2;2;файлы расходятся;2\r");
}

TEST(ClassTable, WithoutAListEachVariantAndNameIsAPupil)
{
    classroom::ClassroomTask task = samples::task9B();
    task.pupils.clear();
    const auto table = classroom::buildClassResults(task,
        {loaded(u"/r/b"_s, samples::result(6, u"Яковлев Антон"_s, {Sodium::Arithmetic})),
            loaded(u"/r/a"_s, samples::result(6, u"Иванов  Пётр"_s, {Sodium::Arithmetic})),
            loaded(u"/r/c"_s, samples::result(6, u"ИВАНОВ Пётр"_s, {Sodium::Arithmetic, Sodium::Right}))});
    ASSERT_EQ(table.rows.size(), 2u);
    // The name as the counted file has it.
    EXPECT_EQ(table.rows[0].name, u"ИВАНОВ Пётр"_s);
    EXPECT_EQ(table.rows[0].file, u"/r/c"_s);
    EXPECT_EQ(table.rows[0].mark, 4);
    EXPECT_EQ(table.rows[1].name, u"Яковлев Антон"_s);
    EXPECT_EQ(table.rows[1].mark, 2);
    ASSERT_EQ(table.misfits.size(), 1u);
    EXPECT_EQ(table.misfits[0].why, Misfit::Duplicate);
}

// Read-outs written under the pupil's locale: a point, or the Arabic
// decimal separator U+066B, which no comma-or-point reader would take.
class ForeignDecimalMark : public ::testing::TestWithParam<char16_t> {};

TEST_P(ForeignDecimalMark, ReadoutsAreJudgedAsWritten)
{
    const QChar mark(GetParam());
    classroom::ResultFile r = samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic, Sodium::Right});
    r.decimalMark = mark;
    r.checks[0].distance = r.checks[1].distance = u"2"_s + mark + u"95"_s;
    r.checks[1].answer = u"590"_s; // right only through the formula
    const auto row = classroom::buildClassResults(samples::task9B(), {loaded(u"/r/a"_s, r)}).rows[5];
    EXPECT_EQ(row.status, PupilStatus::Counted);
    EXPECT_EQ(row.judged.firstRight, 2);
    EXPECT_TRUE(row.judged.agrees);
}

INSTANTIATE_TEST_SUITE_P(Marks, ForeignDecimalMark, ::testing::Values(u'.', u'\u066B'),
    [](const auto &info) { return info.param == u'.' ? std::string("Point") : std::string("ArabicSeparator"); });

// One pupil works in English, the other in Kazakh: each checks a wrong, then
// the right answer on their bench, the result file is written as the pupil's
// program writes it into the class folder, and the teacher's table, read
// from that folder, holds both pupils, judged alike, once each.
TEST(ClassTable, PupilsWorkingInDifferentLanguagesMakeOneTable)
{
    struct Pupil {
        QString language;
        int variant;
        QString name;
        int line; // in the frozen table of lines
        int cursor;
        QString wrong, right, lineName;
    };
    // 200 * 2,95 = 590 for sodium (589 nm), 200 * 3,28 = 656 for hydrogen
    // (656 nm) at d = 1,0, k = 1; 600 and 650 are errors of the arithmetic.
    const std::vector<Pupil> pupils{{u"en"_s, 6, u"Иванов Пётр"_s, 5, 118, u"600"_s, u"590"_s, u"натрий, 589 нм"_s},
        {u"kk"_s, 4, u"Григорьев Пётр"_s, 7, 131, u"650"_s, u"656"_s, u"водород, 656 нм"_s}};
    QTemporaryDir dir;
    const QString results = dir.filePath(u"Результаты"_s);
    ASSERT_TRUE(QDir().mkpath(results));
    auto &app = *QCoreApplication::instance();
    for (const Pupil &pupil : pupils) {
        setInterfaceLanguage(pupil.language);
        installTranslations(app);
        ASSERT_NE(bench::verdictText(true), bench::storedVerdictText(true)) << pupil.language.toStdString();
        ManualClock clock;
        bench::BenchSession session(assets::scenePictures(), bench::NumberFormat{}, clock);
        ASSERT_FALSE(session.startTask(bench::Task{u"9Б"_s, pupil.variant, pupil.name, pupil.line}).has_value());
        journal::Journal log(session);
        log.setNow([] { return QDateTime(QDate(2026, 12, 9), QTime(10, 0)); });
        session.moveCursorTo(pupil.cursor);
        session.typeText(bench::TextField::Order, u"1"_s);
        for (const QString &answer : {pupil.wrong, pupil.right}) {
            session.typeText(bench::TextField::Answer, answer);
            session.Button6Click(); // judges
            session.Button6Click(); // clears the answer for the next
        }
        auto file = journal::resultOfJournal(log, session, QDate(2026, 12, 9));
        ASSERT_TRUE(file.has_value());
        file->starts.emplace_back(QDate(2026, 12, 9), QTime(9, 55)); // as the keeper records a start
        EXPECT_EQ(classroom::writeGrowingResult(results, classroom::resultFileName(*file, u"c0ffee"_s), *file,
                      classroom::resultFileBytes(*file)),
            QString());
    }
    setInterfaceLanguage(u"ru"_s);
    removeTranslations(app);

    classroom::ResultFileCache cache;
    const auto table = classroom::readClassResults(samples::task9B(), {dir.path()}, cache);
    EXPECT_TRUE(table.misfits.empty());
    ASSERT_EQ(table.rows.size(), 6u);
    for (const Pupil &pupil : pupils) {
        const classroom::PupilRow &row = table.rows[size_t(pupil.variant - 1)];
        EXPECT_EQ(row.variant, pupil.variant);
        EXPECT_EQ(row.name, pupil.name);
        EXPECT_EQ(row.status, PupilStatus::Counted) << pupil.language.toStdString();
        EXPECT_TRUE(row.judged.agrees) << pupil.language.toStdString();
        EXPECT_EQ(row.judged.checks, 2);
        EXPECT_EQ(row.judged.firstRight, 2);
        EXPECT_EQ(row.judged.firstRightAnswer, pupil.right);
        EXPECT_EQ(row.judged.hintsSeen, 1);
        EXPECT_EQ(row.mark, 4);
        // What the file keeps is the same words in every language.
        const classroom::ResultFileRead read = classroom::readResultFile(row.file);
        ASSERT_EQ(read.result.checks.size(), 2u);
        EXPECT_EQ(read.result.checks[0].verdict, u"Неверно !"_s);
        EXPECT_EQ(read.result.checks[0].hint, u"ошибка в вычислении"_s);
        EXPECT_EQ(read.result.checks[1].verdict, u"Верно !"_s);
        EXPECT_EQ(read.result.checks[1].hint, pupil.lineName);
    }
    const QList<QByteArray> csv = classroom::classResultsCsv(table, true).split('\n');
    EXPECT_EQ(csv[4], "4;Григорьев Пётр;;656;2;да;2;656;1;4;;1\r");
    EXPECT_EQ(csv[6], "6;Иванов Пётр;ivanov@school.ru;589;2;да;2;590;1;4;;1\r");
}

TEST(ClassResultsCsv, SpreadsheetAndMoodleBytes)
{
    classroom::ClassroomTask task = samples::task9B();
    task.pupils[1].name = u"=Борисова; \"Маша\""_s;
    const auto table = classroom::buildClassResults(task,
        {loaded(u"/r/6"_s, samples::result(6, u"Иванов Пётр"_s, {Sodium::Arithmetic, Sodium::Right})),
            loaded(u"/r/1"_s, samples::result(1, u"Алексеев Иван"_s, {Sodium::OffTheLine}))});
    const QByteArray csv = classroom::classResultsCsv(table, true);
    const QList<QByteArray> lines = csv.split('\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0],
        "\xEF\xBB\xBF"
        "Вариант;Ученик;Адрес или номер;λ, нм;Проверок;Решено;Проверок до верного ответа;"
        "Первый верный ответ;Подсказок;Оценка;Примечание;Запусков\r");
    EXPECT_EQ(lines[1], "1;Алексеев Иван;10234;410;1;нет;;;1;2;;1\r");
    EXPECT_EQ(lines[2], "2;\"'=Борисова; \"\"Маша\"\"\";;577;;;;;;;нет результата;\r");
    EXPECT_EQ(lines[6], "6;Иванов Пётр;ivanov@school.ru;589;2;да;2;590;1;4;;1\r");
    EXPECT_EQ(classroom::classResultsCsv(table, false).split('\n')[6],
        "6;Иванов Пётр;ivanov@school.ru;589;2;да;2;590;1;;1\r");

    const auto moodle = classroom::moodleGradesCsv(task, table);
    EXPECT_EQ(moodle.bytes,
        "Ученик,Адрес или номер,Измерение длины световой волны (код 9Б)\r\n"
        "Алексеев Иван,10234,2\r\n"
        "Иванов Пётр,ivanov@school.ru,4\r\n");
    EXPECT_EQ(moodle.leftOut,
        (QStringList{u"=Борисова; \"Маша\""_s, u"Васильева Ольга"_s, u"Григорьев Пётр"_s, u"Дмитриев Олег"_s}));
}

} // namespace
