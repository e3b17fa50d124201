#include "keyboard_help.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

const std::vector<KeyHelp> &keyboardHelp()
{
    static const std::vector<KeyHelp> help{
        {u"Tab, Shift+Tab"_s, u"перейти к следующему или предыдущему элементу окна"_s},
        {u"Пробел"_s, u"нажать выбранную кнопку"_s},
        {u"Ctrl+↑, Ctrl+↓"_s, u"увеличить или уменьшить постоянную решетки d на 0,1 (на экране эксперимента)"_s},
        {u"→, ←"_s, u"на спектральной полосе: длина волны на 1 нм больше или меньше"_s},
        {u"PageUp, PageDown"_s, u"на спектральной полосе: длина волны на 10 нм больше или меньше"_s},
        {u"Home, End"_s, u"на спектральной полосе: длина волны 380 нм или 760 нм"_s},
        {u"↑, ↓"_s, u"на картине стенда: выбрать соседний максимум выше или ниже оси"_s},
        {u"Home"_s, u"на картине стенда: выбрать центральный максимум"_s},
        {u"↑, ↓, PageUp, PageDown"_s,
            u"на визире (справа, у шкалы): визир на 1 пиксель или на 1 см выше или ниже; при монохроматическом "
            u"свете первое нажатие показывает визир"_s},
        {u"Home, Esc"_s, u"на визире: визир на ось; скрыть визир при монохроматическом свете"_s},
        {u"↑, ↓"_s, u"в поле «Источник света»: выбрать другой источник"_s},
        {u"Enter"_s, u"в поле ответа: проверить ответ, как кнопка «Проверить»"_s},
        {u"Ctrl+S, Ctrl+P"_s, u"в журнале: сохранить журнал (CSV или PDF), напечатать отчёт"_s},
        {u"Ctrl+O"_s, u"открыть файл контрольного задания, как «Открыть задание…» на заставке"_s},
        {u"F1"_s, u"открыть эту справку; Esc закрывает её"_s},
    };
    return help;
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
    QPushButton *close = buttons->addButton(u"Закрыть"_s, QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, sizeHint().height());
}

QString KeyboardHelpDialog::title()
{
    return u"Управление с клавиатуры"_s;
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
