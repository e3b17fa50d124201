#include "result_keeper.h"

#include "journal.h"
#include "journal_result.h"
#include "mainUnit.h"
#include "save_file.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

using namespace Qt::Literals::StringLiterals;

ResultKeeper::ResultKeeper(TForm1 &form, QString localResults) : form_(form), localResults_(std::move(localResults))
{
    connect(&form_.journal().model(), &QAbstractItemModel::rowsInserted, this, &ResultKeeper::keep);
    connect(&form_.journal(), &journal::Journal::pupilChanged, this, &ResultKeeper::keep);
}

QString ResultKeeper::resultsBeside(const QString &taskFile)
{
    return QFileInfo(taskFile).absoluteDir().filePath(u"Результаты"_s);
}

void ResultKeeper::keep()
{
    const journal::Journal &j = form_.journal();
    if (j.model().rowCount() == 0)
        return;
    const auto result = journal::resultOfJournal(j, form_.session(), j.now().date());
    if (!result)
        return;
    const QByteArray bytes = classroom::resultFileBytes(*result);
    const QString name = classroom::resultFileName(*result, classroom::thisComputerMark());
    if (QDir().mkpath(localResults_)) {
        const QString path = QDir(localResults_).filePath(name);
        if (classroom::saveFile(path, bytes).isEmpty())
            lastLocalFile_ = path;
    }
    if (form_.taskFile().isEmpty())
        return;
    const QString folder = resultsBeside(form_.taskFile());
    const QString path = QDir(folder).filePath(name);
    const QString error = QDir().mkpath(folder)
        ? classroom::saveFile(path, bytes)
        : u"папку «Результаты» нельзя создать"_s;
    if (error.isEmpty()) {
        lastClassFile_ = path;
    } else if (!told_) {
        told_ = true;
        emit classFolderFailed(
            u"В папку класса результаты не записываются; все проверки сохранены на этом компьютере."_s, error);
    }
}
