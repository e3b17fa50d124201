#include "task_code.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <array>
#include <utility>

namespace bench {

bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

qsizetype characterCount(const QString &text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()))
            ++count;
    }
    return count;
}

std::optional<std::int64_t> decimalDigits(QStringView text)
{
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    std::int64_t value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

std::optional<int> variantNumber(const QString &text)
{
    const auto value = decimalDigits(text.trimmed());
    if (!value || *value < 1 || *value > kMaxVariant)
        return std::nullopt;
    return int(*value);
}

namespace {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t state_;
};

// A code is copied from the board by eye, on whatever keyboard layout is on:
// letters that look alike must be one letter. Latin capitals go to their
// Cyrillic twins, and the Cyrillic О and З (the Latin O through О) to the
// digits 0 and 3, which every layout types the same.
QChar foldLookAlike(QChar c)
{
    static constexpr std::array<std::pair<char16_t, char16_t>, 14> kFolds{{
        {u'A', u'А'},
        {u'B', u'В'},
        {u'C', u'С'},
        {u'E', u'Е'},
        {u'H', u'Н'},
        {u'K', u'К'},
        {u'M', u'М'},
        {u'O', u'0'},
        {u'P', u'Р'},
        {u'T', u'Т'},
        {u'X', u'Х'},
        {u'Y', u'У'},
        {u'О', u'0'},
        {u'З', u'3'},
    }};
    for (const auto &[from, to] : kFolds) {
        if (c == from)
            return to;
    }
    return c;
}

} // namespace

QString normaliseTaskCode(const QString &code)
{
    QString normal = code.trimmed().normalized(QString::NormalizationForm_C).toUpper();
    for (QChar &c : normal)
        c = foldLookAlike(c);
    // A folded letter may compose with the mark after it where the Latin one
    // did not (У with a double acute is one letter, Y with it is not); the
    // code must come out the same when normalised again, as a saved one is.
    return normal.normalized(QString::NormalizationForm_C);
}

TaskInputError checkTaskCode(const QString &code)
{
    const QString normal = normaliseTaskCode(code);
    if (normal.isEmpty())
        return TaskInputError::CodeEmpty;
    if (hasControlCharacter(normal))
        return TaskInputError::CodeControlCharacter;
    if (characterCount(normal) > kMaxTaskCodeLength)
        return TaskInputError::CodeTooLong;
    return TaskInputError::None;
}

TaskInputError checkVariant(const QString &variant)
{
    return variantNumber(variant) ? TaskInputError::None : TaskInputError::VariantInvalid;
}

TaskInputError checkPupilName(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (hasControlCharacter(trimmed))
        return TaskInputError::PupilControlCharacter;
    if (characterCount(trimmed) > kMaxPupilNameLength)
        return TaskInputError::PupilTooLong;
    return TaskInputError::None;
}

TaskParse parseTask(const QString &code, const QString &variant, const QString &pupil)
{
    TaskParse parse;
    for (const TaskInputError error : {checkTaskCode(code), checkVariant(variant), checkPupilName(pupil)}) {
        if (error != TaskInputError::None) {
            parse.error = error;
            return parse;
        }
    }
    parse.task.code = normaliseTaskCode(code);
    parse.task.variant = *variantNumber(variant);
    parse.task.pupil = pupil.trimmed();
    parse.task.line = lineOfVariant(parse.task.code, parse.task.variant);
    return parse;
}

std::uint64_t taskSeed(const QString &normalisedCode)
{
    const QByteArray digest = QCryptographicHash::hash(normalisedCode.toUtf8(), QCryptographicHash::Sha256);
    std::uint64_t seed = 0;
    for (int i = 0; i < 8; ++i)
        seed = (seed << 8) | std::uint8_t(digest[i]);
    return seed;
}

std::array<int, kLampLineCount> lampPermutation(std::uint64_t seed)
{
    std::array<int, kLampLineCount> perm{};
    for (int i = 0; i < kLampLineCount; ++i)
        perm[size_t(i)] = i;
    SplitMix64 random(seed);
    for (int i = kLampLineCount - 1; i >= 1; --i) {
        const auto j = size_t(random.next() % std::uint64_t(i + 1));
        std::swap(perm[size_t(i)], perm[j]);
    }
    return perm;
}

int lineOfVariant(const QString &normalisedCode, int variant)
{
    return lampPermutation(taskSeed(normalisedCode))[size_t((variant - 1) % kLampLineCount)];
}

} // namespace bench
