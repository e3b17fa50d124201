#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The desktop's calculator, started and left to itself: never waited for.
// Each call starts another one.
namespace calculator {

// Linux: the programs tried, in order; the first found on PATH is started.
const QStringList &candidates();

// The calculator that start() would run now, empty when there is none.
QString find();

// Empty when a calculator process was started; otherwise one Russian line
// that says why none was.
QString start(QWidget *owner);

} // namespace calculator
