#pragma once

#include "engine/ostrak/TagItem.h"
#include "engine/ostrak/TagName.h"

#include <QAbstractListModel>
#include <QSet>

namespace corvelle {

// The tags the displayed tag list can take, as the sheet's search found them: one row each,
// "- " and the tag's title, with a check mark on the tags the list already shows. Rows are
// dragged out (never dropped in) under availableRowType().
class TagListAvailableTagsModel : public QAbstractListModel {
    Q_OBJECT

public:
    static QString availableRowType();

    explicit TagListAvailableTagsModel(QObject* parent = nullptr);

    const QList<ostrak::TagItem>& items() const { return items_; }
    void setItems(const QList<ostrak::TagItem>& items);
    // The tags the check marks stand for.
    void setDisplayedTags(const QSet<ostrak::TagName>& names);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }
    bool canDropMimeData(const QMimeData*, Qt::DropAction, int, int, const QModelIndex&) const override { return false; }

private:
    QList<ostrak::TagItem> items_;
    QSet<ostrak::TagName> displayed_;
};

} // namespace corvelle
