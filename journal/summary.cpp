#include "summary.h"

#include "decimal_text.h"
#include "journal_texts.h"

#include <QStringList>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace journal {

namespace {

using Wide = __int128;

// A mean, lambda with a bar, as a teacher writes it.
const QString kMean = u"<span style=\"text-decoration: overline\">λ</span>"_s;

// round(sqrt(n / d)), ties to even, exactly: r is right when
// (2r - 1)^2 d <= 4n <= (2r + 1)^2 d.
std::int64_t roundedSqrt(Wide n, Wide d)
{
    auto r = std::int64_t(std::llround(std::sqrt(double(n) / double(d))));
    const auto below = [&](std::int64_t x) { return Wide(2 * x - 1) * (2 * x - 1) * d > 4 * n; };
    const auto above = [&](std::int64_t x) { return Wide(2 * x + 1) * (2 * x + 1) * d < 4 * n; };
    while (r > 0 && below(r))
        --r;
    while (above(r))
        ++r;
    if (Wide(2 * r + 1) * (2 * r + 1) * d == 4 * n && r % 2 != 0)
        ++r;
    return r;
}

struct Sums {
    int checks = 0;
    int computed = 0;
    Wide sum = 0;
    Wide sumOfSquares = 0;
    int right = 0;
    Wide rightSum = 0;
    bool concealed = false;
    QString wavelength;
};

std::optional<std::int64_t> wholeNumber(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    return ok ? std::optional<std::int64_t>(value) : std::nullopt;
}

LineSummary summaryOf(const Sums &s)
{
    LineSummary line;
    line.setWavelength = s.concealed ? u"?"_s : s.wavelength;
    line.checks = s.checks;
    if (s.computed > 0)
        line.meanTenths = roundToEven(s.sum, s.computed);
    if (s.computed > 1) {
        const Wide n = s.computed;
        line.deviationTenths = roundedSqrt(n * s.sumOfSquares - s.sum * s.sum, n * (n - 1));
    }
    if (s.right > 0) {
        line.meanRightTenths = roundToEven(10 * s.rightSum, s.right);
        const auto set = wholeNumber(s.wavelength);
        if (!s.concealed && set && *set > 0) {
            const Wide n = s.right;
            const Wide off = s.rightSum - n * *set;
            line.relativeHundredths = roundToEven((off < 0 ? -off : off) * 10000, n * *set);
        }
    }
    return line;
}

QString cell(const std::optional<std::int64_t> &value, int decimals, const bench::NumberFormat &format)
{
    return value ? fixedText(*value, decimals, format) : u"—"_s;
}

} // namespace

std::vector<LineSummary> summarize(const std::vector<JournalRow> &rows)
{
    std::vector<QString> order;
    std::vector<Sums> sums;
    for (const JournalRow &row : rows) {
        size_t i = 0;
        while (i < order.size() && order[i] != row.set.line)
            ++i;
        if (i == order.size()) {
            order.push_back(row.set.line);
            sums.push_back({});
            sums.back().wavelength = row.set.wavelength;
        }
        Sums &s = sums[i];
        ++s.checks;
        s.concealed = s.concealed || row.set.concealed;
        if (row.computedTenths && !row.set.task) {
            ++s.computed;
            s.sum += *row.computedTenths;
            s.sumOfSquares += Wide(*row.computedTenths) * *row.computedTenths;
        }
        // Only a whole number can be right but a pasted text equal to a
        // typed-over wavelength field; the mean takes the numbers.
        if (const auto answer = wholeNumber(row.answer); row.right && answer) {
            ++s.right;
            s.rightSum += *answer;
        }
    }
    std::vector<LineSummary> lines;
    lines.reserve(sums.size());
    for (const Sums &s : sums)
        lines.push_back(summaryOf(s));
    return lines;
}

QString summaryHtml(const std::vector<LineSummary> &lines, const bench::NumberFormat &format)
{
    QString html = u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"_s
        + JournalTexts::tr("<tr><th>λ уст., нм</th><th>Проверок</th><th>Среднее %1, нм</th><th>s, нм</th>"
                           "<th>Среднее верных ответов %1<sub>отв</sub>, нм</th><th>δ, %</th></tr>")
              .arg(kMean);
    for (const LineSummary &line : lines) {
        const QStringList cells{line.setWavelength.toHtmlEscaped(), bench::IntToStr(line.checks),
            cell(line.meanTenths, 1, format), cell(line.deviationTenths, 1, format),
            cell(line.meanRightTenths, 1, format), cell(line.relativeHundredths, 2, format)};
        html += u"<tr><td align=\"center\">"_s + cells.join(u"</td><td align=\"center\">"_s) + u"</td></tr>"_s;
    }
    return html + u"</table>"_s;
}

QString formulasHtml()
{
    return JournalTexts::tr(
        "<p>λ = d·y / (k·F), F = 50 см; &nbsp; %1 = (λ<sub>1</sub> + λ<sub>2</sub> + … + λ<sub>n</sub>) / n; &nbsp; "
        "s = √( Σ (λ<sub>i</sub> − %1)² / (n − 1) ); &nbsp; "
        "δ = |%1<sub>отв</sub> − λ<sub>уст</sub>| / λ<sub>уст</sub> · 100 %</p>"
        "<p>%1 — среднее вычисленных длин волн, s — их выборочное стандартное отклонение (при n ≥ 2), "
        "%1<sub>отв</sub> — среднее верных ответов, λ<sub>уст</sub> — установленная длина волны.</p>")
        .arg(kMean);
}

} // namespace journal
