// What the pupil does on the experiment screen, handed to the bench session:
// every mouse event of a control becomes the session's action of that name.

#include "experiment_screen.h"

#include "edit_key_filter.h"
#include "image_control.h"
#include "spin_button.h"
#include "ui_experiment_screen.h"

#include <QLineEdit>

using bench::Arrow;

void ExperimentScreen::connectInput()
{
    Ui::ExperimentScreen &f = *ui_;
    bench::BenchSession *s = &session_;

    connect(f.Img_vizir, &TImage::mousePressed, s,
        [s](Qt::MouseButton, QPoint pos) { s->Img_vizirMouseDown(pos.x()); });
    connect(f.Img_vizir, &TImage::mouseMoved, s, [s](Qt::MouseButtons, QPoint pos) { s->Img_vizirMouseMove(pos.x()); });
    connect(f.Img_vizir, &TImage::mouseReleased, s, [s] { s->Img_vizirMouseUp(); });

    for (const auto &[arrow, control] : {std::pair{Arrow::Left, f.Img_dl_dn}, std::pair{Arrow::Right, f.Img_dl_up}}) {
        connect(control, &TImage::mousePressed, s, [s, arrow = arrow] { s->arrowPress(arrow); });
        connect(control, &TImage::clicked, s, [s, arrow = arrow] { s->arrowClick(arrow); });
        connect(control, &TImage::mouseReleased, s, [s, arrow = arrow] { s->arrowRelease(arrow); });
    }

    f.SpinButton1->setFocusControl(f.Ed_d);
    connect(f.SpinButton1, &TSpinButton::pressed, s, &bench::BenchSession::spinnerPress);
    connect(f.SpinButton1, &TSpinButton::moved, s, &bench::BenchSession::spinnerMove);
    connect(f.SpinButton1, &TSpinButton::released, s, &bench::BenchSession::spinnerRelease);
    connect(f.SpinButton1, &TSpinButton::cancelled, s, &bench::BenchSession::spinnerCancel);

    for (int i = 0; i < bench::kTargetCount; ++i) {
        const int order = bench::kOrderTargets[size_t(i)].order;
        connect(targets_[size_t(i)], &TImage::clicked, s, [s, order] { s->selectOrder(order); });
    }

    // Whatever else changes a field's text (typing, pasting, undo) is an edit
    // of the pupil's; the program's own writes come from the session.
    for (int i = 0; i < bench::kTextFieldCount; ++i) {
        const auto field = bench::TextField(i);
        connect(fields_[size_t(i)], &QLineEdit::textChanged, s, [this, s, field](const QString &text) {
            if (!showing_)
                s->typeText(field, text);
        });
    }

    connect(f.Button6, &QPushButton::clicked, s, &bench::BenchSession::Button6Click);
    f.Edit5->installEventFilter(new DigitKeyFilter(f.Edit5));
}
