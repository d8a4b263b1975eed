#include "tags/TagNamePickerWindowController.h"
#include "tags/TagStreamPickerWindowController.h"
#include "tags/TagsSettings.h"

#include "engine/ostrak/TagDatabase.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "support/ui/WidgetDriver.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using corvelle::ReducedTagSetUserChoice;
using corvelle::TagNamePickerWindowController;
using corvelle::TagStreamPickerWindowController;
using ostrak::TagItem;
using ostrak::TagStream;
namespace Settings = corvelle::Settings;

namespace {

template<class Widget>
Widget* field(const QWidget* sheet, const char* name)
{
    return corvelle::test::WidgetDriver::child<Widget>(sheet, QString::fromLatin1(name));
}

QStringList titles(const QAbstractItemModel* model)
{
    QStringList shown;
    for (int row = 0; row < model->rowCount(); ++row)
        shown << model->index(row, 0).data().toString();
    return shown;
}

QList<int> checkedRows(const QAbstractItemModel* model)
{
    QList<int> rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data(corvelle::PickerListModel<TagItem>::CheckedRole).toBool())
            rows << row;
    }
    return rows;
}

QList<int> selectedRows(const QTableView* view)
{
    QList<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows << index.row();
    return rows;
}

int rowOf(const QAbstractItemModel* model, const QString& title)
{
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString() == title)
            return row;
    }
    return -1;
}

// Types into the search field as a user does and waits for the list of that search.
template<class Picker>
void typeSearch(Picker& picker, const QString& text)
{
    auto* search = field<QLineEdit>(&picker, "searchField");
    search->clear();
    QTest::keyClicks(search, text);
    QTRY_VERIFY(!picker.isSearching());
}

void clickRow(QTableView* view, int row)
{
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class TagNamePickerWindowControllerTest : public QObject {
    Q_OBJECT

    QWidget host_;

private Q_SLOTS:
    void initTestCase()
    {
        const ostrak::TagDatabase& database = ostrak::TagDatabase::shared();
        QVERIFY2(database.origin() != ostrak::TagDatabase::Origin::Unavailable, qPrintable(database.errorString()));
        host_.resize(800, 700);
        host_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host_));
    }

    void init() { brisa::UserDefaults::standard().set(Settings::reducedTagSetUserChoice(), ReducedTagSetUserChoice::all); }

    // Search, pick by a click, and apply: nothing can be applied before a pick; the pick carries
    // the check mark and survives a search that hides it.
    void searchPickAndApply()
    {
        TagNamePickerWindowController picker;
        QAbstractItemModelTester tester(picker.listModel());
        picker.setInstructions(QStringLiteral("Pick the date tag"));
        QSignalSpy finished(&picker, &QDialog::finished);
        QVERIFY(brisa::SheetPresenter::presentSheet(&host_, &picker, [](int) {}));
        QTRY_COMPARE(picker.listModel()->rowCount(), TagItem::allCases().size());
        QCOMPARE(field<QLabel>(&picker, "instructionsTitleField")->text(), QStringLiteral("Pick the date tag"));

        auto* apply = field<QPushButton>(&picker, "applyButton");
        auto* table = field<QTableView>(&picker, "tableView");
        QVERIFY(!apply->isEnabled());
        QVERIFY(!picker.touchBar().touchBar().at(2)->isEnabled());
        picker.applySheet();
        QCOMPARE(finished.count(), 0);

        typeSearch(picker, QStringLiteral("gps latitude"));
        const QStringList found = titles(picker.listModel());
        QVERIFY(found.contains(QStringLiteral("GPS Latitude")));
        for (const QString& title : found)
            QVERIFY2(title.contains(QStringLiteral("Latitude"), Qt::CaseInsensitive)
                         || title.contains(QStringLiteral("Lat"), Qt::CaseInsensitive),
                     qPrintable(title));

        const int row = rowOf(picker.listModel(), QStringLiteral("GPS Latitude"));
        clickRow(table, row);
        QVERIFY(picker.selectedTagItem());
        QCOMPARE(picker.selectedTagItem()->title(), QStringLiteral("GPS Latitude"));
        QCOMPARE(checkedRows(picker.listModel()), QList<int>{row});
        QVERIFY(apply->isEnabled());
        QVERIFY(picker.touchBar().touchBar().at(2)->isEnabled());
        const TagItem picked = *picker.selectedTagItem();

        // Clicking below the rows keeps the pick.
        typeSearch(picker, QStringLiteral("gps:gpslatitude"));
        QVERIFY(table->visualRect(picker.listModel()->index(picker.listModel()->rowCount() - 1)).bottom()
                < table->viewport()->height() - 2);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(10, table->viewport()->height() - 2));
        QCOMPARE(*picker.selectedTagItem(), picked);

        typeSearch(picker, QStringLiteral("camera make"));
        QVERIFY(!titles(picker.listModel()).isEmpty());
        QVERIFY(checkedRows(picker.listModel()).isEmpty());
        QVERIFY(selectedRows(table).isEmpty());
        QCOMPARE(*picker.selectedTagItem(), picked);

        typeSearch(picker, QStringLiteral("gps lat"));
        QCOMPARE(selectedRows(table), QList<int>{rowOf(picker.listModel(), QStringLiteral("GPS Latitude"))});

        apply->click();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
        QCOMPARE(*picker.selectedTagItem(), picked);
    }

    // A preset pick is checked, selected and shown once the first list arrives; double-clicking
    // another row picks it and applies; arrows typed in the search field move the pick.
    void presetPickDoubleClickAndArrows()
    {
        TagNamePickerWindowController picker;
        picker.selectTagItem(TagItem::itemEXIFMake());
        QSignalSpy finished(&picker, &QDialog::finished);
        QVERIFY(brisa::SheetPresenter::presentSheet(&host_, &picker, [](int) {}));
        typeSearch(picker, QStringLiteral("make"));
        auto* table = field<QTableView>(&picker, "tableView");
        const int makeRow = int(picker.listModel()->elements().indexOf(TagItem::itemEXIFMake()));
        QVERIFY(makeRow >= 0);
        QCOMPARE(selectedRows(table), QList<int>{makeRow});
        QCOMPARE(checkedRows(picker.listModel()), QList<int>{makeRow});
        QVERIFY(table->viewport()->rect().intersects(table->visualRect(picker.listModel()->index(makeRow))));

        // Presetting the same tag (equal tag name) changes nothing.
        QSignalSpy reloads(picker.listModel(), &QAbstractItemModel::dataChanged);
        picker.selectTagItem(TagItem::fallback(TagItem::itemEXIFMake().tagName()));
        QCOMPARE(reloads.count(), 0);

        auto* search = field<QLineEdit>(&picker, "searchField");
        search->setFocus();
        QTest::keyClick(search, Qt::Key_Down);
        QCOMPARE(selectedRows(table), QList<int>{makeRow + 1});
        QCOMPARE(*picker.selectedTagItem(), picker.listModel()->elements().at(makeRow + 1));
        QCOMPARE(finished.count(), 0);

        table->scrollToTop();
        const QModelIndex first = picker.listModel()->index(0);
        // A double click: the first press and release, then the second press, as the system sends them.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(first).center());
        QCOMPARE(finished.count(), 0);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(first).center());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
        QCOMPARE(*picker.selectedTagItem(), picker.listModel()->elements().first());
    }

    // The restriction narrows the list; each search works on its own copy of it, so a later
    // restriction (or the end of the picker) never changes a search already handed over.
    void additionalFilteringIsCopiedIntoEachSearch()
    {
        auto picker = std::make_unique<TagNamePickerWindowController>();
        auto calls = std::make_shared<std::atomic<int>>(0);
        picker->setAdditionalFiltering([calls](const TagItem& item) {
            ++*calls;
            return item.isWritable();
        });
        typeSearch(*picker, QStringLiteral("gps"));
        QVERIFY(!picker->listModel()->elements().isEmpty());
        for (const TagItem& item : picker->listModel()->elements())
            QVERIFY(item.isWritable());
        QVERIFY(*calls > 0);

        const auto handedOver = picker->searchEngine().request().filter;
        picker->setAdditionalFiltering([](const TagItem&) { return false; });
        QVERIFY(handedOver(TagItem::itemEXIFMake()));
        QVERIFY(!picker->searchEngine().request().filter(TagItem::itemEXIFMake()));
        QTRY_VERIFY(!picker->isSearching());
        QVERIFY(picker->listModel()->elements().isEmpty());

        // A picker that goes away with a search under way takes the search with it.
        picker->setAdditionalFiltering({});
        picker.reset();
    }

    // The tag-set pop-up stores its choice at once, for every picker, even when the sheet is
    // then cancelled.
    void tagSetChoiceIsSharedAndKeptOnCancel()
    {
        brisa::UserDefaults::standard().set(Settings::reducedTagSetUserChoice(), ReducedTagSetUserChoice::popular);
        TagNamePickerWindowController picker;
        QSignalSpy finished(&picker, &QDialog::finished);
        QVERIFY(brisa::SheetPresenter::presentSheet(&host_, &picker, [](int) {}));
        auto* tagSets = field<QComboBox>(&picker, "reducedTagSetPopUpButton");
        QCOMPARE(tagSets->count(), 3);
        QCOMPARE(tagSets->currentIndex(), 2);
        QTRY_VERIFY(!picker.isSearching());
        QVERIFY(picker.listModel()->rowCount() < TagItem::allCases().size());

        QVERIFY(corvelle::test::WidgetDriver::choose(tagSets, 0));
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::reducedTagSetUserChoice()), ReducedTagSetUserChoice::all);
        QTRY_COMPARE(picker.listModel()->rowCount(), TagItem::allCases().size());
        QTest::keyClick(&picker, Qt::Key_Escape);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), 0);
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::reducedTagSetUserChoice()), ReducedTagSetUserChoice::all);
        QVERIFY(!picker.selectedTagItem());
    }

    void streamPickerSearchesPicksAndApplies()
    {
        TagStreamPickerWindowController picker;
        QSignalSpy finished(&picker, &QDialog::finished);
        QVERIFY(brisa::SheetPresenter::presentSheet(&host_, &picker, [](int) {}));
        QTRY_COMPARE(picker.listModel()->elements(), TagStream::allCases());
        field<QPushButton>(&picker, "applyButton")->click();
        QCOMPARE(finished.count(), 0);

        typeSearch(picker, QStringLiteral("quick"));
        QVERIFY(picker.listModel()->elements().contains(TagStream::streamQuickTime()));
        QVERIFY(!picker.listModel()->elements().contains(TagStream::streamEXIF()));
        auto* table = field<QTableView>(&picker, "tableView");
        clickRow(table, int(picker.listModel()->elements().indexOf(TagStream::streamQuickTime())));
        QCOMPARE(picker.selectedTagStream(), std::optional<TagStream>(TagStream::streamQuickTime()));

        typeSearch(picker, QStringLiteral("exif"));
        QVERIFY(selectedRows(table).isEmpty());
        picker.touchBar().touchBar().at(2)->perform();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
        QCOMPARE(picker.selectedTagStream(), std::optional<TagStream>(TagStream::streamQuickTime()));
    }
};

QTEST_MAIN(TagNamePickerWindowControllerTest)
#include "TagNamePickerWindowControllerTest.moc"
