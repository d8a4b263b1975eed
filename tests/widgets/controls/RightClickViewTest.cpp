#include "widgets/controls/RightClickOutlineView.h"
#include "widgets/controls/RightClickTableView.h"

#include <QApplication>
#include <QLineEdit>
#include <QSet>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <QtTest>

using corvelle::RightClickOutlineView;
using corvelle::RightClickTableView;
using corvelle::RightClickTableViewDelegate;

namespace {

class RecordingDelegate : public RightClickTableViewDelegate {
public:
    QSet<int> refusedRows;
    QList<QModelIndex> askedRows;
    int selectionCalls = 0;
    int menuCalls = 0;

    bool shouldRightClickRow(QAbstractItemView*, const QModelIndex& row) override
    {
        askedRows << row;
        return !refusedRows.contains(row.row());
    }
    void willDisplayMenu(QAbstractItemView*, QMenu*) override { ++menuCalls; }
    void selectionDidChange(QAbstractItemView*) override { ++selectionCalls; }
};

// Through the window, as the window system delivers it: the press, then the menu request.
void rightClick(QAbstractItemView* view, const QPoint& viewportPos)
{
    QWidget* window = view->window();
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                      view->viewport()->mapTo(window, viewportPos));
}

QList<int> selectedRows(QAbstractItemView* view)
{
    QList<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

QMenu* shownMenu()
{
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// A table of `rows` rows below a text field, in an active window, the text field focused.
struct TableWindow {
    QWidget window;
    QLineEdit* field = new QLineEdit(&window);
    RightClickTableView* view = new RightClickTableView(&window);
    QStandardItemModel model;

    explicit TableWindow(int rows)
        : model(rows, 2)
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(view);
        view->setModel(&model);
        window.resize(300, 400);
    }
    bool show()
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        field->setFocus();
        return field->hasFocus();
    }
    QPoint rowPoint(int row) const { return QPoint(5, view->rowViewportPosition(row) + 2); }
};

} // namespace

class RightClickViewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

    void tableRightClick_data()
    {
        QTest::addColumn<int>("clickedRow");   // -1: below the last row
        QTest::addColumn<bool>("refuseClickedRow");
        QTest::addColumn<bool>("emptyMenu");
        QTest::addColumn<QList<int>>("selectionAfter");
        QTest::addColumn<int>("selectionCalls");
        QTest::addColumn<bool>("menuShown");
        QTest::addColumn<bool>("viewFocused");

        // Rows 2 and 3 are selected before every click.
        QTest::newRow("below the last row") << -1 << false << false << QList<int>{2, 3} << 0 << true << true;
        QTest::newRow("unselected row") << 0 << false << false << QList<int>{0} << 1 << true << true;
        QTest::newRow("selected row") << 3 << false << false << QList<int>{2, 3} << 0 << true << true;
        QTest::newRow("refused row") << 0 << true << false << QList<int>{2, 3} << 0 << false << false;
        QTest::newRow("refused selected row") << 2 << true << false << QList<int>{2, 3} << 0 << false << false;
        QTest::newRow("empty menu, unselected row") << 4 << false << true << QList<int>{4} << 1 << false << true;
    }

    void tableRightClick()
    {
        QFETCH(int, clickedRow);
        QFETCH(bool, refuseClickedRow);
        QFETCH(bool, emptyMenu);
        QFETCH(QList<int>, selectionAfter);
        QFETCH(int, selectionCalls);
        QFETCH(bool, menuShown);
        QFETCH(bool, viewFocused);

        TableWindow w(5);
        RightClickTableView* view = w.view;
        QMenu menu;
        if (!emptyMenu)
            menu.addAction(QStringLiteral("Copy"));
        view->setMenu(&menu);
        RecordingDelegate delegate;
        if (refuseClickedRow)
            delegate.refusedRows << clickedRow;
        view->setRightClickDelegate(&delegate);
        QVERIFY(w.show());
        view->selectRow(2);
        view->selectionModel()->select(w.model.index(3, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QSignalSpy modelSelection(view->selectionModel(), &QItemSelectionModel::selectionChanged);

        const int lastRowBottom = view->rowViewportPosition(4) + view->rowHeight(4);
        QVERIFY(lastRowBottom + 10 < view->viewport()->height());
        const int y = clickedRow < 0 ? lastRowBottom + 5
                                     : view->rowViewportPosition(clickedRow) + view->rowHeight(clickedRow) / 2;
        // Right of the columns, so that only the height picks the row.
        rightClick(view, QPoint(view->viewport()->width() - 3, y));

        QCOMPARE(selectedRows(view), selectionAfter);
        QCOMPARE(delegate.selectionCalls, selectionCalls);
        QCOMPARE(modelSelection.count(), selectionCalls);
        QCOMPARE(shownMenu() == &menu, menuShown);
        if (menuShown)
            QVERIFY(menu.isVisible());
        QCOMPARE(delegate.menuCalls, menuShown ? 1 : 0);
        QCOMPARE(view->hasFocus(), viewFocused);
        QCOMPARE(w.field->hasFocus(), !viewFocused);
        // Only clicks on rows are put to the delegate, with the row's first column.
        if (clickedRow < 0) {
            QVERIFY(delegate.askedRows.isEmpty());
        } else {
            QCOMPARE(delegate.askedRows, QList<QModelIndex>{w.model.index(clickedRow, 0)});
        }
    }

    void tableWithoutDelegateOrMenu()
    {
        TableWindow w(3);
        QVERIFY(w.show());
        w.view->selectRow(0);

        rightClick(w.view, w.rowPoint(2));
        QCOMPARE(selectedRows(w.view), QList<int>{2});
        QVERIFY(w.view->hasFocus());
        // Neither the view nor its parent shows a menu.
        QVERIFY(!QApplication::activePopupWidget());
    }

    void leftClicksKeepTheirUsualSelectionAndFocus()
    {
        TableWindow w(3);
        QVERIFY(w.show());
        w.view->selectRow(0);

        QTest::mouseClick(w.window.windowHandle(), Qt::LeftButton, Qt::ControlModifier,
                          w.view->viewport()->mapTo(&w.window, w.rowPoint(1)));
        QCOMPARE(selectedRows(w.view), (QList<int>{0, 1}));
        QVERIFY(w.view->hasFocus());
    }

    void outlineSelectsTheClickedChildAlone()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* view = new RightClickOutlineView(&window);
        layout->addWidget(view);
        QStandardItemModel model;
        auto* group = new QStandardItem(QStringLiteral("group"));
        group->appendRow(new QStandardItem(QStringLiteral("first")));
        group->appendRow(new QStandardItem(QStringLiteral("second")));
        model.appendRow(group);
        model.appendRow(new QStandardItem(QStringLiteral("other")));
        view->setModel(&model);
        view->expandAll();
        QMenu menu;
        menu.addAction(QStringLiteral("Rename"));
        view->setMenu(&menu);
        RecordingDelegate delegate;
        view->setRightClickDelegate(&delegate);
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        const QModelIndex second = model.index(1, 0, group->index());
        view->selectionModel()->select(group->index(), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        view->selectionModel()->select(model.index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);

        rightClick(view, view->visualRect(second).center());
        QCOMPARE(view->selectionModel()->selectedRows(), QModelIndexList{second});
        QCOMPARE(delegate.askedRows, QList<QModelIndex>{second});
        QCOMPARE(delegate.selectionCalls, 1);
        QCOMPARE(shownMenu(), &menu);

        // Refused on the group row: nothing happens.
        cleanup();
        delegate.refusedRows << 0;
        rightClick(view, view->visualRect(group->index()).center());
        QCOMPARE(view->selectionModel()->selectedRows(), QModelIndexList{second});
        QVERIFY(!shownMenu());
    }
};

QTEST_MAIN(RightClickViewTest)
#include "RightClickViewTest.moc"
