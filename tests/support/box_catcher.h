#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>

#include <vector>

// Every message box that comes up while it lives is recorded and dismissed
// with its OK button, as a pupil would: as soon as it is shown, the click is
// queued, and the box's own event loop delivers it.
class BoxCatcher : public QObject {
public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QStringList buttons;
        Qt::WindowModality modality;
    };

    BoxCatcher() { qApp->installEventFilter(this); }
    ~BoxCatcher() override { qApp->removeEventFilter(this); }

    const std::vector<Shown> &shown() const { return shown_; }
    // The next box that comes up is answered with the button of this
    // caption instead.
    void answerNextWith(const QString &caption) { answers_.push_back(caption); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Show) {
            QStringList buttons;
            for (QAbstractButton *button : box->buttons())
                buttons.append(button->text());
            shown_.push_back({box->windowTitle(), box->text(), box->icon(), buttons, box->windowModality()});
            QString answer;
            if (!answers_.empty()) {
                answer = answers_.front();
                answers_.erase(answers_.begin());
            }
            QMetaObject::invokeMethod(
                box,
                [box = QPointer<QMessageBox>(box), answer] {
                if (!box)
                    return;
                for (QAbstractButton *button : box->buttons()) {
                    if (!answer.isEmpty() && button->text() == answer) {
                        button->click();
                        return;
                    }
                }
                if (QAbstractButton *ok = box->button(QMessageBox::Ok))
                    ok->click();
                else
                    box->reject();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::vector<Shown> shown_;
    std::vector<QString> answers_;
};
