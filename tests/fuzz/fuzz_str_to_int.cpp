// StrToInt against a slow parser written from the rules, not from the code:
// the same value for every accepted text, the same message for every other.

#include "number_text.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

using namespace Qt::Literals::StringLiterals;

namespace {

std::optional<std::int32_t> slowStrToInt(const std::u16string &text)
{
    const std::size_t start = text.find_first_not_of(u' ');
    if (start == std::u16string::npos)
        return std::nullopt;
    std::u16string body = text.substr(start);
    bool negative = false;
    if (body[0] == u'+' || body[0] == u'-') {
        negative = body[0] == u'-';
        body.erase(0, 1);
    }
    bool hex = false;
    if (body.starts_with(u"0x") || body.starts_with(u"0X")) {
        hex = true;
        body.erase(0, 2);
    } else if (body.starts_with(u"$") || body.starts_with(u"x") || body.starts_with(u"X")) {
        hex = true;
        body.erase(0, 1);
    }
    if (body.empty())
        return std::nullopt;
    const std::u16string allowed = hex ? u"0123456789abcdefABCDEF" : u"0123456789";
    if (body.find_first_not_of(allowed) != std::u16string::npos)
        return std::nullopt;
    std::string digits(body.begin(), body.end());
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));

    if (hex) {
        if (digits.size() > 8)
            return std::nullopt;
        std::uint64_t pattern = std::strtoull(digits.c_str(), nullptr, 16);
        if (negative)
            pattern = (0x100000000ull - pattern) % 0x100000000ull;
        return std::int32_t(std::int64_t(pattern) - (pattern >= 0x80000000ull ? 0x100000000ll : 0));
    }
    const std::string limit = negative ? "2147483648" : "2147483647";
    if (digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit))
        return std::nullopt;
    const long long magnitude = std::stoll(digits);
    return std::int32_t(negative ? -magnitude : magnitude);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks how the rest becomes text: UTF-8 mostly, raw
    // UTF-16 now and then to reach every code unit.
    QString text;
    if (data[0] & 1)
        text = QString::fromUtf16(reinterpret_cast<const char16_t *>(data + 1), qsizetype((size - 1) / 2));
    else
        text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const std::optional<std::int32_t> expected = slowStrToInt(text.toStdU16String());
    try {
        const std::int32_t value = bench::StrToInt(text);
        if (!expected || *expected != value)
            std::abort();
    } catch (const bench::EConvertError &e) {
        if (expected)
            std::abort();
        if (e.message() != u"'"_s + text + u"' is not a valid integer value."_s)
            std::abort();
    }
    return 0;
}
