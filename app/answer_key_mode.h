#pragma once

#include "command_line.h"

#include <QString>

#include <optional>

// gratinglab --answer-key CODE [--variants N] [--pdf FILE]
// The teacher's key: one row per variant on stdout (UTF-8, tab-separated:
// variant, nm, element, symbol), and the same table as a PDF on request.
struct AnswerKeyOptions {
    QString code; // normalised
    int variants = 30;
    std::optional<QString> pdfPath;
};

// The key's options of a parsed command line, or the first thing wrong with
// them (one line, for printMessage()).
std::optional<AnswerKeyOptions> readAnswerKeyOptions(const CommandLine &line, QString *error);

// Under a QGuiApplication: 0 done; 2 an unwritable PDF (nothing written, not
// even to stdout).
int runAnswerKeyMode(const AnswerKeyOptions &options);
