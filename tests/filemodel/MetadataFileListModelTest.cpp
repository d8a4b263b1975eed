#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/tags/TagEditor.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"
#include "filemodel/MetadataFileListSelectionModel.h"

#include "FileModelTestSupport.h"

#include <QAbstractItemModelTester>
#include <QPixmap>
#include <QtTest>

using namespace corvelle;
using brisa::IndexSet;

namespace {

QList<MetadataFilePointer> makeFiles(const QString& prefix, int count)
{
    QList<MetadataFilePointer> files;
    for (int i = 0; i < count; ++i)
        files << test::memoryFile(QStringLiteral("/clips/%1%2.mov").arg(prefix).arg(i));
    return files;
}

QList<MetadataFileListModel::Column> columns()
{
    return {{QStringLiteral("FileThumbnailTableColumn"), QString(), true},
            {QStringLiteral("FileSourceTableColumn"), QStringLiteral("Name")},
            {QStringLiteral("FileSaveTableColumn"), QString()}};
}

// The signals a change of the list gave the model's views.
struct Signals {
    explicit Signals(QAbstractItemModel* model)
        : inserted(model, &QAbstractItemModel::rowsInserted)
        , removed(model, &QAbstractItemModel::rowsRemoved)
        , moved(model, &QAbstractItemModel::rowsMoved)
        , changed(model, &QAbstractItemModel::dataChanged)
        , layout(model, &QAbstractItemModel::layoutChanged)
        , reset(model, &QAbstractItemModel::modelReset)
    {
    }

    QString kinds() const
    {
        QStringList kinds;
        for (const auto& [name, spy] : {std::pair{"inserted", &inserted}, std::pair{"removed", &removed},
                                        std::pair{"moved", &moved}, std::pair{"changed", &changed},
                                        std::pair{"layout", &layout}, std::pair{"reset", &reset}}) {
            if (!spy->isEmpty())
                kinds << QString::fromLatin1(name);
        }
        return kinds.join(QLatin1Char(' '));
    }

    void clear()
    {
        for (QSignalSpy* spy : {&inserted, &removed, &moved, &changed, &layout, &reset})
            spy->clear();
    }

    QSignalSpy inserted, removed, moved, changed, layout, reset;
};

// A list, its model with the file table's columns, and the model tester watching.
struct Fixture {
    Fixture()
        : model(&list)
    {
        model.setColumns(columns());
    }

    MetadataFileList list;
    MetadataFileListModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
};

QList<MetadataFilePointer> modelFiles(const MetadataFileListModel& model)
{
    QList<MetadataFilePointer> files;
    for (int row = 0; row < model.rowCount(); ++row)
        files << MetadataFileListModel::fileOf(model.index(row, 1));
    return files;
}

} // namespace

class MetadataFileListModelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each change of the list reaches the views as its own row signals, never as a reset, and
    // the rows end in the list's order; a persistent index follows its file wherever it moves.
    void rowsFollowTheListsEditions()
    {
        Fixture fixture;
        MetadataFileList& list = fixture.list;
        MetadataFileListModel& model = fixture.model;
        MetadataFileListSelectionModel selection(&model);
        Signals spy(&model);

        const QList<MetadataFilePointer> files = makeFiles(QStringLiteral("clip"), 8);
        const MetadataFilePointer replacement = makeFiles(QStringLiteral("new"), 1).first();
        struct Case {
            const char* name;
            std::function<void()> edit;
            QString signalKinds;
        };
        const QList<Case> cases = {
            {"insert into the empty list", [&] { list.insertFiles(files.mid(0, 5), 0); }, "inserted"},
            {"insert in the middle", [&] { list.insertFiles(files.mid(5, 3), 2); }, "inserted"},
            {"remove apart", [&] { list.removeFiles(IndexSet{0, 3, 4, 7}); }, "removed"},
            {"move apart rows down", [&] { list.moveFiles(IndexSet{0, 2}, 4); }, "moved"},
            {"move the last row up", [&] { list.moveFiles(IndexSet{3}, 0); }, "moved"},
            {"replace", [&] { list.replaceFile(1, replacement); }, "changed"},
            {"select", [&] { list.setSelection(IndexSet{1, 2}); }, ""},
            {"reverse", [&] { list.reverseFiles(); }, "layout"},
            {"sort by name",
             [&] {
                 list.sort([](const MetadataFile& a, const MetadataFile& b) { return a.filename() < b.filename(); });
             },
             "layout"},
            {"new files", [&] { list.setFiles(makeFiles(QStringLiteral("other"), 3)); }, "reset"},
            {"remove all", [&] { list.removeAllFiles(); }, "removed"},
        };
        for (const Case& change : cases) {
            const QPersistentModelIndex followed = model.rowCount() > 1 ? model.index(1, 1) : QModelIndex();
            const MetadataFilePointer followedFile = model.fileAt(1);
            spy.clear();
            change.edit();
            QVERIFY2(modelFiles(model) == list.files(), change.name);
            QCOMPARE(spy.kinds(), change.signalKinds);
            if (followed.isValid() && list.files().contains(followedFile))
                QVERIFY2(model.fileAt(followed.row()) == followedFile, change.name);
        }
    }

    // The list's selection and the views' follow each other, without echoing back: a selection
    // made in a view reaches the list once, and the rows keep their selection while others come
    // and go around them.
    void selectionFollowsBothWays()
    {
        Fixture fixture;
        MetadataFileList& list = fixture.list;
        MetadataFileListModel& model = fixture.model;
        MetadataFileListSelectionModel selection(&model);
        list.appendFiles(makeFiles(QStringLiteral("clip"), 6));

        list.setSelection(IndexSet{1, 2, 4});
        QCOMPARE(selection.selectedRowNumbers(), (QList<int>{1, 2, 4}));
        QVERIFY(selection.isRowSelected(4, {}));
        QVERIFY(selection.isSelected(model.index(4, 2)));

        int notes = 0;
        brisa::NoteSubscriber counter;
        counter.subscribe(MetadataFileList::didChangeFilesNotification, &list, [&](const brisa::Notification&) { ++notes; });
        selection.select(QItemSelection(model.index(0, 0), model.index(0, 2)),
                         QItemSelectionModel::ClearAndSelect);
        QCOMPARE(list.selection(), IndexSet{0});
        QCOMPARE(notes, 1);
        selection.select(model.index(5, 1), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(list.selection(), (IndexSet{0, 5}));
        QCOMPARE(notes, 2);

        // Rows put in before, taken out around and moved keep the selected files selected.
        const MetadataFilePointer first = list.files()[0], last = list.files()[5];
        list.prependFiles(makeFiles(QStringLiteral("early"), 2));
        QCOMPARE(list.selection(), (IndexSet{2, 7}));
        QCOMPARE(selection.selectedRowNumbers(), (QList<int>{2, 7}));
        list.removeFiles(IndexSet{0, 3});
        QCOMPARE(selection.selectedRowNumbers(), list.selection().toList());
        list.moveFiles(IndexSet{list.selection().last()}, 0);
        QCOMPARE(selection.selectedRowNumbers(), list.selection().toList());
        QCOMPARE(list.selectedFiles(), (QList<MetadataFilePointer>{last, first}));
        list.reverseFiles();
        QCOMPARE(selection.selectedRowNumbers(), list.selection().toList());
        QCOMPARE(list.selectedFiles().size(), 2);

        list.selectAllFiles();
        QCOMPARE(selection.selectedRowNumbers().size(), list.files().size());
        selection.clearSelection();
        QVERIFY(list.selection().isEmpty());
        counter.unsubscribe();
    }

    // An edition reaches the rows of the files it changed, one note per run of neighbours.
    void editionsChangeTheirRows()
    {
        Fixture fixture;
        fixture.list.appendFiles(makeFiles(QStringLiteral("clip"), 5));
        QSignalSpy changed(&fixture.model, &QAbstractItemModel::dataChanged);
        {
            halvex::EditionManager::Scope edition;
            for (int row : {0, 1, 3})
                fixture.list.files().at(row)->editor()->setValue(QStringLiteral("Edited"),
                                                                 ostrak::TagName::fromRawValue(QStringLiteral("ItemList:Title")));
        }
        QStringList runs;
        for (const QList<QVariant>& note : changed)
            runs << QStringLiteral("%1-%2").arg(note.at(0).toModelIndex().row()).arg(note.at(1).toModelIndex().row());
        QCOMPARE(runs, (QStringList{"0-1", "3-3"}));
    }

    // A thumbnail is made once it is asked for and announced for its one index.
    void thumbnailsArriveForTheirIndexOnly()
    {
        Fixture fixture;
        MetadataFileList& list = fixture.list;
        MetadataFileListModel& model = fixture.model;
        list.appendFiles(test::openedFixtures({QStringLiteral("photo.jpg"), QStringLiteral("movie.mov")}));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        const QModelIndex photo = model.index(0, 0);
        QVERIFY(model.data(photo, Qt::DecorationRole).isNull());
        QVERIFY(model.data(model.index(0, 1), Qt::DecorationRole).isNull());
        QTRY_VERIFY(!model.data(photo, Qt::DecorationRole).value<QPixmap>().isNull());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex(), photo);
        QCOMPARE(changed.first().at(1).toModelIndex(), photo);
        QCOMPARE(changed.first().at(2).value<QList<int>>(), QList<int>{Qt::DecorationRole});
        const QPixmap picture = model.data(photo, Qt::DecorationRole).value<QPixmap>();
        QVERIFY(picture.deviceIndependentSize().width() <= MetadataFileListModel::thumbnailSide);
        QVERIFY(picture.deviceIndependentSize().height() <= MetadataFileListModel::thumbnailSide);
    }
};

QTEST_MAIN(MetadataFileListModelTest)
#include "MetadataFileListModelTest.moc"
