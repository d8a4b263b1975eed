#include "tags/TagNamesPickerWindowController.h"
#include "tags/TagStreamsPickerWindowController.h"
#include "tags/TagsSettings.h"

#include "engine/ostrak/TagDatabase.h"
#include "filemodel/FileRowDragData.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "support/ui/WidgetDriver.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using corvelle::FileRowDragData;
using corvelle::ReducedTagSetUserChoice;
using corvelle::TagNamesPickerWindowController;
using corvelle::TagStreamsPickerWindowController;
using ostrak::TagItem;
using ostrak::TagStream;
namespace Settings = corvelle::Settings;

namespace {

template<class Widget>
Widget* field(const QWidget* sheet, const char* name)
{
    return corvelle::test::WidgetDriver::child<Widget>(sheet, QString::fromLatin1(name));
}

// The streams of TagStream::allCases at those positions.
QList<TagStream> streams(const QList<int>& positions)
{
    QList<TagStream> picked;
    for (int at : positions)
        picked << TagStream::allCases().at(at);
    return picked;
}

void selectRows(QTableView* view, const QList<int>& rows)
{
    view->selectionModel()->clearSelection();
    for (int row : rows)
        view->selectionModel()->select(view->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

enum class Source { available, chosen, other };

} // namespace

Q_DECLARE_METATYPE(Source)

class TagNamesPickerWindowControllerTest : public QObject {
    Q_OBJECT

    QWidget host_;

private Q_SLOTS:
    void initTestCase()
    {
        const ostrak::TagDatabase& database = ostrak::TagDatabase::shared();
        QVERIFY2(database.origin() != ostrak::TagDatabase::Origin::Unavailable, qPrintable(database.errorString()));
        brisa::UserDefaults::standard().set(Settings::reducedTagSetUserChoice(), ReducedTagSetUserChoice::all);
        host_.resize(900, 700);
        host_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host_));
    }

    // Add by button in row order, never twice; remove; Apply only with something chosen; a new
    // search leaves the chosen list alone.
    void addRemoveAndApply()
    {
        TagNamesPickerWindowController picker;
        QAbstractItemModelTester availableTester(picker.availableModel());
        QAbstractItemModelTester chosenTester(picker.chosenModel());
        QSignalSpy finished(&picker, &QDialog::finished);
        QVERIFY(brisa::SheetPresenter::presentSheet(&host_, &picker, [](int) {}));
        auto* search = field<QLineEdit>(&picker, "searchField");
        QTest::keyClicks(search, QStringLiteral("gps"));
        QTRY_VERIFY(!picker.isSearching());
        const QList<TagItem> found = picker.availableModel()->elements();
        QVERIFY(found.size() > 10);

        auto* available = field<QTableView>(&picker, "availableItemsTableView");
        auto* chosen = field<QTableView>(&picker, "chosenItemsTableView");
        auto* add = field<QPushButton>(&picker, "addItemsButton");
        auto* remove = field<QPushButton>(&picker, "removeItemsButton");
        auto* apply = field<QPushButton>(&picker, "applyButton");
        QVERIFY(!add->isEnabled());
        QVERIFY(!remove->isEnabled());
        QVERIFY(!apply->isEnabled());
        picker.applySheet();
        QCOMPARE(finished.count(), 0);

        selectRows(available, {9, 5, 2});
        QVERIFY(add->isEnabled());
        add->click();
        QCOMPARE(picker.selectedTagItems(), (QList<TagItem>{found[2], found[5], found[9]}));
        QCOMPARE(picker.chosenModel()->index(0).data().toString(), QStringLiteral("- ") + found[2].title());
        QVERIFY(apply->isEnabled());
        QVERIFY(picker.touchBar().touchBar().at(2)->isEnabled());

        selectRows(available, {5, 0});
        add->click();
        QCOMPARE(picker.selectedTagItems(), (QList<TagItem>{found[2], found[5], found[9], found[0]}));
        add->click();
        QCOMPARE(picker.selectedTagItems().size(), 4);

        search->clear();
        QTest::keyClicks(search, QStringLiteral("camera"));
        QTRY_VERIFY(!picker.isSearching());
        QVERIFY(picker.availableModel()->elements() != found);
        QCOMPARE(picker.selectedTagItems(), (QList<TagItem>{found[2], found[5], found[9], found[0]}));

        selectRows(chosen, {1, 3});
        QVERIFY(remove->isEnabled());
        remove->click();
        QCOMPARE(picker.selectedTagItems(), (QList<TagItem>{found[2], found[9]}));

        apply->click();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
        QCOMPARE(picker.selectedTagItems(), (QList<TagItem>{found[2], found[9]}));
    }

    void presetListShowsAndCancelKeepsNothing()
    {
        TagNamesPickerWindowController picker;
        const QList<TagItem> preset{TagItem::itemEXIFMake(), TagItem::itemQuickTimeTitle()};
        picker.selectTagItems(preset);
        QSignalSpy resets(picker.chosenModel(), &QAbstractItemModel::modelReset);
        picker.selectTagItems({TagItem::fallback(TagItem::itemEXIFMake().tagName()), TagItem::itemQuickTimeTitle()});
        QCOMPARE(resets.count(), 0);
        QSignalSpy finished(&picker, &QDialog::finished);
        QVERIFY(brisa::SheetPresenter::presentSheet(&host_, &picker, [](int) {}));
        QCOMPARE(field<QTableView>(&picker, "chosenItemsTableView")->model()->rowCount(), 2);
        QCOMPARE(picker.chosenModel()->index(1).data().toString(), QStringLiteral("- ") + TagItem::itemQuickTimeTitle().title());
        QTRY_COMPARE(picker.availableModel()->rowCount(), TagItem::allCases().size());
        field<QPushButton>(&picker, "cancelButton")->click();
        QCOMPARE(finished.first().first().toInt(), 0);
    }

    // Rows dragged within the chosen list, or from the results into it, land between rows; a
    // drop onto a row, onto the results or of foreign data is refused; rows that the list no
    // longer has are skipped.
    void drops_data()
    {
        QTest::addColumn<Source>("source");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("dropRow");
        QTest::addColumn<bool>("ontoRow");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QList<int>>("after");

        // The chosen list starts as the streams 0 to 5 of the results, in order.
        const QList<int> start{0, 1, 2, 3, 4, 5};
        QTest::newRow("reorder 0 and 2 above 4") << Source::chosen << QList<int>{0, 2} << 4 << false << true
                                                 << QList<int>{1, 3, 0, 2, 4, 5};
        QTest::newRow("reorder to the end") << Source::chosen << QList<int>{1} << -1 << false << true
                                            << QList<int>{0, 2, 3, 4, 5, 1};
        QTest::newRow("reorder skips rows gone") << Source::chosen << QList<int>{4, 40} << 0 << false << true
                                                 << QList<int>{4, 0, 1, 2, 3, 5};
        QTest::newRow("add new results at row 1") << Source::available << QList<int>{7, 6} << 1 << false << true
                                                  << QList<int>{0, 6, 7, 1, 2, 3, 4, 5};
        QTest::newRow("add skips chosen ones") << Source::available << QList<int>{2, 8, 0} << 6 << false << true
                                               << QList<int>{0, 1, 2, 3, 4, 5, 8};
        QTest::newRow("add only chosen ones") << Source::available << QList<int>{1, 3} << 0 << false << true << start;
        QTest::newRow("add skips rows gone") << Source::available << QList<int>{7, 500} << 0 << false << true
                                             << QList<int>{7, 0, 1, 2, 3, 4, 5};
        QTest::newRow("onto a row") << Source::available << QList<int>{7} << 2 << true << false << start;
        QTest::newRow("foreign rows") << Source::other << QList<int>{7} << 2 << false << false << start;
    }

    void drops()
    {
        QFETCH(Source, source);
        QFETCH(QList<int>, rows);
        QFETCH(int, dropRow);
        QFETCH(bool, ontoRow);
        QFETCH(bool, accepted);
        QFETCH(QList<int>, after);

        TagStreamsPickerWindowController picker;
        QTRY_COMPARE(picker.availableModel()->elements(), TagStream::allCases());
        picker.selectTagStreams(streams({0, 1, 2, 3, 4, 5}));
        QAbstractItemModelTester tester(picker.chosenModel());

        const QString type = source == Source::available ? TagStreamsPickerWindowController::availableRowType()
                             : source == Source::chosen  ? TagStreamsPickerWindowController::chosenRowType()
                                                         : FileRowDragData::privateType(QStringLiteral("fileTableViewRow"));
        std::unique_ptr<QMimeData> data(FileRowDragData::make(type, brisa::IndexSet(rows)));
        auto* chosen = picker.chosenModel();
        const QModelIndex parent = ontoRow ? chosen->index(dropRow) : QModelIndex();
        const int row = ontoRow ? -1 : dropRow;
        QCOMPARE(chosen->canDropMimeData(data.get(), Qt::MoveAction, row, 0, parent), accepted);
        QCOMPARE(chosen->dropMimeData(data.get(), Qt::MoveAction, row, 0, parent), accepted);
        QCOMPARE(picker.selectedTagStreams(), streams(after));

        // The results never take a drop.
        QVERIFY(!picker.availableModel()->canDropMimeData(data.get(), Qt::MoveAction, 0, 0, {}));
        QVERIFY(!picker.availableModel()->dropMimeData(data.get(), Qt::MoveAction, 0, 0, {}));
    }

    // What a drag carries is read back as the rows dragged, under the list's own type.
    void dragsCarryTheRowsUnderTheListsType()
    {
        TagStreamsPickerWindowController picker;
        QTRY_VERIFY(!picker.isSearching());
        auto* model = picker.availableModel();
        std::unique_ptr<QMimeData> data(model->mimeData({model->index(3), model->index(1)}));
        QCOMPARE(FileRowDragData::rows(data.get(), TagStreamsPickerWindowController::availableRowType()),
                 std::optional<brisa::IndexSet>(brisa::IndexSet{1, 3}));
        QVERIFY(!data->hasFormat(TagStreamsPickerWindowController::chosenRowType()));
        QVERIFY(TagStreamsPickerWindowController::availableRowType() != TagNamesPickerWindowController::availableRowType());
        // A broken archive is refused.
        QMimeData broken;
        broken.setData(TagStreamsPickerWindowController::chosenRowType(), QByteArray("\x00\x00\x00\x09", 4));
        QVERIFY(!picker.chosenModel()->dropMimeData(&broken, Qt::MoveAction, 0, 0, {}));
    }

    // Double-clicking a result adds it; the arrows typed in the search field move the selection
    // of the results, never of the chosen list.
    void doubleClickAndArrows()
    {
        TagStreamsPickerWindowController picker;
        QSignalSpy finished(&picker, &QDialog::finished);
        QVERIFY(brisa::SheetPresenter::presentSheet(&host_, &picker, [](int) {}));
        QTRY_COMPARE(picker.availableModel()->elements(), TagStream::allCases());
        auto* available = field<QTableView>(&picker, "availableStreamsTableView");
        auto* chosen = field<QTableView>(&picker, "chosenStreamsTableView");
        const QRect third = available->visualRect(available->model()->index(2, 0));
        QTest::mouseClick(available->viewport(), Qt::LeftButton, {}, third.center());
        QTest::mouseDClick(available->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(picker.selectedTagStreams(), streams({2}));
        QCOMPARE(finished.count(), 0);

        selectRows(chosen, {0});
        auto* search = field<QLineEdit>(&picker, "searchField");
        search->setFocus();
        QTest::keyClick(search, Qt::Key_Down);
        QCOMPARE(available->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(available->selectionModel()->selectedRows().first().row(), 3);
        QCOMPARE(chosen->selectionModel()->selectedRows().first().row(), 0);

        picker.touchBar().touchBar().at(2)->perform();
        QCOMPARE(finished.first().first().toInt(), 1);
    }
};

QTEST_MAIN(TagNamesPickerWindowControllerTest)
#include "TagNamesPickerWindowControllerTest.moc"
