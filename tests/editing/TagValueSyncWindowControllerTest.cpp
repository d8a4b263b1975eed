#include "editing/TagValueSyncDestTagTableCellView.h"
#include "editing/TagValueSyncMiddleTableCellView.h"
#include "editing/TagValueSyncPairListModel.h"
#include "editing/TagValueSyncSourceTagTableCellView.h"
#include "editing/TagValueSyncWindowController.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "tags/TagNamePickerWindowController.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace corvelle;
using halvex::TagSyncPair;
using ostrak::TagName;

namespace {

TagName name(const char* raw)
{
    return TagName::fromRawValue(QString::fromLatin1(raw));
}

const TagSyncPair titleToComment{name("XMP-dc:Title"), name("ItemList:Comment")};
const TagSyncPair makeToArtist{name("IFD0:Make"), name("IFD0:Artist")};
const TagSyncPair cityToState{name("IPTC:City"), name("IPTC:Province-State")};

} // namespace

// The synchronisation sheet builds, removes and reorders its pairs, and ends with them.
class TagValueSyncWindowControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Both tags wait until added; the same pair twice gives two rows; validate needs a pair.
    void pairsAreBuiltFromWaitingTags()
    {
        TagValueSyncWindowController sheet;
        QAbstractItemModelTester tester(sheet.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        sheet.show();
        QVERIFY(!sheet.addTagPairButton()->isEnabled());
        QVERIFY(!sheet.validateButton()->isEnabled());
        QSignalSpy finished(&sheet, &QDialog::finished);
        sheet.validateSheet();
        QCOMPARE(finished.size(), 0);

        for (int twice = 0; twice < 2; ++twice) {
            sheet.setTagSource(titleToComment.source);
            QVERIFY(!sheet.addTagPairButton()->isEnabled());
            sheet.setTagDest(titleToComment.destination);
            QCOMPARE(sheet.tagSourceTextField()->text(), QStringLiteral("XMP-dc:Title"));
            QVERIFY(sheet.addTagPairButton()->isEnabled());
            QTest::mouseClick(sheet.addTagPairButton(), Qt::LeftButton);
            QVERIFY(sheet.tagSourceTextField()->text().isEmpty() && sheet.tagDestTextField()->text().isEmpty());
            QVERIFY(!sheet.addTagPairButton()->isEnabled());
        }
        QCOMPARE(sheet.tagCopies(), (QList<TagSyncPair>{titleToComment, titleToComment}));
        QCOMPARE(sheet.model()->index(0, TagValueSyncPairListModel::middleColumn).data().toString(), QStringLiteral(">"));
        QVERIFY(sheet.validateButton()->isEnabled());
        QTest::mouseClick(sheet.validateButton(), Qt::LeftButton);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
    }

    // Tags are picked in the tag name picker over the sheet; a cancelled pick keeps the tag that
    // waited.
    void tagsArePickedInThePicker()
    {
        QWidget window;
        window.resize(800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* sheet = new TagValueSyncWindowController;
        QVERIFY(brisa::SheetPresenter::presentSheet(&window, sheet, [sheet](int) { sheet->deleteLater(); }));
        QVERIFY(QTest::qWaitForWindowExposed(sheet));

        const auto pick = [sheet](bool source, const std::optional<ostrak::TagItem>& item) {
            source ? sheet->searchTagSource() : sheet->searchTagDest();
            auto* picker = qobject_cast<TagNamePickerWindowController*>(brisa::SheetPresenter::attachedSheet(sheet));
            QVERIFY(picker);
            if (item) {
                picker->selectTagItem(item);
                picker->applySheet();
            } else {
                picker->cancelSheet();
            }
            QTRY_VERIFY(!brisa::SheetPresenter::attachedSheet(sheet));
            // The picker's answer arrives at the next turn of the event loop.
            QTest::qWait(50);
        };
        pick(true, ostrak::TagItem::itemEXIFMake());
        QCOMPARE(sheet->tagSource(), std::optional<TagName>(ostrak::TagItem::itemEXIFMake().tagName()));
        pick(true, std::nullopt);
        QCOMPARE(sheet->tagSource(), std::optional<TagName>(ostrak::TagItem::itemEXIFMake().tagName()));
        pick(false, ostrak::TagItem::itemEXIFImageDescription());
        QVERIFY(sheet->addTagPairButton()->isEnabled());
        sheet->addPair();
        QCOMPARE(sheet->tagCopies(), (QList<TagSyncPair>{{ostrak::TagItem::itemEXIFMake().tagName(),
                                                           ostrak::TagItem::itemEXIFImageDescription().tagName()}}));
        sheet->cancelSheet();
    }

    // Each column draws its cell its own way: the tags' full names with the arrow between them.
    void cellsShowTheTagsAndTheArrow()
    {
        TagValueSyncWindowController sheet;
        sheet.show();
        sheet.setTagCopies({titleToComment});
        QTableView* table = sheet.valueTableView();
        const auto textOf = [table](int column) {
            auto* cell = qobject_cast<FileTextTableCellView*>(table->itemDelegateForColumn(column));
            return cell ? cell->text(table->model()->index(0, column)) : QStringLiteral("(no cell)");
        };
        QVERIFY(qobject_cast<TagValueSyncSourceTagTableCellView*>(table->itemDelegateForColumn(0)));
        QVERIFY(qobject_cast<TagValueSyncMiddleTableCellView*>(table->itemDelegateForColumn(1)));
        QVERIFY(qobject_cast<TagValueSyncDestTagTableCellView*>(table->itemDelegateForColumn(2)));
        QCOMPARE(textOf(0), titleToComment.source.rawValue());
        QCOMPARE(textOf(1), QStringLiteral(">"));
        QCOMPARE(textOf(2), titleToComment.destination.rawValue());
        QCOMPARE(TagValueSyncPairListModel::tagName(table->model()->index(0, 3)), std::nullopt);
    }

    // Delete removes the selected rows (none selected: nothing); a row's own menu removes it
    // alone; an equal list set from outside changes no row.
    void pairsAreRemoved()
    {
        TagValueSyncWindowController sheet;
        sheet.show();
        sheet.setTagCopies({titleToComment, makeToArtist, cityToState});
        QSignalSpy resets(sheet.model(), &QAbstractItemModel::rowsRemoved);
        sheet.setTagCopies({titleToComment, makeToArtist, cityToState});
        QCOMPARE(resets.size(), 0);

        sheet.valueTableView()->setFocus();
        QTest::keyClick(sheet.valueTableView(), Qt::Key_Delete);
        QCOMPARE(sheet.tagCopies().size(), 3);
        QVERIFY(!sheet.deletePairsAction()->isEnabled());

        sheet.valueTableView()->selectRow(0);
        QVERIFY(sheet.deletePairsAction()->isEnabled());
        sheet.deletePair(2);
        QCOMPARE(sheet.tagCopies(), (QList<TagSyncPair>{titleToComment, makeToArtist}));
        QTest::keyClick(sheet.valueTableView(), Qt::Key_Delete);
        QCOMPARE(sheet.tagCopies(), QList<TagSyncPair>{makeToArtist});
        sheet.resetFilter();
        QVERIFY(sheet.tagCopies().isEmpty());
        QVERIFY(!sheet.validateButton()->isEnabled());
    }

    // Rows dragged between rows move there; a drop onto a row is refused; rows that no longer
    // exist are left out of the move.
    void pairsAreReorderedByDragging()
    {
        TagValueSyncWindowController sheet;
        TagValueSyncPairListModel* model = sheet.model();
        sheet.setTagCopies({titleToComment, makeToArtist, cityToState});
        std::unique_ptr<QMimeData> last(model->mimeData({model->index(2, 0)}));
        QVERIFY(!model->canDropMimeData(last.get(), Qt::MoveAction, -1, -1, model->index(0, 0)));
        QVERIFY(model->dropMimeData(last.get(), Qt::MoveAction, 0, 0, {}));
        QCOMPARE(sheet.tagCopies(), (QList<TagSyncPair>{cityToState, titleToComment, makeToArtist}));

        std::unique_ptr<QMimeData> stale(model->mimeData({model->index(0, 0), model->index(2, 0)}));
        sheet.deletePair(2);
        QVERIFY(model->dropMimeData(stale.get(), Qt::MoveAction, 2, 0, {}));
        QCOMPARE(sheet.tagCopies(), (QList<TagSyncPair>{titleToComment, cityToState}));
        sheet.deletePair(1);
        sheet.deletePair(0);
        QVERIFY(!model->dropMimeData(stale.get(), Qt::MoveAction, 0, 0, {}));

        QMimeData foreign;
        foreign.setData(TagValueSyncPairListModel::rowMimeType(), QByteArray("not rows"));
        QVERIFY(!model->canDropMimeData(&foreign, Qt::MoveAction, 0, 0, {}));
    }
};

QTEST_MAIN(TagValueSyncWindowControllerTest)
#include "TagValueSyncWindowControllerTest.moc"
