#include "screenshot_mode.h"

#include "mainUnit.h"
#include "ui_mainUnit.h"

#include <QApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

const QString kScreenshot = QStringLiteral("--screenshot");
const QString kScreen = QStringLiteral("--screen");

void complain(const QString &line)
{
    std::fputs((QStringLiteral("gratinglab: ") + line + u'\n').toLocal8Bit().constData(), stderr);
}

} // namespace

QString screenshotTaskError(const TaskStart &task)
{
    return task.wanted && !task.task ? QStringLiteral("--screenshot takes --task CODE with --variant N") : QString();
}

bool wantsScreenshotMode(const QStringList &arguments)
{
    for (const QString &arg : arguments) {
        if (arg == kScreenshot || arg.startsWith(kScreenshot + u'='))
            return true;
    }
    return false;
}

std::optional<ScreenshotOptions> parseScreenshotArguments(const QStringList &arguments, QString *error)
{
    ScreenshotOptions options;
    bool screenSeen = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        const qsizetype eq = arg.indexOf(u'=');
        const QString name = eq < 0 ? arg : arg.left(eq);
        if (name != kScreenshot && name != kScreen) {
            *error = QStringLiteral("unexpected argument '%1'").arg(arg);
            return std::nullopt;
        }
        QString value;
        if (eq >= 0) {
            value = arg.mid(eq + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            *error = QStringLiteral("option %1 needs a value").arg(name);
            return std::nullopt;
        }
        if (name == kScreenshot) {
            if (!options.imagePath.isEmpty() || value.isEmpty()) {
                *error = QStringLiteral("--screenshot takes one file name");
                return std::nullopt;
            }
            options.imagePath = value;
            continue;
        }
        if (screenSeen) {
            *error = QStringLiteral("option --screen given more than once");
            return std::nullopt;
        }
        screenSeen = true;
        if (value == u"title") {
            options.screen = ScreenshotOptions::Title;
        } else if (value == u"procedure") {
            options.screen = ScreenshotOptions::Procedure;
        } else if (value == u"experiment") {
            options.screen = ScreenshotOptions::Experiment;
        } else if (value == u"journal") {
            options.screen = ScreenshotOptions::Journal;
        } else {
            *error = QStringLiteral("--screen must be title, procedure, experiment or journal, not '%1'").arg(value);
            return std::nullopt;
        }
    }
    if (options.imagePath.isEmpty()) {
        *error = QStringLiteral("--screenshot OUT.png is required");
        return std::nullopt;
    }
    return options;
}

QImage screenshot(TForm1 &form, ScreenshotOptions::Screen screen)
{
    Ui::TForm1 &ui = form.ui();
    QPushButton *button = screen == ScreenshotOptions::Procedure ? ui.Button1
        : screen == ScreenshotOptions::Experiment                ? ui.Button2
        : screen == ScreenshotOptions::Journal                   ? ui.Button7
                                                                 : ui.Button4;
    button->click();
    QApplication::processEvents();
    return form.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int runScreenshotMode(const QStringList &arguments, const bench::NumberFormat &format, const TaskStart &task)
{
    QString error;
    const auto options = parseScreenshotArguments(arguments, &error);
    if (!options) {
        complain(error);
        return 2;
    }
    TForm1 form(format);
    if (task.task)
        form.startTask(*task.task);
    form.show();
    QApplication::processEvents();
    const QImage image = screenshot(form, options->screen);
    QImageWriter writer(options->imagePath, "png");
    if (!writer.write(image)) {
        complain(QStringLiteral("cannot write '%1': %2").arg(options->imagePath, writer.errorString()));
        return 2;
    }
    return 0;
}
