#pragma once

#include "document/TextList.h"

#include <QAbstractListModel>

// The items of a list box as a Qt model. It reads the core's list where it
// lies, so a list of a million subtitles costs the view nothing until rows
// are painted.
class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    TextListModel(const TextList &items, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    // The view asks for every row's index when it lays the rows out; this
    // answers without the base class's calls back into the model.
    QModelIndex index(int row, int column = 0, const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Tells the views that the list has changed as a whole.
    void ItemsChanged();
    // Tells the views that items have changed but not their number, which
    // spares them laying out every row anew.
    void ItemsRewritten();

private:
    const TextList &items_;
};
