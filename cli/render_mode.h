#pragma once

#include "bench_session.h"
#include "command_line.h"
#include "number_text.h"
#include "source_start.h"

#include <QByteArray>
#include <QString>

#include <optional>

// gratinglab --render OUT.png [--wavelength NM] [--wavelength-text TEXT]
//            [--grating D] [--order K] [--state FILE|-]
//            [--task CODE --variant N, instead of the two wavelength options]
//            [--source KEY [--cursor Y], a lamp or white light instead of them]
// Works the bench like a pupil would and writes the picture and read-outs.
struct RenderOptions {
    QString imagePath;
    std::optional<int> wavelength;         // 380..760
    std::optional<QString> wavelengthText; // typed into the field as it is
    int gratingSteps = 0;                  // spinner clicks up from 1.0
    int order = 1;                         // -8..8
    bool orderGiven = false;               // with a lamp or white light it is typed, if given
    std::optional<QString> statePath;      // "-" is standard output
    std::optional<bench::Task> task;       // --task CODE --variant N: the lamp sets the slider
    SourceStart light;                     // --source, --cursor
};

// Before the QGuiApplication is made: draw off screen, and keep Qt's own
// warnings off stderr, which carries only the mode's one-line messages. The
// answer key's mode runs the same way.
void prepareRenderMode();

// The render options of a parsed command line, or the first thing wrong
// with them (one line, for printMessage()).
std::optional<RenderOptions> readRenderOptions(const CommandLine &line, QString *error);

// The read-outs after the last render, as the --state file holds them.
QByteArray benchStateJson(const bench::BenchSession &session, const std::optional<QString> &error);

// The bench worked as the options say, the way the pupil would work it.
bench::ActionResult workBench(bench::BenchSession &session, const RenderOptions &options);

// The whole mode, under a QGuiApplication: 0 done, 1 the typed wavelength did
// not parse (files still written), 2 an unwritable file (nothing written).
int runRenderMode(const RenderOptions &options);
