// The bench session with a lamp or white light: what the cursor reads, how an
// answer is judged and named, what stays locked, and what the journal and a
// screen reader are told.
#include "bench_reading.h"
#include "bench_session.h"
#include "journal.h"
#include "manual_clock.h"
#include "measuring_cursor.h"
#include "picture_catalogue.h"
#include "source_texts.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using bench::Arrow;
using bench::BenchSession;
using bench::LightSource;
using bench::SourceHint;
using bench::TextField;
using bench::Verdict;

namespace {

class LightSession : public ::testing::Test {
protected:
    void setGrating(int tenths)
    {
        while (session_.state().d_gr < tenths / 10.0 - 1e-9)
            session_.SpinButton1UpClick();
    }
    void check(const QString &order, const QString &answer)
    {
        session_.typeText(TextField::Order, order);
        session_.typeText(TextField::Answer, answer);
        session_.Button6Click();
    }

    ManualClock clock_;
    BenchSession session_{assets::scenePictures(), bench::NumberFormat{}, clock_};
};

struct CheckCase {
    const char *name;
    LightSource source;
    int gratingTenths;
    int cursor;
    const char *order;
    const char *answer;
    const char *distance; // the cursor's read-out
    Verdict verdict;
    SourceHint hint;
    const char *feature; // named after a right answer
};

class SourceCheck : public LightSession, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(SourceCheck, JudgesTheMeasurementThenTheArithmetic)
{
    const CheckCase &c = GetParam();
    setGrating(c.gratingTenths);
    session_.setSource(c.source);
    session_.moveCursorTo(c.cursor);
    EXPECT_EQ(session_.text(TextField::Distance), QString::fromUtf8(c.distance));
    check(QString::fromUtf8(c.order), QString::fromUtf8(c.answer));
    EXPECT_EQ(session_.verdict(), c.verdict);
    const bench::SourceJudgement &j = session_.sourceJudgement();
    EXPECT_EQ(j.hint, c.hint);
    const QString named = j.right ? bench::featureName(c.source, *j.feature) : bench::sourceHintText(j.hint);
    EXPECT_EQ(named, QString::fromUtf8(c.feature));
}

// lambda = d * 1e4 * y / (k * 50) nm; one pixel is worth 5 * d / k nm.
INSTANTIATE_TEST_SUITE_P(Sources, SourceCheck,
    ::testing::Values(CheckCase{"MercuryGreen", LightSource::Mercury, 10, 109, "1", "546", "2,73", Verdict::Right,
                          SourceHint::None, "ртуть, 546 нм"},
        CheckCase{"BelowTheAxis", LightSource::Mercury, 10, -109, " 1 ", "546", "-2,73", Verdict::Right,
            SourceHint::None, "ртуть, 546 нм"},
        CheckCase{"OnePixelOffIsOnTheLine", LightSource::Mercury, 10, 110, "1", "550", "2,75", Verdict::Right,
            SourceHint::None, "ртуть, 546 нм"},
        CheckCase{"NearestOfTwoYellowLines", LightSource::Mercury, 10, 116, "1", "580", "2,90", Verdict::Right,
            SourceHint::None, "ртуть, 579 нм"},
        CheckCase{"SecondOrder", LightSource::Mercury, 20, 110, "2", "550", "2,75", Verdict::Right, SourceHint::None,
            "ртуть, 546 нм"},
        // 3 * 1e4 * 4,75 / 350 = 407,14...: 407 and 408 both right, nearest
        // to mercury's weak violet 407,8 nm line.
        CheckCase{"RoundedDown", LightSource::Mercury, 30, 190, "7", "407", "4,75", Verdict::Right, SourceHint::None,
            "ртуть, 408 нм"},
        CheckCase{"RoundedUp", LightSource::Mercury, 30, 190, "7", "408", "4,75", Verdict::Right, SourceHint::None,
            "ртуть, 408 нм"},
        // The exact formula: 546 / sqrt(1 + (2,73 / 50)^2) = 545,19.
        CheckCase{"ExactFormula", LightSource::Mercury, 10, 109, "1", "545", "2,73", Verdict::Right, SourceHint::None,
            "ртуть, 546 нм"},
        // 475 nm is 4 nm off 471, more than a pixel's 2,5 nm, but the
        // cursor stands on the row where that maximum is drawn.
        CheckCase{"OnTheDrawnRowOfAHighOrder", LightSource::Helium, 30, 190, "6", "475", "4,75", Verdict::Right,
            SourceHint::None, "гелий, 471 нм"},
        CheckCase{"SodiumDoubletOnOneRow", LightSource::Sodium, 10, 118, "1", "590", "2,95", Verdict::Right,
            SourceHint::None, "натрий, 590 нм"},
        CheckCase{"WhiteRedEdge", LightSource::White, 10, 152, "1", "760", "3,80", Verdict::Right, SourceHint::None,
            "красная граница спектра"},
        CheckCase{"WhiteVioletEdge", LightSource::White, 10, 76, "1", "380", "1,90", Verdict::Right, SourceHint::None,
            "фиолетовая граница спектра"},
        CheckCase{"Arithmetic", LightSource::Mercury, 10, 109, "1", "547", "2,73", Verdict::Wrong,
            SourceHint::Arithmetic, "ошибка в вычислении"},
        CheckCase{"WrongOrderTakesTheCursorOffTheLine", LightSource::Mercury, 10, 109, "2", "273", "2,73",
            Verdict::Wrong, SourceHint::OffTheLine, "визир не на линии"},
        CheckCase{"TwoPixelsOff", LightSource::Mercury, 10, 111, "1", "556", "2,78", Verdict::Wrong,
            SourceHint::OffTheLine, "визир не на линии"},
        CheckCase{"InsideTheWhiteBand", LightSource::White, 10, 100, "1", "500", "2,50", Verdict::Wrong,
            SourceHint::OffTheLine, "визир не на линии"},
        CheckCase{"OnTheAxis", LightSource::Mercury, 10, 0, "1", "0", "0,00", Verdict::Wrong, SourceHint::OffTheLine,
            "визир не на линии"},
        CheckCase{"NoOrder", LightSource::Mercury, 10, 109, "", "546", "2,73", Verdict::Wrong, SourceHint::OrderMissing,
            "введите порядок k от 1 до 8"},
        CheckCase{"OrderBeyondEight", LightSource::Mercury, 10, 109, "9", "546", "2,73", Verdict::Wrong,
            SourceHint::OrderMissing, "введите порядок k от 1 до 8"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(LightSession, ALampLocksTheSliderArrowsAndMaximaAndTheCursorFillsTheDistance)
{
    session_.setSource(LightSource::Mercury);
    EXPECT_TRUE(session_.cursorShown());
    EXPECT_EQ(session_.text(TextField::Wavelength), u"Hg"_s);
    EXPECT_EQ(session_.text(TextField::Order), QString());
    EXPECT_EQ(session_.text(TextField::Distance), u"0,00"_s);

    const unsigned renders = session_.renders();
    session_.dragSliderTo(600);
    session_.arrowPress(Arrow::Right);
    clock_.advance(1000);
    session_.arrowClick(Arrow::Right);
    session_.arrowRelease(Arrow::Right);
    EXPECT_FALSE(session_.selectOrder(2).has_value());
    EXPECT_FALSE(session_.orderSelectable(1));
    EXPECT_FALSE(session_.nextSelectableOrder(+1).has_value());
    session_.typeText(TextField::Wavelength, u"500"_s);
    session_.typeText(TextField::Distance, u"2,73"_s);
    EXPECT_EQ(session_.renders(), renders);
    EXPECT_EQ(session_.state().dl_ofs, 0);
    EXPECT_EQ(session_.state().k_sel, 1);
    EXPECT_EQ(session_.text(TextField::Wavelength), u"Hg"_s);
    EXPECT_EQ(session_.text(TextField::Distance), u"0,00"_s);

    // The cursor, by keys' steps and pages, stops at the ends of the scale.
    session_.moveCursorBy(bench::kCursorPage);
    session_.moveCursorBy(bench::kCursorStep);
    EXPECT_EQ(session_.text(TextField::Distance), u"1,03"_s);
    EXPECT_EQ(session_.state().k_sel, 1);
    session_.moveCursorBy(6 * bench::kCursorPage);
    EXPECT_EQ(session_.cursorOffset(), 200);
    EXPECT_EQ(session_.text(TextField::Distance), u"5,00"_s);
    EXPECT_EQ(session_.arcUpVisible(), true);
    const unsigned atTheEnd = session_.renders();
    session_.moveCursorBy(1);
    EXPECT_EQ(session_.renders(), atTheEnd);
    session_.moveCursorTo(-1000);
    EXPECT_EQ(session_.text(TextField::Distance), u"-5,00"_s);
    EXPECT_TRUE(session_.arcDownVisible());
    EXPECT_EQ(session_.phiTop(), 270);

    // White light names nothing in the wavelength field; mono brings back the
    // slider's wavelength and the selected maximum's read-outs.
    session_.setSource(LightSource::White);
    EXPECT_EQ(session_.text(TextField::Wavelength), u"—"_s);
    session_.setSource(LightSource::Mono);
    EXPECT_EQ(session_.text(TextField::Wavelength), u"380"_s);
    EXPECT_EQ(session_.text(TextField::Distance), u"1,90"_s);
    EXPECT_EQ(session_.text(TextField::Order), u"1"_s);
    EXPECT_TRUE(session_.dragSliderTo(500) == std::nullopt);
    EXPECT_EQ(session_.state().dl_ofs, 120);
}

TEST_F(LightSession, ATaskKeepsItsLamp)
{
    const bench::TaskParse parse = bench::parseTask(u"9б"_s, u"6"_s, QString());
    session_.startTask(parse.task);
    session_.setSource(LightSource::White);
    EXPECT_EQ(session_.source(), LightSource::Mono);
    EXPECT_EQ(session_.text(TextField::Wavelength), u"?"_s);
}

TEST(MeasuringCursor, ReadOutAndPlaceFromCentimetres)
{
    const bench::NumberFormat comma{u','};
    EXPECT_EQ(bench::cursorText(109, comma), u"2,73"_s); // 2,725 rounds away from zero
    EXPECT_EQ(bench::cursorText(-3, comma), u"-0,08"_s);
    EXPECT_EQ(bench::cursorText(0, comma), u"0,00"_s);
    EXPECT_EQ(bench::cursorText(200, bench::NumberFormat{u'.'}), u"5.00"_s);
    EXPECT_EQ(bench::cursorOffsetOfText(u"2,73"_s, comma), 109); // 109,2 rows
    EXPECT_EQ(bench::cursorOffsetOfText(u"-1,9"_s, comma), -76);
    EXPECT_EQ(bench::cursorOffsetOfText(u"5,5"_s, comma), 200);
    EXPECT_EQ(bench::cursorOffsetOfText(u"-1e300"_s, comma), -200);
    EXPECT_EQ(bench::cursorOffsetOfText(u"0,0125"_s, comma), 0); // half a row, to even
    EXPECT_FALSE(bench::cursorOffsetOfText(u"2.73"_s, comma).has_value());
    EXPECT_FALSE(bench::cursorOffsetOfText(u"NAN"_s, comma).has_value());
}

TEST_F(LightSession, TheJournalRecordsSourceCursorAndTypedOrder)
{
    journal::Journal log(session_);
    session_.setSource(LightSource::Mercury);
    session_.moveCursorTo(109);
    check(u"1"_s, u"546"_s);
    session_.Button6Click();
    session_.moveCursorTo(100);
    check(u"1"_s, u"500"_s);
    session_.Button6Click();
    session_.setSource(LightSource::White);
    session_.moveCursorTo(152);
    check(u"1"_s, u"760"_s);
    // A new light starts a new check: the verdict of white light is gone.
    session_.setSource(LightSource::Cadmium);
    EXPECT_EQ(session_.verdict(), Verdict::None);
    EXPECT_EQ(session_.checkButton(), bench::CheckButton::Check);
    EXPECT_EQ(session_.text(TextField::Answer), QString());
    EXPECT_FALSE(session_.sourceJudgement().feature.has_value());

    const journal::JournalModel &m = log.model();
    ASSERT_EQ(m.rowCount(), 3);
    const auto cells = [&m](int r) {
        QStringList texts;
        for (const auto c : {journal::Column::SetWavelength, journal::Column::Order, journal::Column::Distance,
                 journal::Column::Computed, journal::Column::Answer, journal::Column::Verdict})
            texts << m.cellText(r, c);
        return texts;
    };
    EXPECT_EQ(cells(0), (QStringList{u"Hg, 546"_s, u"1"_s, u"2,73"_s, u"546,0"_s, u"546"_s, u"Верно"_s}));
    EXPECT_EQ(cells(1), (QStringList{u"Hg, —"_s, u"1"_s, u"2,50"_s, u"500,0"_s, u"500"_s, u"Неверно"_s}));
    EXPECT_EQ(cells(2), (QStringList{u"белый, 760"_s, u"1"_s, u"3,80"_s, u"760,0"_s, u"760"_s, u"Верно"_s}));
    const journal::JournalRow &row = m.rows()[0];
    ASSERT_TRUE(row.source.has_value());
    EXPECT_EQ(row.source->source, u"Лампа: ртутная"_s);
    EXPECT_EQ(row.source->cursorY, u"2,73"_s);
    EXPECT_EQ(row.source->typedOrder, u"1"_s);
    EXPECT_EQ(row.set.line, u"ртуть, 546 нм"_s);
    EXPECT_EQ(m.rows()[1].set.line, u"Лампа: ртутная"_s);
}

TEST_F(LightSession, TheReadingTellsTheSourceAndTheCursor)
{
    session_.showCursor(true);
    session_.moveCursorTo(-3);
    EXPECT_EQ(bench::benchReading(session_),
        u"Длина волны 380 нм, d = 1,0; выбран максимум 1-го порядка над осью, y = 1,90 см; визир y = -0,08 см"_s);
    session_.setSource(LightSource::Mercury);
    session_.moveCursorTo(109);
    EXPECT_EQ(bench::benchReading(session_), u"Лампа: ртутная; d = 1,0; визир y = 2,73 см"_s);
    session_.typeText(TextField::Order, u"1"_s);
    EXPECT_EQ(bench::benchReading(session_), u"Лампа: ртутная; d = 1,0; визир y = 2,73 см, k = 1"_s);
    EXPECT_EQ(bench::wavelengthLabelReading(session_), u"λ: Лампа: ртутная"_s);
}

} // namespace
