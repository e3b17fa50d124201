#include "render_mode.h"

#include "extended.h"
#include "picture_catalogue.h"
#include "scene.h"
#include "task_start.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSaveFile>
#include <QtGlobal>

#include <cmath>
#include <cstdio>

#ifndef GRATINGLAB_VERSION
#define GRATINGLAB_VERSION "unknown"
#endif

namespace {

const QString kRender = QStringLiteral("--render");
const QString kWavelength = QStringLiteral("--wavelength");
const QString kWavelengthText = QStringLiteral("--wavelength-text");
const QString kGrating = QStringLiteral("--grating");
const QString kOrder = QStringLiteral("--order");
const QString kState = QStringLiteral("--state");
const QString kHelp = QStringLiteral("--help");
const QString kVersion = QStringLiteral("--version");
const QString kStdout = QStringLiteral("-");

void printLine(std::FILE *stream, const QString &line)
{
    std::fputs((line + u'\n').toLocal8Bit().constData(), stream);
}

RenderCommand invalid(const QString &error)
{
    RenderCommand command;
    command.kind = RenderCommand::Invalid;
    command.error = error;
    return command;
}

// The program's own integer syntax, as the wavelength field reads it.
std::optional<int> integerValue(const QString &text)
{
    try {
        return bench::StrToInt(text);
    } catch (const bench::EConvertError &) {
        return std::nullopt;
    }
}

// Spinner clicks up from 1.0 that reach text, or nothing when text is not one
// of 1.0, 1.1, ... 3.0. Either decimal mark is taken.
std::optional<int> gratingSteps(QString text, const bench::NumberFormat &format)
{
    text.replace(u'.', format.decimalSeparator).replace(u',', format.decimalSeparator);
    bench::Extended d = 0;
    try {
        d = bench::StrToFloat(text, format);
    } catch (const bench::EConvertError &) {
        return std::nullopt;
    }
    if (!std::isfinite(d) || d < 0.95L || d > 3.05L)
        return std::nullopt;
    const auto steps = bench::Round((d - 1) * 10);
    if (steps < 0 || steps > 20 || std::fabs(d - (1 + bench::Extended(steps) / 10)) > 1e-9L)
        return std::nullopt;
    return int(steps);
}

QJsonArray rectJson(const QRect &r)
{
    return QJsonArray{r.left(), r.top(), r.width(), r.height()};
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "PNG");
    return bytes;
}

QString cannotWrite(const QString &path, const QString &why)
{
    return QStringLiteral("gratinglab: cannot write '%1': %2").arg(path, why);
}

// Both files or neither: a state file that cannot be written must not leave
// a fresh picture behind.
std::optional<QString> writeOutputs(const RenderOptions &options, const QByteArray &png,
                                    const QByteArray &json)
{
    QSaveFile image(options.imagePath);
    if (!image.open(QIODevice::WriteOnly))
        return cannotWrite(options.imagePath, image.errorString());
    std::optional<QSaveFile> state;
    const bool stateToFile = options.statePath && *options.statePath != kStdout;
    if (stateToFile) {
        state.emplace(*options.statePath);
        if (!state->open(QIODevice::WriteOnly)) {
            image.cancelWriting();
            return cannotWrite(*options.statePath, state->errorString());
        }
        state->write(json);
    }
    image.write(png);
    if (!image.commit()) {
        if (state)
            state->cancelWriting();
        return cannotWrite(options.imagePath, image.errorString());
    }
    if (state && !state->commit()) {
        QFile::remove(options.imagePath);
        return cannotWrite(*options.statePath, state->errorString());
    }
    if (options.statePath && *options.statePath == kStdout) {
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
        std::fflush(stdout);
    }
    return std::nullopt;
}

} // namespace

void prepareRenderMode()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            printLine(stderr, message);
    });
}

bool wantsRenderMode(const QStringList &arguments)
{
    // Any of the mode's own options, so that one given without --render
    // is told so instead of opening the window.
    const QStringList options{kRender, kWavelength, kWavelengthText, kGrating, kOrder, kState, kHelp, kVersion};
    for (const QString &arg : arguments) {
        if (options.contains(arg.section(u'=', 0, 0)))
            return true;
    }
    return false;
}

QString renderUsage()
{
    return QStringLiteral(
        "Usage: gratinglab\n"
        "       gratinglab --render OUT.png [--wavelength NM] [--wavelength-text TEXT]\n"
        "                  [--grating D] [--order K] [--state FILE]\n"
        "       gratinglab --render OUT.png --task CODE --variant N [--grating D]\n"
        "                  [--order K] [--state FILE]\n"
        "       gratinglab --screenshot OUT.png [--screen title|procedure|experiment|journal]\n"
        "                  [--task CODE --variant N [--pupil NAME]]\n"
        "       gratinglab --task [CODE] [--variant N] [--pupil NAME]\n"
        "       gratinglab --answer-key CODE [--variants N] [--pdf FILE]\n"
        "       gratinglab --help | --version\n"
        "\n"
        "Without options the program opens its window.\n"
        "\n"
        "--screenshot writes the whole 992 x 665 window with the chosen screen open\n"
        "(default: the title screen), drawn off screen.\n"
        "\n"
        "Draws the bench picture without opening a window, as the experiment screen\n"
        "would show it after these steps: start-up; the slider moved to NM; the grating\n"
        "constant stepped up from 1.0 to D; TEXT typed into the wavelength field;\n"
        "the maximum of order K selected.\n"
        "\n"
        "  --render OUT.png        write the 945 x 445 bench picture as PNG\n"
        "  --wavelength NM         wavelength on the strip, 380 to 760 nm\n"
        "  --wavelength-text TEXT  text typed into the wavelength field (not drawn\n"
        "                          until the order is selected)\n"
        "  --grating D             grating constant 1.0 to 3.0 in steps of 0.1\n"
        "                          (\",\" or \".\" as the decimal mark)\n"
        "  --order K               selected order, -8 to 8 (default 1)\n"
        "  --state FILE            also write the read-outs as JSON (\"-\": standard output)\n"
        "\n"
        "  --task CODE --variant N  the bench of that classroom task: the slider stands\n"
        "                          at the variant's lamp line; --wavelength and\n"
        "                          --wavelength-text cannot be given with it\n"
        "\n"
        "Exit status: 0 done; 1 TEXT is not a whole number (the picture and state are\n"
        "still written, as far as drawn); 2 bad arguments or a file that cannot be\n"
        "written (nothing written).\n"
        "\n"
        "--task opens the window as a classroom task: a lamp of unknown wavelength,\n"
        "picked by the teacher's CODE (1 to 32 characters) and the pupil's variant N\n"
        "(1 to 99); the pupil's NAME is optional (up to 60 characters). Without CODE\n"
        "or N the dialog \"Контрольное задание\" asks for them.\n"
        "\n"
        "--answer-key prints the teacher's key of CODE, one line per variant 1 to N\n"
        "(default 30): variant, wavelength in nm, element, symbol, tab-separated;\n"
        "--pdf also writes it as a one-page A4 PDF. Exit status 2 on bad arguments.\n");
}

RenderCommand parseRenderArguments(const QStringList &arguments, const bench::NumberFormat &format)
{
    if (arguments.contains(kHelp))
        return RenderCommand{RenderCommand::Help, {}, {}};
    if (arguments.contains(kVersion))
        return RenderCommand{RenderCommand::Version, {}, {}};

    const QStringList known{kRender, kWavelength, kWavelengthText, kGrating, kOrder, kState};
    QStringList seen;
    RenderCommand command;
    command.kind = RenderCommand::Render;
    RenderOptions &options = command.options;

    const TaskStart task = parseTaskStart(arguments);
    if (!task.error.isEmpty())
        return invalid(task.error);
    if (task.wanted && (!task.task || task.pupil))
        return invalid(QStringLiteral("--render takes --task CODE with --variant N, and no --pupil"));
    options.task = task.task;
    const QStringList &rest = task.rest;

    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QString &arg = rest[i];
        if (!arg.startsWith(QStringLiteral("--")))
            return invalid(QStringLiteral("unexpected argument '%1' (see --help)").arg(arg));
        const qsizetype eq = arg.indexOf(u'=');
        const QString name = eq < 0 ? arg : arg.left(eq);
        if (!known.contains(name))
            return invalid(QStringLiteral("unknown option '%1' (see --help)").arg(name));
        if (seen.contains(name))
            return invalid(QStringLiteral("option %1 given more than once").arg(name));
        seen.append(name);
        QString value;
        if (eq >= 0) {
            value = arg.mid(eq + 1);
        } else {
            if (i + 1 >= rest.size())
                return invalid(QStringLiteral("option %1 needs a value").arg(name));
            value = rest[++i];
        }

        if (name == kRender || name == kState) {
            if (value.isEmpty())
                return invalid(QStringLiteral("option %1 needs a file name").arg(name));
            (name == kRender ? options.imagePath : options.statePath.emplace()) = value;
        } else if (name == kWavelength) {
            const auto nm = integerValue(value);
            if (!nm || *nm < bench::kMinWavelength || *nm > bench::kMaxWavelength)
                return invalid(QStringLiteral("--wavelength must be a whole number from 380 to 760, not '%1'")
                                   .arg(value));
            options.wavelength = *nm;
        } else if (name == kWavelengthText) {
            options.wavelengthText = value;
        } else if (name == kGrating) {
            const auto steps = gratingSteps(value, format);
            if (!steps)
                return invalid(QStringLiteral("--grating must be one of 1.0, 1.1, ... 3.0, not '%1'").arg(value));
            options.gratingSteps = *steps;
        } else if (name == kOrder) {
            const auto k = integerValue(value);
            if (!k || *k < -bench::kMaxOrder || *k > bench::kMaxOrder)
                return invalid(QStringLiteral("--order must be a whole number from -8 to 8, not '%1'").arg(value));
            options.order = *k;
        }
    }
    if (options.imagePath.isEmpty())
        return invalid(QStringLiteral("--render OUT.png is required (see --help)"));
    if (options.task && (options.wavelength || options.wavelengthText))
        return invalid(QStringLiteral("--wavelength and --wavelength-text cannot be given with --task: "
                                      "the lamp sets the wavelength"));
    return command;
}

QByteArray benchStateJson(const bench::BenchSession &session, const std::optional<QString> &error)
{
    const bench::TBenchState &state = session.state();
    QJsonArray lengths;
    for (const auto length : state.mx_len)
        lengths.append(length);

    QJsonObject targets;
    for (int i = 0; i < bench::kTargetCount; ++i)
        targets.insert(QString::fromLatin1(bench::kOrderTargets[size_t(i)].name), rectJson(session.targetRect(i)));

    const bench::TColor light = session.lightColour();
    QJsonObject o;
    o.insert(QStringLiteral("wavelength"), bench::kMinWavelength + state.dl_ofs);
    o.insert(QStringLiteral("wavelength_text"), session.text(bench::TextField::Wavelength));
    if (const auto &task = session.task()) {
        // The picture is for a task sheet: the key gives the wavelength.
        o.insert(QStringLiteral("wavelength"), QJsonValue::Null);
        o.insert(QStringLiteral("wavelength_text"), QJsonValue::Null);
        o.insert(QStringLiteral("task"), QJsonObject{{QStringLiteral("code"), task->code},
                                                     {QStringLiteral("variant"), task->variant}});
    }
    o.insert(QStringLiteral("grating"), state.d_gr);
    o.insert(QStringLiteral("grating_text"), session.text(bench::TextField::Grating));
    o.insert(QStringLiteral("order"), state.k_sel);
    o.insert(QStringLiteral("distance_text"), session.text(bench::TextField::Distance));
    o.insert(QStringLiteral("order_text"), session.text(bench::TextField::Order));
    o.insert(QStringLiteral("lengths"), lengths);
    o.insert(QStringLiteral("targets"), targets);
    o.insert(QStringLiteral("arc_up_visible"), session.arcUpVisible());
    o.insert(QStringLiteral("arc_down_visible"), session.arcDownVisible());
    o.insert(QStringLiteral("phi_top"), session.phiTop());
    o.insert(QStringLiteral("light_colour"),
             QJsonArray{bench::redOf(light), bench::greenOf(light), bench::blueOf(light)});
    o.insert(QStringLiteral("error"), error ? QJsonValue(*error) : QJsonValue(QJsonValue::Null));
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

bench::ActionResult workBench(bench::BenchSession &session, const RenderOptions &options)
{
    if (options.task) {
        if (auto error = session.startTask(*options.task))
            return error;
    }
    if (options.wavelength) {
        if (auto error = session.dragSliderTo(*options.wavelength))
            return error;
    }
    for (int i = 0; i < options.gratingSteps; ++i) {
        if (auto error = session.SpinButton1UpClick())
            return error;
    }
    if (options.wavelengthText)
        session.typeText(bench::TextField::Wavelength, *options.wavelengthText);
    return session.selectOrder(options.order);
}

int runRenderMode(const QStringList &arguments)
{
    const auto format = bench::NumberFormat::fromLocale(QLocale::system());
    const RenderCommand command = parseRenderArguments(arguments, format);
    switch (command.kind) {
    case RenderCommand::Help:
        std::fputs(renderUsage().toLocal8Bit().constData(), stdout);
        return 0;
    case RenderCommand::Version:
        printLine(stdout, QStringLiteral("gratinglab " GRATINGLAB_VERSION));
        return 0;
    case RenderCommand::Invalid:
        printLine(stderr, QStringLiteral("gratinglab: ") + command.error);
        return 2;
    case RenderCommand::Render:
        break;
    }

    const RenderOptions &options = command.options;
    // Nothing is held down here, so no timer ever runs.
    bench::QtClock clock;
    bench::BenchSession session(assets::scenePictures(), format, clock);
    const bench::ActionResult error = workBench(session, options);

    const QByteArray json = options.statePath ? benchStateJson(session, error) : QByteArray();
    if (const auto failure = writeOutputs(options, pngBytes(session.scene().benchCanvas().image()), json)) {
        printLine(stderr, *failure);
        return 2;
    }
    if (error) {
        printLine(stderr, *error);
        return 1;
    }
    return 0;
}
