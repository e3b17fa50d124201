#pragma once

#include "classroom_task.h"
#include "key_rows.h"

#include <QByteArray>

#include <vector>

// The teacher's key as an A4 PDF headed with the task's title, class, code
// and date. Without names the variants stand in up to three columns of 33
// on one page; with the class list each pupil has a row of their own, as
// many pages as that takes.
QByteArray answerKeyPdf(const classroom::ClassroomTask &task, const std::vector<classroom::KeyRow> &rows);
