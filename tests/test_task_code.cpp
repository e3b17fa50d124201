// Which lamp a task variant gets: the algorithm teachers' printed keys rely
// on, pinned by vectors worked out independently of this code.
#include "task_code.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <ostream>
#include <set>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using bench::TaskInputError;

namespace {

struct Vector {
    const char16_t *typed;
    const char16_t *normalised;
    std::uint64_t seed;
    std::vector<int> nm; // variants 1..26
};

void PrintTo(const Vector &v, std::ostream *os) { *os << QString::fromUtf16(v.typed).toStdString(); }

class TaskVariants : public ::testing::TestWithParam<Vector> {};

// Computed with a separate script (Python's hashlib, its own SplitMix64 and
// Fisher-Yates), not with this code.
INSTANTIATE_TEST_SUITE_P(
    Codes, TaskVariants,
    ::testing::Values(
        Vector{u"9Б", u"9Б", 0xf84f4c9268cd8f4bULL,
               {410, 577, 579, 656, 703, 589, 502, 405, 492, 588, 447, 471, 671,
                509, 668, 640, 434, 546, 480, 436, 535, 644, 486, 590, 707, 585}},
        Vector{u"  lab-7 a ", u"LAB-7 A", 0x32b53c83842762e1ULL,
               {447, 644, 577, 579, 668, 588, 707, 492, 509, 434, 656, 405, 436,
                502, 410, 671, 589, 546, 535, 471, 640, 703, 585, 590, 486, 480}},
        Vector{u"ФИЗИКА-11", u"ФИЗИКА-11", 0x312184f0b5335898ULL,
               {640, 589, 434, 644, 590, 405, 502, 703, 671, 585, 509, 588, 436,
                447, 546, 486, 480, 656, 535, 707, 471, 492, 577, 410, 579, 668}},
        // e + combining acute composes to one letter before upper case.
        Vector{u"e\u0301", u"\u00c9", 0xa755f65d4e5201d9ULL,
               {480, 588, 436, 447, 703, 471, 589, 707, 579, 546, 509, 656, 405,
                410, 434, 502, 644, 535, 590, 640, 492, 585, 577, 671, 486, 668}}));

TEST_P(TaskVariants, MatchTheIndependentComputation)
{
    const Vector &v = GetParam();
    const QString code = bench::normaliseTaskCode(QString::fromUtf16(v.typed));
    EXPECT_EQ(code, QString::fromUtf16(v.normalised));
    EXPECT_EQ(bench::taskSeed(code), v.seed);
    for (int variant = 1; variant <= bench::kMaxVariant; ++variant) {
        const bench::TaskParse parse = bench::parseTask(QString::fromUtf16(v.typed), QString::number(variant), {});
        ASSERT_EQ(parse.error, TaskInputError::None);
        // Variant 27 starts the list again.
        EXPECT_EQ(parse.task.lampLine().nm, v.nm[size_t((variant - 1) % 26)]) << variant;
    }
}

TEST(TaskPermutation, EveryCodeGivesTwentySixDifferentLines)
{
    for (int n = 0; n < 500; ++n) {
        const QString code = bench::normaliseTaskCode(u"класс %1"_s.arg(n));
        auto perm = bench::lampPermutation(bench::taskSeed(code));
        std::sort(perm.begin(), perm.end());
        std::array<int, 26> identity{};
        std::iota(identity.begin(), identity.end(), 0);
        EXPECT_EQ(perm, identity) << n;
        std::set<int> lines;
        for (int v = 1; v <= 26; ++v)
            lines.insert(bench::lineOfVariant(code, v));
        EXPECT_EQ(lines.size(), 26u) << n;
    }
}

struct InputCase {
    const char16_t *code;
    const char16_t *variant;
    const char16_t *pupil;
    TaskInputError error;
};

TEST(TaskInput, RefusesWhatCannotBeATask)
{
    const QString longest(32, u'Ж');
    const QString name60(60, u'я');
    const std::vector<InputCase> cases{
        {u"9Б", u"1", u"", TaskInputError::None},
        {u"\t 9б\n", u" 99 ", u"  Иванов Пётр  ", TaskInputError::None},
        {u"", u"1", u"", TaskInputError::CodeEmpty},
        {u" \u00a0 ", u"1", u"", TaskInputError::CodeEmpty},
        {u"9\u0007Б", u"1", u"", TaskInputError::CodeControlCharacter},
        {u"9Б", u"0", u"", TaskInputError::VariantInvalid},
        {u"9Б", u"100", u"", TaskInputError::VariantInvalid},
        {u"9Б", u"", u"", TaskInputError::VariantInvalid},
        {u"9Б", u"-1", u"", TaskInputError::VariantInvalid},
        {u"9Б", u"1,5", u"", TaskInputError::VariantInvalid},
        {u"9Б", u"٣", u"", TaskInputError::VariantInvalid}, // an Arabic-Indic three
        {u"9Б", u"1", u"Иванов\nПётр", TaskInputError::PupilControlCharacter},
    };
    for (const InputCase &c : cases) {
        EXPECT_EQ(bench::parseTask(QString::fromUtf16(c.code), QString::fromUtf16(c.variant),
                                   QString::fromUtf16(c.pupil))
                      .error,
                  c.error)
            << QString::fromUtf16(c.code).toStdString() << " / " << QString::fromUtf16(c.variant).toStdString();
    }
    // Lengths count letters, so a letter outside the BMP is one.
    EXPECT_EQ(bench::checkTaskCode(longest), TaskInputError::None);
    EXPECT_EQ(bench::checkTaskCode(longest + u'Ж'), TaskInputError::CodeTooLong);
    EXPECT_EQ(bench::checkTaskCode(QString(31, u'A') + u"𝔸"_s), TaskInputError::None);
    EXPECT_EQ(bench::checkPupilName(u" "_s + name60 + u" "_s), TaskInputError::None);
    EXPECT_EQ(bench::checkPupilName(name60 + u'я'), TaskInputError::PupilTooLong);

    // " 9б " is the task 9Б, whose variant 7 is 502 nm in the vectors above.
    const bench::Task task = bench::parseTask(u"\t 9б\n"_s, u" 07 "_s, u"  Иванов Пётр  "_s).task;
    EXPECT_EQ(task.code, u"9Б"_s);
    EXPECT_EQ(task.variant, 7);
    EXPECT_EQ(task.pupil, u"Иванов Пётр"_s);
    EXPECT_EQ(task.lampLine().nm, 502);
}

} // namespace
