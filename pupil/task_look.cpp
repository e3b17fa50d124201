#include "task_look.h"

#include "form_fonts.h"
#include "image_control.h"
#include "pupil_texts.h"
#include "read_only_field.h"
#include "shape_control.h"
#include "task_texts.h"
#include "ui_experiment_screen.h"
#include "wavelength_slider.h"

#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

const char *const kHintDescription = QT_TRANSLATE_NOOP("PupilText", "Подсказка после проверки ответа");

QLabel *makeLabel(QWidget *parent, const QString &name, const QRect &place, int pixelSize, bool italic)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setGeometry(place);
    QFont font(u"Arial"_s);
    font.setItalic(italic);
    label->setFont(font);
    label->setProperty("pixelSize", pixelSize);
    applyPixelFonts(label);
    label->show();
    return label;
}

QString hintOf(const bench::BenchSession &s)
{
    switch (s.verdict()) {
    case bench::Verdict::Right:
        return bench::lineName(s.task()->lampLine());
    case bench::Verdict::Wrong:
        return bench::hintText(s.taskHint());
    case bench::Verdict::None:
        break;
    }
    return {};
}

} // namespace

TaskLook::TaskLook(Ui::ExperimentScreen &form) : f_(form)
{
    // Where the strip and both arrows were, from the left arrow to the right one.
    lamp_ = makeLabel(f_.GroupBox4, u"Lbl_lamp"_s, {300, 16, 420, 26}, 15, true);
    lamp_->setAlignment(Qt::AlignCenter);
    lamp_->setText(bench::unknownLampText());
    lamp_->setAccessibleName(PupilText::tr("Источник света"));
    lamp_->setAccessibleDescription(bench::unknownLampText());
    // Right of the widest verdict, "Неверно !", up to the group box's frame.
    hint_ = makeLabel(f_.GroupBox4, u"Lbl_hint"_s, {850, 52, 122, 48}, 12, false);
    hint_->setAccessibleName(PupilText::tr("Подсказка"));
    hint_->setAccessibleDescription(QCoreApplication::translate("PupilText", kHintDescription));

    setReadOnlyField(f_.Ed_mkm, true);
    f_.Ed_mkm->setAccessibleDescription(PupilText::tr("Длина волны лампы неизвестна: её нужно измерить"));
    // y is the cursor's read-out; k the pupil types.
    setReadOnlyField(f_.Ed_ym, true);
}

void TaskLook::showShareNote(const QString &note)
{
    const QString text = note.isEmpty() ? bench::unknownLampText() : note;
    lamp_->setText(text);
    lamp_->setAccessibleDescription(text);
    QPalette palette = lamp_->palette();
    palette.setColor(QPalette::WindowText,
        note.isEmpty() ? f_.GroupBox4->palette().color(QPalette::WindowText) : QColor(200, 0, 0));
    lamp_->setPalette(palette);
}

void TaskLook::show(const bench::BenchSession &session)
{
    for (QWidget *w :
        std::initializer_list<QWidget *>{f_.Shp_spektr, f_.Img_spektr, f_.Img_vizir, f_.Img_dl_dn, f_.Img_dl_up})
        w->hide();
    // The hidden slider keeps one place, so that its geometry tells nothing.
    f_.Img_vizir->move(bench::sliderTopLeftAt(0));
    const QString hint = hintOf(session);
    if (hint_->text() != hint) {
        hint_->setText(hint);
        // A screen reader is told the hint as the verdict's neighbour, as with a lamp.
        hint_->setAccessibleDescription(
            hint.isEmpty() ? QCoreApplication::translate("PupilText", kHintDescription) : hint);
    }
}
