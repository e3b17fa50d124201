#pragma once

#include <QProcessEnvironment>
#include <QStringList>

// What start-up needs on Windows; elsewhere each is the plain answer.

// The arguments as the user gave them. On Windows argv is in the ANSI code
// page, which cannot hold a Cyrillic file name on a Western system, so the
// wide command line is read instead.
QStringList programArguments(int argc, char **argv);

// A Windows program of the GUI subsystem starts without a console, so
// --help or an error message would go nowhere. When the program was started
// from a console, its output goes there, in UTF-8; output already redirected
// to a file or a pipe stays where it is. Lines end as on Linux.
void useParentConsole();

// The environment the interface language is chosen from. Windows sets none
// of LANGUAGE, LC_ALL, LC_MESSAGES or LANG, so there the user's display
// languages stand in for LANGUAGE, in the user's order of preference.
QProcessEnvironment languageEnvironment();
