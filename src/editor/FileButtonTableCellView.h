#pragma once

#include "editor/FileItemTableCellView.h"

class QToolButton;

namespace corvelle {

// A cell holding one borderless image button whose click runs performAction().
class FileButtonTableCellView : public FileItemTableCellView {
    Q_OBJECT

public:
    explicit FileButtonTableCellView(QWidget* parent = nullptr);

    QToolButton* selectionButton() const { return selectionButton_; }

protected:
    virtual void performAction() {}

private:
    QToolButton* selectionButton_;
};

} // namespace corvelle
