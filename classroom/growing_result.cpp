#include "growing_result.h"

#include "classroom_texts.h"
#include "file_read.h"
#include "save_file.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace classroom {

bool continuable(const ResultFileRead &read, const ResultFile &head)
{
    return read.ok() && read.checksumOk && read.result.code == head.code && read.result.variant == head.variant
        && read.result.pupil == head.pupil;
}

QString setResultAside(const QString &folder, const QString &name, const QByteArray &bytes)
{
    const QString suffix = QString::fromUtf16(kResultSuffix);
    const QString stem = name.chopped(suffix.size());
    for (int n = 2; n < 1000; ++n) {
        const QString path = QDir(folder).filePath(u"%1-%2%3"_s.arg(stem).arg(n).arg(suffix));
        const QFileInfo taken(path);
        if (!taken.exists() && !taken.isSymLink())
            return saveFile(path, bytes);
    }
    return ClassroomTexts::tr("в папке «%1» нет свободного имени для копии").arg(QDir::toNativeSeparators(folder));
}

namespace {

QString writeUnder(const QString &folder, const QString &name, const ResultFile &file, const QByteArray &bytes)
{
    const QString path = QDir(folder).filePath(name);
    const QFileInfo there(path);
    if (there.exists() || there.isSymLink()) {
        const ResultFileRead read = readResultFile(path);
        if (!continuable(read, file) || !checksContinue(read.result, file)) {
            FileError error;
            const auto old = readLimited(path, kMaxResultFileBytes, &error);
            if (!old)
                return ClassroomTexts::tr("файл «%1» не читается").arg(QDir::toNativeSeparators(path));
            if (QString failed = setResultAside(folder, name, *old); !failed.isEmpty())
                return failed;
        }
    }
    return saveFile(path, bytes);
}

} // namespace

QString writeGrowingResult(const QString &folder, const QString &name, const ResultFile &file, const QByteArray &bytes)
{
    if (!QDir().mkpath(folder))
        return ClassroomTexts::tr("папку «%1» нельзя создать или она не отвечает")
            .arg(QDir::toNativeSeparators(folder));
    const QString failed = writeUnder(folder, name, file, bytes);
    if (failed.isEmpty())
        return {};
    // A share's client cannot rename over a file another computer holds
    // open (the teacher's scan): the file goes under a name of its own,
    // which the teacher's table takes as the longer copy of the same pupil.
    const QString suffix = QString::fromUtf16(kResultSuffix);
    const QString beside = u"%1-2%2"_s.arg(name.chopped(suffix.size()), suffix);
    return writeUnder(folder, beside, file, bytes).isEmpty() ? QString() : failed;
}

} // namespace classroom
