#pragma once

#include <QObject>

class ExperimentScreen;

// The experiment screen with a lamp or white light, and the measuring
// cursor: the source control «Источник света» under the bench picture, the
// cursor's grip over the scale, and what changes with the source. A lamp
// hides the strip, its slider and arrows and names itself in their place;
// white light keeps the strip and hides the slider and arrows; the
// wavelength and distance fields take no typing, and a hint beside the
// verdict names the line found or the slip. With mono light only the
// cursor's read-out is added, once the pupil turns the cursor on.
class SourceLook : public QObject {
    Q_OBJECT

public:
    // Connects the form's source control and cursor grip to the session.
    explicit SourceLook(ExperimentScreen &screen);

    // After every change of the session, once the view has shown it.
    void show();

private:
    void announceCursor();

    ExperimentScreen &screen_;
    int cursorSeen_;
    bool cursorShownSeen_ = false;
};
