// The teacher's file and the pupils' task file: written, read back, and
// refused in Russian when damaged, newer or not ours.
#include "classroom_texts.h"
#include "pupil_start.h"
#include "save_file.h"
#include "task_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;
using classroom::FileProblem;
using classroom::TaskFileKind;

namespace {

classroom::ClassroomTask listedTask()
{
    classroom::ClassroomTask task;
    task.title = u"Измерение длины световой волны"_s;
    task.form = u"9Б"_s;
    task.code = u"4817-2593"_s;
    task.created = QDate(2025, 3, 14);
    task.variants = 3;
    task.pupils = {{1, u"Иванов Пётр"_s, u"ivanov@school.ru"_s}, {2, u"Петрова Анна"_s, u""_s},
        {3, u"Сидоров Илья"_s, u"1042"_s}};
    return task;
}

void expectSame(const classroom::ClassroomTask &read, const classroom::ClassroomTask &written, bool withIds)
{
    EXPECT_EQ(read.title, written.title);
    EXPECT_EQ(read.form, written.form);
    EXPECT_EQ(read.code, written.code);
    EXPECT_EQ(read.variants, written.variants);
    ASSERT_EQ(read.pupils.size(), written.pupils.size());
    for (size_t i = 0; i < read.pupils.size(); ++i) {
        EXPECT_EQ(read.pupils[i].variant, written.pupils[i].variant);
        EXPECT_EQ(read.pupils[i].name, written.pupils[i].name);
        EXPECT_EQ(read.pupils[i].id, withIds ? written.pupils[i].id : QString());
    }
}

TEST(TaskFiles, BothFilesRoundTripThroughTheDisk)
{
    QTemporaryDir dir;
    classroom::ClassroomTask unlisted = listedTask();
    unlisted.pupils.clear();
    unlisted.variants = 30;
    unlisted.form.clear();
    classroom::ClassroomTask placed = listedTask();
    classroom::recordTaskFile(placed, u"/srv/школа/9Б/9Б 4817-2593.gratinglab-task"_s);
    for (const auto &task : {listedTask(), unlisted, placed}) {
        for (const TaskFileKind kind : {TaskFileKind::Teacher, TaskFileKind::Pupils}) {
            const QString path = dir.filePath(u"task.json"_s);
            ASSERT_TRUE(classroom::saveFile(path, classroom::taskFileBytes(task, kind)).isEmpty());
            const auto read = classroom::readTaskFile(path, kind);
            ASSERT_TRUE(read.ok()) << classroom::fileMessage(path, kind, read.error).toStdString();
            expectSame(read.task, task, kind == TaskFileKind::Teacher);
            EXPECT_EQ(read.task.created, kind == TaskFileKind::Teacher ? task.created : QDate());
            EXPECT_EQ(read.task.lines.size(), kind == TaskFileKind::Teacher ? size_t(task.variants) : 0u);
            EXPECT_EQ(read.task.taskFile, kind == TaskFileKind::Teacher ? task.taskFile : QString());
            EXPECT_EQ(read.task.classFolder, kind == TaskFileKind::Teacher ? task.classFolder : QString());
        }
    }
}

// What the class folder gets is the title, class, code and list: no ID, no
// date, and above all nothing from which the lines follow but the code.
TEST(TaskFiles, ThePupilsFileHoldsOnlyWhatPupilsMaySee)
{
    classroom::ClassroomTask task = listedTask();
    classroom::recordTaskFile(task, u"/srv/9Б/9Б.gratinglab-task"_s);
    const QJsonObject object = QJsonDocument::fromJson(classroom::taskFileBytes(task, TaskFileKind::Pupils)).object();
    EXPECT_EQ(object.keys(),
        (QStringList{u"class"_s, u"code"_s, u"format"_s, u"format_version"_s, u"program_version"_s, u"pupils"_s,
            u"title"_s, u"variants"_s}));
    for (const QJsonValue pupil : object[u"pupils"_s].toArray())
        EXPECT_EQ(pupil.toObject().keys(), (QStringList{u"name"_s, u"variant"_s}));
    EXPECT_EQ(object[u"format"_s], u"gratinglab-task"_s);
    EXPECT_EQ(object[u"format_version"_s], 1);
}

// Each case edits one field of a valid file.
struct Damage {
    const char *name;
    TaskFileKind kind;
    std::function<void(QJsonObject &)> edit;
    FileProblem problem;
    QString field;
};

class TaskFileRefusal : public ::testing::TestWithParam<Damage> {};

void setPupil(QJsonObject &o, int i, const QString &key, const QJsonValue &value)
{
    QJsonArray pupils = o[u"pupils"_s].toArray();
    QJsonObject pupil = pupils[i].toObject();
    pupil[key] = value;
    pupils[i] = pupil;
    o[u"pupils"_s] = pupils;
}

TEST_P(TaskFileRefusal, SaysWhatIsWrong)
{
    const Damage &d = GetParam();
    QJsonObject object = QJsonDocument::fromJson(classroom::taskFileBytes(listedTask(), d.kind)).object();
    d.edit(object);
    const auto read = classroom::parseTaskFile(QJsonDocument(object).toJson(), d.kind);
    EXPECT_EQ(read.error.problem, d.problem);
    EXPECT_EQ(read.error.detail, d.field);
    EXPECT_FALSE(classroom::fileMessage(u"9Б.gratinglab-task"_s, d.kind, read.error).isEmpty());
}

const auto kTeacher = TaskFileKind::Teacher;
const auto kPupils = TaskFileKind::Pupils;

INSTANTIATE_TEST_SUITE_P(
    Fields, TaskFileRefusal,
    ::testing::Values(
        Damage{"NoFormat", kPupils, [](QJsonObject &o) { o.remove(u"format"_s); }, FileProblem::NotOurs, {}},
        Damage{"TeacherFileAsTask", kPupils, [](QJsonObject &o) { o[u"format"_s] = u"gratinglab-teacher"_s; },
               FileProblem::TeacherFile, {}},
        Damage{"TaskFileAsTeacher", kTeacher, [](QJsonObject &o) { o[u"format"_s] = u"gratinglab-task"_s; },
               FileProblem::TaskFile, {}},
        Damage{"NewerVersion", kTeacher, [](QJsonObject &o) { o[u"format_version"_s] = 2; }, FileProblem::Newer, {}},
        Damage{"VersionZero", kPupils, [](QJsonObject &o) { o[u"format_version"_s] = 0; }, FileProblem::Damaged,
               u"format_version"_s},
        Damage{"VersionText", kPupils, [](QJsonObject &o) { o[u"format_version"_s] = u"1"_s; },
               FileProblem::Damaged, u"format_version"_s},
        Damage{"TitleEmpty", kPupils, [](QJsonObject &o) { o[u"title"_s] = u"  "_s; }, FileProblem::Damaged,
               u"title"_s},
        Damage{"TitleTooLong", kTeacher, [](QJsonObject &o) { o[u"title"_s] = QString(101, u'я'); },
               FileProblem::Damaged, u"title"_s},
        Damage{"ClassNumber", kPupils, [](QJsonObject &o) { o[u"class"_s] = 9; }, FileProblem::Damaged, u"class"_s},
        Damage{"CodeEmpty", kPupils, [](QJsonObject &o) { o[u"code"_s] = u""_s; }, FileProblem::Damaged, u"code"_s},
        Damage{"CodeControl", kPupils, [](QJsonObject &o) { o[u"code"_s] = u"48\u000717"_s; }, FileProblem::Damaged,
               u"code"_s},
        Damage{"CreatedMissing", kTeacher, [](QJsonObject &o) { o.remove(u"created"_s); }, FileProblem::Damaged,
               u"created"_s},
        Damage{"VariantsFraction", kPupils, [](QJsonObject &o) { o[u"variants"_s] = 2.5; }, FileProblem::Damaged,
               u"variants"_s},
        Damage{"VariantsHundred", kTeacher,
               [](QJsonObject &o) { o[u"variants"_s] = 100; o[u"pupils"_s] = QJsonArray(); }, FileProblem::Damaged,
               u"variants"_s},
        Damage{"ListShorterThanVariants", kPupils, [](QJsonObject &o) { o[u"variants"_s] = 4; },
               FileProblem::Damaged, u"pupils"_s},
        Damage{"VariantOutOfOrder", kPupils, [](QJsonObject &o) { setPupil(o, 1, u"variant"_s, 3); },
               FileProblem::Damaged, u"pupils[1]"_s},
        Damage{"DuplicateName", kTeacher, [](QJsonObject &o) { setPupil(o, 2, u"name"_s, u"ИВАНОВ  пётр"_s); },
               FileProblem::Damaged, u"pupils[2]"_s},
        Damage{"NameMissing", kPupils, [](QJsonObject &o) { setPupil(o, 0, u"name"_s, QJsonValue()); },
               FileProblem::Damaged, u"pupils[0]"_s},
        Damage{"PupilNotAnObject", kPupils,
               [](QJsonObject &o) {
                   QJsonArray pupils = o[u"pupils"_s].toArray();
                   pupils[0] = 1;
                   o[u"pupils"_s] = pupils;
               },
               FileProblem::Damaged, u"pupils[0]"_s},
        Damage{"IdTooLong", kTeacher, [](QJsonObject &o) { setPupil(o, 1, u"id"_s, QString(101, u'x')); },
               FileProblem::Damaged, u"pupils[1]"_s},
        // The key must be the code's: 585, 577, 436 nm for 4817-2593.
        Damage{"LinesMissing", kTeacher, [](QJsonObject &o) { o.remove(u"lines"_s); }, FileProblem::KeyMissing, {}},
        Damage{"LinesSwapped", kTeacher, [](QJsonObject &o) { o[u"lines"_s] = QJsonArray{577, 585, 436}; },
               FileProblem::Damaged, u"lines"_s},
        Damage{"LinesShort", kTeacher, [](QJsonObject &o) { o[u"lines"_s] = QJsonArray{585, 577}; },
               FileProblem::Damaged, u"lines"_s},
        Damage{"TaskFileNumber", kTeacher, [](QJsonObject &o) { o[u"task_file"_s] = 9; }, FileProblem::Damaged,
               u"task_file"_s},
        Damage{"ClassFolderMissing", kTeacher, [](QJsonObject &o) { o[u"task_file"_s] = u"/srv/9Б/t"_s; },
               FileProblem::Damaged, u"class_folder"_s},
        Damage{"LineNotALamp", kTeacher, [](QJsonObject &o) { o[u"lines"_s] = QJsonArray{585, 577, 437}; },
               FileProblem::Damaged, u"lines"_s}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TaskFiles, BytesThatAreNotAFileOfOursAreRefusedBeforeAnyField)
{
    const std::vector<std::pair<QByteArray, FileProblem>> cases{
        {"", FileProblem::NotOurs},
        {"\x89PNG\r\n\x1a\n", FileProblem::NotOurs},
        {"[1, 2, 3]", FileProblem::NotOurs},
        {R"({"format": "gratinglab-task", "title": )", FileProblem::Damaged},
        {QByteArray(classroom::kMaxTaskFileBytes + 1, ' '), FileProblem::TooLarge},
    };
    for (const auto &[bytes, problem] : cases)
        EXPECT_EQ(classroom::parseTaskFile(bytes, TaskFileKind::Pupils).error.problem, problem)
            << bytes.left(40).data();

    QTemporaryDir dir;
    const QString big = dir.filePath(u"big.gratinglab-task"_s);
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(classroom::kMaxTaskFileBytes + 1));
    file.close();
    EXPECT_EQ(classroom::readTaskFile(big, TaskFileKind::Pupils).error.problem, FileProblem::TooLarge);
    const auto missing = classroom::readTaskFile(dir.filePath(u"нет.gratinglab-task"_s), TaskFileKind::Pupils);
    EXPECT_EQ(missing.error.problem, FileProblem::CannotRead);
    EXPECT_TRUE(classroom::fileMessage(u"нет.gratinglab-task"_s, TaskFileKind::Pupils, missing.error)
                    .startsWith(u"Не удалось прочитать файл «нет.gratinglab-task»: "_s));

    const QString message = classroom::saveFile(dir.filePath(u"нет/ключ.gratinglab-teacher"_s), "{}");
    EXPECT_TRUE(message.startsWith(u"Не удалось записать файл «"_s)) << message.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
        QStringList{u"big.gratinglab-task"_s});
}

TEST(TaskFiles, ThePupilsFileIsNamedAfterTheTeachersFile)
{
    EXPECT_EQ(classroom::pupilsFilePath(u"/home/t/private/9Б оптика.gratinglab-teacher"_s, u"/srv/9Б"_s),
        u"/srv/9Б/9Б оптика.gratinglab-task"_s);
    EXPECT_EQ(classroom::pupilsFilePath(u"ключ.json"_s, u"класс"_s), u"класс/ключ.json.gratinglab-task"_s);
}

// The code 4817-2593 gives variants 1..3 the lines worked out by the same
// separate script as the folding vectors: 585, 577, 436 nm.
TEST(PupilStart, ANameOnTheListGivesItsVariant)
{
    const classroom::ClassroomTask task = listedTask();
    const auto petrova = classroom::startFromTaskFile(task, u" петрова  анна "_s, {});
    ASSERT_TRUE(petrova.task) << petrova.error.toStdString();
    EXPECT_EQ(petrova.task->code, u"4817-2593"_s);
    EXPECT_EQ(petrova.task->variant, 2);
    EXPECT_EQ(petrova.task->pupil, u"Петрова Анна"_s);
    EXPECT_EQ(petrova.task->lampLine().nm, 577);

    for (const QString &name : {u"Петров"_s, u""_s}) {
        const auto refused = classroom::startFromTaskFile(task, name, u"2"_s);
        EXPECT_FALSE(refused.task);
        EXPECT_FALSE(refused.error.isEmpty());
    }

    classroom::ClassroomTask unlisted = task;
    unlisted.pupils.clear();
    unlisted.variants = 25;
    const auto third = classroom::startFromTaskFile(unlisted, u"Кто-то Новый"_s, u" 3 "_s);
    ASSERT_TRUE(third.task) << third.error.toStdString();
    EXPECT_EQ(third.task->variant, 3);
    EXPECT_EQ(third.task->pupil, u"Кто-то Новый"_s);
    EXPECT_EQ(third.task->lampLine().nm, 436);
    for (const QString &variant : {u"26"_s, u"0"_s, u""_s})
        EXPECT_EQ(classroom::startFromTaskFile(unlisted, {}, variant).error, u"Вариант — целое число от 1 до 25."_s);
}

} // namespace
