#include "board_projector.h"

#include "teacher_texts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QLabel *projectorLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

void setProjectorFont(QLabel *label, int pixels, bool bold)
{
    QFont font = label->font();
    font.setPixelSize(std::max(pixels, 8));
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

BoardProjector::BoardProjector(const QString &code, const QString &title, const QString &form, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(TeacherText::tr("Код для доски"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Dark on white: what a washed-out projector still shows sharply.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    title_ = projectorLabel(title, this);
    code_ = projectorLabel(code, this);
    code_->setWordWrap(false);
    code_->setAccessibleName(TeacherText::tr("Код для доски"));
    form_ = projectorLabel(form.isEmpty() ? QString() : TeacherText::tr("Класс %1").arg(form), this);
    form_->setVisible(!form.isEmpty());
    hint_ = projectorLabel(TeacherText::tr("Esc — закрыть"), this);
    QPalette grey = hint_->palette();
    grey.setColor(QPalette::WindowText, QColor(150, 150, 150));
    hint_->setPalette(grey);

    auto *column = new QVBoxLayout(this);
    column->addStretch(1);
    column->addWidget(title_);
    column->addWidget(form_);
    column->addStretch(1);
    column->addWidget(code_);
    column->addStretch(2);
    column->addWidget(hint_);
}

void BoardProjector::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void BoardProjector::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The code as tall as a third of the screen, narrowed until it fits.
    int pixels = height() / 3;
    QFont font = code_->font();
    font.setBold(true);
    font.setPixelSize(std::max(pixels, 8));
    const int wide = QFontMetrics(font).horizontalAdvance(code_->text());
    if (wide > 0 && wide > width() * 9 / 10)
        pixels = pixels * width() * 9 / 10 / wide;
    setProjectorFont(code_, pixels, true);
    setProjectorFont(title_, height() / 14, false);
    setProjectorFont(form_, height() / 10, true);
    setProjectorFont(hint_, height() / 40, false);
}
