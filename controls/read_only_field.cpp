#include "read_only_field.h"

#include <QApplication>
#include <QLineEdit>

void setReadOnlyField(QLineEdit *field, bool readOnly)
{
    field->setReadOnly(readOnly);
    const QPalette standard = QApplication::palette(field);
    const QColor base = standard.color(readOnly ? QPalette::Button : QPalette::Base);
    // The experiment screen sets its fields on every change of the light.
    if (field->palette().color(QPalette::Base) == base)
        return;
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, base);
    field->setPalette(palette);
}
