// A pupil's program as far as its result file goes, for the concurrency
// test: writes one pupil's result file again after each of its checks,
// through the program's own writer (QSaveFile), as fast as it can.
//   result_writer FOLDER CODE VARIANT NAME CHECKS
// Every check but the last answers «1», wrong in the arithmetic; the last
// answers what the read-outs give, right, with the line named beside it. It
// starts writing when a line arrives on stdin, so that all forty write at once.
#include "answer_check.h"
#include "lamp_lines.h"
#include "measuring_cursor.h"
#include "result_file.h"
#include "save_file.h"
#include "task_check.h"
#include "task_code.h"
#include "task_texts.h"

#include <QDir>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char **argv)
{
    if (argc != 6)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    classroom::ResultFile r;
    r.code = QString::fromLocal8Bit(argv[2]);
    r.variant = QString::fromLocal8Bit(argv[3]).toInt();
    r.pupil = QString::fromLocal8Bit(argv[4]);
    const int checks = QString::fromLocal8Bit(argv[5]).toInt();
    const bench::LampLine &line = bench::kLampLines[size_t(bench::lineOfVariant(r.code, r.variant))];
    const QString path = QDir(folder).filePath(classroom::resultFileName(r, u"c0ffee"_s));
    std::fgetc(stdin);
    // The cursor on the line's first-order maximum at d = 2, as a pupil sets it.
    const bench::NumberFormat format;
    const QString grating = u"2"_s;
    const QString distance = bench::cursorText(int(bench::maximumRowOffset(1, line.nm, 2.0, format)), format);
    const auto lambda = bench::formulaWavelength({{}, grating, distance, 1}, format);
    const QString right = bench::IntToStr(std::int64_t(lambda->numerator / lambda->denominator));
    for (int i = 1; i <= checks; ++i) {
        const bool last = i == checks;
        const QString answer = last ? right : u"1"_s;
        const bench::TaskJudgement j = bench::judgeTaskAnswer(answer, {grating, distance, 1}, line.nm, format);
        r.checks.push_back({QDateTime(QDate(2026, 12, 9), QTime(10, 0).addSecs(i)), grating, 1, distance, answer,
            bench::verdictText(j.right), j.right ? bench::lineName(line) : bench::hintText(j.hint)});
        if (const QString error = classroom::saveFile(path, classroom::resultFileBytes(r)); !error.isEmpty()) {
            std::fputs(error.toUtf8().constData(), stderr);
            return 1;
        }
    }
    return 0;
}
