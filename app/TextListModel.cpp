#include "app/TextListModel.h"

#include "app/QtText.h"

#include <climits>

TextListModel::TextListModel(const TextList &items, QObject *parent)
    : QAbstractListModel(parent), items_(items) {}

int TextListModel::rowCount(const QModelIndex &parent) const {
    if (parent.isValid())
        return 0;
    return items_.Count() > INT_MAX ? INT_MAX : static_cast<int>(items_.Count());
}

QModelIndex TextListModel::index(int row, int column, const QModelIndex &parent) const {
    if (row < 0 || column != 0 || parent.isValid() || static_cast<std::size_t>(row) >= items_.Count())
        return {};
    return createIndex(row, column);
}

QVariant TextListModel::data(const QModelIndex &index, int role) const {
    // While a handler runs, a modal box may let the view paint rows of a list
    // the handler has already shortened; such rows are blank until the refresh.
    if (role != Qt::DisplayRole || !index.isValid() ||
        static_cast<std::size_t>(index.row()) >= items_.Count())
        return {};
    return ToQString(items_[static_cast<std::size_t>(index.row())]);
}

void TextListModel::ItemsChanged() {
    beginResetModel();
    endResetModel();
}

void TextListModel::ItemsRewritten() {
    const int rows = rowCount();
    if (rows > 0)
        emit dataChanged(index(0), index(rows - 1), {Qt::DisplayRole});
}
