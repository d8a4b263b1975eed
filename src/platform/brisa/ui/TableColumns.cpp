#include "platform/brisa/ui/TableColumns.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QTableView>
#include <QTreeView>
#include <QTreeWidget>

namespace brisa {

namespace {

QHeaderView* headerOf(QAbstractItemView* view)
{
    if (auto* table = qobject_cast<QTableView*>(view))
        return table->horizontalHeader();
    if (auto* tree = qobject_cast<QTreeView*>(view))
        return tree->header();
    return nullptr;
}

bool setColumnCount(QAbstractItemView* view, QAbstractItemModel* model, int count)
{
    // A tree widget's model keeps at least its header item's columns through its own setter.
    if (auto* treeWidget = qobject_cast<QTreeWidget*>(view)) {
        treeWidget->setColumnCount(count);
        return treeWidget->columnCount() == count;
    }
    const int current = model->columnCount();
    if (current > count)
        return model->removeColumns(count, current - count);
    if (current < count)
        return model->insertColumns(current, count - current);
    return true;
}

} // namespace

bool TableColumns::replaceTableColumns(QAbstractItemView* view, const QList<TableColumn>& columns)
{
    QAbstractItemModel* model = view ? view->model() : nullptr;
    if (!model)
        return false;
    const int before = model->columnCount();
    if (!setColumnCount(view, model, 0)) {
        if (model->columnCount() != before)
            setColumnCount(view, model, before);
        return false;
    }
    if (!setColumnCount(view, model, static_cast<int>(columns.size())))
        return false;
    QHeaderView* header = headerOf(view);
    for (int index = 0; index < columns.size(); ++index) {
        const TableColumn& column = columns.at(index);
        model->setHeaderData(index, Qt::Horizontal, column.title, Qt::DisplayRole);
        model->setHeaderData(index, Qt::Horizontal, column.identifier, identifierRole);
        if (header && column.width > 0)
            header->resizeSection(index, column.width);
    }
    return true;
}

int TableColumns::columnIndex(const QAbstractItemView* view, const QString& identifier)
{
    const QAbstractItemModel* model = view ? view->model() : nullptr;
    if (!model)
        return -1;
    for (int index = 0; index < model->columnCount(); ++index) {
        if (model->headerData(index, Qt::Horizontal, identifierRole).toString() == identifier)
            return index;
    }
    return -1;
}

} // namespace brisa
