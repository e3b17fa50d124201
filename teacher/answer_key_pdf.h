#pragma once

#include "classroom_task.h"
#include "key_rows.h"

#include <QByteArray>

#include <vector>

class QPagedPaintDevice;

// The teacher's key as an A4 PDF headed with the task's title, class, code
// and date. Without names the variants stand in up to three columns of 33
// on one page; with the class list each pupil has a row of their own, as
// many pages as that takes.
QByteArray answerKeyPdf(const classroom::ClassroomTask &task, const std::vector<classroom::KeyRow> &rows);

// The same pages on any paged device, a printer included; the device is set
// to A4 portrait first.
void paintAnswerKey(QPagedPaintDevice &device, const classroom::ClassroomTask &task,
    const std::vector<classroom::KeyRow> &rows);
