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

// A task as the teacher prepared it. The lines are the key: they are kept
// in the teacher's file only, and every key the program shows or exports is
// read from them, never worked out from the code a pupil also holds.
struct ClassroomTask {
    QString title;
    QString form;              // the class, e.g. «9Б»; may be empty
    QString code;              // normalised, as written on the board
    QDate created;             // the teacher's file only
    int variants = 0;          // variants 1..variants
    std::vector<Pupil> pupils; // empty, or one per variant in order
    std::vector<int> lines;    // the teacher's side only: index into bench::kLampLines per variant
    // The teacher's side only, empty when not written: where the pupils'
    // task file went, so that the class's results are read from there.
    QString taskFile;    // absolute path of the task file
    QString classFolder; // absolute path of the folder it is in

    bool hasList() const { return !pupils.empty(); }
};

constexpr int kMaxVariants = 99;
constexpr int kMaxTitleLength = 100;
constexpr int kMaxFormLength = 20;
constexpr int kMaxPupilIdLength = 100;

} // namespace classroom
