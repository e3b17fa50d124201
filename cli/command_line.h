#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>
#include <utility>

// The program's command line: one table of options (command_line.cpp) gives
// the parser, the --help text and the mode each option belongs to. Every
// message is written in Russian, translated, and goes through printMessage().

enum class Mode { Window, Render, Screenshot, AnswerKey, NewTask, Teacher, Help, Version, ClassReport };

// The options a command line gave, without their dashes: each at most once,
// except those the table lets repeat. A mode reads and checks its own values
// from here.
class GivenOptions {
public:
    bool has(const QString &name) const { return values_.contains(name); }
    std::optional<QString> value(const QString &name) const;
    // Every value of an option that may repeat, in the order given.
    QStringList values(const QString &name) const { return values_.value(name); }
    void insert(const QString &name, const QStringList &values) { values_.insert(name, values); }

private:
    QHash<QString, QStringList> values_;
};

struct CommandLine {
    Mode mode = Mode::Window;
    GivenOptions options;
    bool taskWithoutCode = false; // --task given bare: the dialog asks for the code
    // The one argument that is not an option: the pupils' task file in the
    // window, the teacher's file with --teacher or --screen teacher.
    std::optional<QString> file;
    QString error; // one line without the program's name; exit status 2
    // The --language value when it names an interface language, kept even
    // when the line is refused: the refusal is then said in that language.
    QString language;
};

// Copies each of these options that was given into its target; false, with
// the message in *error, for one given an empty file name.
bool readFileNames(const GivenOptions &options,
    std::initializer_list<std::pair<QString, std::optional<QString> *>> targets, QString *error);

// arguments without the program name.
CommandLine parseCommandLine(const QStringList &arguments);

// What --help and --version print.
QString usageText();
QString versionText();

// One line on stderr, UTF-8, after "gratinglab: " unless told otherwise.
// Every message of the command line and of the modes without a window goes
// through here; a line break inside (from a typed value) becomes a blank.
enum class Prefix { ProgramName, None };
void printMessage(const QString &line, Prefix prefix = Prefix::ProgramName);
// printMessage(), then the exit status for bad arguments.
int refuse(const QString &line);
// printMessage(), then the exit status of a save that failed: nothing of it
// was written, and the old files are as they were.
int saveFailed(const QString &line);
// The message for a file that cannot be written, with the system's reason.
QString cannotWrite(const QString &path, const QString &why);
// Text as it is, UTF-8, on stdout.
void printOut(const QString &text);
