#include "command_line.h"

#include "cli_texts.h"
#include "interface_language.h"
#include "window_geometry.h"

#include <QCommandLineParser>

#include <array>
#include <bit>
#include <cstdio>

#ifndef GRATINGLAB_VERSION
#define GRATINGLAB_VERSION "unknown"
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

// Where an option may be given: the modes, as bits.
enum Where : unsigned {
    InWindow = 1u << unsigned(Mode::Window),
    InRender = 1u << unsigned(Mode::Render),
    InScreenshot = 1u << unsigned(Mode::Screenshot),
    InAnswerKey = 1u << unsigned(Mode::AnswerKey),
    InNewTask = 1u << unsigned(Mode::NewTask),
    InTeacher = 1u << unsigned(Mode::Teacher),
    InClassReport = 1u << unsigned(Mode::ClassReport),
};

// The modes that take one file without an option before it.
constexpr unsigned kTakeAFile = InWindow | InTeacher | InScreenshot;

struct OptionSpec {
    QStringView name;
    const char *valueName; // empty: the option takes no value; translated at use
    const char *help;      // lines after the first are indented under it; translated at use
    unsigned where;        // where it may be given; the mode it selects is always allowed
    std::optional<Mode> selects;
    bool repeats = false; // may be given more than once
};

// The one table of options. Groups are separated in --help by the mode
// they select or belong to, in this order.
constexpr std::array kOptions{
    OptionSpec{u"task", QT_TRANSLATE_NOOP("CliText", "КОД"),
        QT_TRANSLATE_NOOP("CliText",
            "открыть окно как контрольное задание: лампа с неизвестной\n"
            "длиной волны по коду учителя (от 1 до 32 знаков); без КОДА\n"
            "или без --variant их спрашивает окно «Контрольное задание»"),
        InWindow | InRender | InScreenshot, std::nullopt},
    OptionSpec{u"variant", "N", QT_TRANSLATE_NOOP("CliText", "вариант ученика, от 1 до 99"),
        InWindow | InRender | InScreenshot, std::nullopt},
    OptionSpec{u"pupil", QT_TRANSLATE_NOOP("CliText", "ИМЯ"),
        QT_TRANSLATE_NOOP("CliText",
            "имя ученика, до 60 знаков (необязательно); с файлом\n"
            "задания, где есть список класса, — имя из этого списка"),
        InWindow | InScreenshot, std::nullopt},

    OptionSpec{u"render", QT_TRANSLATE_NOOP("CliText", "ФАЙЛ.png"),
        QT_TRANSLATE_NOOP("CliText", "записать картину стенда 945 × 445 в PNG, не открывая окна"), InRender,
        Mode::Render},
    OptionSpec{u"wavelength", QT_TRANSLATE_NOOP("CliText", "НМ"),
        QT_TRANSLATE_NOOP("CliText", "длина волны на шкале, от 380 до 760 нм"), InRender, std::nullopt},
    OptionSpec{u"wavelength-text", QT_TRANSLATE_NOOP("CliText", "ТЕКСТ"),
        QT_TRANSLATE_NOOP("CliText",
            "текст, набранный в поле длины волны (рисуется,\n"
            "когда выбран порядок)"),
        InRender, std::nullopt},
    OptionSpec{u"grating", "D",
        QT_TRANSLATE_NOOP("CliText",
            "постоянная решетки от 1,0 до 3,0 с шагом 0,1\n"
            "(десятичный знак «,» или «.»)"),
        InRender, std::nullopt},
    OptionSpec{u"order", "K",
        QT_TRANSLATE_NOOP("CliText",
            "выбранный порядок, от -8 до 8 (по умолчанию 1); с лампой\n"
            "или белым светом — порядок, набранный в поле k"),
        InRender, std::nullopt},
    OptionSpec{u"source", QT_TRANSLATE_NOOP("CliText", "ИСТОЧНИК"),
        QT_TRANSLATE_NOOP("CliText",
            "источник света: mono — одна длина волны (по умолчанию),\n"
            "white — белый свет, или лампа: hg — ртутная,\n"
            "na — натриевая, h — водородная, he — гелиевая,\n"
            "ne — неоновая, cd — кадмиевая"),
        InRender | InScreenshot, std::nullopt},
    OptionSpec{u"cursor", "Y",
        QT_TRANSLATE_NOOP("CliText",
            "визир на Y см от оси (от -5 до 5, «,» или «.»),\n"
            "на ближайшей строке пикселей; с mono он иначе скрыт"),
        InRender | InScreenshot, std::nullopt},
    OptionSpec{u"state", QT_TRANSLATE_NOOP("CliText", "ФАЙЛ"),
        QT_TRANSLATE_NOOP("CliText", "записать и показания в JSON («-» — стандартный вывод)"), InRender, std::nullopt},

    OptionSpec{u"screenshot", QT_TRANSLATE_NOOP("CliText", "ФАЙЛ.png"),
        QT_TRANSLATE_NOOP("CliText",
            "записать всё окно %1 с открытым экраном,\n"
            "нарисованное вне экрана"),
        InScreenshot, Mode::Screenshot},
    OptionSpec{u"screen", QT_TRANSLATE_NOOP("CliText", "ЭКРАН"),
        QT_TRANSLATE_NOOP("CliText",
            "title, procedure, experiment, journal или teacher — окно\n"
            "учителя с заданием из ФАЙЛА учителя (по умолчанию title)"),
        InScreenshot, std::nullopt},

    OptionSpec{u"teacher", "",
        QT_TRANSLATE_NOOP("CliText",
            "открыть окно учителя: новое задание, ключ ответов, печать,\n"
            "PDF и экспорт в Moodle; с ФАЙЛОМ учителя — это задание"),
        InTeacher, Mode::Teacher},

    OptionSpec{u"new-task", QT_TRANSLATE_NOOP("CliText", "ФАЙЛ"),
        QT_TRANSLATE_NOOP("CliText",
            "без окна записать новое задание: ФАЙЛ учителя\n"
            "(.gratinglab-teacher) и файл задания для учеников в папке\n"
            "класса; случайный код для доски — на стандартный вывод"),
        InNewTask, Mode::NewTask},
    OptionSpec{u"class-folder", QT_TRANSLATE_NOOP("CliText", "ПАПКА"),
        QT_TRANSLATE_NOOP("CliText", "папка класса для файла задания (.gratinglab-task)"), InNewTask, std::nullopt},
    OptionSpec{u"pupils", QT_TRANSLATE_NOOP("CliText", "СПИСОК"),
        QT_TRANSLATE_NOOP("CliText",
            "список учеников, UTF-8: по одному в строке, после табуляции\n"
            "или «;» можно адрес или номер; не больше 99"),
        InNewTask, std::nullopt},
    OptionSpec{u"variants", "N", QT_TRANSLATE_NOOP("CliText", "вместо списка: число вариантов, от 1 до 99"), InNewTask,
        std::nullopt},
    OptionSpec{u"title", QT_TRANSLATE_NOOP("CliText", "ТЕКСТ"),
        QT_TRANSLATE_NOOP("CliText", "название (по умолчанию «Измерение длины световой волны»)"), InNewTask,
        std::nullopt},
    OptionSpec{u"class", QT_TRANSLATE_NOOP("CliText", "КЛАСС"), QT_TRANSLATE_NOOP("CliText", "класс, например 9Б"),
        InNewTask, std::nullopt},

    OptionSpec{u"answer-key", QT_TRANSLATE_NOOP("CliText", "ФАЙЛ"),
        QT_TRANSLATE_NOOP("CliText",
            "напечатать ключ ответов по ФАЙЛУ учителя: по строке на\n"
            "вариант (вариант, ученик, длина волны в нм, элемент, символ\n"
            "через табуляцию)"),
        InAnswerKey, Mode::AnswerKey},
    OptionSpec{u"pdf", QT_TRANSLATE_NOOP("CliText", "ФАЙЛ"),
        QT_TRANSLATE_NOOP("CliText", "записать ключ или отчёт о классе и в PDF (A4)"), InAnswerKey | InClassReport,
        std::nullopt},
    OptionSpec{u"moodle-xml", QT_TRANSLATE_NOOP("CliText", "ФАЙЛ"),
        QT_TRANSLATE_NOOP("CliText", "записать ключ как тест для Moodle (Moodle XML)"), InAnswerKey, std::nullopt},

    OptionSpec{u"class-report", QT_TRANSLATE_NOOP("CliText", "ФАЙЛ"),
        QT_TRANSLATE_NOOP("CliText",
            "результаты класса по ФАЙЛУ учителя: по строке на ученика\n"
            "(ученик, вариант, длина волны в нм, проверок, решено 1/0,\n"
            "проверок до верного ответа, оценка через табуляцию); файлы,\n"
            "которые не учтены, — в поток ошибок с причиной"),
        InClassReport, Mode::ClassReport},
    OptionSpec{u"results", QT_TRANSLATE_NOOP("CliText", "ПАПКА|ФАЙЛ"),
        QT_TRANSLATE_NOOP("CliText",
            "папка класса (с её подпапкой «Результаты») или файл\n"
            "результата ученика; можно повторять"),
        InClassReport, std::nullopt, true},
    OptionSpec{u"csv", QT_TRANSLATE_NOOP("CliText", "ФАЙЛ"),
        QT_TRANSLATE_NOOP("CliText", "записать таблицу и в CSV для Excel или LibreOffice"), InClassReport,
        std::nullopt},
    OptionSpec{u"moodle-csv", QT_TRANSLATE_NOOP("CliText", "ФАЙЛ"),
        QT_TRANSLATE_NOOP("CliText", "записать оценки в CSV для импорта оценок в Moodle"), InClassReport, std::nullopt},

    OptionSpec{u"language", QT_TRANSLATE_NOOP("CliText", "ЯЗЫК"),
        QT_TRANSLATE_NOOP("CliText",
            "язык программы на этот запуск: ru, en, uk или kk\n"
            "(без него — по LANGUAGE, LC_ALL, LC_MESSAGES, LANG;\n"
            "иначе русский)"),
        InWindow | InRender | InScreenshot | InAnswerKey | InNewTask | InTeacher | InClassReport, std::nullopt},
    OptionSpec{u"help", "", QT_TRANSLATE_NOOP("CliText", "показать эту справку"), 0, Mode::Help},
    OptionSpec{u"version", "", QT_TRANSLATE_NOOP("CliText", "показать версию программы"), 0, Mode::Version},
};

bool takesValue(const OptionSpec &o)
{
    return *o.valueName != '\0';
}

QString optionText(const char *text)
{
    return QCoreApplication::translate("CliText", text);
}

const OptionSpec *findOption(QStringView name)
{
    for (const OptionSpec &o : kOptions) {
        if (o.name == name)
            return &o;
    }
    return nullptr;
}

QString dashed(QStringView name)
{
    return u"--"_s + name.toString();
}

// QCommandLineParser has no option with an optional value. "--task" followed
// by nothing or by another option means "ask for the code"; it becomes
// "--task=" here and is told apart from a typed empty code by the flag.
QStringList withBareTaskMarked(const QStringList &arguments, bool *bare)
{
    QStringList out;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const bool followedByValue = i + 1 < arguments.size() && !arguments[i + 1].startsWith(u"--");
        if (arguments[i] == u"--task" && !followedByValue) {
            *bare = true;
            out.append(u"--task="_s);
        } else {
            out.append(arguments[i]);
        }
    }
    return out;
}

// Which option QCommandLineParser stopped at when it names no unknown one:
// a flag written with a value, or a value option at the very end.
QString syntaxError(const QStringList &arguments, const QString &fallback)
{
    for (const QString &arg : arguments) {
        if (!arg.startsWith(u"--") || !arg.contains(u'='))
            continue;
        const OptionSpec *o = findOption(QStringView(arg).mid(2).left(arg.indexOf(u'=') - 2));
        if (o && !takesValue(*o))
            return CliText::tr("параметр %1 не принимает значения").arg(dashed(o->name));
    }
    if (!arguments.isEmpty()) {
        const OptionSpec *o = findOption(QStringView(arguments.last()).mid(2));
        if (arguments.last().startsWith(u"--") && o && takesValue(*o))
            return CliText::tr("параметру %1 нужно значение (см. --help)").arg(dashed(o->name));
    }
    return fallback;
}

QString selectorsOf(unsigned where)
{
    QStringList names;
    for (const OptionSpec &o : kOptions) {
        if (o.selects && (where & (1u << unsigned(*o.selects))))
            names.append(dashed(o.name));
    }
    return names.join(CliText::tr(" или "));
}

// The part of --help an option is listed in.
Mode sectionOf(const OptionSpec &o)
{
    if (o.selects)
        return *o.selects == Mode::Version ? Mode::Help : *o.selects;
    return o.where & InWindow ? Mode::Window : Mode(std::countr_zero(o.where));
}

QString windowSizeText()
{
    return u"%1 × %2"_s.arg(kWindowSize.width()).arg(kWindowSize.height());
}

CommandLine failed(const QString &error)
{
    CommandLine line;
    line.error = error;
    return line;
}

// The line QCommandLineParser has read, or the first thing wrong with it.
CommandLine readLine(const QCommandLineParser &parser, bool parsed, const QStringList &marked)
{
    CommandLine line;
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString &name = unknown.first();
            return failed(
                CliText::tr("неизвестный параметр %1%2 (см. --help)").arg(name.size() > 1 ? u"--"_s : u"-"_s, name));
        }
        return failed(syntaxError(marked, parser.errorText()));
    }
    const QStringList positional = parser.positionalArguments();

    const OptionSpec *selector = nullptr;
    for (const QString &name : parser.optionNames()) {
        const OptionSpec *o = findOption(name);
        if (line.options.has(name)) {
            if (o->repeats)
                continue;
            return failed(CliText::tr("параметр %1 задан дважды").arg(dashed(name)));
        }
        line.options.insert(name, !takesValue(*o) ? QStringList{QString()} : parser.values(name));
        if (!o->selects || selector == o)
            continue;
        if (selector)
            return failed(CliText::tr("%1 и %2 нельзя задать вместе").arg(dashed(selector->name), dashed(o->name)));
        selector = o;
    }
    line.mode = selector ? *selector->selects : Mode::Window;
    const unsigned here = 1u << unsigned(line.mode);
    if (!positional.isEmpty()) {
        if (positional.size() > 1 || !(here & kTakeAFile))
            return failed(CliText::tr("лишний аргумент «%1» (см. --help)").arg(positional.last()));
        line.file = positional.first();
    }
    if (line.mode == Mode::Help || line.mode == Mode::Version)
        return line;
    if (const auto language = line.options.value(u"language"_s); language && !interfaceLanguages().contains(*language))
        return failed(CliText::tr("неизвестный язык «%1»: --language принимает ru, en, uk или kk").arg(*language));

    for (const OptionSpec &o : kOptions) {
        if (!line.options.has(o.name.toString()) || o.selects || (o.where & here))
            continue;
        if (selector)
            return failed(CliText::tr("параметр %1 нельзя задать с %2").arg(dashed(o.name), dashed(selector->name)));
        return failed(
            CliText::tr("параметр %1 задаётся только с %2 (см. --help)").arg(dashed(o.name), selectorsOf(o.where)));
    }
    return line;
}

} // namespace

std::optional<QString> GivenOptions::value(const QString &name) const
{
    const auto it = values_.constFind(name);
    return it == values_.cend() || it->isEmpty() ? std::nullopt : std::optional<QString>(it->first());
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    for (const OptionSpec &o : kOptions) {
        QCommandLineOption option(o.name.toString());
        if (takesValue(o))
            option.setValueName(optionText(o.valueName));
        parser.addOption(option);
    }
    bool bareTask = false;
    const QStringList marked = withBareTaskMarked(arguments, &bareTask);
    const bool parsed = parser.parse(QStringList{u"gratinglab"_s} + marked);
    CommandLine line = readLine(parser, parsed, marked);
    line.taskWithoutCode = bareTask;
    // The parser keeps every value it could read, even on a line it refuses.
    if (const QStringList asked = parser.values(u"language"_s);
        !asked.isEmpty() && interfaceLanguages().contains(asked.first()))
        line.language = asked.first();
    return line;
}

QString usageText()
{
    QString text = CliText::tr(R"(Использование:
  gratinglab [--task [КОД] [--variant N] [--pupil ИМЯ]]
  gratinglab ФАЙЛ.gratinglab-task [--pupil ИМЯ | --variant N]
  gratinglab --render ФАЙЛ.png [--wavelength НМ] [--wavelength-text ТЕКСТ]
             [--grating D] [--order K] [--state ФАЙЛ]
  gratinglab --render ФАЙЛ.png --task КОД --variant N [--grating D]
             [--order K] [--state ФАЙЛ]
  gratinglab --render ФАЙЛ.png --source white|hg|na|h|he|ne|cd [--grating D]
             [--cursor Y] [--order K] [--state ФАЙЛ]
  gratinglab --screenshot ФАЙЛ.png [--screen title|procedure|experiment|journal]
             [--task КОД --variant N [--pupil ИМЯ]] [--source ИСТОЧНИК] [--cursor Y]
  gratinglab --screenshot ФАЙЛ.png --screen teacher ФАЙЛ.gratinglab-teacher
  gratinglab --teacher [ФАЙЛ.gratinglab-teacher]
  gratinglab --new-task ФАЙЛ.gratinglab-teacher --class-folder ПАПКА
             (--pupils СПИСОК | --variants N) [--title ТЕКСТ] [--class КЛАСС]
  gratinglab --answer-key ФАЙЛ.gratinglab-teacher [--pdf ФАЙЛ] [--moodle-xml ФАЙЛ]
  gratinglab --class-report ФАЙЛ.gratinglab-teacher [--results ПАПКА|ФАЙЛ]...
             [--csv ФАЙЛ] [--moodle-csv ФАЙЛ] [--pdf ФАЙЛ]
  gratinglab --help | --version

Без параметров программа открывает своё окно. С файлом задания из папки
класса (.gratinglab-task) окно сразу начинает контрольное задание: ученик
выбирает себя в списке класса (или вводит вариант, если списка нет).

--render рисует картину стенда без окна, какой её показал бы экран
«Эксперимент» после таких шагов: запуск; ползунок передвинут на НМ;
постоянная решетки увеличена от 1,0 до D; в поле длины волны набран ТЕКСТ;
выбран максимум порядка K. С --task КОД --variant N ползунок стоит на линии
лампы этого варианта, а --wavelength и --wavelength-text не задаются.
С --source white или лампой стенд освещают все её линии (или весь спектр):
длину волны не задают, максимумы не выбирают, визир стоит на Y, а K набран
в поле порядка k.

Параметры:
)");
    std::optional<Mode> group;
    for (const OptionSpec &o : kOptions) {
        const Mode section = sectionOf(o);
        if (group && *group != section)
            text += u'\n';
        group = section;
        QString head = u"  "_s + dashed(o.name);
        if (takesValue(o))
            head += u' ' + optionText(o.valueName);
        // The one help text with a number from elsewhere: the window's size.
        const QString help = optionText(o.help);
        const QString shown = help.contains(u"%1") ? help.arg(windowSizeText()) : help;
        const QStringList lines = shown.split(u'\n');
        constexpr int kColumn = 26;
        text += head.size() < kColumn ? head.leftJustified(kColumn) + lines.first()
                                      : head + u'\n' + QString(kColumn, u' ') + lines.first();
        text += u'\n';
        for (qsizetype i = 1; i < lines.size(); ++i)
            text += QString(kColumn, u' ') + lines[i] + u'\n';
    }
    text += CliText::tr(R"(
Каждый параметр со значением пишется и как --параметр=значение.

Код выхода: 0 — готово; 1 — ТЕКСТ не целое число (картина и показания всё
равно записаны, насколько нарисованы); 2 — неверные параметры, файл, который
нельзя прочитать, или файл, который нельзя записать (тогда не записано ничего).
С --class-report файлы результатов, которые не учтены, кода выхода не меняют.
)");
    return text;
}

QString versionText()
{
    return u"gratinglab "_s + QLatin1StringView(GRATINGLAB_VERSION) + u'\n';
}

void printMessage(const QString &line, Prefix prefix)
{
    QString text = prefix == Prefix::ProgramName ? u"gratinglab: "_s + line : line;
    for (QChar &c : text) {
        if (c == u'\n' || c == u'\r')
            c = u' ';
    }
    std::fputs((text + u'\n').toUtf8().constData(), stderr);
}

bool readFileNames(const GivenOptions &options,
    std::initializer_list<std::pair<QString, std::optional<QString> *>> targets, QString *error)
{
    for (const auto &[name, target] : targets) {
        if (const auto path = options.value(name)) {
            if (path->isEmpty()) {
                *error = CliText::tr("параметру --%1 нужно имя файла").arg(name);
                return false;
            }
            *target = *path;
        }
    }
    return true;
}

int refuse(const QString &line)
{
    printMessage(line);
    return 2;
}

int saveFailed(const QString &line)
{
    printMessage(line);
    return 1;
}

QString cannotWrite(const QString &path, const QString &why)
{
    return CliText::tr("не удаётся записать «%1»: %2").arg(path, why);
}

void printOut(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}
