#include "bench_announcer.h"

#include "experiment_screen.h"
#include "pupil_texts.h"
#include "ui_experiment_screen.h"

#include <QAccessible>

using namespace Qt::Literals::StringLiterals;

namespace {

void rename(QWidget *widget, const QString &name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

} // namespace

BenchAnnouncer::BenchAnnouncer(ExperimentScreen &screen)
    : QObject(&screen),
      screen_(screen),
      rendersSeen_(screen.session().renders()),
      valueSeen_(screen.session().wavelength()),
      verdictDescription_(screen.ui().Lbl_otv->accessibleDescription())
{
    connect(&screen.session(), &bench::BenchSession::changed, this, &BenchAnnouncer::announce);
    nameLabels();
    screen.ui().Img_osn->setAccessibleDescription(bench::benchReading(screen.session(), told_));
}

void BenchAnnouncer::setWavelengthInReading(bench::WavelengthInReading told)
{
    told_ = told;
    nameLabels();
    describe(screen_.ui().Img_osn, bench::benchReading(screen_.session(), told_));
}

// A new text goes out with Qt's own event; an unchanged one is sent again,
// so that every render is spoken.
void BenchAnnouncer::describe(QWidget *control, const QString &text)
{
    if (control->accessibleDescription() != text) {
        control->setAccessibleDescription(text);
    } else {
        QAccessibleEvent event(control, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
    emit announced(control, QAccessible::DescriptionChanged);
}

void BenchAnnouncer::nameLabels()
{
    Ui::ExperimentScreen &f = screen_.ui();
    const bench::BenchSession &s = screen_.session();
    rename(f.Label4, bench::gratingLabelReading(s));
    // Its dot and exponent are read with Label4.
    rename(f.Label6, u"· 10⁻⁵"_s);
    rename(f.Label7, bench::wavelengthLabelReading(s, told_));
    rename(f.Label8, bench::distanceLabelReading(s));
    // The button's name says what its next press does, as its caption does.
    rename(f.Button6,
        s.checkButton() == bench::CheckButton::Check ? PupilText::tr("Проверить ответ")
                                                     : PupilText::tr("Сбросить проверку"));
}

void BenchAnnouncer::announce()
{
    Ui::ExperimentScreen &f = screen_.ui();
    const bench::BenchSession &s = screen_.session();
    nameLabels();

    if (s.wavelength() != valueSeen_ && told_ == bench::WavelengthInReading::Told) {
        valueSeen_ = s.wavelength();
        QAccessibleValueChangeEvent event(f.Img_vizir, valueSeen_);
        QAccessible::updateAccessibility(&event);
        emit announced(f.Img_vizir, QAccessible::ValueChanged);
    }
    if (s.renders() != rendersSeen_) {
        rendersSeen_ = s.renders();
        describe(f.Img_osn, bench::benchReading(s, told_));
    }
    // The view has shown the verdict already: it is connected first.
    const QString verdict = f.Lbl_otv->text();
    if (verdict != verdictSeen_) {
        verdictSeen_ = verdict;
        describe(f.Lbl_otv, verdict.isEmpty() ? verdictDescription_ : verdict);
    }
}
