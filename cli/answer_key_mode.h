#pragma once

#include "command_line.h"

#include <QString>

#include <optional>

// gratinglab --answer-key TEACHER_FILE [--pdf FILE] [--moodle-xml FILE]
// The teacher's key, as the lines the teacher's file holds (a code on the
// board or a task file must not be enough to print it): one row per variant on stdout (UTF-8,
// tab-separated: variant, pupil, nm, element, symbol), and on request the
// same key as a PDF and as a Moodle quiz.
struct AnswerKeyOptions {
    QString teacherFile;
    std::optional<QString> pdfPath, moodlePath;
};

// The key's options of a parsed command line, or the first thing wrong with
// them (one line, for printMessage()).
std::optional<AnswerKeyOptions> readAnswerKeyOptions(const CommandLine &line, QString *error);

// Under a QGuiApplication: 0 done; 2 a file that cannot be read or written
// (then nothing is written, not even to stdout).
int runAnswerKeyMode(const AnswerKeyOptions &options);
