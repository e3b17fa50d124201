#include "class_results_panel.h"

#include "class_report_pdf.h"
#include "class_results_csv.h"
#include "class_results_texts.h"
#include "mark_rule.h"
#include "save_file.h"
#include "teacher_texts.h"
#include "ui_class_results_panel.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using classroom::ResultColumn;

ClassResultsPanel::ClassResultsPanel(TeacherDialogs &dialogs, bench::Clock &clock, QWidget *parent)
    : QWidget(parent), ui_(std::make_unique<Ui::ClassResultsPanel>()), dialogs_(dialogs), watch_(clock)
{
    Ui::ClassResultsPanel &f = *ui_;
    f.setupUi(this);
    f.Tbl_results->setColumnCount(classroom::kResultColumnCount);
    QStringList titles;
    for (int c = 0; c < classroom::kResultColumnCount; ++c) {
        // Long titles take two lines, so that the numbers' columns stay narrow.
        QString title = classroom::resultColumnTitle(ResultColumn(c));
        if (const qsizetype space = title.indexOf(u' ', title.size() / 2 - 2); title.size() > 14 && space > 0)
            title[space] = u'\n';
        titles << title;
    }
    f.Tbl_results->setHorizontalHeaderLabels(titles);
    f.Tbl_results->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    f.Tbl_results->horizontalHeader()->setSectionResizeMode(int(ResultColumn::Pupil), QHeaderView::Stretch);
    f.Lbl_rule->setText(classroom::markRuleText());
    QPalette red = f.Lbl_message->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    f.Lbl_message->setPalette(red);

    connect(&watch_, &classroom::ClassResultsWatch::changed, this, &ClassResultsPanel::showResults);
    connect(f.Chk_marks, &QCheckBox::toggled, this, &ClassResultsPanel::showMarks);
    connect(f.Btn_addFolder, &QPushButton::clicked, this, [this] {
        if (const QString folder = dialogs_.chooseFolder(this, TeacherText::tr("Папка с результатами учеников"));
            !folder.isEmpty())
            addPlaces({folder});
    });
    connect(f.Btn_classFolder, &QPushButton::clicked, this, &ClassResultsPanel::chooseClassFolder);
    connect(f.Btn_addFiles, &QPushButton::clicked, this, [this] {
        addPlaces(dialogs_.chooseOpenFiles(this, TeacherText::tr("Файлы результатов учеников"),
            TeacherText::tr("Файлы результатов (*.gratinglab-result)")));
    });
    connect(f.Btn_csv, &QPushButton::clicked, this, &ClassResultsPanel::saveCsv);
    connect(f.Btn_moodle, &QPushButton::clicked, this, &ClassResultsPanel::exportMoodle);
    connect(f.Btn_pdf, &QPushButton::clicked, this, &ClassResultsPanel::savePdf);
    connect(f.Btn_print, &QPushButton::clicked, this, &ClassResultsPanel::print);
    setEnabled(false);
    f.Tbl_results->setColumnHidden(int(ResultColumn::Line), true);
    showPlaces();
}

ClassResultsPanel::~ClassResultsPanel() = default;

void ClassResultsPanel::setTask(const classroom::ClassroomTask &task, const QString &fileName,
    const QStringList &places)
{
    task_ = task;
    fileName_ = fileName;
    setEnabled(true);
    watch_.setPlaces({});
    watch_.setTask(task);
    setKeyShown(false);
    addPlaces(places);
}

bool ClassResultsPanel::classFolderLost() const
{
    if (!task_ || task_->classFolder.isEmpty())
        return false;
    const QString folder = QDir::cleanPath(task_->classFolder);
    const auto &misfits = watch_.results().misfits;
    return std::any_of(misfits.cbegin(), misfits.cend(), [&](const classroom::MisfitFile &m) {
        return m.path == folder && (m.why == classroom::Misfit::Missing || m.why == classroom::Misfit::PlaceUnreadable);
    });
}

void ClassResultsPanel::chooseClassFolder()
{
    const QString folder = dialogs_.chooseFolder(this, TeacherText::tr("Где теперь папка класса?"));
    if (folder.isEmpty() || !task_)
        return;
    QStringList places = watch_.places();
    places.removeAll(task_->classFolder);
    task_->classFolder = QFileInfo(folder).absoluteFilePath();
    if (!places.contains(task_->classFolder))
        places.prepend(task_->classFolder);
    watch_.setPlaces(places);
    showPlaces();
    emit classFolderMoved(task_->classFolder);
}

void ClassResultsPanel::setKeyShown(bool shown)
{
    keyShown_ = shown;
    ui_->Tbl_results->setColumnHidden(int(ResultColumn::Line), !shown);
    showResults();
}

void ClassResultsPanel::addPlaces(const QStringList &places)
{
    QStringList all = watch_.places();
    for (const QString &place : places) {
        if (!place.isEmpty() && !all.contains(place))
            all.append(place);
    }
    watch_.setPlaces(all);
    showPlaces();
}

void ClassResultsPanel::showPlaces()
{
    QStringList shown;
    for (const QString &place : watch_.places())
        shown << QDir::toNativeSeparators(place);
    const std::optional<QDateTime> lost = watch_.unreachableSince();
    const bool classFolderLost = this->classFolderLost();
    ui_->Btn_classFolder->setVisible(classFolderLost);
    ui_->Lbl_places->setText(!task_
            ? TeacherText::tr("Откройте файл учителя или сохраните задание — здесь появятся результаты класса.")
            : shown.isEmpty()
            ? TeacherText::tr("Откуда читать результаты? Добавьте папку класса (с подпапкой «Результаты»), "
                              "флешку или файлы из почты.")
            : classFolderLost && watch_.oldRows().empty()
            ? TeacherText::tr(
                "Папка класса «%1» не найдена или не открывается: %2. Если её перенесли или переименовали, "
                "нажмите «Указать папку класса…».")
                  .arg(QFileInfo(task_->classFolder).fileName(), QDir::toNativeSeparators(task_->classFolder))
            : lost ? TeacherText::tr(
                  "Папка класса недоступна с %1: показаны результаты, прочитанные до этого (серым). Читается: %2")
                         .arg(QLocale().toString(lost->time(), u"HH:mm"_s), shown.join(u"; "_s))
                   : TeacherText::tr("Читается: %1").arg(shown.join(u"; "_s)));
    QPalette palette = ui_->Lbl_places->palette();
    palette.setColor(QPalette::WindowText, lost ? QColor(200, 0, 0) : this->palette().color(QPalette::WindowText));
    ui_->Lbl_places->setPalette(palette);
}

void ClassResultsPanel::showResults()
{
    Ui::ClassResultsPanel &f = *ui_;
    const classroom::ClassResults &results = watch_.results();
    QTableWidget &table = *f.Tbl_results;
    table.setRowCount(int(results.rows.size()));
    // Cells change in place, so the teacher's selection and scrolling stay.
    for (int r = 0; r < int(results.rows.size()); ++r) {
        const classroom::PupilRow &row = results.rows[size_t(r)];
        const bool old = watch_.oldRows().contains({row.variant, row.name});
        for (int c = 0; c < classroom::kResultColumnCount; ++c) {
            const QString text = c == int(ResultColumn::Line) && !keyShown_
                ? QString()
                : classroom::resultCellText(row, ResultColumn(c));
            QTableWidgetItem *item = table.item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                table.setItem(r, c, item);
            }
            if (item->text() != text)
                item->setText(text);
            item->setForeground(row.status == classroom::PupilStatus::Edited ? QColor(200, 0, 0)
                    : row.status == classroom::PupilStatus::NoResult || old
                    ? QColor(128, 128, 128)
                    : table.palette().color(QPalette::Text));
            item->setToolTip(
                old ? TeacherText::tr("Прочитано до того, как папка класса стала недоступна.") : QString());
        }
    }
    f.Lst_misfits->clear();
    for (const classroom::MisfitFile &m : results.misfits) {
        auto *item = new QListWidgetItem(QFileInfo(m.path).fileName() + u" — "_s + m.reason, f.Lst_misfits);
        item->setToolTip(QDir::toNativeSeparators(m.path));
    }
    f.Lbl_misfits->setVisible(!results.misfits.empty());
    f.Lst_misfits->setVisible(!results.misfits.empty());
    showPlaces();
}

void ClassResultsPanel::showMarks(bool shown)
{
    ui_->Tbl_results->setColumnHidden(int(ResultColumn::Mark), !shown);
    ui_->Lbl_rule->setVisible(shown);
}

void ClassResultsPanel::say(const QString &message)
{
    ui_->Lbl_message->setText(message);
}

QString ClassResultsPanel::chooseTarget(const QString &caption, const QString &name, const QString &suffix,
    const QString &filter)
{
    QString path = dialogs_.chooseSaveFile(this, caption, name + suffix, filter);
    if (!path.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return path;
}

void ClassResultsPanel::saveCsv()
{
    if (!task_)
        return;
    const QString path = chooseTarget(TeacherText::tr("Сохранить результаты класса в CSV"),
        TeacherText::tr("Результаты %1").arg(fileName_), u".csv"_s,
        TeacherText::tr("CSV для Excel и LibreOffice (*.csv)"));
    if (!path.isEmpty())
        say(classroom::saveFile(path, classroom::classResultsCsv(watch_.results(), ui_->Chk_marks->isChecked())));
}

void ClassResultsPanel::exportMoodle()
{
    if (!task_)
        return;
    const QString path = chooseTarget(TeacherText::tr("Экспорт оценок в Moodle (импорт оценок из CSV-файла)"),
        TeacherText::tr("Оценки Moodle %1").arg(fileName_), u".csv"_s, u"CSV (*.csv)"_s);
    if (path.isEmpty())
        return;
    const classroom::MoodleGrades grades = classroom::moodleGradesCsv(*task_, watch_.results());
    QString message = classroom::saveFile(path, grades.bytes);
    if (message.isEmpty() && !grades.leftOut.isEmpty())
        message = TeacherText::tr("В файл не вошли (нет адреса или номера в файле учителя либо нет оценки): %1.")
                      .arg(grades.leftOut.join(u", "_s));
    say(message);
}

void ClassResultsPanel::savePdf()
{
    if (!task_)
        return;
    const QString path = chooseTarget(TeacherText::tr("Сохранить отчёт о классе в PDF"),
        TeacherText::tr("Результаты %1").arg(fileName_), u".pdf"_s, u"PDF (*.pdf)"_s);
    if (!path.isEmpty())
        say(classroom::saveFile(path, classReportPdf(*task_, watch_.results(), ui_->Chk_marks->isChecked(), today())));
}

void ClassResultsPanel::print()
{
    if (!task_)
        return;
    dialogs_.print(this, [this](QPagedPaintDevice &device) {
        printClassReport(*task_, watch_.results(), ui_->Chk_marks->isChecked(), today(), device);
    });
}
