#pragma once

#include "answer_key.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The answer key as a one-page A4 PDF, titled with the task's code: up to
// 33 variants a column, up to three columns side by side.
QByteArray answerKeyPdf(const QString &code, const std::vector<bench::AnswerKeyRow> &rows);
