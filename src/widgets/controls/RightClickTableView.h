#pragma once

#include "widgets/controls/RightClickView.h"

#include <QTableView>

namespace corvelle {

// A QTableView whose context menu behaves as described in RightClickView.
class RightClickTableView : public RightClickView<QTableView> {
    Q_OBJECT
public:
    explicit RightClickTableView(QWidget* parent = nullptr);
};

} // namespace corvelle
