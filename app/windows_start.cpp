#include "windows_start.h"

#include <QLocale>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#endif

using namespace Qt::Literals::StringLiterals;

QStringList programArguments(int argc, char **argv)
{
    QStringList arguments;
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i)
        arguments.append(QString::fromWCharArray(wide[i]));
    LocalFree(wide);
#else
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
#endif
    return arguments;
}

void useParentConsole()
{
#ifdef Q_OS_WIN
    const auto redirected = [](DWORD which) {
        const HANDLE handle = GetStdHandle(which);
        return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
    };
    const bool outKept = redirected(STD_OUTPUT_HANDLE);
    const bool errKept = redirected(STD_ERROR_HANDLE);
    if (!(outKept && errKept) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        FILE *ignored = nullptr;
        if (!outKept)
            freopen_s(&ignored, "CONOUT$", "w", stdout);
        if (!errKept)
            freopen_s(&ignored, "CONOUT$", "w", stderr);
    }
    SetConsoleOutputCP(CP_UTF8);
    // What is printed is data too (the answer key, the class table): the
    // same bytes as on Linux, with no carriage returns added. A program
    // started from Explorer has no streams at all (descriptor -2), and the C
    // library may end a program that passes it a bad descriptor.
    for (FILE *stream : {stdout, stderr}) {
        if (const int fd = _fileno(stream); fd >= 0)
            _setmode(fd, _O_BINARY);
    }
#endif
}

QProcessEnvironment languageEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
#ifdef Q_OS_WIN
    const QStringList names{u"LANGUAGE"_s, u"LC_ALL"_s, u"LC_MESSAGES"_s, u"LANG"_s};
    if (std::none_of(names.begin(), names.end(), [&](const QString &n) { return env.contains(n); })) {
        // "uk-UA" reads as "uk_UA" does.
        env.insert(u"LANGUAGE"_s, QLocale::system().uiLanguages().join(u':').replace(u'-', u'_'));
    }
#endif
    return env;
}
