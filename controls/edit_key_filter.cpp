#include "edit_key_filter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace {

bool isDigits(const QString &text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

bool DigitKeyFilter::discards(const QKeyEvent &event)
{
    const int key = event.key();
    if (key == Qt::Key_Backspace)
        return false;
    const Qt::KeyboardModifiers mods = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    // Ctrl with a letter types a control character (Ctrl+C is character 3)
    // even where the platform reports no text for it.
    if (mods == Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z)
        return true;
    const QString text = event.text();
    if (text.isEmpty())
        return false;
    // Tab, Return and Escape move focus or end editing; they type nothing here.
    if (text.size() == 1 && text[0].unicode() < 0x20 && mods == Qt::NoModifier)
        return false;
    return !isDigits(text);
}

bool DigitKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return discards(*static_cast<QKeyEvent *>(event));
    case QEvent::InputMethod: {
        // A composed character is typed as well.
        const auto *im = static_cast<QInputMethodEvent *>(event);
        return !im->commitString().isEmpty() && !isDigits(im->commitString());
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
