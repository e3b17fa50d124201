#include "class_results.h"

#include "class_results_texts.h"
#include "mark_rule.h"
#include "task_code.h"
#include "text_fields.h"

#include <QHash>

#include <algorithm>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace classroom {

namespace {

// The key is the list of lines the teacher's file holds, which its reader
// checked against the code; only a task put together in memory without
// them falls back to the code.
const bench::LampLine &lineOf(const ClassroomTask &task, int variant)
{
    const auto index = size_t(variant - 1);
    return bench::kLampLines[size_t(
        index < task.lines.size() ? task.lines[index] : bench::lineOfVariant(task.code, variant))];
}

// A file of this task, judged: a candidate for its pupil's row.
struct Candidate {
    QString path;
    const ResultFile *result;
    JudgedResult judged;
    bool checksumOk;
    bool honest; // checksum right and every recorded verdict the program's own

    QDateTime lastCheck() const { return result->checks.empty() ? QDateTime() : result->checks.back().time; }
};

// Which of one pupil's files counts: an honest one, then more checks, then
// a later last check; the path settles the rest so that every scan agrees.
bool countsBefore(const Candidate &a, const Candidate &b)
{
    if (a.honest != b.honest)
        return a.honest;
    if (a.judged.checks != b.judged.checks)
        return a.judged.checks > b.judged.checks;
    if (a.lastCheck() != b.lastCheck())
        return a.lastCheck() > b.lastCheck();
    return a.path < b.path;
}

Misfit misfitOf(FileProblem problem)
{
    switch (problem) {
    case FileProblem::CannotRead:
        return Misfit::Unreadable;
    case FileProblem::TooLarge:
        return Misfit::TooLarge;
    case FileProblem::Damaged:
        return Misfit::Damaged;
    case FileProblem::Newer:
        return Misfit::Newer;
    case FileProblem::NotOurs:
    case FileProblem::TeacherFile:
    case FileProblem::TaskFile:
    case FileProblem::KeyMissing:
    case FileProblem::None:
        break;
    }
    return Misfit::NotOurs;
}

Misfit misfitOf(ScanProblem problem)
{
    switch (problem) {
    case ScanProblem::Missing:
        return Misfit::Missing;
    case ScanProblem::Unreadable:
        return Misfit::PlaceUnreadable;
    case ScanProblem::Link:
        return Misfit::Link;
    case ScanProblem::NotRegular:
        return Misfit::NotRegular;
    case ScanProblem::NotResultFile:
        return Misfit::NotResultFile;
    case ScanProblem::TooMany:
        break;
    }
    return Misfit::TooMany;
}

class Builder {
public:
    explicit Builder(const ClassroomTask &task) : task_(task)
    {
        for (const Pupil &p : task.pupils)
            listed_.insert(pupilKey(p.name), p.variant);
    }

    void refuse(const QString &path, Misfit why, const QString &reason) { out_.misfits.push_back({path, why, reason}); }

    void take(const LoadedResult &file)
    {
        const ResultFileRead &read = *file.read;
        if (!read.ok())
            return refuse(file.path, misfitOf(read.error.problem), readProblemReason(read.error));
        const ResultFile &r = read.result;
        if (r.code != task_.code)
            return refuse(file.path, Misfit::OtherTask, otherTaskReason(r.code));
        if (r.variant > task_.variants)
            return refuse(file.path, Misfit::VariantOutside, variantOutsideReason(r.variant, task_.variants));
        QString key = QString::number(r.variant);
        if (task_.hasList()) {
            const QString &listedName = task_.pupils[size_t(r.variant - 1)].name;
            if (r.pupil.trimmed().isEmpty())
                return refuse(file.path, Misfit::NotOnList, noNameReason(r.variant, listedName));
            if (pupilKey(r.pupil) != pupilKey(listedName)) {
                const auto other = listed_.constFind(pupilKey(r.pupil));
                if (other == listed_.cend())
                    return refuse(file.path, Misfit::NotOnList, notOnListReason(r.pupil));
                return refuse(file.path, Misfit::VariantMismatch, variantMismatchReason(r.variant, r.pupil, *other));
            }
        } else {
            // Without a list a pupil is the variant and the name typed.
            key += u'/' + pupilKey(r.pupil);
        }
        const JudgedResult judged = judgeResult(r, lineOf(task_, r.variant));
        candidates_[key].push_back({file.path, &r, judged, read.checksumOk, read.checksumOk && judged.agrees});
    }

    ClassResults finish()
    {
        std::map<std::pair<int, QString>, PupilRow> rows;
        if (task_.hasList()) {
            for (const Pupil &p : task_.pupils)
                rows[{p.variant, QString()}] = emptyRow(p.variant, p.name, p.id);
        }
        for (auto &[key, files] : candidates_) {
            std::sort(files.begin(), files.end(), countsBefore);
            const Candidate &best = files.front();
            bool diverge = false;
            for (size_t i = 1; i < files.size(); ++i) {
                // Fewer checks that begin the counted file's: a copy left
                // behind. Other checks: tries that the counted file lacks.
                const bool copy = checksContinue(*files[i].result, *best.result);
                if (files[i].honest && copy)
                    refuse(files[i].path, Misfit::Duplicate, duplicateReason(best.path));
                else if (files[i].honest)
                    refuse(files[i].path, Misfit::Diverging, divergingReason(best.path));
                else
                    refuse(files[i].path, Misfit::Edited, editedReason(files[i].checksumOk));
                diverge = diverge || (files[i].honest && best.honest && !copy);
            }
            const int variant = best.result->variant;
            const QString sortName = task_.hasList() ? QString() : pupilKey(best.result->pupil);
            PupilRow &row = rows[{variant, sortName}];
            if (!task_.hasList())
                row = emptyRow(variant, best.result->pupil.simplified(), QString());
            row.judged = best.judged;
            row.file = best.path;
            row.starts = int(best.result->starts.size());
            row.filesDiverge = diverge;
            if (best.honest) {
                row.status = PupilStatus::Counted;
                row.mark = markFor(best.judged.firstRight);
            } else {
                row.status = PupilStatus::Edited;
                refuse(best.path, Misfit::Edited, editedReason(best.checksumOk));
            }
        }
        for (auto &[key, row] : rows)
            out_.rows.push_back(std::move(row));
        std::stable_sort(out_.misfits.begin(), out_.misfits.end(),
            [](const MisfitFile &a, const MisfitFile &b) { return a.path < b.path; });
        return std::move(out_);
    }

private:
    PupilRow emptyRow(int variant, const QString &name, const QString &id) const
    {
        PupilRow row;
        row.variant = variant;
        row.name = name;
        row.id = id;
        row.lineNm = lineOf(task_, variant).nm;
        return row;
    }

    const ClassroomTask &task_;
    QHash<QString, int> listed_; // the list's names, by pupilKey
    std::map<QString, std::vector<Candidate>> candidates_;
    ClassResults out_;
};

} // namespace

ClassResults buildClassResults(const ClassroomTask &task, const std::vector<LoadedResult> &files,
    const std::vector<ScanRefusal> &refused)
{
    Builder builder(task);
    for (const ScanRefusal &r : refused)
        builder.refuse(r.path, misfitOf(r.problem), scanProblemReason(r.problem, kMaxResultFiles));
    for (const LoadedResult &file : files)
        builder.take(file);
    return builder.finish();
}

ClassResults readClassResults(const ClassroomTask &task, const QStringList &places, ResultFileCache &cache)
{
    const ResultScan scan = scanResultPlaces(places);
    return buildClassResults(task, cache.load(scan.files), scan.refused);
}

} // namespace classroom
