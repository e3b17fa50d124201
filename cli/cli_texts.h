#pragma once

#include <QCoreApplication>

// The translation context of what the command line prints: its messages
// and --help. Free functions have no QObject to call tr() on.
class CliText {
    Q_DECLARE_TR_FUNCTIONS(CliText)
};
