#pragma once

#include "tags/ContentItemTableCellView.h"
#include "tags/ContentNotesPopover.h"
#include "tags/ContentValue.h"

#include <QPointer>

#include <optional>

namespace corvelle {


// The cell of one value row: the labels in a column at most 220 wide at the left, with the
// notes button before them when the value has notes, and the value filling the rest of the row;
// 6 points from the sides and between them, 12 above and below. Its class answers a row's
// height for any object value and width, without a cell.
class ContentValueTableCellView : public ContentItemTableCellView {
    Q_OBJECT

public:
    static constexpr qreal horizontalMargin = 6;
    static constexpr qreal spacing = 6;
    static constexpr qreal verticalMargin = 12;
    static constexpr qreal maximumLabelWidth = 220;
    // The widest label column and the three horizontal gaps.
    static constexpr qreal labelColumnWidth = maximumLabelWidth + horizontalMargin + spacing + horizontalMargin;
    static constexpr qreal minimumRowHeight = 41;
    static constexpr int notesButtonSize = 16;
    static constexpr qreal notesButtonSpacing = 8;

    explicit ContentValueTableCellView(QObject* parent = nullptr);

    static QString cellIdentifier() { return QStringLiteral("ContentValueTableCellView"); }
    QString identifier() const override { return cellIdentifier(); }

    static qreal labelsHeight(const ContentValue& value);
    // The value measured in a row of this width; a row narrower than its label column leaves the
    // value no width.
    static qreal valueHeight(const ContentValue& value, qreal width);
    // 41 for anything but a ContentValue.
    static qreal heightForObjectValue(const QVariant& objectValue, qreal width);
    static std::optional<ContentValue> contentValue(const QModelIndex& index);

    // Where the parts of a row stand in the cell's rectangle.
    struct Layout {
        QRectF notesButton;
        QRectF label;
        QRectF value;
    };
    static Layout layout(const QRectF& cell, const ContentValue& value);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // A click on the notes button opens the notes.
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    // Opens the row's notes below its button; nothing without notes.
    ContentNotesPopover* showNotesPopover(const QModelIndex& index, const QRect& cellRect, QWidget* view);
    // The popover open now, if any.
    ContentNotesPopover* notesPopover() const { return popover_; }

private:
    QPointer<ContentNotesPopover> popover_;
};

} // namespace corvelle
