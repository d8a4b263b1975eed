#pragma once

#include "editor/FileTextTableCellView.h"

namespace corvelle {

// The cell of a pair's source tag in the tag copies sheet: the tag's full name.
class TagValueSyncSourceTagTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    explicit TagValueSyncSourceTagTableCellView(QObject* parent = nullptr);

    QString text(const QModelIndex& index) const override;
};

} // namespace corvelle
