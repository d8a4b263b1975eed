#pragma once

#include "editor/FileItemTableCellView.h"

namespace corvelle {

// A cell holding one borderless image button; a click on it runs performAction() for the
// button's row while the button is enabled.
class FileButtonTableCellView : public FileItemTableCellView {
    Q_OBJECT

public:
    using FileItemTableCellView::FileItemTableCellView;

    static FileTableCellType cellType();

    virtual QIcon buttonIcon(const QModelIndex& index) const;
    virtual bool isButtonEnabled(const QModelIndex& index) const;
    virtual QString buttonToolTip(const QModelIndex& index) const;
    // Where the button stands in a cell of that rectangle.
    static QRect buttonRect(const QRect& cellRect);

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    void paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // `view` is the widget the cell is shown in, if known.
    virtual void performAction(const QModelIndex& index, const QWidget* view, const QPoint& position);
};

} // namespace corvelle
