#include "calculator.h"

#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace calculator {

const QStringList &candidates()
{
    static const QStringList names{
        QStringLiteral("gnome-calculator"),
        QStringLiteral("kcalc"),
        QStringLiteral("mate-calc"),
        QStringLiteral("galculator"),
        QStringLiteral("qalculate-gtk"),
        QStringLiteral("xcalc"),
    };
    return names;
}

QString find()
{
#ifdef Q_OS_WIN
    return QStringLiteral("calc.exe");
#else
    for (const QString &name : candidates()) {
        QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
#endif
}

bool start(QWidget *owner)
{
#ifdef Q_OS_WIN
    const auto window = owner ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
    const auto result = ShellExecuteW(window, nullptr, L"calc.exe", nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
#else
    Q_UNUSED(owner);
    const QString program = find();
    return !program.isEmpty() && QProcess::startDetached(program, {});
#endif
}

} // namespace calculator
