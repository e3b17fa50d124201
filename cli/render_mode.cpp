#include "render_mode.h"

#include "cli_texts.h"
#include "extended.h"
#include "picture_catalogue.h"
#include "quantities.h"
#include "save_file.h"
#include "scene.h"
#include "task_start.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QtGlobal>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kStdout = QStringLiteral("-");

// The program's own integer syntax, as the wavelength field reads it.
std::optional<int> integerValue(const QString &text)
{
    try {
        return bench::StrToInt(text);
    } catch (const bench::EConvertError &) {
        return std::nullopt;
    }
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

// Both files or neither: a state file that cannot be written must not leave
// a fresh picture behind.
std::optional<QString> writeOutputs(const RenderOptions &options, const QByteArray &png, const QByteArray &json)
{
    if (const auto reason = classroom::writeWholeFile(options.imagePath, png))
        return cannotWrite(options.imagePath, *reason);
    const bool stateToFile = options.statePath && *options.statePath != kStdout;
    if (stateToFile) {
        if (const auto reason = classroom::writeWholeFile(*options.statePath, json)) {
            QFile::remove(options.imagePath);
            return cannotWrite(*options.statePath, *reason);
        }
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
            printMessage(message);
    });
}

std::optional<RenderOptions> readRenderOptions(const CommandLine &line, QString *error)
{
    const GivenOptions &given = line.options;
    RenderOptions options;
    const auto fail = [error](const QString &text) {
        *error = text;
        return std::nullopt;
    };

    const TaskStart task = readTaskStart(line, error);
    if (!error->isEmpty())
        return std::nullopt;
    if (task.wanted && (!task.task || task.pupil))
        return fail(CliText::tr("--render принимает --task КОД вместе с --variant N, без --pupil"));
    options.task = task.task;

    options.imagePath = given.value(u"render"_s).value_or(QString());
    if (options.imagePath.isEmpty())
        return fail(CliText::tr("параметру --render нужно имя файла"));
    if (const auto state = given.value(u"state"_s)) {
        if (state->isEmpty())
            return fail(CliText::tr("параметру --state нужно имя файла"));
        options.statePath = *state;
    }
    if (const auto value = given.value(u"wavelength"_s)) {
        const auto nm = integerValue(*value);
        if (!nm || *nm < bench::kMinWavelength || *nm > bench::kMaxWavelength)
            return fail(CliText::tr("--wavelength: нужно целое число от 380 до 760, а не «%1»").arg(*value));
        options.wavelength = *nm;
    }
    options.wavelengthText = given.value(u"wavelength-text"_s);
    if (const auto value = given.value(u"grating"_s)) {
        const auto steps = bench::gratingStepsTo(*value);
        if (!steps)
            return fail(CliText::tr("--grating: нужно одно из 1,0; 1,1; … 3,0, а не «%1»").arg(*value));
        options.gratingSteps = *steps;
    }
    if (const auto value = given.value(u"order"_s)) {
        const auto k = integerValue(*value);
        if (!k || *k < -bench::kMaxOrder || *k > bench::kMaxOrder)
            return fail(CliText::tr("--order: нужно целое число от -8 до 8, а не «%1»").arg(*value));
        options.order = *k;
        options.orderGiven = true;
    }
    options.light = readSourceStart(line, error);
    if (!error->isEmpty())
        return std::nullopt;
    if (options.light.source != bench::LightSource::Mono) {
        if (options.wavelength || options.wavelengthText)
            return fail(
                CliText::tr("--wavelength и --wavelength-text нельзя задать с --source %1: длины волн даёт источник")
                    .arg(bench::sourceInfo(options.light.source).key));
        if (options.task)
            return fail(CliText::tr("--source %1 нельзя задать с --task: в задании свет даёт лампа задания")
                            .arg(bench::sourceInfo(options.light.source).key));
    }
    if (options.task && (options.wavelength || options.wavelengthText))
        return fail(CliText::tr("--wavelength и --wavelength-text нельзя задать с --task: длину волны задаёт лампа"));
    return options;
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
    o.insert(QStringLiteral("wavelength"), session.wavelength());
    o.insert(QStringLiteral("wavelength_text"), session.text(bench::TextField::Wavelength));
    if (const auto &task = session.task()) {
        // The picture is for a task sheet: the key gives the wavelength.
        o.insert(QStringLiteral("wavelength"), QJsonValue::Null);
        o.insert(QStringLiteral("wavelength_text"), QJsonValue::Null);
        o.insert(QStringLiteral("task"),
            QJsonObject{{QStringLiteral("code"), task->code}, {QStringLiteral("variant"), task->variant}});
    }
    if (session.source() != bench::LightSource::Mono) {
        // Many wavelengths at once; the field names the lamp.
        o.insert(QStringLiteral("wavelength"), QJsonValue::Null);
    }
    o.insert(QStringLiteral("source"), bench::sourceInfo(session.source()).key.toString());
    o.insert(QStringLiteral("cursor_y_text"),
        session.cursorShown() ? QJsonValue(session.cursorText()) : QJsonValue(QJsonValue::Null));
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
    if (auto error = applySourceStart(session, options.light))
        return error;
    if (options.light.source != bench::LightSource::Mono) {
        if (options.orderGiven)
            session.typeText(bench::TextField::Order, bench::IntToStr(options.order));
        return std::nullopt;
    }
    if (options.wavelengthText)
        session.typeText(bench::TextField::Wavelength, *options.wavelengthText);
    return session.selectOrder(options.order);
}

int runRenderMode(const RenderOptions &options)
{
    const auto format = bench::NumberFormat::fromLocale(QLocale::system());
    // Nothing is held down here, so no timer ever runs.
    bench::QtClock clock;
    bench::BenchSession session(assets::scenePictures(), format, clock);
    const bench::ActionResult error = workBench(session, options);

    const QByteArray json = options.statePath ? benchStateJson(session, error) : QByteArray();
    if (const auto failure = writeOutputs(options, pngBytes(session.scene().benchCanvas().image()), json))
        return refuse(*failure);
    if (error) {
        // The program's own conversion message, as its error box shows it.
        printMessage(*error, Prefix::None);
        return 1;
    }
    return 0;
}
