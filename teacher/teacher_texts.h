#pragma once

#include <QCoreApplication>

// The translation context of the teacher's window, its dialogs and PDFs,
// one for the folder so that a translator sees its texts together.
class TeacherText {
    Q_DECLARE_TR_FUNCTIONS(TeacherText)
};
