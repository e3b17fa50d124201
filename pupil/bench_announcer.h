#pragma once

#include "bench_reading.h"

#include <QAccessible>
#include <QObject>
#include <QString>

class ExperimentScreen;

// Tells a screen reader what each action of the bench changed: after every
// render the bench picture's description (the reading) has changed, after
// every wavelength change the slider's value, after every check the verdict;
// the labels made of blank runs are renamed to read as the screen does, and
// the check button after what its next press does.
class BenchAnnouncer : public QObject {
    Q_OBJECT

public:
    // Follows the screen's session; connect it after the screen's own view.
    explicit BenchAnnouncer(ExperimentScreen &screen);

    // Task mode hides the wavelength: neither the reading, the label nor the
    // slider's value may tell it.
    void setWavelengthInReading(bench::WavelengthInReading told);
    bench::WavelengthInReading wavelengthInReading() const { return told_; }

signals:
    // An accessibility event went out for the control (the tests follow
    // them here: without a screen reader Qt drops the events themselves).
    void announced(QObject *control, QAccessible::Event event);

private:
    void announce();
    void nameLabels();
    void describe(QWidget *control, const QString &text);

    ExperimentScreen &screen_;
    bench::WavelengthInReading told_ = bench::WavelengthInReading::Told;
    unsigned rendersSeen_;
    int valueSeen_; // the slider's value last announced, in nm
    QString verdictSeen_;
    QString verdictDescription_; // the form's, while there is no verdict
};
