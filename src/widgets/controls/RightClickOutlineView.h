#pragma once

#include "widgets/controls/RightClickView.h"

#include <QTreeView>

namespace corvelle {

// A QTreeView whose context menu behaves as described in RightClickView.
class RightClickOutlineView : public RightClickView<QTreeView> {
    Q_OBJECT
public:
    explicit RightClickOutlineView(QWidget* parent = nullptr);
};

} // namespace corvelle
