// The journal without a window: the rows a judging press records, the
// summary's arithmetic, the CSV bytes and where a file goes.
#include "bench_session.h"
#include "csv_file.h"
#include "journal.h"
#include "manual_clock.h"
#include "picture_catalogue.h"
#include "save_journal.h"
#include "summary.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using journal::Column;
using journal::FileType;
using journal::JournalRow;

namespace {

JournalRow row(const QString &set, const QString &d, int k, const QString &y, std::optional<std::int64_t> tenths,
    const QString &answer, bool right)
{
    return JournalRow{QTime(10, 0), {set, set, false}, d, k, y, tenths, answer, right, std::nullopt};
}

QStringList cells(const journal::JournalModel &model, int r)
{
    QStringList texts;
    for (int c = 0; c < journal::kColumnCount; ++c)
        texts.append(model.data(model.index(r, c)).toString());
    return texts;
}

class SessionJournalTest : public ::testing::Test {
protected:
    ManualClock clock_;
    bench::BenchSession session_{assets::scenePictures(), bench::NumberFormat{}, clock_};
    journal::Journal journal_{session_};
};

// Every judging press adds a row with the shown read-outs; the press that
// resets adds none and removes none.
TEST_F(SessionJournalTest, EachJudgingPressRecordsTheShownReadouts)
{
    journal_.setNow([] { return QDateTime(QDate(2026, 3, 2), QTime(9, 5, 7)); });
    session_.dragSliderTo(589);
    for (int i = 0; i < 10; ++i)
        session_.SpinButton1UpClick();
    session_.selectOrder(-3);
    session_.typeText(bench::TextField::Answer, u"589"_s);
    session_.Button6Click();
    session_.Button6Click();
    session_.selectOrder(0);
    session_.typeText(bench::TextField::Answer, u"600"_s);
    session_.Button6Click();

    const journal::JournalModel &model = journal_.model();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), 9);
    // y = -3 * 589 * 0.005 / 2 = -4.4175, shown -4,42; 2 * 4.42 * 1e4 / 150 = 589.33
    EXPECT_EQ(cells(model, 0),
        (QStringList{u"1"_s, u"09:05:07"_s, u"589"_s, u"2"_s, u"-3"_s, u"-4,42"_s, u"589,3"_s, u"589"_s, u"Верно"_s}));
    EXPECT_EQ(cells(model, 1),
        (QStringList{u"2"_s, u"09:05:07"_s, u"589"_s, u"2"_s, u"0"_s, u"0,00"_s, u""_s, u"600"_s, u"Неверно"_s}));
    EXPECT_TRUE(model.hasUnsavedRows());
    EXPECT_EQ(journal_.lastBench(), session_.scene().benchCanvas().image());
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), u"№");
}

struct Typed {
    const char16_t *grating;
    const char16_t *distance;
    const char16_t *computed;
};

class ComputedWavelengthTest : public SessionJournalTest, public ::testing::WithParamInterface<Typed> {};

// lambda = d * y * 1e4 / (|k| * 50) from the texts as they stand, to 0.1 nm
// with ties to even; a text that is no read-out gives no value.
TEST_P(ComputedWavelengthTest, IsWorkedFromTheShownTexts)
{
    session_.typeText(bench::TextField::Grating, QString::fromUtf16(GetParam().grating));
    session_.typeText(bench::TextField::Distance, QString::fromUtf16(GetParam().distance));
    session_.Button6Click();
    EXPECT_EQ(journal_.model().cellText(0, Column::Computed), QString::fromUtf16(GetParam().computed));
}

INSTANTIATE_TEST_SUITE_P(Texts, ComputedWavelengthTest,
    ::testing::Values(Typed{u"1,0", u"1,90", u"380,0"}, Typed{u"2,3", u"1,2345", u"567,9"},
        Typed{u"1,0", u"0,00025", u"0,0"}, Typed{u"1,0", u"0,00075", u"0,2"}, Typed{u"1,0", u"-1,90", u"380,0"},
        Typed{u"1.0", u"1,90", u""}, Typed{u"1,0", u"1,9e0", u""}, Typed{u"999999999999999", u"999999999999999", u""}));

// Worked by hand. 589 nm: 590,0 and 588,0 (mean 589,0, s = sqrt(2) = 1,41),
// a k = 0 row with no value; right answers 590, 588, 589 (mean 589,0, 0 %).
// 450 nm: 452,0, 455,0, 452,5 (mean 453,17, s = sqrt(2,583) = 1,61); right
// answers 452 and 453 (mean 452,5, 2,5 / 450 = 0,556 %), 445 judged wrong.
TEST(JournalSummaryTest, MeanDeviationAndErrorPerSetWavelength)
{
    const std::vector<JournalRow> rows{
        row(u"589"_s, u"2,0"_s, 2, u"2,95"_s, 5900, u"590"_s, true),
        row(u"450"_s, u"3,0"_s, 3, u"2,26"_s, 4520, u"452"_s, true),
        row(u"589"_s, u"1,5"_s, -1, u"-1,96"_s, 5880, u"588"_s, true),
        row(u"589"_s, u"1,0"_s, 0, u"0,00"_s, std::nullopt, u"589"_s, true),
        row(u"450"_s, u"2,5"_s, 1, u"0,91"_s, 4550, u"445"_s, false),
        row(u"450"_s, u"2,5"_s, -2, u"-1,81"_s, 4525, u"453"_s, true),
    };
    const auto lines = journal::summarize(rows);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].setWavelength, u"589");
    EXPECT_EQ(lines[0].checks, 3);
    EXPECT_EQ(lines[0].meanTenths, 5890);
    EXPECT_EQ(lines[0].deviationTenths, 14);
    EXPECT_EQ(lines[0].meanRightTenths, 5890);
    EXPECT_EQ(lines[0].relativeHundredths, 0);
    EXPECT_EQ(lines[1].setWavelength, u"450");
    EXPECT_EQ(lines[1].checks, 3);
    EXPECT_EQ(lines[1].meanTenths, 4532);
    EXPECT_EQ(lines[1].deviationTenths, 16);
    EXPECT_EQ(lines[1].meanRightTenths, 4525);
    EXPECT_EQ(lines[1].relativeHundredths, 56);

    const QString html = journal::summaryHtml(lines, bench::NumberFormat{});
    for (const QString &text : {u">453,2<"_s, u">1,6<"_s, u">452,5<"_s, u">0,56<"_s, u">1,4<"_s, u">0,00<"_s})
        EXPECT_TRUE(html.contains(text)) << text.toStdString();
    EXPECT_TRUE(journal::summaryHtml(lines, bench::NumberFormat{u'.'}).contains(u">453.2<"));
}

// One check: no deviation; no right answer: no mean of answers and no error;
// a concealed set wavelength shows «?» and gives no error until revealed.
TEST(JournalSummaryTest, WhatCannotBeWorkedOutStaysEmpty)
{
    journal::JournalModel model(bench::NumberFormat{});
    JournalRow hidden = row(u"530"_s, u"1,0"_s, 1, u"2,65"_s, 5300, u"530"_s, true);
    hidden.set = {u"530"_s, u"line 2"_s, true};
    model.append(hidden);
    model.append(row(u"400"_s, u"1,0"_s, 1, u"2,00"_s, 4000, u"401"_s, false));

    auto lines = journal::summarize(model.rows());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(model.cellText(0, Column::SetWavelength), u"?");
    EXPECT_EQ(lines[0].setWavelength, u"?");
    EXPECT_EQ(lines[0].meanRightTenths, 5300);
    EXPECT_EQ(lines[0].relativeHundredths, std::nullopt);
    EXPECT_EQ(lines[0].deviationTenths, std::nullopt);
    EXPECT_EQ(lines[1].meanTenths, 4000);
    EXPECT_EQ(lines[1].meanRightTenths, std::nullopt);
    EXPECT_EQ(lines[1].relativeHundredths, std::nullopt);

    model.reveal(u"line 2"_s);
    lines = journal::summarize(model.rows());
    EXPECT_EQ(model.cellText(0, Column::SetWavelength), u"530");
    EXPECT_EQ(lines[0].setWavelength, u"530");
    EXPECT_EQ(lines[0].relativeHundredths, 0);

    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(model.hasUnsavedRows());
}

QByteArray csvOfTwoRows(QChar mark)
{
    const QString d = u"2"_s + mark + u"0"_s;
    const QString y = u"-2"_s + mark + u"95"_s;
    journal::JournalModel model(bench::NumberFormat{mark});
    JournalRow first = row(u"589"_s, d, -2, y, 5900, u"590"_s, true);
    first.time = QTime(9, 5, 7);
    model.append(first);
    JournalRow second = row(u"589"_s, u"1"_s + mark + u"0"_s, 0, u"0"_s + mark + u"00"_s, std::nullopt, u"5\"9;"_s,
        false);
    second.time = QTime(9, 6, 0);
    model.append(second);
    return journal::csvBytes(model);
}

TEST(JournalCsvTest, CommaLocaleSeparatesWithSemicolons)
{
    const QByteArray expected = "\xEF\xBB\xBF"
                                "\xE2\x84\x96;\xD0\x92\xD1\x80\xD0\xB5\xD0\xBC\xD1\x8F;"
                                "\xCE\xBB \xD1\x83\xD1\x81\xD1\x82., \xD0\xBD\xD0\xBC;"
                                "d, 10\xE2\x81\xBB\xE2\x81\xB5 \xD0\xBC;k;y, \xD1\x81\xD0\xBC;"
                                "\xCE\xBB \xD0\xBF\xD0\xBE d \xD0\xB8 y, \xD0\xBD\xD0\xBC;"
                                "\xD0\x9E\xD1\x82\xD0\xB2\xD0\xB5\xD1\x82, \xD0\xBD\xD0\xBC;"
                                "\xD0\xA0\xD0\xB5\xD0\xB7\xD1\x83\xD0\xBB\xD1\x8C\xD1\x82\xD0\xB0\xD1\x82\r\n"
                                "1;09:05:07;589;2,0;-2;-2,95;590,0;590;\xD0\x92\xD0\xB5\xD1\x80\xD0\xBD\xD0\xBE\r\n"
                                "2;09:06:00;589;1,0;0;0,00;;\"5\"\"9;\";"
                                "\xD0\x9D\xD0\xB5\xD0\xB2\xD0\xB5\xD1\x80\xD0\xBD\xD0\xBE\r\n";
    EXPECT_EQ(csvOfTwoRows(u','), expected);
}

TEST(JournalCsvTest, PointLocaleSeparatesWithCommasAndQuotesTheHeaders)
{
    const QByteArray expected = "\xEF\xBB\xBF"
                                "\xE2\x84\x96,\xD0\x92\xD1\x80\xD0\xB5\xD0\xBC\xD1\x8F,"
                                "\"\xCE\xBB \xD1\x83\xD1\x81\xD1\x82., \xD0\xBD\xD0\xBC\","
                                "\"d, 10\xE2\x81\xBB\xE2\x81\xB5 \xD0\xBC\",k,\"y, \xD1\x81\xD0\xBC\","
                                "\"\xCE\xBB \xD0\xBF\xD0\xBE d \xD0\xB8 y, \xD0\xBD\xD0\xBC\","
                                "\"\xD0\x9E\xD1\x82\xD0\xB2\xD0\xB5\xD1\x82, \xD0\xBD\xD0\xBC\","
                                "\xD0\xA0\xD0\xB5\xD0\xB7\xD1\x83\xD0\xBB\xD1\x8C\xD1\x82\xD0\xB0\xD1\x82\r\n"
                                "1,09:05:07,589,2.0,-2,-2.95,590.0,590,\xD0\x92\xD0\xB5\xD1\x80\xD0\xBD\xD0\xBE\r\n"
                                "2,09:06:00,589,1.0,0,0.00,,\"5\"\"9;\","
                                "\xD0\x9D\xD0\xB5\xD0\xB2\xD0\xB5\xD1\x80\xD0\xBD\xD0\xBE\r\n";
    EXPECT_EQ(csvOfTwoRows(u'.'), expected);
}

struct Chosen {
    const char *path;
    FileType selected;
    const char *written;
    FileType type;
};

class SaveTargetTest : public ::testing::TestWithParam<Chosen> {};

TEST_P(SaveTargetTest, TypeFollowsTheExtensionElseTheSelectedFilter)
{
    const auto target = journal::resolveSaveTarget(QString::fromUtf8(GetParam().path), GetParam().selected);
    EXPECT_EQ(target.path, QString::fromUtf8(GetParam().written));
    EXPECT_EQ(target.type, GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(Names, SaveTargetTest,
    ::testing::Values(Chosen{"/tmp/a.csv", FileType::Pdf, "/tmp/a.csv", FileType::Csv},
        Chosen{"/tmp/a.PDF", FileType::Csv, "/tmp/a.PDF", FileType::Pdf},
        Chosen{"/tmp/a", FileType::Csv, "/tmp/a.csv", FileType::Csv},
        Chosen{"/tmp/v1.2/a", FileType::Pdf, "/tmp/v1.2/a.pdf", FileType::Pdf},
        Chosen{"/tmp/a.txt", FileType::Pdf, "/tmp/a.txt", FileType::Pdf},
        Chosen{"/tmp/a.Gratinglab-Result", FileType::Csv, "/tmp/a.Gratinglab-Result", FileType::Result},
        Chosen{"/tmp/9Б", FileType::Result, "/tmp/9Б.gratinglab-result", FileType::Result}));

} // namespace
