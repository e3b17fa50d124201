// The teacher's key and its Moodle quiz: the rows, the XML as Moodle's
// importer reads it, and a tolerance that marks exactly as the bench does.
#include "answer_tolerance.h"
#include "bench_session.h"
#include "key_rows.h"
#include "manual_clock.h"
#include "measuring_cursor.h"
#include "moodle_xml.h"
#include "picture_catalogue.h"
#include "task_check.h"
#include "task_files.h"

#include <gtest/gtest.h>

#include <QXmlStreamReader>

#include <map>
#include <set>

using namespace Qt::Literals::StringLiterals;

namespace {

// 4817-2593: variants 1..4 get 585, 577, 436, 434 nm (the separate script
// of the folding vectors). The task is read back from its teacher's file,
// as every key is.
classroom::ClassroomTask task(bool withList)
{
    classroom::ClassroomTask t;
    t.title = u"Дифракция <решётка> & свет/1"_s;
    t.form = u"9Б"_s;
    t.code = u"4817-2593"_s;
    t.created = QDate(2025, 3, 14);
    t.variants = 4;
    if (withList) {
        t.pupils = {{1, u"Иванов Пётр"_s, u"ivanov@school.ru"_s}, {2, u"Петрова Анна"_s, {}},
            {3, u"Сидоров Илья"_s, {}}, {4, u"Щукина Ёлка"_s, {}}};
    }
    const auto read = classroom::parseTaskFile(classroom::taskFileBytes(t, classroom::TaskFileKind::Teacher),
        classroom::TaskFileKind::Teacher);
    EXPECT_TRUE(read.ok());
    return read.task;
}

TEST(AnswerKey, OneTabSeparatedLinePerVariantWithThePupil)
{
    EXPECT_EQ(classroom::keyText(classroom::keyRows(task(true))),
        u"1\tИванов Пётр\t585\tнеон\tNe\n2\tПетрова Анна\t577\tртуть\tHg\n"
        u"3\tСидоров Илья\t436\tртуть\tHg\n4\tЩукина Ёлка\t434\tводород\tH\n"_s);
    EXPECT_EQ(classroom::keyText(classroom::keyRows(task(false))),
        u"1\t\t585\tнеон\tNe\n2\t\t577\tртуть\tHg\n3\t\t436\tртуть\tHg\n4\t\t434\tводород\tH\n"_s);
    // A code alone is no key: the lines come from the teacher's file.
    classroom::ClassroomTask codeOnly = task(false);
    codeOnly.lines.clear();
    EXPECT_TRUE(classroom::keyRows(codeOnly).empty());
}

// The elements and attributes Moodle's XML import reads for a category and
// a numerical question, gathered by path.
struct Question {
    QString type;
    std::map<QString, QString> text;       // "name/text" -> its text
    std::map<QString, QString> attributes; // "answer@fraction" -> value
};

std::vector<Question> parseQuiz(const QByteArray &xml)
{
    std::vector<Question> questions;
    QXmlStreamReader reader(xml);
    QStringList path;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (path.isEmpty()) {
                EXPECT_EQ(reader.name(), u"quiz"_s);
            }
            if (path.size() == 1) {
                EXPECT_EQ(reader.name(), u"question"_s);
                questions.push_back({reader.attributes().value(u"type"_s).toString(), {}, {}});
            }
            if (!path.isEmpty())
                path.append(reader.name().toString());
            else
                path.append(u"quiz"_s);
            for (const QXmlStreamAttribute &a : reader.attributes()) {
                if (path.size() > 2)
                    questions.back()
                        .attributes[path.mid(2).join(u'/') + u'@' + a.name().toString()] = a.value().toString();
            }
            break;
        case QXmlStreamReader::Characters:
            if (path.size() > 2 && !reader.isWhitespace())
                questions.back().text[path.mid(2).join(u'/')] += reader.text().toString();
            break;
        case QXmlStreamReader::EndElement:
            path.removeLast();
            break;
        default:
            break;
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return questions;
}

TEST(MoodleQuiz, ACategoryAndOneNumericalQuestionPerVariant)
{
    const QByteArray xml = classroom::moodleQuizXml(task(true));
    EXPECT_TRUE(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>")) << xml.left(60).data();
    const std::vector<Question> questions = parseQuiz(xml);
    ASSERT_EQ(questions.size(), 5u);
    EXPECT_EQ(questions[0].type, u"category"_s);
    // The title's slash is doubled so that it stays one category.
    EXPECT_EQ(questions[0].text.at(u"category/text"_s), u"$course$/Дифракция <решётка> & свет//1, 9Б, код 4817-2593"_s);

    const std::vector<std::pair<QString, int>> expected{{u"Вариант 1 — Иванов Пётр"_s, 585},
        {u"Вариант 2 — Петрова Анна"_s, 577}, {u"Вариант 3 — Сидоров Илья"_s, 436},
        {u"Вариант 4 — Щукина Ёлка"_s, 434}};
    for (size_t i = 0; i < expected.size(); ++i) {
        const Question &q = questions[i + 1];
        EXPECT_EQ(q.type, u"numerical"_s);
        EXPECT_EQ(q.text.at(u"name/text"_s), expected[i].first);
        EXPECT_EQ(q.attributes.at(u"questiontext@format"_s), u"html"_s);
        const QString html = q.text.at(u"questiontext/text"_s);
        EXPECT_TRUE(html.contains(u"<b>4817-2593</b>"_s)) << html.toStdString();
        EXPECT_TRUE(html.contains(u"вариант <b>%1</b>"_s.arg(i + 1))) << html.toStdString();
        EXPECT_TRUE(html.contains(u"в нанометрах"_s)) << html.toStdString();
        EXPECT_TRUE(html.contains(u"Дифракция &lt;решётка&gt; &amp; свет/1"_s)) << html.toStdString();
        EXPECT_EQ(q.attributes.at(u"answer@fraction"_s), u"100"_s);
        EXPECT_EQ(q.text.at(u"answer/text"_s).toInt(), expected[i].second);
        EXPECT_EQ(q.text.at(u"answer/tolerance"_s).toInt(), classroom::acceptedSpreadNm(expected[i].second));
    }
    EXPECT_EQ(parseQuiz(classroom::moodleQuizXml(task(false)))[1].text.at(u"name/text"_s), u"Вариант 1"_s);
    classroom::ClassroomTask codeOnly = task(false);
    codeOnly.lines.clear();
    EXPECT_EQ(parseQuiz(classroom::moodleQuizXml(codeOnly)).size(), 1u); // the category, no question
}

// The tolerance against the bench itself: the session in task mode on each
// of the 26 lines, at every grating constant of the spinner and every order
// above the axis it lets the pupil select, with the cursor up to three rows
// either side of that maximum; every whole answer near what the read-outs
// give that the check accepts lies within the tolerance, the widest one
// exactly on it. A row is worth 5 * d / k nm, 15 nm at d = 3 and k = 1, and
// the check lets the cursor stand a row off a maximum that is itself drawn
// on the nearest row: never two rows' worth.
TEST(MoodleQuiz, ToleranceIsTheWidestAnswerTheBenchAccepts)
{
    for (int line = 0; line < bench::kLampLineCount; ++line) {
        const int nm = bench::kLampLines[size_t(line)].nm;
        ManualClock clock;
        bench::BenchSession session(assets::scenePictures(), bench::NumberFormat{}, clock);
        ASSERT_FALSE(session.startTask(bench::Task{u"X"_s, 1, {}, line}).has_value());
        const int tolerance = classroom::acceptedSpreadNm(nm);
        int widest = 0;
        for (int step = 0; step <= 20; ++step) {
            if (step > 0) {
                ASSERT_FALSE(session.SpinButton1UpClick().has_value());
            }
            const double d = session.state().d_gr;
            for (int k = 1; k <= 8; ++k) {
                if (!session.orderSelectable(k))
                    continue;
                // The maximum's row, from its click target: 5 rows above to 5 below it.
                const int targetTop = session.targetRect(bench::upperTarget(k)).top() - bench::kBenchCanvasTopLeft.y();
                const int drawn = session.state().y_os - (targetTop + 5);
                for (int row = drawn - 3; row <= drawn + 3; ++row) {
                    const QString distance = bench::cursorText(row, bench::NumberFormat{});
                    // The read-out is rounded to 0,01 cm: the formula takes it as shown.
                    const double computed = 200 * d * QString(distance).replace(u',', u'.').toDouble() / k;
                    for (int answer = int(computed) - 4; answer <= int(computed) + 4; ++answer) {
                        // Only an answer farther off than the widest so far can widen it.
                        if (std::abs(answer - nm) <= widest)
                            continue;
                        const bench::TaskReadouts shown{session.text(bench::TextField::Grating), distance, k};
                        if (bench::judgeTaskAnswer(QString::number(answer), shown, nm, bench::NumberFormat{}).right)
                            widest = std::max(widest, std::abs(answer - nm));
                    }
                }
            }
        }
        EXPECT_EQ(session.text(bench::TextField::Grating), u"3"_s) << nm;
        EXPECT_EQ(tolerance, widest) << nm;
        EXPECT_GE(tolerance, 1) << nm;
        EXPECT_LT(tolerance, 30) << nm;
    }
}

} // namespace
