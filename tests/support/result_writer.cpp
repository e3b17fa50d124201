// A pupil's program as far as its result file goes, for the concurrency
// tests: writes one pupil's result file again after each of its checks,
// through the program's own writer of the growing result file.
//   result_writer FOLDER CODE VARIANT NAME CHECKS [--pace MS] [--keep-trying]
//                 [--hold-before K]...
// Every check but the last answers «1», wrong in the arithmetic; the last
// answers what the read-outs give, right, with the line named beside it. It
// starts writing when a line arrives on stdin, so that all forty write at once.
// By default it writes as fast as it can and stops at the first failed write.
// --pace waits MS between writes. --keep-trying goes on past a failed write,
// as a pupil who keeps checking: the next write carries that check too, and
// the last one is tried again until it gets there (at most 400 times).
// --hold-before K waits for another line on stdin before check K, so a test
// can stop the server at a known point. With either option each event is a
// line on stdout: "wrote I", "failed I: MESSAGE", "held K", "gave up".
#include "answer_check.h"
#include "growing_result.h"
#include "lamp_lines.h"
#include "measuring_cursor.h"
#include "result_file.h"
#include "task_check.h"
#include "task_code.h"
#include "task_texts.h"

#include <QDir>

#include <chrono>
#include <cstdio>
#include <set>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace {

void waitForLine()
{
    for (int c = std::fgetc(stdin); c != EOF && c != '\n'; c = std::fgetc(stdin)) {}
}

void tell(const QString &event)
{
    std::fputs((event + u'\n').toUtf8().constData(), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 6)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    classroom::ResultFile r;
    r.code = QString::fromLocal8Bit(argv[2]);
    r.variant = QString::fromLocal8Bit(argv[3]).toInt();
    r.pupil = QString::fromLocal8Bit(argv[4]);
    const int checks = QString::fromLocal8Bit(argv[5]).toInt();
    std::chrono::milliseconds pace{0};
    bool keepTrying = false;
    std::set<int> holds;
    for (int i = 6; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--keep-trying")
            keepTrying = true;
        else if (option == "--pace" && i + 1 < argc)
            pace = std::chrono::milliseconds(std::atoi(argv[++i]));
        else if (option == "--hold-before" && i + 1 < argc)
            holds.insert(std::atoi(argv[++i]));
        else
            return 2;
    }
    const bool talk = keepTrying || !holds.empty();
    const bench::LampLine &line = bench::kLampLines[size_t(bench::lineOfVariant(r.code, r.variant))];
    const QString name = classroom::resultFileName(r, u"c0ffee"_s);
    // The cursor on the line's first-order maximum at d = 2, as a pupil sets it.
    const bench::NumberFormat format;
    const QString grating = u"2"_s;
    const QString distance = bench::cursorText(int(bench::maximumRowOffset(1, line.nm, 2.0, format)), format);
    const auto lambda = bench::formulaWavelength({{}, grating, distance, 1}, format);
    const QString right = bench::IntToStr(std::int64_t(lambda->numerator / lambda->denominator));
    waitForLine();
    bool pending = false;
    for (int i = 1; i <= checks; ++i) {
        if (holds.contains(i)) {
            tell(u"held %1"_s.arg(i));
            waitForLine();
        }
        const bool last = i == checks;
        const QString answer = last ? right : u"1"_s;
        const bench::TaskJudgement j = bench::judgeTaskAnswer(answer, {grating, distance, 1}, line.nm, format);
        r.checks.push_back({QDateTime(QDate(2026, 12, 9), QTime(10, 0).addSecs(i)), grating, 1, distance, answer,
            bench::verdictText(j.right), j.right ? bench::lineName(line) : bench::hintText(j.hint)});
        const QString error = classroom::writeGrowingResult(folder, name, r, classroom::resultFileBytes(r));
        pending = !error.isEmpty();
        if (pending && !keepTrying) {
            std::fputs(error.toUtf8().constData(), stderr);
            return 1;
        }
        if (talk)
            tell(pending ? u"failed %1: %2"_s.arg(i).arg(error) : u"wrote %1"_s.arg(i));
        std::this_thread::sleep_for(pace);
    }
    // The last check is the one no later check would carry.
    for (int attempt = 0; pending && attempt < 400; ++attempt) {
        std::this_thread::sleep_for(std::max(pace, std::chrono::milliseconds(10)));
        const QString error = classroom::writeGrowingResult(folder, name, r, classroom::resultFileBytes(r));
        pending = !error.isEmpty();
        tell(pending ? u"failed %1: %2"_s.arg(checks).arg(error) : u"wrote %1"_s.arg(checks));
    }
    if (pending) {
        tell(u"gave up"_s);
        return 1;
    }
    return 0;
}
