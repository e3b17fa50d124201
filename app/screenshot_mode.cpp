#include "screenshot_mode.h"

#include "app_texts.h"
#include "classroom_texts.h"
#include "folder_work.h"
#include "mainUnit.h"
#include "save_file.h"
#include "task_files.h"
#include "teacher_window.h"
#include "ui_mainUnit.h"

#include <QApplication>
#include <QBuffer>

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

std::optional<ScreenshotOptions> readScreenshotOptions(const CommandLine &line, QString *error)
{
    ScreenshotOptions options;
    if (line.options.value(u"screen"_s) == u"teacher"_s) {
        options.screen = ScreenshotOptions::Teacher;
        options.imagePath = line.options.value(u"screenshot"_s).value_or(QString());
        if (!line.file || line.options.has(u"task"_s) || line.options.has(u"pupil"_s)
            || line.options.has(u"variant"_s)) {
            *error = AppText::tr("--screen teacher принимает только файл учителя (.gratinglab-teacher)");
            return std::nullopt;
        }
        const auto read = classroom::readTaskFile(*line.file, classroom::TaskFileKind::Teacher);
        if (!read.ok()) {
            *error = classroom::fileMessage(*line.file, classroom::TaskFileKind::Teacher, read.error);
            return std::nullopt;
        }
        options.teacherTask = read.task;
        options.teacherFile = *line.file;
        if (options.imagePath.isEmpty()) {
            *error = AppText::tr("параметру --screenshot нужно имя файла");
            return std::nullopt;
        }
        return options;
    }
    options.task = readTaskStart(line, error);
    if (!error->isEmpty())
        return std::nullopt;
    if (options.task.wanted && !options.task.task) {
        *error = AppText::tr("--screenshot принимает --task КОД вместе с --variant N");
        return std::nullopt;
    }
    options.light = readSourceStart(line, error);
    if (!error->isEmpty())
        return std::nullopt;
    if (options.task.task && options.light.source != bench::LightSource::Mono) {
        *error = AppText::tr("--source %1 нельзя задать с --task: в задании свет даёт лампа задания")
                     .arg(bench::sourceInfo(options.light.source).key);
        return std::nullopt;
    }
    options.imagePath = line.options.value(u"screenshot"_s).value_or(QString());
    if (options.imagePath.isEmpty()) {
        *error = AppText::tr("параметру --screenshot нужно имя файла");
        return std::nullopt;
    }
    static const std::array<std::pair<QStringView, ScreenshotOptions::Screen>, 4> screens{{
        {u"title", ScreenshotOptions::Title},
        {u"procedure", ScreenshotOptions::Procedure},
        {u"experiment", ScreenshotOptions::Experiment},
        {u"journal", ScreenshotOptions::Journal},
    }};
    if (const auto screen = line.options.value(u"screen"_s)) {
        const auto *const it = std::find_if(screens.begin(), screens.end(),
            [&](const auto &s) { return s.first == *screen; });
        if (it == screens.end()) {
            *error = AppText::tr("--screen: нужно title, procedure, experiment, journal или teacher, а не «%1»")
                         .arg(*screen);
            return std::nullopt;
        }
        options.screen = it->second;
    }
    return options;
}

QImage screenshot(TForm1 &form, ScreenshotOptions::Screen screen)
{
    Ui::TForm1 &ui = form.ui();
    QPushButton *button = screen == ScreenshotOptions::Procedure ? ui.Button1
        : screen == ScreenshotOptions::Experiment                ? ui.Button2
        : screen == ScreenshotOptions::Journal
        ? ui.Button7
        : ui.Button4;
    button->click();
    QApplication::processEvents();
    return form.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

namespace {

// The window's proposal of a new code, the same in every picture.
class FixedDigits final : public classroom::RandomSource {
public:
    std::uint32_t below(std::uint32_t bound) override { return (next_ += 7) % bound; }

private:
    std::uint32_t next_ = 0;
};

// A dialog would block a picture; none is ever asked for.
class NoDialogs final : public TeacherDialogs {
public:
    QString chooseSaveFile(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString chooseOpenFile(QWidget *, const QString &, const QString &) override { return {}; }
    QString chooseFolder(QWidget *, const QString &) override { return {}; }
    QStringList chooseOpenFiles(QWidget *, const QString &, const QString &) override { return {}; }
    bool print(QWidget *, const std::function<void(QPagedPaintDevice &)> &) override { return false; }
};

QImage teacherScreenshot(const ScreenshotOptions &options)
{
    NoDialogs dialogs;
    FixedDigits digits;
    TeacherWindow window(dialogs, digits);
    window.openTeacherFile(options.teacherFile);
    window.fitScreen(QRect(0, 0, 1024, 768)); // a projector's screen, whatever the platform's
    window.show();
    QApplication::processEvents();
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int writePng(const QString &path, const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return refuse(cannotWrite(path, AppText::tr("картинку не удалось закодировать")));
    if (const auto reason = classroom::writeWholeFile(path, png))
        return saveFailed(cannotWrite(path, *reason));
    return 0;
}

} // namespace

int runScreenshotMode(const ScreenshotOptions &options, const bench::NumberFormat &format)
{
    // A picture of the window as it stands once every file is read.
    classroom::InPlaceFolderWork inPlace;
    classroom::setFolderWork(&inPlace);
    if (options.screen == ScreenshotOptions::Teacher)
        return writePng(options.imagePath, teacherScreenshot(options));
    TForm1 form(format);
    if (options.task.task)
        form.startTask(*options.task.task);
    applySourceStart(form.session(), options.light);
    form.show();
    QApplication::processEvents();
    return writePng(options.imagePath, screenshot(form, options.screen));
}
