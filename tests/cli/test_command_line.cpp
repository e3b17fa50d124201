// The command line's table: which mode a line selects, and the one Russian
// line that names what is wrong with it. The language the program runs in,
// and the translations it embeds.
#include "answer_check.h"
#include "command_line.h"
#include "qt_translation.h"
#include "render_mode.h"
#include "task_start.h"
#include "task_texts.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Refusal {
    const char *name;
    QStringList arguments;
    QString message;
};

class CommandLineRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(CommandLineRefuses, WithOneLineNamingTheOption)
{
    const CommandLine line = parseCommandLine(GetParam().arguments);
    EXPECT_EQ(line.error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Syntax, CommandLineRefuses,
    ::testing::Values(Refusal{"UnknownOption", {u"--bogus"_s}, u"неизвестный параметр --bogus (см. --help)"_s},
        Refusal{"UnknownAfterAMode", {u"--render"_s, u"a.png"_s, u"--colour=red"_s},
            u"неизвестный параметр --colour (см. --help)"_s},
        Refusal{"ShortOption", {u"-x"_s}, u"неизвестный параметр -x (см. --help)"_s},
        Refusal{"MissingValue", {u"--render"_s}, u"параметру --render нужно значение (см. --help)"_s},
        Refusal{"MissingValueAtTheEnd", {u"--render=a.png"_s, u"--order"_s},
            u"параметру --order нужно значение (см. --help)"_s},
        Refusal{"FlagWithAValue", {u"--version=2"_s}, u"параметр --version не принимает значения"_s},
        Refusal{"GivenTwiceInBothForms", {u"--render"_s, u"a.png"_s, u"--order=1"_s, u"--order"_s, u"2"_s},
            u"параметр --order задан дважды"_s},
        Refusal{"StrayArgument", {u"--render"_s, u"a.png"_s, u"extra"_s}, u"лишний аргумент «extra» (см. --help)"_s},
        Refusal{"TwoFiles", {u"a.gratinglab-task"_s, u"b.gratinglab-task"_s},
            u"лишний аргумент «b.gratinglab-task» (см. --help)"_s},
        Refusal{"AFileWithTheKey", {u"--answer-key=k.gratinglab-teacher"_s, u"a.gratinglab-task"_s},
            u"лишний аргумент «a.gratinglab-task» (см. --help)"_s},
        Refusal{"VariantsWithTheKey", {u"--answer-key=k.gratinglab-teacher"_s, u"--variants=6"_s},
            u"параметр --variants нельзя задать с --answer-key"_s},
        Refusal{"ClassFolderWithoutANewTask", {u"--class-folder"_s, u"d"_s},
            u"параметр --class-folder задаётся только с --new-task (см. --help)"_s},
        Refusal{"TwoModes", {u"--screenshot=a.png"_s, u"--render=b.png"_s},
            u"--screenshot и --render нельзя задать вместе"_s},
        Refusal{"RenderOptionWithoutRender", {u"--state"_s, u"s.json"_s},
            u"параметр --state задаётся только с --render (см. --help)"_s},
        Refusal{"OptionOfAnotherMode", {u"--answer-key"_s, u"9Б"_s, u"--order"_s, u"2"_s},
            u"параметр --order нельзя задать с --answer-key"_s},
        Refusal{"OnlyResultsMayRepeat",
            {u"--class-report=k"_s, u"--results=a"_s, u"--csv=a.csv"_s, u"--results=b"_s, u"--csv=b.csv"_s},
            u"параметр --csv задан дважды"_s},
        Refusal{"ResultsWithoutTheClassReport", {u"--answer-key=k"_s, u"--results=a"_s},
            u"параметр --results нельзя задать с --answer-key"_s},
        Refusal{"PupilInRenderMode", {u"--render=a.png"_s, u"--task=9Б"_s, u"--variant=1"_s, u"--pupil"_s, u"Иванов"_s},
            u"параметр --pupil нельзя задать с --render"_s},
        Refusal{"LanguageWithoutATranslation", {u"--render=a.png"_s, u"--language=fr"_s},
            u"неизвестный язык «fr»: --language принимает ru, en, uk или kk"_s},
        Refusal{"LanguageAsALocale", {u"--language"_s, u"en_US"_s},
            u"неизвестный язык «en_US»: --language принимает ru, en, uk или kk"_s}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CommandLine, ChoosesTheModeAndKeepsEveryValue)
{
    EXPECT_EQ(parseCommandLine({}).mode, Mode::Window);
    EXPECT_EQ(parseCommandLine({u"--help"_s}).mode, Mode::Help);
    EXPECT_EQ(parseCommandLine({u"--answer-key=9Б"_s, u"--pdf"_s, u"k.pdf"_s}).mode, Mode::AnswerKey);
    const CommandLine teacher = parseCommandLine({u"--teacher"_s, u"--"_s, u"-ключ.gratinglab-teacher"_s});
    EXPECT_EQ(teacher.mode, Mode::Teacher);
    EXPECT_EQ(teacher.file, u"-ключ.gratinglab-teacher"_s);
    const CommandLine pupil = parseCommandLine({u"9Б.gratinglab-task"_s, u"--pupil"_s, u"Иванов"_s});
    EXPECT_EQ(pupil.mode, Mode::Window);
    EXPECT_EQ(pupil.file, u"9Б.gratinglab-task"_s);
    const CommandLine report = parseCommandLine(
        {u"--results"_s, u"Результаты"_s, u"--class-report=k"_s, u"--results=/media/usb"_s, u"--pdf=r.pdf"_s});
    EXPECT_EQ(report.mode, Mode::ClassReport);
    EXPECT_EQ(report.options.values(u"results"_s), (QStringList{u"Результаты"_s, u"/media/usb"_s}));

    const CommandLine line = parseCommandLine(
        {u"--order"_s, u"-3"_s, u"--render=b.png"_s, u"--wavelength-text"_s, u"--x"_s, u"--state"_s, u"-"_s});
    ASSERT_TRUE(line.error.isEmpty()) << line.error.toStdString();
    EXPECT_EQ(line.mode, Mode::Render);
    QString error;
    const auto options = readRenderOptions(line, &error);
    ASSERT_TRUE(options) << error.toStdString();
    EXPECT_EQ(options->imagePath, u"b.png"_s);
    EXPECT_EQ(options->order, -3); // a value may begin with a dash
    EXPECT_EQ(options->wavelengthText, u"--x"_s);
    EXPECT_EQ(options->statePath, u"-"_s);
}

TEST(CommandLine, BareTaskAsksForTheCodeButAnEmptyCodeIsRefused)
{
    for (const QStringList &arguments : {QStringList{u"--task"_s}, QStringList{u"--task"_s, u"--variant"_s, u"7"_s}}) {
        QString error;
        const TaskStart start = readTaskStart(parseCommandLine(arguments), &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_TRUE(start.wanted);
        EXPECT_FALSE(start.code.has_value());
        EXPECT_FALSE(start.task.has_value());
    }
    QString error;
    readTaskStart(parseCommandLine({u"--task="_s, u"--variant"_s, u"1"_s}), &error);
    EXPECT_EQ(error, u"--task «»: Введите код задания, который дал учитель."_s);

    const TaskStart full = readTaskStart(parseCommandLine({u"--task=9б"_s, u"--variant"_s, u"6"_s}), &error);
    ASSERT_TRUE(full.task.has_value());
    EXPECT_EQ(full.task->code, u"9Б"_s);
    EXPECT_EQ(full.task->lampLine().nm, 589);
}

TEST(CommandLine, GratingTextsTakeEitherDecimalMark)
{
    QString error;
    for (const QString &text : {u"2,5"_s, u"2.5"_s, u" 2.50"_s}) {
        const auto options = readRenderOptions(parseCommandLine({u"--render=a.png"_s, u"--grating"_s, text}), &error);
        ASSERT_TRUE(options) << text.toStdString() << ": " << error.toStdString();
        EXPECT_EQ(options->gratingSteps, 15) << text.toStdString();
    }
}

} // namespace

namespace {

struct LanguageCase {
    const char *name;
    QString option;
    std::vector<std::pair<QString, QString>> env;
    QString language;
};

class LanguageChoice : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageChoice, FollowsTheOptionThenTheEnvironment)
{
    QProcessEnvironment env;
    for (const auto &[name, value] : GetParam().env)
        env.insert(name, value);
    EXPECT_EQ(chooseLanguage(GetParam().option, env), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(Cases, LanguageChoice,
    ::testing::Values(LanguageCase{"NothingSet", {}, {}, u"ru"_s},
        LanguageCase{"CUtf8", {}, {{u"LANG"_s, u"C.UTF-8"_s}}, u"ru"_s},
        LanguageCase{"Posix", {}, {{u"LC_ALL"_s, u"POSIX"_s}}, u"ru"_s},
        LanguageCase{"Russian", {}, {{u"LANG"_s, u"ru_RU.UTF-8"_s}}, u"ru"_s},
        LanguageCase{"LangKazakh", {}, {{u"LANG"_s, u"kk_KZ.UTF-8"_s}}, u"kk"_s},
        LanguageCase{"NoTranslationIsRussian", {}, {{u"LANG"_s, u"de_DE.UTF-8"_s}}, u"ru"_s},
        LanguageCase{"LanguageListSkipsTheUntranslated", {},
            {{u"LANGUAGE"_s, u"fr:de_AT:uk"_s}, {u"LANG"_s, u"en_GB.UTF-8"_s}}, u"uk"_s},
        LanguageCase{"LanguageListRussianFirst", {}, {{u"LANGUAGE"_s, u"ru:en"_s}}, u"ru"_s},
        LanguageCase{"LanguageBeforeLcAll", {}, {{u"LANGUAGE"_s, u"en"_s}, {u"LC_ALL"_s, u"uk_UA.UTF-8"_s}}, u"en"_s},
        LanguageCase{"UntranslatedListFallsToTheLocale", {}, {{u"LANGUAGE"_s, u"fr"_s}, {u"LANG"_s, u"en_US"_s}},
            u"en"_s},
        LanguageCase{"LcAllOverLcMessagesAndLang", {},
            {{u"LC_ALL"_s, u"kk_KZ"_s}, {u"LC_MESSAGES"_s, u"uk_UA"_s}, {u"LANG"_s, u"en_US"_s}}, u"kk"_s},
        LanguageCase{"LcMessagesOverLang", {}, {{u"LC_MESSAGES"_s, u"uk_UA@euro"_s}, {u"LANG"_s, u"en_US"_s}}, u"uk"_s},
        // LC_ALL=C is the C locale for everything: LANG under it is not read.
        LanguageCase{"LcAllCHidesLang", {}, {{u"LC_ALL"_s, u"C.UTF-8"_s}, {u"LANG"_s, u"en_US.UTF-8"_s}}, u"ru"_s},
        LanguageCase{"OptionOverEverything", u"en"_s, {{u"LANGUAGE"_s, u"uk"_s}, {u"LC_ALL"_s, u"kk_KZ"_s}}, u"en"_s},
        LanguageCase{"RussianOptionUnderAnotherLocale", u"ru"_s, {{u"LANG"_s, u"en_US.UTF-8"_s}}, u"ru"_s}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

namespace {

struct TranslatedCase {
    const char *name;
    const char *language;
    QString verdict;
    QString unknownLamp;
};

class ModelTexts : public ::testing::TestWithParam<TranslatedCase> {};

// The embedded translation reaches the model's texts; Russian gives the
// source text; what the result files keep is Russian in every language.
TEST_P(ModelTexts, FollowTheChosenLanguageButNotInFiles)
{
    int argc = 1;
    char name[] = "test_command_line";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    setInterfaceLanguage(QString::fromLatin1(GetParam().language));
    installTranslations(app);
    setInterfaceLanguage(u"ru"_s);
    EXPECT_EQ(bench::verdictText(true), GetParam().verdict);
    EXPECT_EQ(bench::storedVerdictText(true), u"Верно !"_s);
    EXPECT_EQ(bench::unknownLampText(), GetParam().unknownLamp);
}

INSTANTIATE_TEST_SUITE_P(Languages, ModelTexts,
    ::testing::Values(TranslatedCase{"English", "en", u"Correct!"_s, u"Light from a lamp of unknown wavelength"_s},
        TranslatedCase{"Ukrainian", "uk", u"Вірно !"_s, u"Світло від лампи з невідомою довжиною хвилі"_s},
        TranslatedCase{"Russian", "ru", u"Верно !"_s, u"Свет от лампы с неизвестной длиной волны"_s}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
