#include "bench_keyboard.h"

#include "experiment_screen.h"
#include "focus_frame.h"
#include "image_control.h"
#include "ui_experiment_screen.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

namespace {

// Room between a control and its frame, so the frame stays clear of it.
constexpr int kFrameGap = 2;

QRect rimAround(QRect rect)
{
    const int m = kFrameGap + FocusFrame::kWidth;
    return rect.adjusted(-m, -m, m, m);
}

} // namespace

BenchKeyboard::BenchKeyboard(ExperimentScreen &screen) : QObject(&screen), screen_(screen)
{
    Ui::ExperimentScreen &f = screen.ui();
    bench::BenchSession *s = &screen.session();

    // Tab only: a click on the bench or the slider keeps the focus where it was.
    for (QWidget *stop : {static_cast<QWidget *>(f.Img_osn), static_cast<QWidget *>(f.Img_vizir)}) {
        stop->setFocusPolicy(Qt::TabFocus);
        stop->installEventFilter(this);
    }
    QWidget::setTabOrder(f.Button6, f.Img_osn);
    QWidget::setTabOrder(f.Img_osn, f.Img_vizir);

    new FocusFrame(f.Img_osn, rimAround(f.Img_osn->geometry()), f.GroupBox3);
    // The slider moves, and the arrows step it too: the frame holds them all.
    const QRect strip = f.Img_dl_dn->geometry() | f.Shp_spektr->geometry() | f.Img_dl_up->geometry();
    new FocusFrame(f.Img_vizir, rimAround(strip), f.GroupBox4);

    auto *up = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up), &screen);
    connect(up, &QShortcut::activated, s, &bench::BenchSession::SpinButton1UpClick);
    auto *down = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down), &screen);
    connect(down, &QShortcut::activated, s, &bench::BenchSession::SpinButton1DownClick);

    // The answer field's key filter lets Return and Enter through.
    connect(f.Edit5, &QLineEdit::returnPressed, s, &bench::BenchSession::Button6Click);
}

bool BenchKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    Ui::ExperimentScreen &f = screen_.ui();
    if (watched == f.Img_osn)
        return benchKey(key->key());
    if (watched == f.Img_vizir)
        return stripKey(key->key());
    return false;
}

bool BenchKeyboard::benchKey(int key)
{
    bench::BenchSession &s = screen_.session();
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        // Orders that would fall back to order 1 are skipped; past the last
        // one the key does nothing.
        if (const auto order = s.nextSelectableOrder(key == Qt::Key_Up ? +1 : -1))
            s.selectOrder(*order);
        return true;
    case Qt::Key_Home:
        s.selectOrder(0);
        return true;
    default:
        return false;
    }
}

bool BenchKeyboard::stripKey(int key)
{
    bench::BenchSession &s = screen_.session();
    const int nm = s.wavelength();
    switch (key) {
    case Qt::Key_Right:
        s.arrowClick(bench::Arrow::Right);
        return true;
    case Qt::Key_Left:
        s.arrowClick(bench::Arrow::Left);
        return true;
    case Qt::Key_PageUp:
        s.dragSliderTo(nm + kPageNm);
        return true;
    case Qt::Key_PageDown:
        s.dragSliderTo(nm - kPageNm);
        return true;
    case Qt::Key_Home:
        s.dragSliderTo(bench::kMinWavelength);
        return true;
    case Qt::Key_End:
        s.dragSliderTo(bench::kMaxWavelength);
        return true;
    default:
        return false;
    }
}
