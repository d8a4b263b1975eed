#include "engine/halvex/libraries/LibraryFile.h"
#include "engine/halvex/libraries/TagSetFile.h"
#include "engine/halvex/libraries/TagSetManager.h"
#include "filemodel/FileRowDragData.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "tags/TagListAvailableTagsModel.h"
#include "tags/TagListDisplayedEntriesModel.h"
#include "tags/TagListOptionsWindowController.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;
using halvex::TagSet;
using Domain = halvex::TagSetManager::Domain;

namespace {

halvex::TagSetManager& manager()
{
    return halvex::TagSetManager::shared();
}

TagSet chosen()
{
    return manager().tagSet(Domain::chosen);
}

// The chosen set as a new run of the program reads it from disk.
TagSet storedSet()
{
    halvex::TagSetManager reloaded(
        QFileInfo(halvex::LibraryFile::dataPath(QStringLiteral("TagSet-chosen.json"))).absolutePath());
    reloaded.load(Domain::chosen);
    return reloaded.tagSet(Domain::chosen);
}

QList<int> selected(const QListView* view)
{
    QList<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void select(QListView* view, const QList<int>& rows)
{
    view->clearSelection();
    for (int row : rows)
        view->selectionModel()->select(view->model()->index(row, 0), QItemSelectionModel::Select);
}

std::unique_ptr<QMimeData> drag(const QString& type, const QList<int>& rows)
{
    return std::unique_ptr<QMimeData>(FileRowDragData::make(type, brisa::IndexSet(rows)));
}

} // namespace

class TagListOptionsWindowControllerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<TagListOptionsWindowController> sheet_;

    QListView* available() const { return sheet_->availableTagsTableView(); }
    QListView* displayed() const { return sheet_->displayedEntriesTableView(); }

    QMessageBox* shownAlert() const { return qobject_cast<QMessageBox*>(brisa::SheetPresenter::attachedSheet(sheet_.get())); }

    void search(const QString& text)
    {
        sheet_->tagsSearchField()->setText(text);
        QTRY_VERIFY(!sheet_->searchEngine().isSearching());
        QVERIFY(sheet_->availableTagsModel()->rowCount() > 0);
        QCOMPARE(sheet_->availableTagsModel()->items(), sheet_->searchEngine().tagItems());
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(folder_.isValid()); }

    void init()
    {
        manager().restoreDefault(Domain::chosen);
        manager().commit(Domain::chosen);
        sheet_ = std::make_unique<TagListOptionsWindowController>();
        sheet_->show();
        new QAbstractItemModelTester(sheet_->displayedEntriesModel(), QAbstractItemModelTester::FailureReportingMode::QtTest,
                                     sheet_.get());
        new QAbstractItemModelTester(sheet_->availableTagsModel(), QAbstractItemModelTester::FailureReportingMode::QtTest,
                                     sheet_.get());
    }

    void cleanup() { sheet_.reset(); }

    // Inserting, sectioning, renaming, moving, deleting and restoring: each change is on disk
    // at once, as a new run of the program reads it.
    void editsSurviveARestart()
    {
        const TagSet defaults = chosen();
        QCOMPARE(sheet_->displayedEntriesModel()->rowCount(), defaults.count());

        // Tags go to the top while no displayed row is selected.
        search(QStringLiteral("exif make"));
        QVERIFY(!sheet_->insertTagsButton()->isEnabled());
        select(available(), {0});
        QVERIFY(sheet_->insertTagsButton()->isEnabled());
        const ostrak::TagName make = sheet_->availableTagsModel()->items().first().tagName();
        QVERIFY(!defaults.tagNames().contains(make));
        QTest::mouseClick(sheet_->insertTagsButton(), Qt::LeftButton);
        QCOMPARE(chosen().entry(0).tagName(), std::optional(make));
        QCOMPARE(sheet_->availableTagsModel()->index(0).data(Qt::DecorationRole).value<QIcon>().isNull(), false);

        // A blank title inserts nothing; a title goes before the selected row.
        sheet_->sectionTextField()->setText(QStringLiteral("   "));
        QVERIFY(!sheet_->insertSectionButton()->isEnabled());
        sheet_->insertNewSection();
        QCOMPARE(chosen().count(), defaults.count() + 1);
        sheet_->sectionTextField()->clear();
        QTest::keyClicks(sheet_->sectionTextField(), QStringLiteral("Mine"));
        QVERIFY(sheet_->insertSectionButton()->isEnabled());
        select(displayed(), {2});
        QTest::mouseClick(sheet_->insertSectionButton(), Qt::LeftButton);
        QVERIFY(chosen().entry(2).isSection());
        QCOMPARE(chosen().entry(2).section().title(), QStringLiteral("Mine"));
        QCOMPARE(sheet_->sectionTextField()->text(), QString());
        QVERIFY(sheet_->displayedEntriesModel()->index(2).data(Qt::FontRole).value<QFont>().bold());

        // Renamed as typed, even to nothing; tags cannot be renamed.
        QVERIFY(sheet_->displayedEntriesModel()->setData(sheet_->displayedEntriesModel()->index(2), QString()));
        QCOMPARE(chosen().entry(2).section().title(), QString());
        QVERIFY(!sheet_->displayedEntriesModel()->setData(sheet_->displayedEntriesModel()->index(0), u"x"_qs));

        // The first row moved up stays selected at 0; the last moved down stays last.
        select(displayed(), {0});
        sheet_->moveUpSelectedEntry();
        QCOMPARE(selected(displayed()), QList<int>{0});
        const int last = chosen().count() - 1;
        select(displayed(), {last});
        sheet_->moveDownSelectedEntry();
        QCOMPARE(selected(displayed()), QList<int>{last});
        select(displayed(), {0});
        sheet_->moveDownSelectedEntry();
        QCOMPARE(chosen().entry(1).tagName(), std::optional(make));
        QCOMPARE(selected(displayed()), QList<int>{1});

        // Delete removes the selection only while the list has the focus.
        select(displayed(), {1, 2});
        const int before = chosen().count();
        sheet_->tagsSearchField()->setFocus();
        QTest::keyClick(sheet_->tagsSearchField(), Qt::Key_Delete);
        QCOMPARE(chosen().count(), before);
        QTest::keyClick(displayed(), Qt::Key_Delete);
        QCOMPARE(chosen().count(), before - 2);
        QVERIFY(!chosen().tagNames().contains(make));

        QCOMPARE(storedSet(), chosen());
        sheet_->restoreTagSet();
        QCOMPARE(chosen(), defaults);
        QCOMPARE(storedSet(), defaults);
    }

    // Drops land between rows only. Tags from the left go in at the drop row, which becomes the
    // selection; displayed rows move, the moved entry selected. Rows that are no longer in
    // their list (the results changed during the drag) are skipped.
    void dropsGoBetweenRows()
    {
        TagListDisplayedEntriesModel* model = sheet_->displayedEntriesModel();
        search(QStringLiteral("exif make"));
        const ostrak::TagName make = sheet_->availableTagsModel()->items().first().tagName();
        const auto fromLeft = drag(TagListAvailableTagsModel::availableRowType(), {0});
        QVERIFY(!model->canDropMimeData(fromLeft.get(), Qt::CopyAction, -1, -1, model->index(1)));
        QVERIFY(!sheet_->availableTagsModel()->canDropMimeData(fromLeft.get(), Qt::CopyAction, 0, 0, {}));
        QVERIFY(model->canDropMimeData(fromLeft.get(), Qt::CopyAction, 3, 0, {}));
        QVERIFY(model->dropMimeData(fromLeft.get(), Qt::CopyAction, 3, 0, {}));
        QCOMPARE(chosen().entry(3).tagName(), std::optional(make));
        QCOMPARE(selected(displayed()), QList<int>{3});

        const TagSet before = chosen();
        // Downward: the entry stands above the drop row.
        QVERIFY(sheet_->acceptDrop(drag(TagListDisplayedEntriesModel::displayedRowType(), {3}).get(), 6));
        QCOMPARE(chosen().entry(5).tagName(), std::optional(make));
        QCOMPARE(selected(displayed()), QList<int>{5});
        // Upward: at the drop row.
        QVERIFY(sheet_->acceptDrop(drag(TagListDisplayedEntriesModel::displayedRowType(), {5}).get(), 1));
        QCOMPARE(chosen().entry(1).tagName(), std::optional(make));
        QCOMPARE(selected(displayed()), QList<int>{1});

        const TagSet moved = chosen();
        QVERIFY(!sheet_->acceptDrop(drag(TagListDisplayedEntriesModel::displayedRowType(), {9999}).get(), 0));
        QVERIFY(!sheet_->acceptDrop(drag(TagListAvailableTagsModel::availableRowType(), {999999}).get(), 0));
        auto foreign = std::make_unique<QMimeData>();
        foreign->setText(QStringLiteral("0"));
        QVERIFY(!sheet_->acceptDrop(foreign.get(), 0));
        QCOMPARE(chosen(), moved);
        QCOMPARE(before.count(), moved.count());
        QCOMPARE(storedSet(), moved);
    }

    // A tag the database does not list still shows, by its name.
    void unknownTagsReadByTheirName()
    {
        manager().insert(Domain::chosen, {TagSet::FlatEntry(ostrak::TagName(u"Nowhere"_qs, u"Thing"_qs))}, 0);
        QCOMPARE(sheet_->displayedEntriesModel()->index(0).data().toString(), QStringLiteral("- UNKNOWN(Nowhere:Thing)"));
    }

    // Export replaces an existing file only with a complete one; import replaces the list, and a
    // file that is not a tag set changes nothing and says why.
    void importAndExport()
    {
        const QString path = QDir(folder_.path()).filePath(QStringLiteral("mine.cvtagset"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        sheet_->exportTagSet(path);
        QVERIFY(!shownAlert());
        QCOMPARE(halvex::TagSetFile::from(path).tagSet(), chosen());

        const QString folder = QDir(folder_.path()).filePath(QStringLiteral("taken.cvtagset"));
        QVERIFY(QDir().mkpath(folder));
        sheet_->exportTagSet(folder);
        QMessageBox* alert = nullptr;
        QTRY_VERIFY((alert = shownAlert()));
        QCOMPARE(alert->objectName(), QStringLiteral("TagSetExportDidFail"));
        QVERIFY(QFileInfo(folder).isDir());
        alert->reject();
        QTRY_VERIFY(!shownAlert());

        const TagSet mine({TagSet::FlatEntry(halvex::TagSection(u"Only"_qs)),
                           TagSet::FlatEntry(ostrak::TagName(u"QuickTime"_qs, u"Title"_qs))});
        const QString minePath = QDir(folder_.path()).filePath(QStringLiteral("other.cvtagsset"));
        halvex::TagSetFile(mine).write(minePath);
        sheet_->importTagSet(minePath);
        QCOMPARE(chosen(), mine);
        QCOMPARE(storedSet(), mine);
        QCOMPARE(sheet_->displayedEntriesModel()->rowCount(), 2);

        for (const QByteArray& content : {QByteArray("{not json"), QByteArray(R"({"presets": [1, 2]})"),
                                          QByteArray(R"({"entries": [{"tag": {"_0": {"group": "X;-rm", "name": "a"}}}]})")}) {
            const QString bad = QDir(folder_.path()).filePath(QStringLiteral("bad.cvtagset"));
            QFile file(bad);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(content);
            file.close();
            sheet_->importTagSet(bad);
            QTRY_VERIFY((alert = shownAlert()));
            QCOMPARE(alert->objectName(), QStringLiteral("TagSetImportDidFail"));
            QVERIFY2(alert->informativeText().contains(QStringLiteral("bad.cvtagset")), qPrintable(alert->informativeText()));
            alert->reject();
            QTRY_VERIFY(!shownAlert());
            QCOMPARE(chosen(), mine);
            QCOMPARE(storedSet(), mine);
        }
    }
};

QTEST_MAIN(TagListOptionsWindowControllerTest)
#include "TagListOptionsWindowControllerTest.moc"
