// The measuring cursor for a screen reader: a slider named «Визир» whose
// value is its distance from the axis in cm; setting the value puts it there
// (and turns it on with mono light), as a drag would.
#include "bench_accessibility.h"

#include "bench_session.h"
#include "cursor_control.h"
#include "measuring_cursor.h"
#include "pupil_texts.h"
#include "source_texts.h"

#include <QAccessibleWidget>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

class CursorAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit CursorAccessible(CursorControl *cursor) : QAccessibleWidget(cursor, QAccessible::Slider) {}

    QString text(QAccessible::Text t) const override
    {
        bench::BenchSession *s = session();
        switch (t) {
        case QAccessible::Name:
            return bench::cursorName();
        case QAccessible::Value:
            return s ? PupilText::tr("%1 см").arg(s->cursorText()) : QString();
        case QAccessible::Description:
            if (s && !s->cursorShown())
                return PupilText::tr("Визир скрыт; стрелка вверх или вниз показывает его");
            return s ? bench::cursorReading(s->cursorText()) : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QStringList actionNames() const override
    {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        bench::BenchSession *s = session();
        if (s && widget()->isEnabled() && (action == increaseAction() || action == decreaseAction())) {
            s->showCursor(true);
            s->moveCursorBy(action == increaseAction() ? bench::kCursorStep : -bench::kCursorStep);
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == increaseAction())
            return {u"Up"_s};
        if (action == decreaseAction())
            return {u"Down"_s};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

    QVariant currentValue() const override
    {
        bench::BenchSession *s = session();
        return s ? double(s->cursorOffset()) / bench::kCursorRowsPerCm : 0.0;
    }
    void setCurrentValue(const QVariant &value) override
    {
        bool ok = false;
        const double cm = value.toDouble(&ok);
        bench::BenchSession *s = session();
        if (!ok || !s)
            return;
        if (const auto rows = bench::cursorOffsetOfCm(cm)) {
            s->showCursor(true);
            s->moveCursorTo(*rows);
        }
    }
    QVariant maximumValue() const override { return double(bench::kCursorLimit) / bench::kCursorRowsPerCm; }
    QVariant minimumValue() const override { return -double(bench::kCursorLimit) / bench::kCursorRowsPerCm; }
    QVariant minimumStepSize() const override { return 1.0 / bench::kCursorRowsPerCm; }

private:
    bench::BenchSession *session() const { return static_cast<CursorControl *>(widget())->session(); }
};

} // namespace

QAccessibleInterface *cursorAccessible(const QString &className, QObject *object)
{
    if (className == u"CursorControl"_s && object && object->isWidgetType())
        return new CursorAccessible(static_cast<CursorControl *>(object));
    return nullptr;
}
