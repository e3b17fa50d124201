#pragma once

#include <QWidget>

// The up/down spinner beside the grating field: two stacked buttons that
// step on release and repeat while held. (Behaviour: experiment handlers side.)
class TSpinButton : public QWidget {
    Q_OBJECT

public:
    explicit TSpinButton(QWidget *parent = nullptr);

signals:
    void upClick();
    void downClick();
};
