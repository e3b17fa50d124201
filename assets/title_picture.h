#pragma once

#include <QImage>
#include <QString>

// The title banner: two lines of bold blue letters with a pale outline on
// black, the black being the picture's colour key. The Russian banner is the
// committed pic_title; a translated one is drawn from its own two lines in
// the same font, fill and outline, at the same size. Drawing needs a
// QGuiApplication (fonts).
namespace assets {

// The committed picture when the lines are the Russian ones, otherwise the
// lines drawn at run time. A line too long for the picture is narrowed (and,
// past a point, made smaller) until it fits; it is never cut off.
QImage titlePicture(const QString &first, const QString &second);

// Always draws. For the Russian lines this is the committed picture itself:
// their boxes were fitted by hand, and the art generator draws pic_title here.
QImage drawTitlePicture(const QString &first, const QString &second);

} // namespace assets
