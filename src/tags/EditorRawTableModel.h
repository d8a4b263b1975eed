#pragma once

#include <QAbstractTableModel>

namespace halvex {
class TagComparatorSource;
} // namespace halvex

namespace corvelle {

// The raw comparison as an item model: the rows and columns that a comparison source shows for
// its search text. A heading row holds its title in column 0 (display role) and nothing in the
// other columns, and cannot be selected; a tag row holds one search value per column
// (InspectorValueTableCellView::searchValueRole, its text in the display role). The header
// titles the columns. reload() follows a new table or a new search text as a whole.
class EditorRawTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int isHeadingRole = Qt::UserRole + 41;

    explicit EditorRawTableModel(const halvex::TagComparatorSource* source, QObject* parent = nullptr);

    void reload();
    bool isHeading(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const halvex::TagComparatorSource* source_;
};

} // namespace corvelle
