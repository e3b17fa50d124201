#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;
class QWidget;

// The file and print dialogs of the teacher's window, behind one seam: the
// program opens Qt's dialogs, tests answer without a dialog ever blocking.
class TeacherDialogs {
public:
    virtual ~TeacherDialogs() = default;
    // A name to write to, suggested name given; empty when cancelled.
    virtual QString chooseSaveFile(QWidget *parent, const QString &caption, const QString &suggested,
        const QString &filter) = 0;
    virtual QString chooseOpenFile(QWidget *parent, const QString &caption, const QString &filter) = 0;
    // Folders and files to read the pupils' results from; empty when cancelled.
    virtual QString chooseFolder(QWidget *parent, const QString &caption) = 0;
    virtual QStringList chooseOpenFiles(QWidget *parent, const QString &caption, const QString &filter) = 0;
    // The print dialog, then paint on the chosen printer; false when cancelled.
    virtual bool print(QWidget *parent, const std::function<void(QPagedPaintDevice &)> &paint) = 0;
};

class QtTeacherDialogs final : public TeacherDialogs {
public:
    QString chooseSaveFile(QWidget *parent, const QString &caption, const QString &suggested,
        const QString &filter) override;
    QString chooseOpenFile(QWidget *parent, const QString &caption, const QString &filter) override;
    QString chooseFolder(QWidget *parent, const QString &caption) override;
    QStringList chooseOpenFiles(QWidget *parent, const QString &caption, const QString &filter) override;
    bool print(QWidget *parent, const std::function<void(QPagedPaintDevice &)> &paint) override;
};
