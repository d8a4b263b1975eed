#pragma once

#include "editor/FileTextTableCellView.h"

namespace corvelle {

// The cell between a pair's two tags in the tag copies sheet: the arrow of the copy.
class TagValueSyncMiddleTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    explicit TagValueSyncMiddleTableCellView(QObject* parent = nullptr);

    QString text(const QModelIndex& index) const override;
};

} // namespace corvelle
