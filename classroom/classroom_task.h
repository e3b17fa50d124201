#pragma once

#include <QDate>
#include <QString>

#include <vector>

namespace classroom {

// A pupil on the class list; the variant is the place on the list.
struct Pupil {
    int variant = 0; // 1..99
    QString name;
    QString id; // e-mail or school ID; kept in the teacher's file only
};

// A task as the teacher prepared it. It holds no wavelength: every line
// follows from the code and the variant, so the pupils' copy can be given
// out as it is.
struct ClassroomTask {
    QString title;
    QString form;              // the class, e.g. «9Б»; may be empty
    QString code;              // normalised, as written on the board
    QDate created;             // the teacher's file only
    int variants = 0;          // variants 1..variants
    std::vector<Pupil> pupils; // empty, or one per variant in order

    bool hasList() const { return !pupils.empty(); }
};

constexpr int kMaxVariants = 99;
constexpr int kMaxTitleLength = 100;
constexpr int kMaxFormLength = 20;
constexpr int kMaxPupilIdLength = 100;

} // namespace classroom
