#include "save_journal.h"

#include "csv_file.h"
#include "journal.h"
#include "journal_result.h"
#include "journal_texts.h"
#include "report.h"
#include "save_file.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>

using namespace Qt::Literals::StringLiterals;

namespace journal {

namespace {

// Qt's own error strings are English; the pupil gets the likely cause.
QString failure(const QString &path, const QString &writeReason)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    const QString reason = !folder.isDir() ? JournalTexts::tr("такой папки нет")
        : file.isDir()                     ? JournalTexts::tr("под этим именем уже есть папка")
        : !folder.isWritable() || (file.exists() && !file.isWritable())
        ? JournalTexts::tr("нет права записи")
        : writeReason;
    return JournalTexts::tr(
        "Не удалось сохранить журнал в файл «%1»: %2. Записи журнала сохранены в программе; выберите другое место.")
        .arg(QDir::toNativeSeparators(path), reason);
}

void writePdf(const Journal &journal, QIODevice &device)
{
    QPdfWriter writer(&device);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    writer.setTitle(reportTitle());
    writer.setCreator(u"gratinglab"_s);
    printReport(journal, writer);
}

} // namespace

SaveTarget resolveSaveTarget(const QString &chosenPath, FileType chosenType)
{
    const QString suffix = QFileInfo(chosenPath).suffix().toLower();
    if (suffix == u"csv")
        return {chosenPath, FileType::Csv};
    if (suffix == u"pdf")
        return {chosenPath, FileType::Pdf};
    if (u'.' + suffix == QStringView(classroom::kResultSuffix))
        return {chosenPath, FileType::Result};
    if (!suffix.isEmpty())
        return {chosenPath, chosenType};
    const QString extension = chosenType == FileType::Csv ? u".csv"_s
        : chosenType == FileType::Pdf
        ? u".pdf"_s
        : QString::fromUtf16(classroom::kResultSuffix);
    return {chosenPath + extension, chosenType};
}

std::optional<QString> saveJournal(Journal &journal, const SaveTarget &target,
    const std::optional<classroom::ResultFile> &taskResult)
{
    std::optional<classroom::ResultFile> result;
    if (target.type == FileType::Result) {
        result = taskResult ? taskResult : resultOfJournal(journal, journal.session(), journal.now().date());
        if (!result)
            return JournalTexts::tr(
                "Файл результата бывает только у контрольного задания: сохраните журнал как отчёт PDF или таблицу CSV.");
    }
    QByteArray bytes;
    if (target.type == FileType::Csv) {
        bytes = csvBytes(journal.model());
    } else if (result) {
        bytes = classroom::resultFileBytes(*result);
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        writePdf(journal, buffer);
    }
    if (const auto reason = classroom::writeWholeFile(target.path, bytes))
        return failure(target.path, *reason);
    journal.model().markSaved();
    return std::nullopt;
}

} // namespace journal
