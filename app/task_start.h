#pragma once

#include "task_code.h"

#include <QString>
#include <QStringList>

#include <optional>

// The task options of the command line: --task [CODE] --variant N
// [--pupil NAME], each also as --name=VALUE. A value given is checked at
// once; what is missing is asked for in the dialog.
struct TaskStart {
    bool wanted = false; // --task given
    std::optional<QString> code, variant, pupil;
    std::optional<bench::Task> task; // code and variant both given
    QString error;       // one line, without the program's name
    QStringList rest;    // every other argument, in order
};

TaskStart parseTaskStart(const QStringList &arguments);
