#pragma once

#include <QCoreApplication>

// The translation context of the pupil's window and its screens, one for the
// folder so that a translator sees its texts together.
class PupilText {
    Q_DECLARE_TR_FUNCTIONS(PupilText)
};
