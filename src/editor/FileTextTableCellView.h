#pragma once

#include "editor/FileItemTableCellView.h"

#include <QCache>

#include <functional>
#include <memory>

namespace halvex {
class TagEditor;
} // namespace halvex

namespace corvelle {

// A cell showing one line of text, cut where the column is too narrow (at its end unless the
// cell says otherwise), with the whole text as its tool tip when it is cut.
class FileTextTableCellView : public FileItemTableCellView {
    Q_OBJECT

public:
    explicit FileTextTableCellView(QObject* parent = nullptr);

    static FileTableCellType cellType();

    // The whole text: the cell's value when it is a text, else an empty text.
    virtual QString text(const QModelIndex& index) const;
    virtual Qt::TextElideMode elideMode() const { return Qt::ElideRight; }
    // The text as far as it fits a cell of that rectangle, with an ellipsis where it is cut.
    QString displayedText(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // Makes the text of an editor; it runs on a worker thread, so it holds no reference to the cell.
    using StringValueMaker = std::function<QString(const halvex::TagEditor& editor)>;

protected:
    void paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The text `maker` makes of the row's editor off the main thread: "-" until it arrives (the
    // cell is then repainted), again whenever the row's revision changes.
    QString deferredText(const QModelIndex& index, const StringValueMaker& maker) const;

private:
    struct DeferredText {
        std::weak_ptr<halvex::TagEditor> editor;
        int revision = 0;
        QString text;
    };
    mutable QCache<const halvex::TagEditor*, DeferredText> deferredTexts_;
};

} // namespace corvelle
