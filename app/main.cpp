#include "answer_key_mode.h"
#include "app_texts.h"
#include "application.h"
#include "bundled_fonts.h"
#include "class_report_mode.h"
#include "classroom_texts.h"
#include "command_line.h"
#include "display_check.h"
#include "journal_recovery.h"
#include "journal_screen.h"
#include "mainUnit.h"
#include "new_task_mode.h"
#include "patient_read.h"
#include "qt_translation.h"
#include "render_mode.h"
#include "result_keeper.h"
#include "screenshot_mode.h"
#include "task_files.h"
#include "task_start.h"
#include "teacher_window.h"
#include "windows_start.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QStringList>

#include <memory>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// Texts are translated only through an application object: a message
// printed before the mode has its own is worded under a short-lived one.
template <typename Message>
int sayTranslated(int &argc, char **argv, Message message, int status)
{
    QCoreApplication app(argc, argv);
    installTranslations(app);
    printMessage(message());
    return status;
}

QString noDisplay()
{
    return AppText::tr("нет дисплея (DISPLAY и WAYLAND_DISPLAY не заданы)");
}

} // namespace

int main(int argc, char **argv)
{
    useParentConsole();
    const QStringList arguments = programArguments(argc, argv);
    // Everything is checked before any window can open: a bad command line
    // only ever prints its one line.
    const CommandLine line = parseCommandLine(arguments);
    // A bad --language cannot choose: its refusal is in the environment's.
    setInterfaceLanguage(chooseLanguage(line.language, languageEnvironment()));
    if (!line.error.isEmpty()) {
        const auto message = [&arguments] { return parseCommandLine(arguments).error; };
        return sayTranslated(argc, argv, message, 2);
    }
    // What a mode refuses is worded under an application object, so that it
    // is in the chosen language too: the modes without a window make theirs
    // before they read their options.
    QString error;
    switch (line.mode) {
    case Mode::Help: {
        QCoreApplication app(argc, argv);
        installTranslations(app);
        printOut(usageText());
        return 0;
    }
    case Mode::Version:
        printOut(versionText());
        return 0;
    case Mode::AnswerKey: {
        prepareRenderMode();
        QGuiApplication app(argc, argv);
        installTranslations(app);
        provideFonts(bundledFontFolder());
        const auto options = readAnswerKeyOptions(line, &error);
        if (!options)
            return refuse(error);
        return runAnswerKeyMode(*options);
    }
    case Mode::ClassReport: {
        prepareRenderMode();
        QGuiApplication app(argc, argv);
        installTranslations(app);
        provideFonts(bundledFontFolder());
        const auto options = readClassReportOptions(line, &error);
        if (!options)
            return refuse(error);
        return runClassReportMode(*options);
    }
    case Mode::NewTask: {
        QCoreApplication app(argc, argv);
        installTranslations(app);
        classroom::SystemRandom random;
        const auto options = readNewTaskOptions(line, random, &error);
        if (!options)
            return refuse(error);
        return runNewTaskMode(*options);
    }
    case Mode::Teacher: {
        if (line.file) {
            const auto read = classroom::readTaskFile(*line.file, classroom::TaskFileKind::Teacher);
            if (!read.ok()) {
                // The reason was worded before texts could be translated:
                // the file is read again (the first reason stands if it
                // reads now).
                const auto message = [&line, &read] {
                    const auto again = classroom::readTaskFile(*line.file, classroom::TaskFileKind::Teacher);
                    return classroom::fileMessage(*line.file, classroom::TaskFileKind::Teacher,
                        again.ok() ? read.error : again.error);
                };
                return sayTranslated(argc, argv, message, 2);
            }
        }
        if (!displayAvailable())
            return sayTranslated(argc, argv, noDisplay, 1);
        Application app(argc, argv);
        QtTeacherDialogs dialogs;
        classroom::SystemRandom random;
        TeacherWindow window(dialogs, random);
        if (line.file)
            window.openTeacherFile(*line.file);
        window.show();
        return app.exec();
    }
    case Mode::Render: {
        prepareRenderMode();
        QGuiApplication app(argc, argv);
        installTranslations(app);
        provideFonts(bundledFontFolder());
        const auto options = readRenderOptions(line, &error);
        if (!options)
            return refuse(error);
        return runRenderMode(*options);
    }
    case Mode::Screenshot: {
        // The window's application object would print Qt's warnings before
        // a refusal: the options are read without it, and a refusal again
        // where texts are translated.
        const auto options = readScreenshotOptions(line, &error);
        if (!options) {
            const auto message = [&line, &error] {
                QString again;
                readScreenshotOptions(line, &again);
                return again.isEmpty() ? error : again;
            };
            return sayTranslated(argc, argv, message, 2);
        }
        // The window starts as usual and is drawn off screen.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        Application app(argc, argv);
        return runScreenshotMode(*options, bench::NumberFormat::fromLocale(QLocale::system()));
    }
    case Mode::Window:
        break;
    }
    if (!displayAvailable()) {
        QCoreApplication app(argc, argv);
        installTranslations(app);
        readTaskStart(line, &error);
        if (!error.isEmpty())
            return refuse(error);
        printMessage(noDisplay());
        return 1;
    }
    Application app(argc, argv);
    // A task file lies in the class folder, often on a share: it is read on
    // a thread of its own, and a folder that does not answer is told.
    auto started = std::make_shared<std::pair<TaskStart, QString>>();
    const bool read = runPatiently([line, started] { started->first = readTaskStart(line, &started->second); },
        line.file ? QFileInfo(*line.file).absolutePath() : QString());
    if (!read)
        return 1;
    const TaskStart task = started->first;
    if (!started->second.isEmpty()) {
        // A task file double-clicked in a file manager has no console to
        // print to.
        if (line.file) {
            QMessageBox box(QMessageBox::Critical, TForm1::boxTitle(), started->second, QMessageBox::Ok);
            box.exec();
        }
        return refuse(started->second);
    }
    TForm1 Form1(bench::NumberFormat::fromLocale(QLocale::system()));
    JournalRecovery recovery(Form1, journal::RecoveryStore::defaultDirectory());
    // The folder's name is not translated: the teacher's window looks for it by name.
    ResultKeeper results(Form1, QDir(journal::RecoveryStore::defaultDirectory()).filePath(u"Результаты"_s));
    QObject::connect(&Form1, &TForm1::taskChosen, &results, &ResultKeeper::startTask);
    // A journal brought back after a crash brings its own task.
    if (recovery.offerLeftover())
        results.continueTask();
    else
        Form1.openTask(task);
    // What an earlier run could not deliver goes to its class folder first.
    results.sendOwed();
    Form1.show();
    const int status = app.exec();
    // The last check must not be lost on a slow share: a pending write gets
    // a few seconds, then the pupil learns where the result stays.
    if (!results.sendPending(3000)) {
        QMessageBox box(QMessageBox::Warning, TForm1::boxTitle(),
            AppText::tr(
                "Последние проверки не дошли до папки класса: она не отвечает. Они сохранены на этом компьютере, в "
                "папке «%1», и уйдут учителю при следующем запуске программы, или отдайте файл оттуда учителю.")
                .arg(QDir::toNativeSeparators(results.localFolder())),
            QMessageBox::Ok);
        box.exec();
    }
    recovery.finish();
    return status;
}
