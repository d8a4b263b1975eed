#pragma once

#include "tags/ContentItemTableCellView.h"

#include <QPointer>

class QMenu;

namespace corvelle {

// The cell of a section heading: the heading in bold at the bottom of the row, 6 points above
// its edge, and at its right a "more" button that pulls down the additional menu, when there
// is one.
class ContentHeaderTableCellView : public ContentItemTableCellView {
    Q_OBJECT

public:
    static constexpr qreal bottomMargin = 6;
    static constexpr qreal stackHeight = 18;
    static constexpr qreal spacing = 12;

    explicit ContentHeaderTableCellView(QObject* parent = nullptr);

    static QString cellIdentifier() { return QStringLiteral("ContentHeaderTableCellView"); }
    QString identifier() const override { return cellIdentifier(); }

    // The heading: the object value when it is a text, else none.
    static std::optional<QString> title(const QModelIndex& index);
    static QFont headerFont();

    // The menu of the more button; none hides the button. Not owned.
    QMenu* additionalMenu() const { return additionalMenu_; }
    void setAdditionalMenu(QMenu* menu);
    // The heading whose more button opened the menu last.
    QModelIndex menuIndex() const { return menuIndex_; }

    QRectF moreButtonRect(const QRectF& cell) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    QPointer<QMenu> additionalMenu_;
    QPersistentModelIndex menuIndex_;
};

} // namespace corvelle
