#include "result_keeper.h"

#include "journal.h"
#include "journal_result.h"
#include "journal_screen.h"
#include "mainUnit.h"
#include "result_judging.h"
#include "save_file.h"

#include <QDir>
#include <QFileInfo>

#include <optional>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// A copy that must not be overwritten goes beside it, as «…-2», «…-3».
QString setAside(const QString &folder, const QString &name, const QByteArray &bytes)
{
    const QString suffix = QString::fromUtf16(classroom::kResultSuffix);
    const QString stem = name.chopped(suffix.size());
    for (int n = 2; n < 1000; ++n) {
        const QString path = QDir(folder).filePath(u"%1-%2%3"_s.arg(stem).arg(n).arg(suffix));
        const QFileInfo taken(path);
        if (!taken.exists() && !taken.isSymLink())
            return classroom::saveFile(path, bytes);
    }
    return u"в папке «%1» нет свободного имени для копии"_s.arg(QDir::toNativeSeparators(folder));
}

// A file of this pupil's task that this start may carry on.
bool continuable(const classroom::ResultFileRead &read, const classroom::ResultFile &head)
{
    // An edited copy is not carried on: a new checksum would hide the edit.
    return read.ok() && read.checksumOk && read.result.code == head.code && read.result.variant == head.variant
        && read.result.pupil == head.pupil;
}

} // namespace

ResultKeeper::ResultKeeper(TForm1 &form, QString localResults)
    : form_(form), localResults_(std::move(localResults)), computerMark_(classroom::thisComputerMark())
{
    // After the journal's own connection: the check's row is there.
    connect(&form_.session(), &bench::BenchSession::answerJudged, this, &ResultKeeper::checked);
    connect(&form_.journal(), &journal::Journal::pupilChanged, this, &ResultKeeper::keep);
}

QString ResultKeeper::resultsBeside(const QString &taskFile)
{
    return QFileInfo(taskFile).absoluteDir().filePath(u"Результаты"_s);
}

void ResultKeeper::startTask(const bench::Task &task, const QString &taskFile)
{
    form_.resumeTask(task, 0, false, taskFile);
    begin();
    if (earlier_.checks.empty())
        return;
    const bool solved = classroom::judgeResult(earlier_, task.lampLine()).firstRight.has_value();
    form_.resumeTask(task, unsigned(earlier_.checks.size()), solved, taskFile);
}

void ResultKeeper::continueTask()
{
    if (form_.session().task())
        begin();
}

void ResultKeeper::begin()
{
    const journal::Journal &j = form_.journal();
    started_ = j.now();
    started_.setTime(QTime(started_.time().hour(), started_.time().minute(), started_.time().second()));
    checks_.clear();
    if (const auto head = journal::resultHeadOf(j, form_.session()))
        load(*head, classroom::resultFileName(*head, computerMark_));
}

void ResultKeeper::load(const classroom::ResultFile &head, const QString &name)
{
    loadedName_ = name;
    earlier_ = {};
    const auto copyIn = [&](const QString &folder) -> std::optional<classroom::ResultFile> {
        const classroom::ResultFileRead read = classroom::readResultFile(QDir(folder).filePath(name));
        if (continuable(read, head))
            return read.result;
        return std::nullopt;
    };
    const QString classFolder = form_.taskFile().isEmpty() ? QString() : resultsBeside(form_.taskFile());
    const auto shared = classFolder.isEmpty() ? std::nullopt : copyIn(classFolder);
    const auto local = copyIn(localResults_);
    if (shared && local && !classroom::checksContinue(*shared, *local) && !classroom::checksContinue(*local, *shared)) {
        // The copies went separate ways: the class folder's goes on, and the
        // teacher gets this computer's too, under a name of its own (here the
        // first write sets it aside).
        setAside(classFolder, name, classroom::resultFileBytes(*local));
        earlier_ = *shared;
    } else if (local && (!shared || local->checks.size() > shared->checks.size())) {
        earlier_ = *local;
    } else if (shared) {
        earlier_ = *shared;
    }
}

void ResultKeeper::checked()
{
    const journal::Journal &j = form_.journal();
    if (!form_.session().task() || j.model().rows().empty())
        return;
    if (!started_.isValid())
        begin();
    checks_.push_back(journal::resultCheckOf(j.model().rows().back(), form_.session(), j.now().date()));
    keep();
}

void ResultKeeper::keep()
{
    // A start leaves its trace with its first check.
    const auto head = journal::resultHeadOf(form_.journal(), form_.session());
    if (!head || checks_.empty())
        return;
    const QString name = classroom::resultFileName(*head, computerMark_);
    if (name != loadedName_)
        load(*head, name);
    classroom::ResultFile file = *head;
    file.checks = earlier_.checks;
    file.checks.insert(file.checks.end(), checks_.begin(), checks_.end());
    file.starts = earlier_.starts;
    file.starts.push_back(started_);
    const QByteArray bytes = classroom::resultFileBytes(file);

    QString question = u"Все проверки уже сохранены для учителя на этом компьютере, в папке «%1». "
                       u"Сохранить журнал измерений?"_s.arg(QDir::toNativeSeparators(localResults_));
    if (QDir().mkpath(localResults_) && writeInto(localResults_, name, file, bytes).isEmpty())
        lastLocalFile_ = QDir(localResults_).filePath(name);
    if (!form_.taskFile().isEmpty()) {
        const QString folder = resultsBeside(form_.taskFile());
        const QString error = QDir().mkpath(folder)
            ? writeInto(folder, name, file, bytes)
            : u"папку «Результаты» нельзя создать"_s;
        if (error.isEmpty()) {
            lastClassFile_ = QDir(folder).filePath(name);
            question = u"Все проверки уже переданы учителю: они в папке «%1». Сохранить журнал измерений?"_s.arg(
                QDir::toNativeSeparators(folder));
        } else if (!told_) {
            told_ = true;
            emit classFolderFailed(
                u"В папку класса результаты не записываются; все проверки сохранены на этом компьютере."_s, error);
        }
    }
    form_.journalScreen().setTaskResult(file, question);
}

QString ResultKeeper::writeInto(const QString &folder, const QString &name, const classroom::ResultFile &file,
    const QByteArray &bytes)
{
    const QString path = QDir(folder).filePath(name);
    const QFileInfo there(path);
    if (there.exists() || there.isSymLink()) {
        const classroom::ResultFileRead read = classroom::readResultFile(path);
        if (!continuable(read, file) || !classroom::checksContinue(read.result, file)) {
            // Whatever the file there holds, it is not cut short: it is kept
            // beside, and the growing file takes its name.
            classroom::FileError error;
            const auto old = classroom::readLimited(path, classroom::kMaxResultFileBytes, &error);
            if (!old)
                return u"файл «%1» не читается"_s.arg(QDir::toNativeSeparators(path));
            if (const QString failed = setAside(folder, name, *old); !failed.isEmpty())
                return failed;
        }
    }
    return classroom::saveFile(path, bytes);
}
