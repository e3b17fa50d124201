// Which lamp a task variant gets: the algorithm teachers' printed keys rely
// on, pinned by vectors worked out independently of this code.
#include "task_code.h"

#include "lamp_lines.h"

#include <gtest/gtest.h>

#include <QStringList>

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

void PrintTo(const Vector &v, std::ostream *os)
{
    *os << QString::fromUtf16(v.typed).toStdString();
}

class TaskVariants : public ::testing::TestWithParam<Vector> {};

// Computed with a separate script (Python's hashlib and unicodedata, its own
// look-alike table, SplitMix64 and Fisher-Yates), not with this code. The
// folded letters are written as code points so that no editor can swap them.
INSTANTIATE_TEST_SUITE_P(Codes, TaskVariants,
    ::testing::Values(Vector{u"9Б", u"9Б", 0xf84f4c9268cd8f4bULL,
                          {410, 577, 579, 656, 703, 589, 502, 405, 492, 588, 447, 471, 671, 509, 668, 640, 434, 546,
                              480, 436, 535, 644, 486, 590, 707, 585}},
        // Latin A and B fold into the Cyrillic А and В; L has no twin.
        Vector{u"  lab-7 a ", u"L\u0410\u0412-7 \u0410", 0x17e082f4f4fb90b1ULL,
            {471, 434, 502, 546, 644, 589, 509, 579, 668, 703, 486, 656, 447, 405, 588, 707, 436, 492, 640, 535, 410,
                585, 577, 590, 480, 671}},
        // The Cyrillic З folds into the digit 3.
        Vector{u"ФИЗИКА-11", u"ФИ3ИКА-11", 0xdeec34371161bec0ULL,
            {640, 447, 471, 405, 577, 410, 703, 502, 509, 656, 589, 492, 644, 535, 585, 480, 707, 546, 588, 579, 671,
                590, 434, 486, 436, 668}},
        // e + combining acute composes to one letter before upper case.
        Vector{u"e\u0301", u"\u00c9", 0xa755f65d4e5201d9ULL,
            {480, 588, 436, 447, 703, 471, 589, 707, 579, 546, 509, 656, 405, 410, 434, 502, 644, 535, 590, 640, 492,
                585, 577, 671, 486, 668}},
        Vector{u"9\u0430", u"9\u0410", 0x0f788fe28e4aaa8bULL,
            {585, 671, 589, 480, 447, 707, 509, 471, 436, 644, 492, 434, 486, 579, 588, 656, 546, 640, 405, 590, 502,
                668, 410, 703, 535, 577}},
        // Folded into У, the Latin y takes its double acute as one letter.
        Vector{u"y\u030b", u"\u04f2", 0x783f3cd3aedd765bULL,
            {671, 405, 644, 585, 492, 509, 588, 703, 471, 577, 707, 546, 434, 447, 579, 589, 668, 486, 502, 410, 656,
                480, 640, 535, 590, 436}},
        // The Latin O and the Cyrillic О both end as the digit 0, З as 3.
        Vector{u"O\u043f\u0442\u0438\u043a\u0430-3\u0437", u"0\u041f\u0422\u0418\u041a\u0410-33", 0x3848239e23a63c94ULL,
            {486, 590, 703, 656, 671, 434, 577, 589, 480, 585, 644, 535, 707, 447, 471, 509, 640, 502, 668, 546, 436,
                492, 579, 410, 405, 588}}));

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

// Codes that look the same on the board are one task, whatever the layout.
TEST(TaskCodeFolding, LookAlikesAreOneTask)
{
    const std::vector<std::vector<const char16_t *>> sameTask{
        {u"9\u0410", u"9A", u"9a", u"9\u0430"},
        {u"9\u0412", u"9B", u"9b", u"9\u0432"},
        {u"90", u"9O", u"9o", u"9\u041e", u"9\u043e"},
        {u"3-\u0421", u"\u0417-C", u"\u0437-c", u"3-\u0441"},
        {u"\u0410\u0412\u0421\u0415\u041d\u041a\u041c\u0420\u0422\u0425\u0423", u"abcehkmptxy", u"ABCEHKMPTXY"},
    };
    for (const auto &group : sameTask) {
        const QString first = bench::normaliseTaskCode(QString::fromUtf16(group.front()));
        for (const char16_t *typed : group)
            EXPECT_EQ(bench::normaliseTaskCode(QString::fromUtf16(typed)), first)
                << QString::fromUtf16(typed).toStdString();
    }
    // Б is not В, and a Latin letter without a Cyrillic twin stays Latin.
    EXPECT_NE(bench::normaliseTaskCode(u"9Б"_s), bench::normaliseTaskCode(u"9B"_s));
    EXPECT_EQ(bench::normaliseTaskCode(u"9d"_s), u"9D"_s);
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
        EXPECT_EQ(
            bench::parseTask(QString::fromUtf16(c.code), QString::fromUtf16(c.variant), QString::fromUtf16(c.pupil))
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

// The variants index this table: a line changed, moved or added changes every
// key already printed. A lamp's display lines live in lamp_spectra.cpp.
TEST(TaskLines, TheTableBehindThePrintedKeysIsFrozen)
{
    QStringList lines;
    for (const bench::LampLine &l : bench::kLampLines)
        lines << u"%1 %2 %3"_s.arg(l.nm).arg(l.symbol.toString(), l.element.toString());
    EXPECT_EQ(lines.join(u", "_s),
        u"405 Hg ртуть, 436 Hg ртуть, 546 Hg ртуть, 577 Hg ртуть, 579 Hg ртуть, 589 Na натрий, 590 Na натрий, "
        u"656 H водород, 486 H водород, 434 H водород, 410 H водород, 447 He гелий, 471 He гелий, 492 He гелий, "
        u"502 He гелий, 588 He гелий, 668 He гелий, 707 He гелий, 585 Ne неон, 640 Ne неон, 703 Ne неон, "
        u"480 Cd кадмий, 509 Cd кадмий, 644 Cd кадмий, 671 Li литий, 535 Tl таллий"_s);
}

} // namespace
