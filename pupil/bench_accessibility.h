#pragma once

#include <QAccessible>

class ExperimentScreen;
class QObject;
class QString;

// The bench's controls as a screen reader meets them: the slider as a slider
// with a value, the arrows, the order targets and the spinner's two halves as
// push buttons whose press is one click, and the bench picture with the
// current reading as its description. Every action calls the bench session,
// as the mouse does.

// The experiment screen a control lies on, or null.
ExperimentScreen *screenOf(const QObject *object);

// Registers the interfaces, once per process. Call before the controls are
// made: Qt makes a control's interface once and keeps it.
void installBenchAccessibility();

// Drops whatever interface a control of the screen got while it was being
// built (before its class was complete), so that the next query makes ours.
void refreshBenchAccessibility(ExperimentScreen &screen);

// The factories behind installBenchAccessibility, for the spinner and the
// measuring cursor (null for any other class).
QAccessibleInterface *spinnerAccessible(const QString &className, QObject *object);
QAccessibleInterface *cursorAccessible(const QString &className, QObject *object);
// And the source control, which is ours once its name is set.
QAccessibleInterface *sourceAccessible(const QString &className, QObject *object);
bool isSourceAccessible(QAccessibleInterface *iface);
