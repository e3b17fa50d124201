#include "journal_model.h"

namespace journal {

JournalModel::JournalModel(const bench::NumberFormat &format, QObject *parent)
    : QAbstractTableModel(parent), format_(format)
{
}

int JournalModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int JournalModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant JournalModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return cellText(index.row(), Column(index.column()));
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return headerText(Column(section));
}

QString JournalModel::cellText(int row, Column column) const
{
    return journal::cellText(rows_[size_t(row)], row + 1, column, format_);
}

void JournalModel::append(JournalRow row)
{
    const int at = rowCount();
    beginInsertRows({}, at, at);
    rows_.push_back(std::move(row));
    endInsertRows();
    unsaved_ = true;
}

void JournalModel::clear()
{
    if (rows_.empty())
        return;
    beginResetModel();
    rows_.clear();
    endResetModel();
    unsaved_ = false;
}

void JournalModel::reveal(const QString &line)
{
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].set.line == line && rows_[i].set.concealed) {
            rows_[i].set.concealed = false;
            const QModelIndex cell = index(int(i), int(Column::SetWavelength));
            emit dataChanged(cell, cell, {Qt::DisplayRole});
        }
    }
}

} // namespace journal
