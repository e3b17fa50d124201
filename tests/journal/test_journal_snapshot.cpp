// The journal's recovery copy as bytes: what is written reads back the
// same, and what is damaged is refused with a reason, never half-read.
#include "journal_snapshot.h"

#include <gtest/gtest.h>

#include <string>

using namespace Qt::Literals::StringLiterals;

namespace {

journal::JournalRow row(const char *answer, bool right, std::optional<std::int64_t> tenths)
{
    journal::JournalRow r;
    r.time = QTime(10, 15, 42, 7);
    r.set = {u"589"_s, u"589"_s, false};
    r.grating = u"2,5"_s;
    r.order = -2;
    r.distance = u"2,36"_s;
    r.computedTenths = tenths;
    r.answer = QString::fromUtf8(answer);
    r.right = right;
    return r;
}

TEST(JournalSnapshot, ReadsBackWhatWasWrittenInTheExerciseAndInATask)
{
    journal::JournalSnapshot plain;
    plain.pupil = {u"Петров"_s, u"9Б"_s, QString(), QString()};
    plain.rows = {row("590", true, 5900), row("«x»\t\"", false, std::nullopt), row("-1", false, -12)};
    // A check with a lamp keeps what lit the bench and the order as typed.
    plain.rows[2].source = journal::SourceRecord{u"Лампа: ртутная"_s, u"Hg"_s, u"-2,35"_s, u" +2"_s};
    const auto back = journal::readSnapshot(journal::snapshotJson(plain));
    ASSERT_TRUE(std::holds_alternative<journal::JournalSnapshot>(back)) << std::get<QString>(back).toStdString();
    const auto &p = std::get<journal::JournalSnapshot>(back);
    EXPECT_EQ(p.pupil.pupil, u"Петров"_s);
    EXPECT_EQ(p.pupil.form, u"9Б"_s);
    ASSERT_EQ(p.rows.size(), 3u);
    EXPECT_EQ(p.rows[0].time, QTime(10, 15, 42, 7));
    EXPECT_EQ(p.rows[0].order, -2);
    EXPECT_EQ(p.rows[0].computedTenths, 5900);
    EXPECT_EQ(p.rows[1].answer, u"«x»\t\""_s);
    EXPECT_FALSE(p.rows[1].computedTenths.has_value());
    EXPECT_EQ(p.rows[2].computedTenths, -12);
    EXPECT_EQ(p.rows[0].set.wavelength, u"589"_s);
    EXPECT_FALSE(p.rows[0].source.has_value());
    ASSERT_TRUE(p.rows[2].source.has_value());
    EXPECT_EQ(p.rows[2].source->source, u"Лампа: ртутная"_s);
    EXPECT_EQ(p.rows[2].source->symbol, u"Hg"_s);
    EXPECT_EQ(p.rows[2].source->cursorY, u"-2,35"_s);
    EXPECT_EQ(p.rows[2].source->typedOrder, u" +2"_s);
    EXPECT_FALSE(p.task.has_value());

    // In a task the file never holds the lamp's line, nor the wavelength
    // worked out from d and y: the line comes from the code.
    journal::JournalSnapshot task = plain;
    task.task = journal::TaskProgress{bench::parseTask(u"9Б"_s, u"2"_s, u"Петров"_s).task, 7, false,
        u"/srv/класс/задание.gratinglab-task"_s};
    task.rows[0].set = {u"577"_s, u"ртуть, 577 нм"_s, true, true};
    const QByteArray bytes = journal::snapshotJson(task);
    EXPECT_FALSE(bytes.contains("577")) << bytes.toStdString();
    EXPECT_FALSE(bytes.contains("5900")) << bytes.toStdString();
    const auto read = journal::readSnapshot(bytes);
    ASSERT_TRUE(std::holds_alternative<journal::JournalSnapshot>(read));
    const auto &t = std::get<journal::JournalSnapshot>(read);
    ASSERT_TRUE(t.task.has_value());
    EXPECT_EQ(t.task->task.variant, 2);
    EXPECT_EQ(t.task->checks, 7u);
    EXPECT_EQ(t.task->taskFile, u"/srv/класс/задание.gratinglab-task"_s);
    EXPECT_EQ(t.rows[0].set.wavelength, u"577"_s);
    EXPECT_TRUE(t.rows[0].set.concealed);
    EXPECT_TRUE(t.rows[0].set.task);
    EXPECT_FALSE(t.rows[2].computedTenths.has_value());
}

struct Damaged {
    const char *name;
    QByteArray bytes;
    QString reason;
};

class JournalSnapshotRefuses : public ::testing::TestWithParam<Damaged> {};

TEST_P(JournalSnapshotRefuses, WithItsReason)
{
    const auto result = journal::readSnapshot(GetParam().bytes);
    ASSERT_TRUE(std::holds_alternative<QString>(result));
    EXPECT_EQ(std::get<QString>(result), GetParam().reason);
}

const QByteArray kHead =
    R"({"format":"gratinglab-journal","version":1,"pupil":"","form":"","task_code":"","variant":"",)";

INSTANTIATE_TEST_SUITE_P(Files, JournalSnapshotRefuses,
    ::testing::Values(Damaged{"CutShort", kHead, u"файл повреждён"_s},
        Damaged{"NotOurs", R"({"format":"other","version":1})", u"это не журнал gratinglab"_s},
        Damaged{"Newer", R"({"format":"gratinglab-journal","version":2})",
            u"журнал записан другой версией программы"_s},
        Damaged{"TooLarge", QByteArray(journal::kMaxSnapshotBytes + 1, ' '), u"файл слишком большой"_s},
        Damaged{"RowsNotAList", kHead + R"("rows":{}})", u"поле «rows» повреждено"_s},
        Damaged{"OrderOutOfRange",
            kHead
                + R"("rows":[{"time":"10:00:00.000","grating":"1","order":9,"distance":"1","answer":"",)"
                  R"("right":false,"computed_tenths":null,"wavelength":"500","line":"500"}]})",
            u"поле «order» повреждено"_s},
        Damaged{"OrderBeyondAnyInteger",
            kHead
                + R"("rows":[{"time":"10:00:00.000","grating":"1","order":1e300,"distance":"1","answer":"",)"
                  R"("right":false,"computed_tenths":null,"wavelength":"500","line":"500"}]})",
            u"поле «order» повреждено"_s},
        Damaged{"SourceNotAnObject",
            kHead
                + R"("rows":[{"time":"10:00:00.000","grating":"1","order":1,"distance":"1","answer":"",)"
                  R"("right":false,"computed_tenths":null,"wavelength":"500","line":"500","source":"Hg"}]})",
            u"поле «source» повреждено"_s},
        Damaged{"TenthsNotDigits",
            kHead
                + R"("rows":[{"time":"10:00:00.000","grating":"1","order":1,"distance":"1","answer":"",)"
                  R"("right":false,"computed_tenths":"1e9","wavelength":"500","line":"500"}]})",
            u"поле «computed_tenths» повреждено"_s},
        Damaged{"TaskVariantOutOfRange",
            kHead + R"("task":{"code":"9Б","variant":100,"pupil":"","checks":0,"solved":false},"rows":[]})",
            u"поле «variant» повреждено"_s}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
