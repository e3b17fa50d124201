#pragma once

#include "bench_session.h"
#include "command_line.h"
#include "light_source.h"

#include <QString>

#include <optional>

// The light options of the command line: --source KEY and --cursor Y, for
// the render and the screenshot.
struct SourceStart {
    bench::LightSource source = bench::LightSource::Mono;
    std::optional<int> cursor; // rows above the axis
};

// The options of a parsed command line, or the first thing wrong with them
// (one line, for printMessage()).
SourceStart readSourceStart(const CommandLine &line, QString *error);

// The pupil's steps: the source picked, then the cursor turned on (with
// mono) and put in place.
bench::ActionResult applySourceStart(bench::BenchSession &session, const SourceStart &start);
