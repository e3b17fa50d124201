// A pupil's program as far as its result file goes, for the concurrency
// test: writes one pupil's result file again after each of its checks,
// through the program's own writer (QSaveFile), as fast as it can.
//   result_writer FOLDER CODE VARIANT NAME CHECKS
// Every check but the last answers «1», wrong without a hint; the last
// answers the line's wavelength, right, with the line named beside it. It
// starts writing when a line arrives on stdin, so that all forty write at once.
#include "lamp_lines.h"
#include "result_file.h"
#include "save_file.h"
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
    for (int i = 1; i <= checks; ++i) {
        const bool last = i == checks;
        r.checks.push_back({QDateTime(QDate(2026, 12, 9), QTime(10, 0).addSecs(i)), u"2"_s, 1, u"1,00"_s,
            last ? QString::number(line.nm) : u"1"_s, last ? u"Верно !"_s : u"Неверно !"_s,
            last ? bench::lineName(line) : QString()});
        if (const QString error = classroom::saveFile(path, classroom::resultFileBytes(r)); !error.isEmpty()) {
            std::fputs(error.toUtf8().constData(), stderr);
            return 1;
        }
    }
    return 0;
}
