#include "calculator.h"

#include "pupil_texts.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

using namespace Qt::Literals::StringLiterals;

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

QString start(QWidget *owner)
{
#ifdef Q_OS_WIN
    const auto window = owner ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
    const auto result = ShellExecuteW(window, nullptr, L"calc.exe", nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) > 32)
        return {};
    return PupilText::tr("Калькулятор Windows (calc.exe) не запустился.");
#else
    Q_UNUSED(owner);
    const QString program = find();
    if (program.isEmpty())
        return PupilText::tr("Калькулятор не установлен: на этом компьютере нет ни одной из программ %1.")
            .arg(candidates().join(u", "_s));
    if (!QProcess::startDetached(program, {}))
        return PupilText::tr("Калькулятор «%1» не запустился.").arg(QDir::toNativeSeparators(program));
    return {};
#endif
}

} // namespace calculator
