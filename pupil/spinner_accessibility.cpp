// The grating spinner for a screen reader: a group of two push buttons, each
// press one step of the grating constant. The halves are no widgets of their
// own, so their interfaces are made here and kept by the spinner's.
#include "bench_accessibility.h"

#include "experiment_screen.h"
#include "pupil_texts.h"
#include "spin_button.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <array>

using namespace Qt::Literals::StringLiterals;
using bench::SpinPart;

namespace {

bench::BenchSession *sessionOf(const QObject *object)
{
    for (QObject *p = object ? object->parent() : nullptr; p; p = p->parent()) {
        if (auto *screen = qobject_cast<ExperimentScreen *>(p))
            return &screen->session();
    }
    return nullptr;
}

class SpinHalfAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    SpinHalfAccessible(TSpinButton *spinner, SpinPart part) : spinner_(spinner), part_(part) {}

    bool isValid() const override { return spinner_; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return spinner_ ? spinner_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(spinner_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        const bool up = part_ == SpinPart::Up;
        switch (t) {
        case QAccessible::Name:
            return up ? PupilText::tr("Увеличить постоянную решетки") : PupilText::tr("Уменьшить постоянную решетки");
        case QAccessible::Description:
            return up ? PupilText::tr("Постоянная решетки на 0,1 больше, до 3")
                      : PupilText::tr("Постоянная решетки на 0,1 меньше, до 1");
        default:
            return {};
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!spinner_)
            return s;
        s.disabled = !spinner_->isEnabled();
        s.invisible = !spinner_->isVisible();
        s.pressed = spinner_->looksPressed() == part_;
        return s;
    }

    QRect rect() const override
    {
        if (!spinner_)
            return {};
        const QRect local = spinner_->partRect(part_);
        return {spinner_->mapToGlobal(local.topLeft()), local.size()};
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    // One press, one step: the spinner is never held, so nothing repeats.
    void doAction(const QString &action) override
    {
        bench::BenchSession *s = sessionOf(spinner_);
        if (!s || action != pressAction() || !spinner_->isEnabled())
            return;
        if (part_ == SpinPart::Up)
            s->SpinButton1UpClick();
        else
            s->SpinButton1DownClick();
    }
    QStringList keyBindingsForAction(const QString &) const override
    {
        return {part_ == SpinPart::Up ? u"Ctrl+Up"_s : u"Ctrl+Down"_s};
    }

private:
    QPointer<TSpinButton> spinner_;
    SpinPart part_;
};

class SpinnerAccessible final : public QAccessibleWidget {
public:
    explicit SpinnerAccessible(TSpinButton *spinner) : QAccessibleWidget(spinner, QAccessible::Grouping) {}
    ~SpinnerAccessible() override
    {
        for (const QAccessible::Id id : halves_) {
            if (id)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return 2; }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index > 1)
            return nullptr;
        QAccessible::Id &id = halves_[size_t(index)];
        if (!id) {
            auto *spinner = static_cast<TSpinButton *>(widget());
            id = QAccessible::registerAccessibleInterface(
                new SpinHalfAccessible(spinner, index == 0 ? SpinPart::Up : SpinPart::Down));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < 2; ++i) {
            if (halves_[size_t(i)] && QAccessible::accessibleInterface(halves_[size_t(i)]) == child)
                return i;
        }
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        // The down half lies on top: the shared row is its.
        for (const int i : {1, 0}) {
            if (QAccessibleInterface *half = child(i); half->rect().contains(x, y))
                return half;
        }
        return nullptr;
    }

private:
    mutable std::array<QAccessible::Id, 2> halves_{};
};

} // namespace

QAccessibleInterface *spinnerAccessible(const QString &className, QObject *object)
{
    if (className == u"TSpinButton"_s && object)
        return new SpinnerAccessible(static_cast<TSpinButton *>(object));
    return nullptr;
}
