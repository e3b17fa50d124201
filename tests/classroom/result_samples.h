// Result files as the pupil's program writes them, for the class tests: the
// task «9Б» with six pupils, whose variant 6 has the sodium line, 589 nm.
// With d = 2, k = 2 and y = 2,95 cm the formula gives 590 nm, the only
// right answer; the hints below were worked out from the check rule by hand.
#pragma once

#include "classroom_task.h"
#include "result_file.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace samples {

using namespace Qt::Literals::StringLiterals;

inline classroom::ClassroomTask task9B()
{
    classroom::ClassroomTask t;
    t.title = u"Измерение длины световой волны"_s;
    t.form = u"9Б"_s;
    t.code = u"9Б"_s;
    t.created = QDate(2026, 12, 9);
    t.variants = 6;
    const QStringList names{u"Алексеев Иван"_s, u"Борисова Мария"_s, u"Васильева Ольга"_s, u"Григорьев Пётр"_s,
        u"Дмитриев Олег"_s, u"Иванов Пётр"_s};
    for (int v = 1; v <= 6; ++v)
        t.pupils.push_back({v, names[v - 1], v == 6 ? u"ivanov@school.ru"_s : v == 1 ? u"10234"_s : QString()});
    // The key as its teacher's file holds it: hydrogen 410, mercury 577 and
    // 579, hydrogen 656, neon 703, sodium 589.
    t.lines = {10, 3, 4, 7, 20, 5};
    return t;
}

// One check of variant 6 at d = 2, k = 2, y = 2,95 (the cursor on the
// maximum, 118 rows up), as the screen judged it.
enum class Sodium { Arithmetic, Rounding, OffTheLine, Right };

inline classroom::ResultCheck check(Sodium kind, int minute)
{
    classroom::ResultCheck c{QDateTime(QDate(2026, 12, 9), QTime(10, minute)), u"2"_s, 2, u"2,95"_s, {}, u"Неверно !"_s,
        {}};
    switch (kind) {
    case Sodium::Arithmetic:
        c.answer = u"5890"_s;
        c.hint = u"ошибка в вычислении"_s;
        break;
    case Sodium::Rounding:
        c.answer = u"592"_s;
        c.hint = u"Почти: проверьте округление."_s;
        break;
    case Sodium::OffTheLine: // 100 rows up: 400 * 2,5 / 2 = 500 nm
        c.distance = u"2,50"_s;
        c.answer = u"500"_s;
        c.hint = u"визир не на линии"_s;
        break;
    case Sodium::Right:
        c.answer = u"590"_s;
        c.verdict = u"Верно !"_s;
        c.hint = u"натрий, 589 нм"_s;
        break;
    }
    return c;
}

inline classroom::ResultFile result(int variant, const QString &pupil, std::initializer_list<Sodium> kinds)
{
    classroom::ResultFile r;
    r.code = u"9Б"_s;
    r.variant = variant;
    r.pupil = pupil;
    r.form = u"9Б"_s;
    int minute = 0;
    for (Sodium k : kinds)
        r.checks.push_back(check(k, minute++));
    return r;
}

inline void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

} // namespace samples
