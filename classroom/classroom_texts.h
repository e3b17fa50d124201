#pragma once

// Every text of the teacher's side of the classroom task, in the chosen
// language: the window, the command line, the files' messages and the
// Moodle quiz.

#include "classroom_task.h"
#include "file_read.h"
#include "pupil_list.h"
#include "task_files.h"

#include <QCoreApplication>
#include <QString>

// The translation context of every text of the classroom folder. Outside the
// namespace, so that tr() and lupdate name the context alike.
class ClassroomTexts {
    Q_DECLARE_TR_FUNCTIONS(ClassroomTexts)
};

namespace classroom {

QString defaultTaskTitle();

// One sentence naming the line of the pasted list.
QString pupilListMessage(const PupilListError &error);

// Why a file was refused; name is the file as the user knows it.
QString fileMessage(const QString &name, TaskFileKind kind, const FileError &error);
QString cannotWriteMessage(const QString &name, const QString &reason);

// The Moodle quiz: the category, a question's name and text.
QString quizCategoryName(const ClassroomTask &task);
QString quizQuestionName(int variant, const QString &pupil);
QString quizQuestionHtml(const ClassroomTask &task, int variant);

} // namespace classroom
