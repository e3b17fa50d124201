// The source control for a screen reader: a combo box named «Источник
// света» (Qt's own names a combo box by its current item), whose current
// source is its value, with one action per source that picks it, so that a
// client of the bus can pick one without opening the list. Its list stays
// its child, as with Qt's own interface.
#include "bench_accessibility.h"

#include "experiment_screen.h"
#include "light_source.h"
#include "source_texts.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

using namespace Qt::Literals::StringLiterals;

namespace {

bench::BenchSession *sessionOf(const QObject *object)
{
    ExperimentScreen *screen = screenOf(object);
    return screen ? &screen->session() : nullptr;
}

class SourceAccessible final : public QAccessibleWidget {
public:
    explicit SourceAccessible(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return bench::sourceControlName();
        if (t == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == box()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        QStringList names{showMenuAction()};
        for (const bench::LightSourceInfo &info : bench::kLightSources)
            names << bench::sourceName(info.source);
        return names;
    }

    void doAction(const QString &action) override
    {
        bench::BenchSession *s = sessionOf(object());
        if (action == showMenuAction()) {
            box()->showPopup();
            return;
        }
        for (const bench::LightSourceInfo &info : bench::kLightSources) {
            if (s && box()->isEnabled() && action == bench::sourceName(info.source))
                s->setSource(info.source);
        }
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

} // namespace

QAccessibleInterface *sourceAccessible(const QString &className, QObject *object)
{
    if (className == u"QComboBox"_s && object && object->objectName() == u"Cmb_source"_s && sessionOf(object))
        return new SourceAccessible(static_cast<QComboBox *>(object));
    return nullptr;
}

bool isSourceAccessible(QAccessibleInterface *iface)
{
    return dynamic_cast<SourceAccessible *>(iface) != nullptr;
}
