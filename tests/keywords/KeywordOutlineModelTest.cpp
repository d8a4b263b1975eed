#include "keywordmodel/KeywordOutlineModel.h"

#include "KeywordTestSupport.h"

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QtTest>

using corvelle::KeywordOutlineModel;
using halvex::KeywordItem;
using halvex::KeywordItemPtr;
using halvex::KeywordManager;
using keywordtest::describe;
using keywordtest::find;
using keywordtest::tree;

class KeywordOutlineModelTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    std::unique_ptr<KeywordManager> makeManager(const QString& items)
    {
        auto manager = std::make_unique<KeywordManager>(folder_.filePath(QStringLiteral("Keywords.json")));
        manager->setItems(tree(items));
        return manager;
    }

private Q_SLOTS:
    void followsTheLibraryRowByRow()
    {
        const auto manager = makeManager(QStringLiteral("A(A1,A2),B"));
        KeywordOutlineModel model(*manager);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QCOMPARE(describe(model), QStringLiteral("A(A1,A2),B"));

        // Each change through the manager or an item is one row signal, at its place.
        const KeywordItemPtr a = find(manager->items(), QStringLiteral("A"));
        const QPersistentModelIndex a2 = model.indexOf(find(manager->items(), QStringLiteral("A2")).get());
        manager->insertItems(tree(QStringLiteral("C(C1)")), 1);
        QCOMPARE(describe(model), QStringLiteral("A(A1,A2),C(C1),B"));
        QCOMPARE(inserted.takeFirst().at(1).toInt(), 1);
        a->insertChildren(tree(QStringLiteral("A0")), 0);
        QCOMPARE(describe(model), QStringLiteral("A(A0,A1,A2),C(C1),B"));
        QCOMPARE(inserted.takeFirst().at(0).value<QModelIndex>(), model.indexOf(a.get()));
        QCOMPARE(a2.row(), 2);
        manager->removeItem(find(manager->items(), QStringLiteral("A1")).get());
        QCOMPARE(describe(model), QStringLiteral("A(A0,A2),C(C1),B"));
        manager->removeItems({0, 2});
        QCOMPARE(describe(model), QStringLiteral("C(C1)"));
        QCOMPARE(removed.count(), 3);
        QVERIFY(!a2.isValid());

        // A rename repaints its row only.
        const KeywordItemPtr c1 = find(manager->items(), QStringLiteral("C1"));
        c1->setName(QStringLiteral("Renamed"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).value<QModelIndex>(), model.indexOf(c1.get()));
        QCOMPARE(describe(model), QStringLiteral("C(Renamed)"));
        QCOMPARE(resets.count(), 0);

        // Detached items (a keyword being made in the sheet) are not the model's business.
        const auto detached = std::make_shared<KeywordItem>(QStringLiteral("Loose"));
        detached->insertChildren(tree(QStringLiteral("X")), 0);
        QCOMPARE(describe(model), QStringLiteral("C(Renamed)"));

        manager->setItems(tree(QStringLiteral("N(N1)")));
        QCOMPARE(describe(model), QStringLiteral("N(N1)"));
    }

    void everyKeywordCanBeExpanded()
    {
        const auto manager = makeManager(QStringLiteral("Leaf"));
        KeywordOutlineModel model(*manager);
        const QModelIndex leaf = model.index(0, KeywordOutlineModel::NameColumn);
        QVERIFY(model.hasChildren(leaf));
        QCOMPARE(model.rowCount(leaf), 0);
        QVERIFY(!model.hasChildren(model.index(0, KeywordOutlineModel::HeaderColumn)));
        QCOMPARE(KeywordOutlineModel::columnIdentifier(KeywordOutlineModel::MoreColumn),
                 QStringLiteral("KeywordMoreTableColumn"));
    }

    void drops_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("dragged");
        QTest::addColumn<QString>("target"); // empty: the top level
        QTest::addColumn<int>("row");        // -1: onto the target
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("result");

        QTest::newRow("onto itself") << "A,B" << "A" << "A" << -1 << false << "A,B";
        QTest::newRow("into its own subtree") << "A(A1(A11)),B" << "A" << "A11" << 0 << false << "A(A1(A11)),B";
        QTest::newRow("onto an item: its first child") << "A,B(X),C" << "C" << "B" << -1 << true << "A,B(C,X)";
        QTest::newRow("between top-level rows") << "A(A1),B" << "A1" << "" << 1 << true << "A,A1,B";
        QTest::newRow("downward within its parent") << "A,B,C,D" << "A" << "" << 3 << true << "B,C,A,D";
        QTest::newRow("to the end of its parent") << "P(A,B,C)" << "A" << "P" << 3 << true << "P(B,C,A)";
        QTest::newRow("upward within its parent") << "A,B,C,D" << "D" << "" << 1 << true << "A,D,B,C";
        QTest::newRow("where it stands") << "A,B,C" << "B" << "" << 2 << false << "A,B,C";
        QTest::newRow("below the rows") << "A(A1),B" << "A1" << "" << -1 << true << "A,B,A1";
    }

    void drops()
    {
        QFETCH(QString, library);
        QFETCH(QString, dragged);
        QFETCH(QString, target);
        QFETCH(int, row);
        QFETCH(bool, accepted);
        QFETCH(QString, result);
        const auto manager = makeManager(library);
        KeywordOutlineModel model(*manager);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy moved(&model, &KeywordOutlineModel::itemMoved);
        const KeywordItemPtr item = find(manager->items(), dragged);
        manager->setCurrentItem(item);
        const QModelIndex parent = target.isEmpty() ? QModelIndex() : model.indexOf(find(manager->items(), target).get());

        std::unique_ptr<QMimeData> data(model.mimeData({model.indexOf(item.get())}));
        QVERIFY(data);
        QCOMPARE(model.dropMimeData(data.get(), Qt::MoveAction, row, 0, parent), accepted);
        QCOMPARE(describe(manager->items()), result);
        QCOMPARE(describe(model), result);
        QCOMPARE(moved.count(), accepted ? 1 : 0);
        // The moved keyword is still the one being worked on.
        QCOMPARE(manager->currentItem(), item);
    }

    void staleOrForeignDragsAreRefused()
    {
        const auto manager = makeManager(QStringLiteral("A,B,C"));
        KeywordOutlineModel model(*manager);
        std::unique_ptr<QMimeData> data(model.mimeData({model.index(1, 0)}));
        const QModelIndex onA = model.index(0, 0);
        QVERIFY(model.canDropMimeData(data.get(), Qt::MoveAction, -1, 0, onA));

        // Row 1 is C once B is gone: the drag no longer names what was dragged.
        manager->removeItems({1});
        QVERIFY(!model.canDropMimeData(data.get(), Qt::MoveAction, -1, 0, model.index(0, 0)));
        QVERIFY(!model.dropMimeData(data.get(), Qt::MoveAction, -1, 0, model.index(0, 0)));
        QCOMPARE(describe(manager->items()), QStringLiteral("A,C"));

        QMimeData foreign;
        foreign.setData(QStringLiteral("application/x-corvelle-keyword-row"), data->data(KeywordOutlineModel::rowMimeType()));
        foreign.setText(QStringLiteral("C"));
        QVERIFY(!model.canDropMimeData(&foreign, Qt::MoveAction, 0, 0, {}));

        // The remote-profile sheet's outline shows the library without moving anything.
        KeywordOutlineModel readOnly(*manager);
        readOnly.setReadOnly(true);
        QVERIFY(!(readOnly.flags(readOnly.index(0, 0)) & Qt::ItemIsDragEnabled));
        std::unique_ptr<QMimeData> fresh(model.mimeData({model.index(1, 0)}));
        QVERIFY(!readOnly.dropMimeData(fresh.get(), Qt::MoveAction, 0, 0, {}));
        QCOMPARE(describe(manager->items()), QStringLiteral("A,C"));
    }
};

QTEST_MAIN(KeywordOutlineModelTest)
#include "KeywordOutlineModelTest.moc"
