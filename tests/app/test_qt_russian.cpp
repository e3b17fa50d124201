// Qt's own texts in the program's window are Russian whatever the user's
// locale: the answer field's context menu, the journal's file and print
// dialogs and a message box's standard buttons.
#include "window_fixture.h"

#include "journal.h"
#include "journal_dialogs.h"
#include "russian_locale.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

// What the pupil reads, without mnemonics and shortcuts ("&Копировать\tCtrl+C"
// reads "Копировать").
QString readable(const QString &text)
{
    return text.section(u'\t', 0, 0).remove(u'&');
}

QStringList contextMenuOfTheAnswerField(TForm1 &form)
{
    QLineEdit *field = form.experiment().ui().Edit5;
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu)
        return {};
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts.append(readable(action->text()));
    menu->close();
    return texts;
}

// Every caption of the dialog that `open` brings up (labels, buttons, column
// headings, the places of a side panel); the dialog is then cancelled.
QStringList captionsOfDialog(const std::function<void()> &open)
{
    QStringList texts;
    QMetaObject::invokeMethod(
        qApp,
        [&texts] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            texts.append(readable(label->text()));
        for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
            texts.append(readable(button->text()));
        for (const QAbstractItemView *view : dialog->findChildren<QAbstractItemView *>()) {
            const QAbstractItemModel *model = view->model();
            for (int column = 0; column < model->columnCount(); ++column)
                texts.append(model->headerData(column, Qt::Horizontal).toString());
            for (int row = 0; row < model->rowCount(); ++row)
                texts.append(model->index(row, 0).data().toString());
        }
        dialog->reject();
        },
        Qt::QueuedConnection);
    open();
    return texts;
}

QStringList journalSaveDialog(TForm1 &form)
{
    return captionsOfDialog([&form] { QtJournalDialogs().chooseSaveFile(&form); });
}

QStringList journalPrintDialog(TForm1 &form)
{
    return captionsOfDialog([&form] { QtJournalDialogs().print(&form, form.journal()); });
}

QStringList standardButtons(TForm1 &form)
{
    QMessageBox box(QMessageBox::Question, u"?"_s, u"?"_s,
        QMessageBox::Save | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No, &form);
    QStringList texts;
    for (const QAbstractButton *button : box.buttons())
        texts.append(readable(button->text()));
    return texts;
}

struct QtSurface {
    const char *name;
    QStringList (*captions)(TForm1 &);
    std::vector<const char16_t *> russian; // as qtbase_ru words them
};

void PrintTo(const QtSurface &surface, std::ostream *out)
{
    *out << surface.name;
}

class QtOwnTexts : public WindowTest, public testing::WithParamInterface<QtSurface> {};

TEST_P(QtOwnTexts, AreRussian)
{
    showWindow();
    press(ui().Button2);
    const QStringList captions = GetParam().captions(form());
    for (const char16_t *word : GetParam().russian)
        EXPECT_TRUE(captions.contains(QString::fromUtf16(word)))
            << QString::fromUtf16(word).toStdString() << " is not among: " << captions.join(u" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Surfaces, QtOwnTexts,
    testing::Values(QtSurface{"AnswerFieldContextMenu", contextMenuOfTheAnswerField,
                        {u"Отменить действие", u"Вырезать", u"Копировать", u"Вставить", u"Удалить", u"Выделить всё"}},
        QtSurface{"JournalSaveDialog", journalSaveDialog,
            {u"Компьютер", u"Имя", u"Размер", u"Тип", u"Дата изменения", u"Имя файла:", u"Типы файлов:", u"Сохранить",
                u"Отмена"}},
        QtSurface{"JournalPrintDialog", journalPrintDialog, {u"Печать", u"Отмена", u"Свойства", u"Количество копий:"}},
        QtSurface{"MessageBoxStandardButtons", standardButtons, {u"Сохранить", u"Отмена", u"Да", u"Нет"}}),
    [](const auto &info) { return std::string(info.param.name); });

// The cases above once more, in a program of their own under each locale:
// the translation is chosen by its name, not by the user's language.
class QtOwnTextsUnderLocale : public testing::TestWithParam<const char *> {};

TEST_P(QtOwnTextsUnderLocale, AreRussian)
{
    const QString locale = QString::fromLatin1(GetParam());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_MESSAGES", "LC_CTYPE", "LC_NUMERIC", "LOCPATH"})
        env.remove(QString::fromLatin1(name));
    env.insert(u"LC_ALL"_s, locale);
    env.insert(u"LANG"_s, locale);
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    QTemporaryDir scratch;
    if (locale.startsWith(u"ru_RU")) {
        const std::optional<QString> path = russianLocalePath(scratch);
        ASSERT_TRUE(path) << "ru_RU.UTF-8 is neither installed nor can be compiled";
        if (!path->isEmpty())
            env.insert(u"LOCPATH"_s, *path);
    }
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {u"--gtest_filter=Surfaces/QtOwnTexts.*"_s});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QByteArray output = child.readAll();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 4 tests.")) << output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Locales, QtOwnTextsUnderLocale, testing::Values("C.UTF-8", "ru_RU.UTF-8"),
    [](const auto &info) {
    std::string name = info.param;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
});

} // namespace
