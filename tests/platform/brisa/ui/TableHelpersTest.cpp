#include "platform/brisa/ui/TableColumns.h"
#include "platform/brisa/ui/TableSelection.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTableView>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>

using brisa::TableColumn;
using brisa::TableColumns;
using brisa::TableSelection;

namespace {

QList<int> selectedRows(const QAbstractItemView& view)
{
    QList<int> rows;
    for (const QModelIndex& index : view.selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

class TableHelpersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selectOnlyRowsReplacesTheSelection()
    {
        QStringListModel model(QStringList({"a", "b", "c", "d", "e"}));
        QTableView view;
        view.setModel(&model);
        view.setSelectionMode(QAbstractItemView::ExtendedSelection);
        view.selectionModel()->select(model.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);

        TableSelection::selectOnlyRows(&view, {3, 1, 9, -2});
        QCOMPARE(selectedRows(view), QList<int>({1, 3}));
        QCOMPARE(view.currentIndex().row(), 1);
        TableSelection::selectOnlyRow(&view, 4);
        QCOMPARE(selectedRows(view), QList<int>({4}));
        TableSelection::selectOnlyRows(&view, {});
        QVERIFY(selectedRows(view).isEmpty());
    }

    void outlineRowsCountAsShown()
    {
        QStandardItemModel model;
        auto* first = new QStandardItem(QStringLiteral("group 1"));
        first->appendRow(new QStandardItem(QStringLiteral("child 1.1")));
        first->appendRow(new QStandardItem(QStringLiteral("child 1.2")));
        auto* second = new QStandardItem(QStringLiteral("group 2"));
        second->appendRow(new QStandardItem(QStringLiteral("child 2.1")));
        model.appendRow(first);
        model.appendRow(second);
        QTreeView tree;
        tree.setModel(&model);
        tree.setSelectionMode(QAbstractItemView::ExtendedSelection);
        tree.expand(model.indexFromItem(first));

        // Shown rows: group 1, child 1.1, child 1.2, group 2.
        TableSelection::selectOnlyRows(&tree, {2, 3});
        const QModelIndexList selected = tree.selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 2);
        QVERIFY(selected.contains(model.indexFromItem(first->child(1))));
        QVERIFY(selected.contains(model.indexFromItem(second)));
    }

    void scrollsTheTopmostSelectedRowIntoView()
    {
        QStringList rows;
        for (int row = 0; row < 200; ++row)
            rows << QStringLiteral("row %1").arg(row);
        QStringListModel model(rows);
        QTableView view;
        view.setModel(&model);
        view.setSelectionMode(QAbstractItemView::ExtendedSelection);
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        TableSelection::selectOnlyRows(&view, {180, 120});
        TableSelection::scrollToFirstSelectedRow(&view);
        QTRY_VERIFY(view.viewport()->rect().intersects(view.visualRect(model.index(120, 0))));
        QVERIFY(!view.viewport()->rect().intersects(view.visualRect(model.index(0, 0))));
    }

    void replaceTableColumnsPutsTheGivenColumnsInOrder()
    {
        QStandardItemModel model(3, 4);
        QTableView table;
        table.setModel(&model);
        const QList<TableColumn> columns = {{"FileNameTableColumn", "Name", 180}, {"FileDateTableColumn", "Date", 0}};
        QVERIFY(TableColumns::replaceTableColumns(&table, columns));
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Date"));
        QCOMPARE(table.horizontalHeader()->sectionSize(0), 180);
        QCOMPARE(TableColumns::columnIndex(&table, "FileDateTableColumn"), 1);
        QCOMPARE(TableColumns::columnIndex(&table, "Gone"), -1);

        QTreeWidget tree;
        tree.setHeaderLabels({"a", "b", "c"});
        QVERIFY(TableColumns::replaceTableColumns(&tree, {{"KeywordNameTableColumn", "Keyword", 0}}));
        QCOMPARE(tree.columnCount(), 1);
        QCOMPARE(tree.headerItem()->text(0), QStringLiteral("Keyword"));
        QCOMPARE(TableColumns::columnIndex(&tree, "KeywordNameTableColumn"), 0);

        // A model that cannot change its columns is left as it was.
        QStringListModel fixed(QStringList({"x"}));
        QTableView fixedView;
        fixedView.setModel(&fixed);
        QVERIFY(!TableColumns::replaceTableColumns(&fixedView, columns));
        QCOMPARE(fixedView.model()->columnCount(), 1);
    }
};

QTEST_MAIN(TableHelpersTest)
#include "TableHelpersTest.moc"
