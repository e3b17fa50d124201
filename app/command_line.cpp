#include "command_line.h"

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
};

struct OptionSpec {
    QStringView name;
    QStringView valueName; // empty: the option takes no value
    QStringView help;      // lines after the first are indented under it
    unsigned where;        // where it may be given; the mode it selects is always allowed
    std::optional<Mode> selects;
};

// The one table of options. Groups are separated in --help by the mode
// they select or belong to, in this order.
constexpr std::array kOptions{
    OptionSpec{u"task", u"КОД", u"открыть окно как контрольное задание: лампа с неизвестной\n"
                               u"длиной волны по коду учителя (от 1 до 32 знаков); без КОДА\n"
                               u"или без --variant их спрашивает окно «Контрольное задание»",
               InWindow | InRender | InScreenshot, std::nullopt},
    OptionSpec{u"variant", u"N", u"вариант ученика, от 1 до 99", InWindow | InRender | InScreenshot, std::nullopt},
    OptionSpec{u"pupil", u"ИМЯ", u"имя ученика, до 60 знаков (необязательно)", InWindow | InScreenshot, std::nullopt},

    OptionSpec{u"render", u"ФАЙЛ.png", u"записать картину стенда 945 × 445 в PNG, не открывая окна", InRender,
               Mode::Render},
    OptionSpec{u"wavelength", u"НМ", u"длина волны на шкале, от 380 до 760 нм", InRender, std::nullopt},
    OptionSpec{u"wavelength-text", u"ТЕКСТ", u"текст, набранный в поле длины волны (рисуется,\n"
                                            u"когда выбран порядок)",
               InRender, std::nullopt},
    OptionSpec{u"grating", u"D", u"постоянная решетки от 1,0 до 3,0 с шагом 0,1\n"
                                 u"(десятичный знак «,» или «.»)",
               InRender, std::nullopt},
    OptionSpec{u"order", u"K", u"выбранный порядок, от -8 до 8 (по умолчанию 1)", InRender, std::nullopt},
    OptionSpec{u"state", u"ФАЙЛ", u"записать и показания в JSON («-» — стандартный вывод)", InRender, std::nullopt},

    OptionSpec{u"screenshot", u"ФАЙЛ.png", u"записать всё окно 992 × 665 с открытым экраном,\n"
                                          u"нарисованное вне экрана",
               InScreenshot, Mode::Screenshot},
    OptionSpec{u"screen", u"ЭКРАН", u"title, procedure, experiment или journal\n"
                                    u"(по умолчанию title — заставка)",
               InScreenshot, std::nullopt},

    OptionSpec{u"answer-key", u"КОД", u"напечатать ключ ответов учителя: по строке на вариант\n"
                                     u"(вариант, длина волны в нм, элемент, символ через табуляцию)",
               InAnswerKey, Mode::AnswerKey},
    OptionSpec{u"variants", u"N", u"число вариантов в ключе, от 1 до 99 (по умолчанию 30)", InAnswerKey,
               std::nullopt},
    OptionSpec{u"pdf", u"ФАЙЛ", u"записать ключ и в PDF на одной странице A4", InAnswerKey, std::nullopt},

    OptionSpec{u"help", u"", u"показать эту справку", 0, Mode::Help},
    OptionSpec{u"version", u"", u"показать версию программы", 0, Mode::Version},
};

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
        if (o && o->valueName.isEmpty())
            return u"параметр %1 не принимает значения"_s.arg(dashed(o->name));
    }
    if (!arguments.isEmpty()) {
        const OptionSpec *o = findOption(QStringView(arguments.last()).mid(2));
        if (arguments.last().startsWith(u"--") && o && !o->valueName.isEmpty())
            return u"параметру %1 нужно значение (см. --help)"_s.arg(dashed(o->name));
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
    return names.join(u" или "_s);
}

// The part of --help an option is listed in.
Mode sectionOf(const OptionSpec &o)
{
    if (o.selects)
        return *o.selects == Mode::Version ? Mode::Help : *o.selects;
    return o.where & InWindow ? Mode::Window : Mode(std::countr_zero(o.where));
}

CommandLine failed(const QString &error)
{
    CommandLine line;
    line.error = error;
    return line;
}

} // namespace

std::optional<QString> GivenOptions::value(const QString &name) const
{
    const auto it = values_.constFind(name);
    return it == values_.cend() ? std::nullopt : std::optional<QString>(*it);
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    for (const OptionSpec &o : kOptions) {
        QCommandLineOption option(o.name.toString());
        if (!o.valueName.isEmpty())
            option.setValueName(o.valueName.toString());
        parser.addOption(option);
    }
    const QStringList marked = withBareTaskMarked(arguments, &line.taskWithoutCode);
    if (!parser.parse(QStringList{u"gratinglab"_s} + marked)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString &name = unknown.first();
            return failed(u"неизвестный параметр %1%2 (см. --help)"_s.arg(name.size() > 1 ? u"--"_s : u"-"_s, name));
        }
        return failed(syntaxError(marked, parser.errorText()));
    }
    if (!parser.positionalArguments().isEmpty())
        return failed(u"лишний аргумент «%1» (см. --help)"_s.arg(parser.positionalArguments().first()));

    const OptionSpec *selector = nullptr;
    for (const QString &name : parser.optionNames()) {
        const OptionSpec *o = findOption(name);
        if (line.options.has(name))
            return failed(u"параметр %1 задан дважды"_s.arg(dashed(name)));
        line.options.insert(name, o->valueName.isEmpty() ? QString() : parser.value(name));
        if (!o->selects || selector == o)
            continue;
        if (selector)
            return failed(u"%1 и %2 нельзя задать вместе"_s.arg(dashed(selector->name), dashed(o->name)));
        selector = o;
    }
    line.mode = selector ? *selector->selects : Mode::Window;
    if (line.mode == Mode::Help || line.mode == Mode::Version)
        return line;

    const unsigned here = 1u << unsigned(line.mode);
    for (const OptionSpec &o : kOptions) {
        if (!line.options.has(o.name.toString()) || o.selects || (o.where & here))
            continue;
        if (selector)
            return failed(u"параметр %1 нельзя задать с %2"_s.arg(dashed(o.name), dashed(selector->name)));
        return failed(u"параметр %1 задаётся только с %2 (см. --help)"_s.arg(dashed(o.name), selectorsOf(o.where)));
    }
    return line;
}

QString usageText()
{
    QString text = uR"(Использование:
  gratinglab [--task [КОД] [--variant N] [--pupil ИМЯ]]
  gratinglab --render ФАЙЛ.png [--wavelength НМ] [--wavelength-text ТЕКСТ]
             [--grating D] [--order K] [--state ФАЙЛ]
  gratinglab --render ФАЙЛ.png --task КОД --variant N [--grating D]
             [--order K] [--state ФАЙЛ]
  gratinglab --screenshot ФАЙЛ.png [--screen title|procedure|experiment|journal]
             [--task КОД --variant N [--pupil ИМЯ]]
  gratinglab --answer-key КОД [--variants N] [--pdf ФАЙЛ]
  gratinglab --help | --version

Без параметров программа открывает своё окно.

--render рисует картину стенда без окна, какой её показал бы экран
«Эксперимент» после таких шагов: запуск; ползунок передвинут на НМ;
постоянная решетки увеличена от 1,0 до D; в поле длины волны набран ТЕКСТ;
выбран максимум порядка K. С --task КОД --variant N ползунок стоит на линии
лампы этого варианта, а --wavelength и --wavelength-text не задаются.

Параметры:
)"_s;
    std::optional<Mode> group;
    for (const OptionSpec &o : kOptions) {
        const Mode section = sectionOf(o);
        if (group && *group != section)
            text += u'\n';
        group = section;
        QString head = u"  "_s + dashed(o.name);
        if (!o.valueName.isEmpty())
            head += u' ' + o.valueName.toString();
        const QStringList lines = o.help.toString().split(u'\n');
        constexpr int kColumn = 26;
        text += head.size() < kColumn ? head.leftJustified(kColumn) + lines.first() : head + u'\n'
                + QString(kColumn, u' ') + lines.first();
        text += u'\n';
        for (qsizetype i = 1; i < lines.size(); ++i)
            text += QString(kColumn, u' ') + lines[i] + u'\n';
    }
    text += uR"(
Каждый параметр со значением пишется и как --параметр=значение.

Код выхода: 0 — готово; 1 — ТЕКСТ не целое число (картина и показания всё
равно записаны, насколько нарисованы); 2 — неверные параметры или файл, который
нельзя записать (тогда не записано ничего).
)"_s;
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

int refuse(const QString &line)
{
    printMessage(line);
    return 2;
}

QString cannotWrite(const QString &path, const QString &why)
{
    return u"не удаётся записать «%1»: %2"_s.arg(path, why);
}

void printOut(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}
