#include "keyboard_help.h"

#include "pupil_texts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

std::vector<KeyHelp> keyboardHelp()
{
    // Not kept: the texts follow the translator installed when asked.
    return {
        {u"Tab, Shift+Tab"_s, PupilText::tr("перейти к следующему или предыдущему элементу окна")},
        {PupilText::tr("Пробел"), PupilText::tr("нажать выбранную кнопку")},
        {u"Ctrl+↑, Ctrl+↓"_s,
            PupilText::tr("увеличить или уменьшить постоянную решетки d на 0,1 (на экране эксперимента)")},
        {u"→, ←"_s, PupilText::tr("на спектральной полосе: длина волны на 1 нм больше или меньше")},
        {u"PageUp, PageDown"_s, PupilText::tr("на спектральной полосе: длина волны на 10 нм больше или меньше")},
        {u"Home, End"_s, PupilText::tr("на спектральной полосе: длина волны 380 нм или 760 нм")},
        {u"↑, ↓"_s, PupilText::tr("на картине стенда: выбрать соседний максимум выше или ниже оси")},
        {u"Home"_s, PupilText::tr("на картине стенда: выбрать центральный максимум")},
        {u"↑, ↓, PageUp, PageDown"_s,
            PupilText::tr(
                "на визире (справа, у шкалы): визир на 1 пиксель или на 1 см выше или ниже; при монохроматическом "
                "свете первое нажатие показывает визир")},
        {u"Home, Esc"_s, PupilText::tr("на визире: визир на ось; скрыть визир при монохроматическом свете")},
        {u"↑, ↓"_s, PupilText::tr("в поле «Источник света»: выбрать другой источник")},
        {u"Enter"_s, PupilText::tr("в поле ответа: проверить ответ, как кнопка «Проверить»")},
        {u"Ctrl+S, Ctrl+P"_s, PupilText::tr("в журнале: сохранить журнал (CSV или PDF), напечатать отчёт")},
        {u"Ctrl+O"_s, PupilText::tr("открыть файл контрольного задания, как «Открыть задание…» на заставке")},
        {u"F1"_s, PupilText::tr("открыть эту справку; Esc закрывает её")},
    };
}

KeyboardHelpDialog::KeyboardHelpDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(title());
    setAccessibleName(title());
    auto *layout = new QVBoxLayout(this);
    auto *keys = new QGridLayout;
    int row = 0;
    for (const KeyHelp &entry : keyboardHelp()) {
        auto *key = new QLabel(u"<b>"_s + entry.keys.toHtmlEscaped() + u"</b>"_s, this);
        auto *action = new QLabel(entry.action, this);
        action->setWordWrap(true);
        // Read as one line: the key, then what it does.
        action->setAccessibleName(entry.keys + u": "_s + entry.action);
        keys->addWidget(key, row, 0, Qt::AlignTop);
        keys->addWidget(action, row, 1, Qt::AlignTop);
        ++row;
    }
    keys->setColumnStretch(1, 1);
    layout->addLayout(keys);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(PupilText::tr("Закрыть"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, sizeHint().height());
}

QString KeyboardHelpDialog::title()
{
    return PupilText::tr("Управление с клавиатуры");
}

void installKeyboardHelp(QWidget &window)
{
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    QObject::connect(f1, &QShortcut::activated, &window, [&window] {
        auto *dialog = window.findChild<KeyboardHelpDialog *>();
        if (!dialog)
            dialog = new KeyboardHelpDialog(&window);
        // Not exec(): the window's event loop and its timers go on.
        dialog->open();
    });
}
