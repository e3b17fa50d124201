#pragma once

#include <QCoreApplication>

// The translation context of every text of the bench model (task_texts.cpp,
// source_texts.cpp, the readings). Outside the namespace, so that tr() and
// lupdate name the context alike.
class BenchTexts {
    Q_DECLARE_TR_FUNCTIONS(BenchTexts)
};
