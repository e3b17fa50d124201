#pragma once

#include <QStringList>

// gratinglab --answer-key CODE [--variants N] [--pdf FILE]
// The teacher's key: one row per variant on stdout (UTF-8, tab-separated:
// variant, nm, element, symbol), and the same table as a PDF on request.
bool wantsAnswerKeyMode(const QStringList &arguments);

// Under a QGuiApplication: 0 done; 2 bad arguments or an unwritable PDF
// (nothing written, not even to stdout).
int runAnswerKeyMode(const QStringList &arguments);
