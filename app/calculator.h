#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The desktop's calculator, started and left to itself: never waited for,
// a failure is not reported. Each call starts another one.
namespace calculator {

// Linux: the programs tried, in order; the first found on PATH is started.
const QStringList &candidates();

// The calculator that start() would run now, empty when there is none.
QString find();

// True when a calculator process was started.
bool start(QWidget *owner);

} // namespace calculator
