#pragma once

#include "file_read.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

namespace classroom {

// The pupil's result file (*.gratinglab-result, JSON, UTF-8): who, which
// task, and every judged check with the read-outs the pupil saw. A SHA-256
// over everything else lets the teacher's program recognise a damaged or
// edited file; the verdicts in it are never trusted, every check is judged
// again from its read-outs.
inline constexpr char16_t kResultSuffix[] = u".gratinglab-result";
constexpr int kResultFileFormatVersion = 1;
// Far above a lesson's checks, far below harm.
constexpr qint64 kMaxResultFileBytes = qint64{1024} * 1024;
constexpr std::size_t kMaxResultChecks = 2000;
constexpr qsizetype kMaxResultText = 200;

// Each start of the task is recorded too; a file without the list was
// written by one start.
constexpr std::size_t kMaxResultStarts = kMaxResultChecks;

// One judged check as the screen showed it.
struct ResultCheck {
    QDateTime time;   // local time, to the second
    QString grating;  // Ed_d, 1e-5 m
    int order = 0;    // the selected maximum, -8..8
    QString distance; // Ed_ym, cm
    QString answer;   // Edit5, nm, as typed
    QString verdict;  // «Верно !» or «Неверно !»
    QString hint;     // the hint beside the verdict, may be empty

    friend bool operator==(const ResultCheck &, const ResultCheck &) = default;
};

struct ResultFile {
    QString program;                 // the version that wrote it
    QString code;                    // normalised task code
    int variant = 0;                 // 1..99
    QString pupil;                   // may be empty
    QString form;                    // the class, may be empty
    QChar decimalMark = u',';        // of the grating and distance texts, as the pupil's locale wrote them
    std::vector<ResultCheck> checks; // of every start, in order
    std::vector<QDateTime> starts;   // when the task was opened, each time; local time, to the second
};

// True when later holds every check of earlier at its beginning: grown by
// later checks, or the same.
bool checksContinue(const ResultFile &earlier, const ResultFile &later);

QByteArray resultFileBytes(const ResultFile &result);

struct ResultFileRead {
    ResultFile result;
    FileError error;         // the file could not be taken at all
    bool checksumOk = false; // false: damaged or edited since it was written
    bool ok() const { return error.problem == FileProblem::None; }
    static ResultFileRead refused(FileProblem problem, const QString &detail = {})
    {
        ResultFileRead read;
        read.error = {problem, detail};
        return read;
    }
};

// Every field checked: a pupil's file is hostile input.
ResultFileRead parseResultFile(const QByteArray &bytes);
ResultFileRead readResultFile(const QString &path);

// A file name safe on any share (Windows' included): the code, the variant,
// the pupil's name and a mark of the computer and user, so that two pupils
// never write the same file while one pupil always writes the same one.
QString resultFileName(const ResultFile &result, const QString &computerMark);
// The mark of this computer and user account: 6 hex digits.
QString thisComputerMark();

} // namespace classroom
