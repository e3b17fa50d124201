#include "result_keeper.h"

#include "experiment_screen.h"
#include "growing_result.h"
#include "journal.h"
#include "journal_result.h"
#include "journal_screen.h"
#include "mainUnit.h"
#include "result_judging.h"
#include "save_file.h"
#include "task_look.h"

#include <QEventLoop>
#include <QTimer>

#include <QDir>
#include <QFileInfo>

#include <optional>
#include <utility>

using namespace Qt::Literals::StringLiterals;

ResultKeeper::ResultKeeper(TForm1 &form, QString localResults)
    : form_(form),
      localResults_(std::move(localResults)),
      computerMark_(classroom::thisComputerMark()),
      sender_(form.clock())
{
    connect(&sender_, &classroom::ResultSender::sent, this, [this](const QString &path) {
        lastClassFile_ = path;
        if (std::exchange(told_, false)) {
            showNotes({}, {});
            emit classFolderRecovered();
        }
        updateQuestion();
    });
    connect(&sender_, &classroom::ResultSender::failed, this, [this](const QString &reason) {
        if (!std::exchange(told_, true)) {
            const QString note = u"В папку класса результаты пока не записываются; все проверки сохранены на этом "
                                 u"компьютере, и программа передаёт их, как только папка ответит."_s;
            showNotes(note, reason);
            emit classFolderFailed(note, reason);
        }
        updateQuestion();
    });
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
        if (classroom::continuable(read, head))
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
        classroom::setResultAside(classFolder, name, classroom::resultFileBytes(*local));
        earlier_ = *shared;
    } else if (local && (!shared || local->checks.size() > shared->checks.size())) {
        earlier_ = *local;
        // What an earlier run could not deliver goes first.
        if (!classFolder.isEmpty())
            sender_.send(classFolder, name, *local);
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
    if (QDir().mkpath(localResults_)
        && classroom::writeGrowingResult(localResults_, name, file, classroom::resultFileBytes(file)).isEmpty())
        lastLocalFile_ = QDir(localResults_).filePath(name);
    taskResult_ = file;
    if (!form_.taskFile().isEmpty())
        sender_.send(resultsBeside(form_.taskFile()), name, file);
    updateQuestion();
}

void ResultKeeper::showNotes(const QString &note, const QString &reason)
{
    form_.journalScreen().showNote(note, reason);
    if (TaskLook *look = form_.experiment().taskLook())
        look->showShareNote(note.isEmpty() ? QString() : u"Папка класса не отвечает; проверки сохранены здесь"_s);
}

void ResultKeeper::updateQuestion()
{
    if (taskResult_.checks.empty())
        return;
    const QString here = QDir::toNativeSeparators(localResults_);
    QString question = u"Все проверки уже сохранены для учителя на этом компьютере, в папке «%1». "
                       u"Сохранить журнал измерений?"_s.arg(here);
    if (!form_.taskFile().isEmpty()) {
        const QString folder = QDir::toNativeSeparators(resultsBeside(form_.taskFile()));
        question = !sender_.pending() && !lastClassFile_.isEmpty()
            ? u"Все проверки уже переданы учителю: они в папке «%1». Сохранить журнал измерений?"_s.arg(folder)
            : u"Последние проверки ещё не дошли до папки класса «%1»: все они сохранены на этом компьютере, в "
              u"папке «%2». Сохранить журнал измерений?"_s.arg(folder, here);
    }
    form_.journalScreen().setTaskResult(taskResult_, question);
}

bool ResultKeeper::sendPending(int waitMs)
{
    if (!sender_.pending())
        return true;
    QEventLoop loop;
    QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
    connect(&sender_, &classroom::ResultSender::sent, &loop, [&] {
        if (!sender_.pending())
            loop.quit();
    });
    loop.exec();
    return !sender_.pending();
}
