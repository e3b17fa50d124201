#pragma once

// The real program (GRATINGLAB_BINARY) run as a user runs it: no display at
// all, and a locale that writes a decimal comma (or the one given). The
// language is the locale's: a LANGUAGE of the shell would override it, so
// only one given in extra ("NAME=value" each) reaches the program.

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

struct ProgramRun {
    int status = -1;
    QByteArray out, err;
};

inline ProgramRun runProgram(const QStringList &arguments, const QString &locale = QStringLiteral("ru_RU.UTF-8"),
    const QStringList &extra = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LANGUAGE", "LC_NUMERIC"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LC_ALL"), locale);
    for (const QString &entry : extra)
        env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(GRATINGLAB_BINARY), arguments);
    EXPECT_TRUE(process.waitForFinished(120000));
    ProgramRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}
