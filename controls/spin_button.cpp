#include "spin_button.h"

TSpinButton::TSpinButton(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}
