#include "image_control.h"

#include "picture_catalogue.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void TImage::setPictureName(const QString &name)
{
    pictureName_ = name;
    if (name.isEmpty()) {
        setPicture(QImage(), std::nullopt);
        return;
    }
    const QByteArray latin = name.toLatin1();
    const auto id = assets::pictureByName(std::string_view(latin.constData(), size_t(latin.size())));
    if (!id) {
        qWarning("TImage: unknown picture %s", qUtf8Printable(name));
        return;
    }
    setPicture(assets::picture(*id), assets::pictureInfo(*id).key);
    pictureName_ = name;
}

void TImage::setPicture(const QImage &rgb, std::optional<QRgb> key)
{
    picture_ = rgb;
    key_ = key;
    pictureName_.clear();
    rebuildPixmap();
}

void TImage::copyPictureFrom(const TImage &other)
{
    setPicture(other.picture_.copy(), other.key_);
    pictureName_ = other.pictureName_;
}

void TImage::setCanvas(const QImage *image)
{
    canvas_ = image;
    update();
}

void TImage::setTransparent(bool transparent)
{
    transparent_ = transparent;
    rebuildPixmap();
}

void TImage::rebuildPixmap()
{
    if (picture_.isNull())
        shown_ = QPixmap();
    else
        shown_ = QPixmap::fromImage(assets::applyKey(picture_, transparent_ ? key_ : std::nullopt));
    update();
}

void TImage::paintEvent(QPaintEvent *)
{
    if (!canvas_ && shown_.isNull())
        return;
    QPainter painter(this);
    if (canvas_)
        painter.drawImage(0, 0, *canvas_);
    else
        painter.drawPixmap(0, 0, shown_);
}

void TImage::mousePressEvent(QMouseEvent *event)
{
    clickArmed_ = event->button() == Qt::LeftButton;
    emit mousePressed(event->button(), event->position().toPoint());
}

void TImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a press, but its release is no click.
    clickArmed_ = false;
    emit mousePressed(event->button(), event->position().toPoint());
}

void TImage::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->buttons(), event->position().toPoint());
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const bool click = clickArmed_ && event->button() == Qt::LeftButton && rect().contains(pos);
    clickArmed_ = false;
    if (click)
        emit clicked();
    emit mouseReleased(event->button(), pos);
}
