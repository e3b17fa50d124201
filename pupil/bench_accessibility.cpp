#include "bench_accessibility.h"

#include "bench_announcer.h"
#include "cursor_control.h"
#include "experiment_screen.h"
#include "image_control.h"
#include "pupil_texts.h"
#include "spin_button.h"
#include "ui_experiment_screen.h"

#include <QAccessibleWidget>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

ExperimentScreen *screenOf(const QObject *object)
{
    for (QObject *p = object ? object->parent() : nullptr; p; p = p->parent()) {
        if (auto *screen = qobject_cast<ExperimentScreen *>(p))
            return screen;
    }
    return nullptr;
}

namespace {

enum class Part { Picture, Slider, LeftArrow, RightArrow, Target };

struct Kind {
    Part part = Part::Picture;
    int order = 0; // of a target
};

// Decided at every call from the control's name: the interface may have been
// made while the form was still naming its controls.
Kind kindOf(const QObject *object)
{
    if (!screenOf(object))
        return {};
    const QString name = object->objectName();
    if (name == u"Img_vizir"_s)
        return {Part::Slider};
    if (name == u"Img_dl_dn"_s)
        return {Part::LeftArrow};
    if (name == u"Img_dl_up"_s)
        return {Part::RightArrow};
    for (const bench::OrderTarget &target : bench::kOrderTargets) {
        if (name == QLatin1String(target.name))
            return {Part::Target, target.order};
    }
    return {};
}

// A picture control: what it is follows from its place on the bench.
class ImageAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ImageAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Graphic) {}

    QAccessible::Role role() const override
    {
        switch (kindOf(object()).part) {
        case Part::Slider:
            return QAccessible::Slider;
        case Part::LeftArrow:
        case Part::RightArrow:
        case Part::Target:
            return QAccessible::Button;
        case Part::Picture:
            break;
        }
        // The bench picture too: its description is the reading.
        return QAccessible::Graphic;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const Kind kind = kindOf(object());
        // A target whose order would fall back to order 1 cannot be selected.
        if (kind.part == Part::Target && !session()->orderSelectable(kind.order))
            s.disabled = true;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value && tellsWavelength())
            return PupilText::tr("%1 нм").arg(currentValue().toInt());
        return QAccessibleWidget::text(t);
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface && tellsWavelength())
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QStringList actionNames() const override
    {
        QStringList names;
        switch (kindOf(object()).part) {
        case Part::Slider:
            names << increaseAction() << decreaseAction();
            break;
        case Part::LeftArrow:
        case Part::RightArrow:
        case Part::Target:
            names << pressAction();
            break;
        case Part::Picture:
            break;
        }
        return names + QAccessibleWidget::actionNames();
    }

    // One press is one click: no hold, so no auto-repeat.
    void doAction(const QString &action) override
    {
        const Kind kind = kindOf(object());
        bench::BenchSession *s = session();
        if (!s || !widget()->isEnabled())
            QAccessibleWidget::doAction(action);
        else if (kind.part == Part::Slider && (action == increaseAction() || action == decreaseAction()))
            s->arrowClick(action == increaseAction() ? bench::Arrow::Right : bench::Arrow::Left);
        else if (kind.part == Part::LeftArrow && action == pressAction())
            s->arrowClick(bench::Arrow::Left);
        else if (kind.part == Part::RightArrow && action == pressAction())
            s->arrowClick(bench::Arrow::Right);
        else if (kind.part == Part::Target && action == pressAction()) {
            if (s->orderSelectable(kind.order))
                s->selectOrder(kind.order);
        } else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        const Part part = kindOf(object()).part;
        if (part == Part::Slider && action == increaseAction())
            return {u"Right"_s};
        if (part == Part::Slider && action == decreaseAction())
            return {u"Left"_s};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

    // The slider's value is the wavelength it stands at.
    QVariant currentValue() const override { return session()->wavelength(); }
    void setCurrentValue(const QVariant &value) override
    {
        bool ok = false;
        const double nm = value.toDouble(&ok);
        if (!ok || std::isnan(nm))
            return;
        // A drag to that place, clamped to the strip as the drag clamps.
        const double clamped = std::clamp(nm, double(bench::kMinWavelength), double(bench::kMaxWavelength));
        session()->dragSliderTo(int(std::lround(clamped)));
    }
    QVariant maximumValue() const override { return bench::kMaxWavelength; }
    QVariant minimumValue() const override { return bench::kMinWavelength; }
    QVariant minimumStepSize() const override { return 1; }

private:
    // The slider's value is the wavelength, which a task may keep secret.
    bool tellsWavelength() const
    {
        const ExperimentScreen *screen = screenOf(object());
        return kindOf(object()).part == Part::Slider
            && screen->announcer().wavelengthInReading() == bench::WavelengthInReading::Told;
    }

    bench::BenchSession *session() const
    {
        ExperimentScreen *screen = screenOf(object());
        return screen ? &screen->session() : nullptr;
    }
};

QAccessibleInterface *benchFactory(const QString &className, QObject *object)
{
    if (className == u"TImage"_s && object && object->isWidgetType())
        return new ImageAccessible(static_cast<QWidget *>(object));
    if (QAccessibleInterface *cursor = cursorAccessible(className, object))
        return cursor;
    if (QAccessibleInterface *source = sourceAccessible(className, object))
        return source;
    return spinnerAccessible(className, object);
}

} // namespace

void installBenchAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(benchFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void refreshBenchAccessibility(ExperimentScreen &screen)
{
    QList<QWidget *> controls;
    for (TImage *image : screen.findChildren<TImage *>())
        controls.append(image);
    for (TSpinButton *spinner : screen.findChildren<TSpinButton *>())
        controls.append(spinner);
    for (CursorControl *cursor : screen.findChildren<CursorControl *>())
        controls.append(cursor);
    // Qt's own combo box interface is no Client; drop any but ours.
    QWidget *source = screen.ui().Cmb_source;
    if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(source);
        iface && !isSourceAccessible(iface)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
        QAccessible::queryAccessibleInterface(source);
    }
    for (QWidget *control : controls) {
        // Ours never say Client: that is the plain widget's interface, made
        // while the control was still being built. The query of a complete
        // control makes ours, which then stays.
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
        if (iface && iface->role() == QAccessible::Client) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
            QAccessible::queryAccessibleInterface(control);
        }
    }
}
