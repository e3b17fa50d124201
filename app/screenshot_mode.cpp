#include "screenshot_mode.h"

#include "mainUnit.h"
#include "ui_mainUnit.h"

#include <QApplication>
#include <QSaveFile>

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

std::optional<ScreenshotOptions> readScreenshotOptions(const CommandLine &line, QString *error)
{
    ScreenshotOptions options;
    options.task = readTaskStart(line, error);
    if (!error->isEmpty())
        return std::nullopt;
    if (options.task.wanted && !options.task.task) {
        *error = u"--screenshot принимает --task КОД вместе с --variant N"_s;
        return std::nullopt;
    }
    options.imagePath = line.options.value(u"screenshot"_s).value_or(QString());
    if (options.imagePath.isEmpty()) {
        *error = u"параметру --screenshot нужно имя файла"_s;
        return std::nullopt;
    }
    static const std::array<std::pair<QStringView, ScreenshotOptions::Screen>, 4> screens{{
        {u"title", ScreenshotOptions::Title},
        {u"procedure", ScreenshotOptions::Procedure},
        {u"experiment", ScreenshotOptions::Experiment},
        {u"journal", ScreenshotOptions::Journal},
    }};
    if (const auto screen = line.options.value(u"screen"_s)) {
        const auto it = std::find_if(screens.begin(), screens.end(), [&](const auto &s) { return s.first == *screen; });
        if (it == screens.end()) {
            *error = u"--screen: нужно title, procedure, experiment или journal, а не «%1»"_s.arg(*screen);
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
        : screen == ScreenshotOptions::Journal                   ? ui.Button7
                                                                 : ui.Button4;
    button->click();
    QApplication::processEvents();
    return form.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int runScreenshotMode(const ScreenshotOptions &options, const bench::NumberFormat &format)
{
    TForm1 form(format);
    if (options.task.task)
        form.startTask(*options.task.task);
    form.show();
    QApplication::processEvents();
    const QImage image = screenshot(form, options.screen);
    QSaveFile file(options.imagePath);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return refuse(cannotWrite(options.imagePath, file.errorString()));
    return 0;
}
