#pragma once

#include <QString>
#include <QTime>

#include <cstdint>
#include <optional>

namespace journal {

// What the bench was set to when an answer was checked.
struct SetLight {
    QString wavelength;     // nm, as the bench holds it
    QString line;           // the summary groups the rows by it
    bool concealed = false; // shown as «?» until revealed (a task not yet solved)
    // A classroom task's lamp: nothing worked out from d and y is shown or
    // kept, or it would hand the pupil the answer after any wrong one.
    bool task = false;
};

// A check with a lamp or white light: what lit the bench, where the cursor
// stood and the order as the pupil typed it.
struct SourceRecord {
    QString source;     // «Лампа: ртутная», «Белый свет»
    QString symbol;     // before the set wavelength in the table: «Hg», «белый»
    QString cursorY;    // the cursor's read-out, cm
    QString typedOrder; // Ed_k as typed
};

// One judged check, with the read-outs as the pupil saw them.
struct JournalRow {
    QTime time;
    SetLight set;
    QString grating;                            // Ed_d, 1e-5 m
    std::int32_t order = 0;                     // signed, as selected
    QString distance;                           // Ed_ym, cm
    std::optional<std::int64_t> computedTenths; // d*y/(|k|*F) in 0.1 nm; none for k = 0 and in a task
    QString answer;                             // as typed
    bool right = false;
    std::optional<SourceRecord> source; // none with the slider's one wavelength
};

// Who did the work, for the report's heading; the code and variant only in
// a task.
struct PupilData {
    QString pupil;
    QString form;
    QString taskCode;
    QString variant;
};

} // namespace journal
