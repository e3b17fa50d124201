// The lab report as a PDF file, read back with pdftotext and pdfimages.
#include "bench_session.h"
#include "journal.h"
#include "manual_clock.h"
#include "picture_catalogue.h"
#include "save_journal.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// pdftotext breaks lines where the layout does; compare the words only.
QString words(const QString &text)
{
    return text.simplified();
}

TEST(JournalReportTest, PdfHoldsTheHeadingTheTableTheSummaryAndTheBench)
{
    ASSERT_FALSE(QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        << "pdftotext is missing: tools/install-deps.sh installs poppler-utils";
    ManualClock clock;
    bench::BenchSession session(assets::scenePictures(), bench::NumberFormat{}, clock);
    journal::Journal journal(session);
    journal.setNow([] { return QDateTime(QDate(2026, 3, 2), QTime(9, 5, 7)); });
    journal.setPupil({u"Иванова Мария"_s, u"11 «Б»"_s, u"K7-2"_s, u"3"_s});
    session.dragSliderTo(589);
    session.typeText(bench::TextField::Answer, u"589"_s);
    session.Button6Click();
    session.Button6Click();
    session.typeText(bench::TextField::Answer, u"600"_s);
    session.Button6Click();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"отчёт.pdf"_s);
    ASSERT_EQ(journal::saveJournal(journal, {path, journal::FileType::Pdf}), std::nullopt);
    EXPECT_FALSE(journal.model().hasUnsavedRows());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    const QString text = words(run(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, path, u"-"_s}));
    ASSERT_FALSE(text.isEmpty());
    // y = 589 * 0.005 / 1,0 = 2,945, shown 2,95: lambda = 1 * 2,95 * 1e4 / 50 = 590,0.
    for (const QString &expected : {u"Отчёт о лабораторной работе «Измерение длины световой волны»"_s,
             u"Ученик: Иванова Мария"_s, u"Класс: 11 «Б»"_s, u"Дата: 02.03.2026"_s, u"Задание: код K7-2, вариант 3"_s,
             u"λ = d·y/(k·F)"_s, u"1 09:05:07 589 1,0 1 2,95 590,0 589 Верно"_s,
             u"2 09:05:07 589 1,0 1 2,95 590,0 600 Неверно"_s, u"Итоги"_s, u"Стенд при последней проверке"_s})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\nin: " << text.toStdString();
    // The summary row: 2 checks, mean 590,0, s 0,0, right answer 589,0, 0,00 %.
    EXPECT_TRUE(text.contains(u"589 2 590,0 0,0 589,0 0,00"_s)) << text.toStdString();

    const QString images = run(u"pdfimages"_s, {u"-list"_s, path});
    EXPECT_TRUE(images.contains(u" 945   445 "_s) || images.contains(u"945 445"_s)) << images.toStdString();

    const QString info = run(u"pdfinfo"_s, {path});
    EXPECT_TRUE(info.contains(u"(A4)"_s)) << info.toStdString();
}

} // namespace
