#include "form_fonts.h"

#include <QWidget>

namespace {

void applyOne(QWidget *widget)
{
    const QVariant pixels = widget->property("pixelSize");
    if (!pixels.isValid())
        return;
    QFont font = widget->font();
    font.setPixelSize(pixels.toInt());
    font.setHintingPreference(
        widget->property("designMetrics").toBool() ? QFont::PreferNoHinting : QFont::PreferFullHinting);
    widget->setFont(font);
}

} // namespace

void applyPixelFonts(QWidget *root)
{
    applyOne(root);
    const auto children = root->findChildren<QWidget *>();
    for (QWidget *child : children)
        applyOne(child);
}
