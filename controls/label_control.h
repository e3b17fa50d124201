#pragma once

#include <QLabel>

// A label that sizes itself to its caption, keeping its left and top edges,
// whenever the caption or the font changes. setText hides QLabel::setText so
// that every caller holding a TLabel (the forms, the handlers) resizes it.
class TLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)

public:
    explicit TLabel(QWidget *parent = nullptr);

    void setText(const QString &text);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitToCaption();

    bool autoSize_ = true;
};
