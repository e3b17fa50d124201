#include "source_look.h"

#include "cursor_control.h"
#include "experiment_screen.h"
#include "focus_frame.h"
#include "image_control.h"
#include "label_control.h"
#include "pupil_texts.h"
#include "read_only_field.h"
#include "shape_control.h"
#include "source_texts.h"
#include "ui_experiment_screen.h"

#include <QAccessible>
#include <QComboBox>

using namespace Qt::Literals::StringLiterals;
using bench::LightSource;

namespace {

QString hintOf(const bench::BenchSession &s)
{
    if (s.source() == LightSource::Mono || s.verdict() == bench::Verdict::None)
        return {};
    const bench::SourceJudgement &j = s.sourceJudgement();
    if (j.right && j.feature)
        return bench::featureName(s.source(), *j.feature);
    return bench::sourceHintText(j.hint);
}

void setShown(QWidget *w, bool shown)
{
    if (w->isVisibleTo(w->parentWidget()) != shown)
        w->setVisible(shown);
}

} // namespace

SourceLook::SourceLook(ExperimentScreen &screen)
    : QObject(&screen), screen_(screen), cursorSeen_(screen.session().cursorOffset())
{
    Ui::ExperimentScreen &f = screen.ui();
    bench::BenchSession *s = &screen.session();
    for (const bench::LightSourceInfo &info : bench::kLightSources)
        f.Cmb_source->addItem(bench::sourceName(info.source));
    f.Cmb_source->setCurrentIndex(int(s->source()));
    connect(f.Cmb_source, &QComboBox::activated, s,
        [s](int index) { s->setSource(bench::kLightSources[size_t(index)].source); });
    f.Img_cursor->setSession(s);

    // Two stops after the strip: the cursor, then the source control.
    QWidget::setTabOrder(f.Img_vizir, f.Img_cursor);
    QWidget::setTabOrder(f.Img_cursor, f.Cmb_source);
    // Over the canvas the frame stays under it: it shows above, right and
    // below the scale.
    constexpr int kRim = 2 + FocusFrame::kWidth;
    new FocusFrame(f.Img_cursor, f.Img_cursor->geometry().adjusted(-kRim, -kRim, kRim, kRim), f.GroupBox3);
}

void SourceLook::show()
{
    Ui::ExperimentScreen &f = screen_.ui();
    const bench::BenchSession &s = screen_.session();
    const LightSource source = s.source();

    if (f.Cmb_source->currentIndex() != int(source))
        f.Cmb_source->setCurrentIndex(int(source));
    // A task's lamp is the task's; the strip and its neighbours are the task look's.
    if (s.task()) {
        // A lamp chosen before the task was opened leaves nothing behind.
        for (QWidget *w : {static_cast<QWidget *>(f.Lbl_source), static_cast<QWidget *>(f.Cmb_source),
                 static_cast<QWidget *>(f.Lbl_source_lamp), static_cast<QWidget *>(f.Lbl_source_hint)})
            setShown(w, false);
        // The distance field is the cursor's read-out, as with a lamp.
        setShown(f.Lbl_cursor, false);
        announceCursor();
        return;
    }

    const bool lamp = bench::isLamp(source);
    const bool mono = source == LightSource::Mono;
    for (QWidget *w : {static_cast<QWidget *>(f.Shp_spektr), static_cast<QWidget *>(f.Img_spektr)})
        setShown(w, !lamp);
    for (QWidget *w :
        {static_cast<QWidget *>(f.Img_vizir), static_cast<QWidget *>(f.Img_dl_dn), static_cast<QWidget *>(f.Img_dl_up)})
        setShown(w, mono);
    setShown(f.Lbl_source_lamp, lamp);
    if (lamp)
        f.Lbl_source_lamp->setText(bench::lampLabelText(source));
    setReadOnlyField(f.Ed_mkm, !mono);
    setReadOnlyField(f.Ed_ym, !mono);

    const QString hint = hintOf(s);
    setShown(f.Lbl_source_hint, !hint.isEmpty());
    if (f.Lbl_source_hint->text() != hint) {
        f.Lbl_source_hint->setText(hint);
        // A screen reader is told the hint as the verdict's neighbour.
        f.Lbl_source_hint->setAccessibleDescription(
            hint.isEmpty() ? PupilText::tr("Подсказка после проверки ответа") : hint);
    }

    // With a lamp or white light the distance field is the read-out.
    const bool readOut = mono && s.cursorShown();
    setShown(f.Lbl_cursor, readOut);
    if (readOut)
        f.Lbl_cursor->setText(bench::cursorReading(s.cursorText()));
    announceCursor();
}

void SourceLook::announceCursor()
{
    const bench::BenchSession &s = screen_.session();
    if (s.cursorOffset() == cursorSeen_ && s.cursorShown() == cursorShownSeen_)
        return;
    cursorSeen_ = s.cursorOffset();
    cursorShownSeen_ = s.cursorShown();
    QAccessibleValueChangeEvent event(screen_.ui().Img_cursor, double(cursorSeen_) / 40);
    QAccessible::updateAccessibility(&event);
}
