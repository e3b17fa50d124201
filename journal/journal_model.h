#pragma once

#include "journal_columns.h"
#include "journal_row.h"
#include "number_text.h"

#include <QAbstractTableModel>

#include <vector>

namespace journal {

// The rows of the journal as a table: one row per judged check, the texts of
// journal_columns. It knows no widgets; the journal screen shows it, the CSV
// file and the report read the same texts.
class JournalModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit JournalModel(const bench::NumberFormat &format, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void append(JournalRow row);
    void clear();
    // The set wavelength of every row of that line is shown from now on.
    void reveal(const QString &line);

    const std::vector<JournalRow> &rows() const { return rows_; }
    QString cellText(int row, Column column) const;
    const bench::NumberFormat &format() const { return format_; }

    // Rows were added since the journal was last written to a file.
    bool hasUnsavedRows() const { return unsaved_; }
    void markSaved() { unsaved_ = false; }

private:
    bench::NumberFormat format_;
    std::vector<JournalRow> rows_;
    bool unsaved_ = false;
};

} // namespace journal
