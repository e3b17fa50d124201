// Names for the cases of parameterised tests. GoogleTest allows only letters,
// digits and '_' in them, and without a name a case is listed by its index or
// by the raw bytes of its parameter, so a failure cannot be traced to its
// input. These spell an input so that the name says which case failed.
#pragma once

#include <QStringView>

#include <charconv>
#include <concepts>
#include <string>
#include <string_view>

namespace case_name {

// A text spelled out: runs of ASCII letters and digits as they are, every
// other character as a word, joined by '_' ("-$17C" is "Minus_Dollar_17C").
inline std::string spelled(QStringView text)
{
    if (text.isEmpty())
        return "Empty";
    std::string name;
    bool inRun = false;
    const auto word = [&](std::string_view w) {
        if (!name.empty())
            name += '_';
        name += w;
        inRun = false;
    };
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z')) {
            if (!inRun && !name.empty())
                name += '_';
            name += char(u);
            inRun = true;
            continue;
        }
        switch (u) {
        case u' ':
            word("Space");
            break;
        case u'\t':
            word("Tab");
            break;
        case u'\n':
            word("Newline");
            break;
        case u'\0':
            word("Nul");
            break;
        case u'+':
            word("Plus");
            break;
        case u'-':
            word("Minus");
            break;
        case u'$':
            word("Dollar");
            break;
        case u'.':
            word("Dot");
            break;
        case u',':
            word("Comma");
            break;
        case u'/':
            word("Slash");
            break;
        case u'\\':
            word("Backslash");
            break;
        case u':':
            word("Colon");
            break;
        default: {
            static constexpr char kHex[] = "0123456789ABCDEF";
            const char code[] = {'U', kHex[(u >> 12) & 15], kHex[(u >> 8) & 15], kHex[(u >> 4) & 15], kHex[u & 15]};
            word(std::string_view(code, sizeof code));
        }
        }
    }
    return name;
}

// A number as its shortest exact decimal: '-' is "Minus", the point '_'
// (-2.5 is "Minus2_5", 1.5e-07 is "1_5eMinus07", infinity "Inf").
template <typename T>
requires std::integral<T> || std::floating_point<T> std::string number(T value)
{
    if constexpr (std::same_as<T, long double>) {
        // A literal written without L is a double: named as written.
        if (const double d = double(value); (long double)d == value)
            return number(d);
    }
    char digits[64];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    std::string name;
    for (const char *p = digits; p != end; ++p) {
        switch (*p) {
        case '-':
            name += "Minus";
            break;
        case '.':
            name += '_';
            break;
        case '+':
            break;
        case 'i':
            name += "Inf";
            p += 2;
            break;
        case 'n':
            name += "NaN";
            p += 2;
            break;
        default:
            name += *p;
        }
    }
    return name;
}

} // namespace case_name
