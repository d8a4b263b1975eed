#pragma once

#include "editor/FileTextTableCellView.h"

namespace corvelle {

// The cell of a pair's destination tag in the tag copies sheet: the tag's full name.
class TagValueSyncDestTagTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    explicit TagValueSyncDestTagTableCellView(QObject* parent = nullptr);

    QString text(const QModelIndex& index) const override;
};

} // namespace corvelle
