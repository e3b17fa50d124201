#pragma once

#include "bench_session.h"
#include "number_text.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// gratinglab --render OUT.png [--wavelength NM] [--wavelength-text TEXT]
//            [--grating D] [--order K] [--state FILE|-]
//            [--task CODE --variant N, instead of the two wavelength options]
// Works the bench like a pupil would and writes the picture and read-outs.
struct RenderOptions {
    QString imagePath;
    std::optional<int> wavelength;         // 380..760
    std::optional<QString> wavelengthText; // typed into the field as it is
    int gratingSteps = 0;                  // spinner clicks up from 1.0
    int order = 1;                         // -8..8
    std::optional<QString> statePath;      // "-" is standard output
    std::optional<bench::Task> task;       // --task CODE --variant N: the lamp sets the slider
};

struct RenderCommand {
    enum Kind { Render, Help, Version, Invalid } kind = Invalid;
    RenderOptions options;
    QString error; // one line, for Invalid
};

// True when the command line asks for one of the modes without a window.
bool wantsRenderMode(const QStringList &arguments);

// Before the QApplication is made: draw off screen, and keep Qt's own
// warnings off stderr, which carries only the mode's one-line messages.
void prepareRenderMode();

// arguments without the program name.
RenderCommand parseRenderArguments(const QStringList &arguments, const bench::NumberFormat &format);

QString renderUsage();

// The read-outs after the last render, as the --state file holds them.
QByteArray benchStateJson(const bench::BenchSession &session, const std::optional<QString> &error);

// The bench worked as the options say, the way the pupil would work it.
bench::ActionResult workBench(bench::BenchSession &session, const RenderOptions &options);

// The whole mode, under a QGuiApplication: 0 done, 1 the typed wavelength did
// not parse (files still written), 2 bad arguments or an unwritable file
// (nothing written).
int runRenderMode(const QStringList &arguments);
