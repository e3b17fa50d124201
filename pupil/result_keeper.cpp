#include "result_keeper.h"

#include "experiment_screen.h"
#include "folder_work.h"
#include "growing_result.h"
#include "journal.h"
#include "journal_result.h"
#include "journal_screen.h"
#include "mainUnit.h"
#include "pupil_texts.h"
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

namespace {

// The reminder of what this computer owes a class folder; kept on the local
// disk, so it is cheap to keep exact.
void markOwed(const QString &localFolder, const classroom::OwedResult &result, bool owed)
{
    std::vector<classroom::OwedResult> list = classroom::readOwedResults(localFolder);
    const auto at = std::ranges::find(list, result);
    if (owed == (at != list.end()))
        return;
    if (owed)
        list.push_back(result);
    else
        list.erase(at);
    classroom::writeOwedResults(localFolder, list);
}

} // namespace

ResultKeeper::ResultKeeper(TForm1 &form, QString localResults)
    : form_(form),
      localResults_(std::move(localResults)),
      computerMark_(classroom::thisComputerMark()),
      sender_(form.clock())
{
    connect(&sender_, &classroom::ResultSender::sent, this, [this](const QString &path) {
        lastClassFile_ = path;
        if (!sender_.pending())
            markOwed(localResults_, target_, false);
        if (std::exchange(told_, false)) {
            showNotes({}, {});
            emit classFolderRecovered();
        }
        updateQuestion();
    });
    connect(&sender_, &classroom::ResultSender::failed, this, [this](const QString &reason) {
        if (!std::exchange(told_, true)) {
            markOwed(localResults_, target_, true);
            const QString note = PupilText::tr(
                "В папку класса результаты пока не записываются; все проверки сохранены на этом "
                "компьютере, и программа передаёт их, как только папка ответит.");
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
    // Not translated: the teacher's window, in any language, reads this folder by name.
    return QFileInfo(taskFile).absoluteDir().filePath(u"Результаты"_s);
}

void ResultKeeper::startTask(const bench::Task &task, const QString &taskFile)
{
    // Nothing of an earlier task may reach this one's file, not even
    // through the pupil set by the start.
    checks_.clear();
    started_ = {};
    form_.resumeTask(task, 0, false, taskFile);
    begin();
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
    // The copy on this computer counts at once; the class folder's, read on
    // its worker, may hold more and is weighed when it comes.
    const classroom::ResultFileRead localRead = classroom::readResultFile(QDir(localResults_).filePath(name));
    const std::optional<classroom::ResultFile> local = classroom::continuable(localRead, head)
        ? std::optional(localRead.result)
        : std::nullopt;
    if (local)
        earlier_ = *local;
    countEarlier();
    const QString classFolder = form_.taskFile().isEmpty() ? QString() : resultsBeside(form_.taskFile());
    if (classFolder.isEmpty())
        return;
    reading_ = true;
    const unsigned read = ++reads_;
    auto outcome = std::make_shared<std::pair<classroom::ResultFile, bool>>();
    classroom::folderWork().run(
        [classFolder, name, head, local, outcome] {
        const classroom::ResultFileRead sharedRead = classroom::readResultFile(QDir(classFolder).filePath(name));
        const std::optional<classroom::ResultFile> shared = classroom::continuable(sharedRead, head)
            ? std::optional(sharedRead.result)
            : std::nullopt;
        if (shared && local && !classroom::checksContinue(*shared, *local)
            && !classroom::checksContinue(*local, *shared)) {
            // The copies went separate ways: the class folder's goes on,
            // and the teacher gets this computer's too, under a name of
            // its own.
            classroom::setResultAside(classFolder, name, classroom::resultFileBytes(*local));
            *outcome = {*shared, false};
        } else if (local && (!shared || local->checks.size() > shared->checks.size())) {
            // What an earlier run could not deliver goes first.
            *outcome = {*local, true};
        } else if (shared) {
            *outcome = {*shared, false};
        }
        },
        this,
        [this, read, outcome] {
        if (read == reads_)
            loaded(outcome->first, outcome->second);
    });
}

void ResultKeeper::loaded(const classroom::ResultFile &earlier, bool sendLocal)
{
    reading_ = false;
    earlier_ = earlier;
    countEarlier();
    if (!checks_.empty())
        keep();
    else if (sendLocal)
        sendToClass();
}

void ResultKeeper::countEarlier()
{
    const auto &task = form_.session().task();
    if (!task)
        return;
    classroom::ResultFile all = earlier_;
    all.checks.insert(all.checks.end(), checks_.begin(), checks_.end());
    const bool solved = classroom::judgeResult(all, task->lampLine()).firstRight.has_value();
    form_.session().recordTaskChecks(unsigned(all.checks.size()), solved);
}

void ResultKeeper::sendToClass()
{
    if (reading_ || form_.taskFile().isEmpty() || (earlier_.checks.empty() && checks_.empty()))
        return;
    target_ = {resultsBeside(form_.taskFile()), loadedName_};
    sender_.send(target_.folder, target_.name, checks_.empty() ? earlier_ : taskResult_);
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
    sendToClass();
    updateQuestion();
}

void ResultKeeper::showNotes(const QString &note, const QString &reason)
{
    form_.journalScreen().showNote(note, reason);
    if (TaskLook *look = form_.experiment().taskLook())
        look->showShareNote(
            note.isEmpty() ? QString() : PupilText::tr("Папка класса не отвечает; проверки сохранены здесь"));
}

void ResultKeeper::updateQuestion()
{
    if (taskResult_.checks.empty())
        return;
    const QString here = QDir::toNativeSeparators(localResults_);
    QString question = PupilText::tr("Все проверки уже сохранены для учителя на этом компьютере, в папке «%1». "
                                     "Сохранить журнал измерений?")
                           .arg(here);
    if (!form_.taskFile().isEmpty()) {
        const QString folder = QDir::toNativeSeparators(resultsBeside(form_.taskFile()));
        question = !sender_.pending() && !lastClassFile_.isEmpty()
            ? PupilText::tr("Все проверки уже переданы учителю: они в папке «%1». Сохранить журнал измерений?")
                  .arg(folder)
            : PupilText::tr(
                "Последние проверки ещё не дошли до папки класса «%1»: все они сохранены на этом компьютере, в "
                "папке «%2». Сохранить журнал измерений?")
                  .arg(folder, here);
    }
    form_.journalScreen().setTaskResult(taskResult_, question);
}

void ResultKeeper::sendOwed()
{
    const QString current = form_.taskFile().isEmpty() ? QString() : resultsBeside(form_.taskFile());
    for (const classroom::OwedResult &owed : classroom::readOwedResults(localResults_)) {
        // This start's own file is weighed and sent by load().
        if (owed == classroom::OwedResult{current, loadedName_})
            continue;
        const classroom::ResultFileRead read = classroom::readResultFile(QDir(localResults_).filePath(owed.name));
        if (!read.ok() || !read.checksumOk) {
            markOwed(localResults_, owed, false);
            continue;
        }
        auto &sender = owedSenders_.emplace_back(std::make_unique<classroom::ResultSender>(form_.clock()));
        connect(sender.get(), &classroom::ResultSender::sent, this, [this, owed, s = sender.get()] {
            if (!s->pending())
                markOwed(localResults_, owed, false);
        });
        sender->send(owed.folder, owed.name, read.result);
    }
}

bool ResultKeeper::sendPending(int waitMs)
{
    const auto anyPending = [this] {
        return sender_.pending() || std::ranges::any_of(owedSenders_, [](const auto &s) { return s->pending(); });
    };
    if (!anyPending())
        return true;
    QEventLoop loop;
    QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
    const auto quitWhenDone = [&] {
        if (!anyPending())
            loop.quit();
    };
    connect(&sender_, &classroom::ResultSender::sent, &loop, quitWhenDone);
    for (const auto &s : owedSenders_)
        connect(s.get(), &classroom::ResultSender::sent, &loop, quitWhenDone);
    loop.exec();
    return !anyPending();
}
