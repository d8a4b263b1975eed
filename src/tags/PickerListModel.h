#pragma once

#include "filemodel/FileRowDragData.h"
#include "platform/brisa/core/ArrayHelpers.h"
#include "platform/brisa/core/IndexSet.h"
#include "platform/brisa/ui/SymbolIcons.h"

#include <QAbstractListModel>
#include <QHeaderView>
#include <QTableView>
#include <QMimeData>

#include <functional>
#include <optional>

namespace corvelle {

// The roles a picker list answers beside the display text, the tool tip and the element itself
// (Qt::UserRole).
struct PickerListRole {
    // Whether the row carries the check mark of a single-choice list.
    static constexpr int checked = Qt::UserRole + 1;
    // A second line that tells apart elements of one title (a tag's full name); may be empty.
    static constexpr int detail = Qt::UserRole + 2;
    // The height of every row.
    static constexpr int rowHeight = 42;
};

// The rows of a picker's list: tag items or tag streams, each shown by its title. A single-choice
// list marks the picked element with a check mark (the other rows with an empty circle). Rows
// may be dragged out under a private type, and a list given a drop handler takes rows dropped
// between its rows (never onto one) under the types it names. Edits of the list go through the
// row signals, so the view keeps its scroll position; a new search result replaces the list.
template<class Element>
class PickerListModel : public QAbstractListModel {
public:
    using Title = std::function<QString(const Element&)>;
    static constexpr int CheckedRole = PickerListRole::checked;
    static constexpr int DetailRole = PickerListRole::detail;
    // Rows dropped under `type` before `row` (the row count at the end); true when taken.
    using DropHandler = std::function<bool(const QString& type, const brisa::IndexSet& rows, int row)>;

    // Every row's text is `prefix` followed by the element's title.
    PickerListModel(Title title, QString prefix, QObject* parent = nullptr)
        : QAbstractListModel(parent), title_(std::move(title)), prefix_(std::move(prefix))
    {
    }

    void setDetail(Title detail) { detail_ = std::move(detail); }

    // Shows the model in `view`, a row of PickerListRole::rowHeight each.
    void showIn(QAbstractItemView* view)
    {
        view->setModel(this);
        if (auto* table = qobject_cast<QTableView*>(view)) {
            table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
            table->verticalHeader()->setDefaultSectionSize(PickerListRole::rowHeight);
        }
    }

    const QList<Element>& elements() const { return elements_; }
    std::optional<Element> elementAt(int row) const
    {
        return row >= 0 && row < elements_.size() ? std::optional<Element>(elements_.at(row)) : std::nullopt;
    }

    void setElements(const QList<Element>& elements)
    {
        beginResetModel();
        elements_ = elements;
        endResetModel();
    }

    void insertElements(int row, const QList<Element>& elements)
    {
        if (elements.isEmpty())
            return;
        row = std::clamp(row, 0, int(elements_.size()));
        beginInsertRows({}, row, row + int(elements.size()) - 1);
        for (int i = 0; i < elements.size(); ++i)
            elements_.insert(row + i, elements.at(i));
        endInsertRows();
    }

    void removeElements(const brisa::IndexSet& rows)
    {
        const QList<int>& positions = rows.toList();
        for (auto it = positions.crbegin(); it != positions.crend(); ++it) {
            if (*it >= elements_.size())
                continue;
            beginRemoveRows({}, *it, *it);
            elements_.removeAt(*it);
            endRemoveRows();
        }
    }

    // Moves the rows, in their order, before the row that was at `destination`.
    void moveElements(const brisa::IndexSet& rows, int destination)
    {
        QList<Element> moved = elements_;
        brisa::move(moved, rows, destination);
        if (moved == elements_)
            return;
        const QList<Element> taken = brisa::at(elements_, rows);
        const int insertAt = std::clamp(destination, 0, int(elements_.size())) - rows.countBefore(destination);
        removeElements(rows);
        insertElements(insertAt, taken);
    }

    // Makes the list a single-choice list whose check mark stands on `element`'s rows.
    void setCheckedElement(const std::optional<Element>& element)
    {
        checkable_ = true;
        checked_ = element;
        if (!elements_.isEmpty())
            Q_EMIT dataChanged(index(0), index(int(elements_.size()) - 1), {Qt::DecorationRole});
    }

    void setDragType(const QString& type) { dragType_ = type; }
    void setDropHandler(const QStringList& types, DropHandler handler)
    {
        dropTypes_ = types;
        dropHandler_ = std::move(handler);
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(elements_.size()); }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override
    {
        const std::optional<Element> element = index.isValid() ? elementAt(index.row()) : std::nullopt;
        if (!element)
            return {};
        switch (role) {
        case Qt::DisplayRole:
            return QString(prefix_ + title_(*element));
        case Qt::ToolTipRole:
            return detail_ ? QString(title_(*element) + QStringLiteral(" (") + detail_(*element) + QLatin1Char(')'))
                           : title_(*element);
        case DetailRole:
            return detail_ ? detail_(*element) : QString();
        case Qt::DecorationRole:
            if (!checkable_)
                return {};
            return brisa::SymbolIcons::icon(checked_ == element ? QStringLiteral("checkmark.circle") : QStringLiteral("circle"));
        case Qt::UserRole:
            return QVariant::fromValue(*element);
        case CheckedRole:
            return checkable_ && checked_ == element;
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        Qt::ItemFlags flags = QAbstractListModel::flags(index);
        if (index.isValid() && !dragType_.isEmpty())
            flags |= Qt::ItemIsDragEnabled;
        if (!index.isValid() && dropHandler_)
            flags |= Qt::ItemIsDropEnabled;
        return flags;
    }

    QStringList mimeTypes() const override
    {
        QStringList types = dropTypes_;
        if (!dragType_.isEmpty() && !types.contains(dragType_))
            types.prepend(dragType_);
        return types;
    }

    QMimeData* mimeData(const QModelIndexList& indexes) const override
    {
        if (dragType_.isEmpty())
            return nullptr;
        brisa::IndexSet rows;
        for (const QModelIndex& index : indexes)
            rows.insert(index.row());
        return FileRowDragData::make(dragType_, rows);
    }

    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction | Qt::CopyAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction | Qt::CopyAction; }

    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override
    {
        Q_UNUSED(column);
        Q_UNUSED(row);
        if (!dropHandler_ || parent.isValid() || !(action & (Qt::MoveAction | Qt::CopyAction)) || !data)
            return false;
        for (const QString& type : dropTypes_) {
            if (data->hasFormat(type))
                return true;
        }
        return false;
    }

    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column, const QModelIndex& parent) override
    {
        if (!canDropMimeData(data, action, row, column, parent))
            return false;
        const int destination = row < 0 ? int(elements_.size()) : std::min(row, int(elements_.size()));
        for (const QString& type : dropTypes_) {
            if (!data->hasFormat(type))
                continue;
            const std::optional<brisa::IndexSet> rows = FileRowDragData::rows(data, type);
            return rows && dropHandler_(type, *rows, destination);
        }
        return false;
    }

private:
    Title title_;
    Title detail_;
    QString prefix_;
    QList<Element> elements_;
    bool checkable_ = false;
    std::optional<Element> checked_;
    QString dragType_;
    QStringList dropTypes_;
    DropHandler dropHandler_;
};

} // namespace corvelle
