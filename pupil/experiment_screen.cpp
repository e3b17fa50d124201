#include "experiment_screen.h"

#include "answer_check.h"
#include "bench_accessibility.h"
#include "bench_announcer.h"
#include "bench_keyboard.h"
#include "form_fonts.h"
#include "image_control.h"
#include "pupil_texts.h"
#include "source_look.h"
#include "task_look.h"
#include "ui_experiment_screen.h"

#include <QColor>

using namespace Qt::Literals::StringLiterals;

namespace {

// The answer button's caption says what its next press does.
QString captionOf(bench::CheckButton button)
{
    return button == bench::CheckButton::Check ? PupilText::tr("Проверить") : PupilText::tr("Сброс");
}

struct VerdictLook {
    QString caption;
    QColor colour;
};

VerdictLook lookOf(bench::Verdict verdict)
{
    switch (verdict) {
    case bench::Verdict::Right:
        return {bench::verdictText(true), QColor(0, 128, 0)};
    case bench::Verdict::Wrong:
        return {bench::verdictText(false), QColor(255, 0, 0)};
    case bench::Verdict::None:
        break;
    }
    return {};
}

void showPicture(TImage &arrow, const TImage &look)
{
    if (arrow.picture() != look.picture())
        arrow.copyPictureFrom(look);
}

} // namespace

ExperimentScreen::ExperimentScreen(bench::BenchSession &session, QWidget *parent)
    : QWidget(parent), session_(session), ui_(std::make_unique<Ui::ExperimentScreen>())
{
    installBenchAccessibility();
    Ui::ExperimentScreen &f = *ui_;
    f.setupUi(this);
    applyPixelFonts(this);

    fields_ = {f.Ed_mkm, f.Ed_d, f.Ed_ym, f.Ed_k, f.Edit5};
    for (int i = 0; i < bench::kTargetCount; ++i)
        targets_[size_t(i)] = findChild<TImage *>(QString::fromLatin1(bench::kOrderTargets[size_t(i)].name));
    for (int i = 0; i < bench::kTextFieldCount; ++i)
        showText(i);

    f.Img_osn->setCanvas(&session_.scene().benchCanvas().image());
    f.Img_mx->setCanvas(&session_.scene().curveCanvas().image());

    connectInput();
    connect(&session_, &bench::BenchSession::changed, this, &ExperimentScreen::showSession);
    showSession();

    new BenchKeyboard(*this);
    // After the keyboard's tab order, which it extends.
    sourceLook_ = new SourceLook(*this);
    sourceLook_->show();
    announcer_ = new BenchAnnouncer(*this);
    if (session_.task())
        announcer_->setWavelengthInReading(bench::WavelengthInReading::Hidden);
    refreshBenchAccessibility(*this);
}

ExperimentScreen::~ExperimentScreen() = default;

QWidget *ExperimentScreen::firstTabStop() const
{
    return ui_->Ed_d;
}

void ExperimentScreen::showText(int index)
{
    const auto field = bench::TextField(index);
    shownWrites_[size_t(index)] = session_.textWrites(field);
    showing_ = true;
    fields_[size_t(index)]->setText(session_.text(field));
    showing_ = false;
}

void ExperimentScreen::showSession()
{
    Ui::ExperimentScreen &f = *ui_;
    const bench::BenchSession &s = session_;

    // A field the program wrote shows the new text, even the same one, and
    // loses what the pupil typed there; a field only typed into is left alone.
    for (int i = 0; i < bench::kTextFieldCount; ++i) {
        if (shownWrites_[size_t(i)] != s.textWrites(bench::TextField(i)))
            showText(i);
    }

    f.Img_vizir->move(s.sliderTopLeft());
    for (int i = 0; i < bench::kTargetCount; ++i)
        targets_[size_t(i)]->setGeometry(s.targetRect(i));
    f.Img_ugu->setVisible(s.arcUpVisible());
    f.Img_ugd->setVisible(s.arcDownVisible());
    f.Img_f->move(f.Img_f->x(), s.phiTop());

    showPicture(*f.Img_dl_dn, s.arrowLooksPressed(bench::Arrow::Left) ? *f.Img_ldn : *f.Img_dldn);
    showPicture(*f.Img_dl_up, s.arrowLooksPressed(bench::Arrow::Right) ? *f.Img_rdn : *f.Img_dlup);
    f.SpinButton1->setLooksPressed(s.spinnerLooksPressed());

    const VerdictLook verdict = lookOf(s.verdict());
    if (f.Lbl_otv->text() != verdict.caption) {
        QPalette palette = f.Lbl_otv->palette();
        palette.setColor(QPalette::WindowText, verdict.colour);
        f.Lbl_otv->setPalette(palette);
        f.Lbl_otv->setText(verdict.caption);
    }
    f.Button6->setText(captionOf(s.checkButton()));

    if (s.task()) {
        if (!taskLook_)
            taskLook_ = std::make_unique<TaskLook>(f);
        taskLook_->show(s);
        // Before the announcer speaks of this action: nothing may tell the lamp.
        if (announcer_)
            announcer_->setWavelengthInReading(bench::WavelengthInReading::Hidden);
    }

    if (sourceLook_)
        sourceLook_->show();

    // The canvas is the session's own raster, shown by reference.
    f.Img_osn->update();
}
