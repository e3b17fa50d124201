#include "case_name.h"
#include "number_text.h"
#include "russian_locale.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QLocale>
#include <QTemporaryDir>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

// Readable failure output for texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

using namespace Qt::Literals::StringLiterals;
using bench::EConvertError;
using bench::Extended;
using bench::NumberFormat;

const NumberFormat kComma{u','};
const NumberFormat kDot{u'.'};

template <typename F>
QString conversionMessage(F &&convert)
{
    try {
        convert();
    } catch (const EConvertError &e) {
        return e.message();
    }
    return u"(no error)"_s;
}

// ---- Round -----------------------------------------------------------------

struct RoundCase {
    Extended x;
    std::int64_t expected;
};

class RoundToNearestEven : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToNearestEven, GivesTheNearestIntegerAndTheEvenOneOnTies)
{
    EXPECT_EQ(bench::Round(GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundToNearestEven,
    testing::Values(RoundCase{189.5L, 190}, RoundCase{188.5L, 188}, RoundCase{16.5L, 16}, RoundCase{-2.5L, -2},
        RoundCase{0.5L, 0}, RoundCase{1.5L, 2}, RoundCase{-0.5L, 0}, RoundCase{-1.5L, -2}, RoundCase{25.2L, 25},
        RoundCase{152.8L, 153}, RoundCase{-3.7L, -4}, RoundCase{2.4999999999L, 2},
        RoundCase{0.49999999999999999996L, 0},
        // Only a 64-bit mantissa holds these halves exactly.
        RoundCase{4503599627370497.5L, 4503599627370498}, RoundCase{4503599627370498.5L, 4503599627370498},
        RoundCase{-9223372036854775808.0L, std::numeric_limits<std::int64_t>::min()}),
    [](const auto &info) { return case_name::number(info.param.x) + "_Is" + case_name::number(info.param.expected); });

TEST(RoundOutOfRange, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(bench::Round(1e30L), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(bench::Round(9223372036854775808.0L), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(bench::Round(-1e30L), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(bench::Round(std::numeric_limits<Extended>::infinity()), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(bench::Round(std::numeric_limits<Extended>::quiet_NaN()), 0);
}

TEST(RoundOutOfRange, UnsupportedExtendedEncodingsAreNotANumber)
{
    // An "unnormal": exponent of 1.0 without the explicit integer bit.
    const unsigned char bytes[10] = {0x33, 0x33, 0x33, 0x33, 0x33, 0x33, 0x33, 0x73, 0xFF, 0x3F};
    Extended unnormal = 0;
    std::memcpy(&unnormal, bytes, sizeof bytes);
    EXPECT_EQ(bench::Round(unnormal), 0);
    EXPECT_EQ(bench::FormatDistance(unnormal, kComma), u"NAN"_s);
}

// ---- Integers ----------------------------------------------------------------

TEST(IntToStr, PlainDecimalWithMinus)
{
    EXPECT_EQ(bench::IntToStr(0), u"0"_s);
    EXPECT_EQ(bench::IntToStr(380), u"380"_s);
    EXPECT_EQ(bench::IntToStr(-380), u"-380"_s);
    EXPECT_EQ(bench::IntToStr(std::numeric_limits<std::int64_t>::min()), u"-9223372036854775808"_s);
}

struct AcceptedInteger {
    const char16_t *text;
    std::int32_t value;
};

class StrToIntAccepts : public testing::TestWithParam<AcceptedInteger> {};

TEST_P(StrToIntAccepts, Value)
{
    EXPECT_EQ(bench::StrToInt(QString::fromUtf16(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Forms, StrToIntAccepts,
    testing::Values(AcceptedInteger{u"380", 380}, AcceptedInteger{u"   380", 380}, AcceptedInteger{u"+380", 380},
        AcceptedInteger{u"-380", -380}, AcceptedInteger{u" -380", -380}, AcceptedInteger{u"0", 0},
        AcceptedInteger{u"-0", 0}, AcceptedInteger{u"007", 7}, AcceptedInteger{u"$17C", 380},
        AcceptedInteger{u"$17c", 380}, AcceptedInteger{u"x17C", 380}, AcceptedInteger{u"X17C", 380},
        AcceptedInteger{u"0x17C", 380}, AcceptedInteger{u"0X17c", 380}, AcceptedInteger{u"-$17C", -380},
        AcceptedInteger{u"+0x10", 16}, AcceptedInteger{u"$000000017C", 380}, AcceptedInteger{u"2147483647", 2147483647},
        AcceptedInteger{u"-2147483648", -2147483647 - 1}, AcceptedInteger{u"000000000002147483647", 2147483647},
        // Hexadecimal is a 32-bit pattern: it wraps instead of failing.
        AcceptedInteger{u"$7FFFFFFF", 2147483647}, AcceptedInteger{u"$80000000", -2147483647 - 1},
        AcceptedInteger{u"$FFFFFFFF", -1}, AcceptedInteger{u"-$FFFFFFFF", 1},
        AcceptedInteger{u"-$80000000", -2147483647 - 1}),
    [](const auto &info) { return case_name::spelled(info.param.text) + "_Is" + case_name::number(info.param.value); });

class StrToIntRejects : public testing::TestWithParam<const char16_t *> {};

TEST_P(StrToIntRejects, WithTheTextQuotedUntrimmed)
{
    const QString text = QString::fromUtf16(GetParam());
    EXPECT_EQ(conversionMessage([&] { bench::StrToInt(text); }), u"'"_s + text + u"' is not a valid integer value."_s);
}

INSTANTIATE_TEST_SUITE_P(Forms, StrToIntRejects,
    testing::Values(u"", u" ", u"   ", u"+", u"-", u"$", u"x", u"0x", u"-$", u"380 ", u" 380 ", u"38 0", u"3.8", u"3,8",
        u"38a", u"1e3", u"2147483648", u"-2147483649", u"99999999999999999999", u"$100000000", u"$1FFFFFFFF", u"$G",
        u"0xx1", u"+-1", u"--1", u"- 1", u"0x-1", u"$ 1", u"\t380", u"380\n", u"\u0663\u0668\u0660",
        u"\uff13\uff18\uff10"),
    [](const auto &info) { return case_name::spelled(info.param); });

TEST(StrToIntMessage, QuotesTheTextExactly)
{
    EXPECT_EQ(conversionMessage([] { bench::StrToInt(u"38O"_s); }), u"'38O' is not a valid integer value."_s);
    EXPECT_EQ(conversionMessage([] { bench::StrToInt(u""_s); }), u"'' is not a valid integer value."_s);
    EXPECT_EQ(conversionMessage([] { bench::StrToInt(u" 380 "_s); }), u"' 380 ' is not a valid integer value."_s);
    const QString withNul = u"380"_s + QChar(u'\0');
    EXPECT_EQ(conversionMessage([&] { bench::StrToInt(withNul); }),
        u"'"_s + withNul + u"' is not a valid integer value."_s);
    EXPECT_EQ(conversionMessage([] { bench::StrToInt(u"пять"_s); }), u"'пять' is not a valid integer value."_s);
}

// ---- General format ------------------------------------------------------------

struct GeneralCase {
    double value;
    const char16_t *text;
};

class GeneralFormat : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralFormat, FifteenDigitsWithoutTrailingZeros)
{
    EXPECT_EQ(bench::FloatToStrGeneral(GetParam().value, kComma), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Values, GeneralFormat,
    testing::Values(GeneralCase{1.0, u"1"}, GeneralCase{1.1, u"1,1"}, GeneralCase{2.0, u"2"}, GeneralCase{3.0, u"3"},
        GeneralCase{1.2000000000000002, u"1,2"}, GeneralCase{2.0000000000000009, u"2"},
        GeneralCase{1.0999999999999983, u"1,1"}, GeneralCase{0.30000000000000004, u"0,3"}, GeneralCase{-2.5, u"-2,5"},
        GeneralCase{0.0, u"0"}, GeneralCase{1.0 / 3.0, u"0,333333333333333"},
        GeneralCase{2.0 / 3.0, u"0,666666666666667"}, GeneralCase{123456789012345.6, u"123456789012346"},
        GeneralCase{999999999999999.0, u"999999999999999"}, GeneralCase{999999999999999.9, u"1E15"},
        GeneralCase{1e15, u"1E15"}, GeneralCase{1e20, u"1E20"}, GeneralCase{-1e20, u"-1E20"},
        GeneralCase{1.5e-7, u"1,5E-7"}, GeneralCase{1e-6, u"1E-6"}, GeneralCase{0.0001, u"0,0001"},
        GeneralCase{1e-5, u"0,00001"}, GeneralCase{1.2345e-5, u"0,000012345"}, GeneralCase{1e300, u"1E300"}),
    [](const auto &info) {
    return case_name::number(info.param.value) + "_Shows_" + case_name::spelled(info.param.text);
});

TEST(GeneralFormatSeparator, FollowsTheFormat)
{
    EXPECT_EQ(bench::FloatToStrGeneral(1.1, kDot), u"1.1"_s);
    EXPECT_EQ(bench::FloatToStrGeneral(2.0, kDot), u"2"_s);
    EXPECT_EQ(bench::FloatToStrGeneral(1.5e-7, kDot), u"1.5E-7"_s);
}

// ---- Distance format -------------------------------------------------------------

struct DistanceCase {
    Extended value;
    const char16_t *text;
};

class DistanceFormat : public testing::TestWithParam<DistanceCase> {};

TEST_P(DistanceFormat, ThreeSignificantDigitsTwoDecimals)
{
    EXPECT_EQ(bench::FormatDistance(GetParam().value, kComma), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Values, DistanceFormat,
    testing::Values(DistanceCase{1.9L, u"1,90"}, DistanceCase{19.0L, u"19,00"}, DistanceCase{123.456L, u"123,00"},
        DistanceCase{0.6333L, u"0,63"}, DistanceCase{0.0633L, u"0,06"}, DistanceCase{0.125L, u"0,13"},
        DistanceCase{-0.004L, u"0,00"}, DistanceCase{-1.9L, u"-1,90"}, DistanceCase{30.4L, u"30,40"},
        DistanceCase{0.0L, u"0,00"}, DistanceCase{-0.0L, u"0,00"}, DistanceCase{0.006, u"0,01"},
        DistanceCase{0.005, u"0,01"}, DistanceCase{0.0049999, u"0,00"}, DistanceCase{-0.006, u"-0,01"},
        DistanceCase{0.0009L, u"0,00"}, DistanceCase{9.995, u"9,99"}, DistanceCase{0.995, u"0,99"},
        DistanceCase{99.95, u"100,00"}, DistanceCase{12.345, u"12,30"}, DistanceCase{999.49, u"999,00"},
        DistanceCase{-123.5L, u"-124,00"}, DistanceCase{999.5L, u"1E03"}, DistanceCase{1234.5L, u"1,23E03"},
        DistanceCase{-1234.5L, u"-1,23E03"}, DistanceCase{1200.0L, u"1,2E03"}, DistanceCase{99999.0L, u"1E05"},
        DistanceCase{1e300, u"1E300"}, DistanceCase{85899345.88L, u"8,59E07"}, DistanceCase{LDBL_MAX, u"1,19E4932"},
        DistanceCase{LDBL_TRUE_MIN, u"0,00"}),
    [](const auto &info) {
    return case_name::number(info.param.value) + "_Shows_" + case_name::spelled(info.param.text);
});

TEST(DistanceFormatSeparator, FollowsTheFormat)
{
    EXPECT_EQ(bench::FormatDistance(1.9L, kDot), u"1.90"_s);
    EXPECT_EQ(bench::FormatDistance(0.0L, kDot), u"0.00"_s);
    EXPECT_EQ(bench::FormatDistance(-0.004L, kDot), u"0.00"_s);
    EXPECT_EQ(bench::FormatDistance(1234.5L, kDot), u"1.23E03"_s);
}

// ---- Text to number ----------------------------------------------------------------

struct FloatCase {
    const char16_t *text;
    Extended value;
};

class StrToFloatAccepts : public testing::TestWithParam<FloatCase> {};

TEST_P(StrToFloatAccepts, CorrectlyRoundedValue)
{
    EXPECT_EQ(bench::StrToFloat(QString::fromUtf16(GetParam().text), kComma), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Forms, StrToFloatAccepts,
    testing::Values(FloatCase{u"1,90", 1.9L}, FloatCase{u"  1,90  ", 1.9L}, FloatCase{u"-1,90", -1.9L},
        FloatCase{u"+0,63", 0.63L}, FloatCase{u"0,00", 0.0L}, FloatCase{u"1,23E03", 1230.0L},
        FloatCase{u"1E05", 100000.0L}, FloatCase{u"1,5E-7", 1.5e-7L}, FloatCase{u"1,23e+03", 1230.0L},
        FloatCase{u"1e2", 100.0L}, FloatCase{u",5", 0.5L}, FloatCase{u"5,", 5.0L}, FloatCase{u"3", 3.0L},
        FloatCase{u"0,1", 0.1L}, FloatCase{u"000123,4500", 123.45L},
        FloatCase{u"0,000000000000000000000000000001E30", 1.0L},
        FloatCase{u"12345678901234567890123", 12345678901234567890123.0L}, FloatCase{u"1E-99999", 0.0L},
        FloatCase{u"-1E99999", -HUGE_VALL}, FloatCase{u"1,19E4932", HUGE_VALL}, FloatCase{u"1,18E4932", 1.18e4932L},
        FloatCase{u" INF ", HUGE_VALL}, FloatCase{u"-inf", -HUGE_VALL}),
    [](const auto &info) { return case_name::spelled(info.param.text) + "_Is" + case_name::number(info.param.value); });

class StrToFloatRejects : public testing::TestWithParam<const char16_t *> {};

TEST_P(StrToFloatRejects, WithTheTextQuoted)
{
    const QString text = QString::fromUtf16(GetParam());
    EXPECT_EQ(conversionMessage([&] { bench::StrToFloat(text, kComma); }),
        u"'"_s + text + u"' is not a valid floating point value."_s);
}

INSTANTIATE_TEST_SUITE_P(Forms, StrToFloatRejects,
    testing::Values(u"", u" ", u"-", u"+", u",", u"-,", u"1,2,3", u"1.9", u"1E", u"1E+", u"E5", u"abc", u"1 2", u"1,9x",
        u"1,9E5 x", u"0x10", u"$10", u"- INF", u"INF5", u"NAN,0", u"--1", u"\t1", u"1\t", u"1,9 E5", u"\uff11"),
    [](const auto &info) { return case_name::spelled(info.param); });

TEST(StrToFloatSpecialWords, ReadTheNonFiniteTexts)
{
    EXPECT_TRUE(std::isnan(bench::StrToFloat(u"NAN"_s, kComma)));
    EXPECT_EQ(bench::FormatDistance(HUGE_VALL, kComma), u"INF"_s);
    EXPECT_EQ(bench::FormatDistance(-HUGE_VALL, kComma), u"-INF"_s);
    EXPECT_EQ(bench::FloatToStrGeneral(std::nan(""), kComma), u"NAN"_s);
}

TEST(StrToFloatSeparator, ReadsOnlyTheFormatsSeparator)
{
    EXPECT_EQ(bench::StrToFloat(u"1.90"_s, kDot), 1.9L);
    EXPECT_EQ(bench::StrToFloat(u"1.23E03"_s, kDot), 1230.0L);
    EXPECT_THROW(bench::StrToFloat(u"1,90"_s, kDot), EConvertError);
}

// Puts a locale with a decimal comma into LC_NUMERIC, compiling one into a
// temporary directory when the system has none; false when neither works.
bool useCommaNumericLocale(const QTemporaryDir &scratch)
{
    const std::optional<QString> path = russianLocalePath(scratch);
    if (!path)
        return false;
    if (!path->isEmpty())
        qputenv("LOCPATH", path->toLocal8Bit());
    const bool ok = std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") != nullptr;
    qunsetenv("LOCPATH");
    return ok;
}

TEST(StrToFloatSeparator, IgnoresTheProcessLocale)
{
    // QCoreApplication puts the user's LC_NUMERIC in force; a Russian one
    // must not change how the C library reads or writes our digits.
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    QTemporaryDir scratch;
    if (!useCommaNumericLocale(scratch))
        GTEST_SKIP() << "no locale with a decimal comma can be had here";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    EXPECT_STREQ(probe, "1,5"); // the locale really is in force
    EXPECT_EQ(bench::StrToFloat(u"1,90"_s, kComma), 1.9L);
    EXPECT_EQ(bench::StrToFloat(u"1.90"_s, kDot), 1.9L);
    EXPECT_EQ(bench::FormatDistance(1.9L, kComma), u"1,90"_s);
    EXPECT_EQ(bench::FormatDistance(1234.5L, kDot), u"1.23E03"_s);
    EXPECT_EQ(bench::FloatToStrGeneral(1.1, kComma), u"1,1"_s);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberFormatFromLocale, TakesTheLocalesDecimalPoint)
{
    EXPECT_EQ(NumberFormat::fromLocale(QLocale(QLocale::Russian, QLocale::Russia)).decimalSeparator, u',');
    EXPECT_EQ(NumberFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany)).decimalSeparator, u',');
    EXPECT_EQ(NumberFormat::fromLocale(QLocale::c()).decimalSeparator, u'.');
    EXPECT_EQ(NumberFormat::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates)).decimalSeparator, u'.');
}

TEST(NumberFormatDefault, IsTheComma)
{
    EXPECT_EQ(NumberFormat{}.decimalSeparator, u',');
}

} // namespace
