#pragma once

#include "extended.h"

#include <QChar>
#include <QString>

#include <cstdint>
#include <stdexcept>

class QLocale;

namespace bench {

// A text that is not a number; the window shows message() in its error box.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString &message);
    QString message() const;

private:
    QString m_message; // what() would cut the text at an embedded NUL
};

// Chosen once at start-up from the user's locale and passed to every
// conversion, so that tests can pick the separator.
struct NumberFormat {
    QChar decimalSeparator = u',';
    static NumberFormat fromLocale(const QLocale &locale);
};

// A separator fromLocale() gives for some locale Qt knows: the marks a
// pupil's computer may have written its read-outs with.
bool isLocaleDecimalSeparator(QChar mark);

// Plain decimal, "-" for negatives, no padding or grouping.
QString IntToStr(std::int64_t value);

// Leading blanks, optional sign, decimal digits or hex after $ x X 0x 0X,
// nothing after the digits, 32-bit range. Otherwise throws EConvertError
// "'<text>' is not a valid integer value.".
std::int32_t StrToInt(const QString &text);

// General format of the grating constant: 15 significant digits, trailing
// zeros dropped, separator only when a fraction remains ("1,1", "2").
QString FloatToStrGeneral(double value, const NumberFormat &format);

// Fixed format with precision 3 and two decimals used for every distance:
// 1,90  0,63  123,00  0,00 (never "-0,00"); exponent form from 999.5 up.
QString FormatDistance(Extended value, const NumberFormat &format);

// Blanks, sign, digits with the format's separator, optional exponent,
// trailing blanks; also INF and NAN as the formatters write them. A value
// beyond the extended range reads as infinity. Throws EConvertError
// "'<text>' is not a valid floating point value." otherwise.
Extended StrToFloat(const QString &text, const NumberFormat &format);

} // namespace bench
