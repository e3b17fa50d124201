#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <optional>

// A picture control: shows its picture unscaled at its top-left corner, with
// the picture's exact-colour key applied when the control is transparent.
// Without a picture it draws nothing and is still a click target. It can
// also show an external raster by reference (the bench canvas), opaque.
class TImage : public QWidget {
    Q_OBJECT
    // Set from the forms by catalogue name ("pic_lens"), empty for none.
    Q_PROPERTY(QString picture READ pictureName WRITE setPictureName)
    Q_PROPERTY(bool transparent READ isTransparent WRITE setTransparent)

public:
    explicit TImage(QWidget *parent = nullptr);

    QString pictureName() const { return pictureName_; }
    void setPictureName(const QString &name);
    // An RGB picture with its own transparent colour, or none.
    void setPicture(const QImage &rgb, std::optional<QRgb> key);
    // The picture of another control, copied (the source keeps its own).
    void copyPictureFrom(const TImage &other);
    bool hasPicture() const { return !picture_.isNull(); }
    const QImage &picture() const { return picture_; }
    std::optional<QRgb> pictureKey() const { return key_; }

    // Shows `image` (owned elsewhere, e.g. a TBitmap) without copying it;
    // call update() after it changed.
    void setCanvas(const QImage *image);
    const QImage *canvas() const { return canvas_; }

    bool isTransparent() const { return transparent_; }
    void setTransparent(bool transparent);

signals:
    void mousePressed(Qt::MouseButton button, QPoint pos);
    void mouseMoved(Qt::MouseButtons buttons, QPoint pos);
    void mouseReleased(Qt::MouseButton button, QPoint pos);
    // A completed left-button click: press and release over the control. The
    // second press of a double click gives no click.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void rebuildPixmap();

    QString pictureName_;
    QImage picture_;
    std::optional<QRgb> key_;
    QPixmap shown_;
    const QImage *canvas_ = nullptr;
    bool transparent_ = false;
    bool clickArmed_ = false;
};
