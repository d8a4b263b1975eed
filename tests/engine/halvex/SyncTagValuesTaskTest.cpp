#include "EndToEndTestSupport.h"
#include "engine/halvex/tags/ETTagEditor.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/SyncTagValuesTask.h"
#include "engine/ostrak/ETPathFilter.h"
#include "engine/ostrak/ETSettings.h"

#include <QFileInfo>
#include <QtTest>

using namespace halvex;
using halvex::test::EndToEnd;
using ostrak::TagName;

// Values copied inside each file of an opened folder, read back by ExifTool.
class SyncTagValuesTaskTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ostrak::ETSettings::shared().setBackupFolder(QString()); }

    void copiesInsideTheFilesTheFolderHolds_data()
    {
        QTest::addColumn<bool>("subfolders");
        QTest::addColumn<QStringList>("filter");
        // a.jpg, b.jpg and sub/c.jpg, in this order.
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("folder") << false << QStringList() << QStringList{"Zürich", "Zürich", "-"};
        QTest::newRow("with subfolders") << true << QStringList() << QStringList{"Zürich", "Zürich", "Zürich"};
        QTest::newRow("filtered") << true << QStringList{"a.jpg"} << QStringList{"Zürich", "-", "-"};
    }

    void copiesInsideTheFilesTheFolderHolds()
    {
        QFETCH(bool, subfolders);
        QFETCH(QStringList, filter);
        QFETCH(QStringList, expected);

        EndToEnd e;
        const QString folder = QFileInfo(e.copy(QStringLiteral("photo.jpg"), QStringLiteral("a.jpg"))).absolutePath();
        e.copy(QStringLiteral("photo.jpg"), QStringLiteral("b.jpg"));
        QVERIFY(QDir(folder).mkpath(QStringLiteral("sub")));
        const QString loose = e.copy(QStringLiteral("photo.jpg"), QStringLiteral("loose.jpg"));
        QVERIFY(QFile::rename(loose, folder + QStringLiteral("/sub/c.jpg")));
        const QString outside = QFileInfo(folder + QStringLiteral("/../outside-sync.jpg")).absoluteFilePath();
        QFile::remove(outside);
        QVERIFY(QFile::copy(folder + QStringLiteral("/a.jpg"), outside));
        const auto cleanupOutside = qScopeGuard([&] { QFile::remove(outside); });

        const auto folderEditor = std::dynamic_pointer_cast<ETTagEditor>(e.open(folder));
        QVERIFY(folderEditor);
        folderEditor->setRecurseSubfolders(subfolders);
        if (!filter.isEmpty())
            folderEditor->setFilePathFilter(ostrak::ETPathFilter(filter));
        const auto fileEditor = e.open(outside);
        QVERIFY(fileEditor);

        // A file editor takes no part.
        SyncTagValuesTask::Settings settings({folderEditor, fileEditor});
        settings.pairs = {{TagName(QStringLiteral("IPTC"), QStringLiteral("City")),
                           TagName(QStringLiteral("XMP-dc"), QStringLiteral("Source"))}};
        auto task = std::make_shared<SyncTagValuesTask>(settings);
        halvex::test::runTask(task);
        QVERIFY(task->messages().isEmpty());

        QStringList values;
        for (const char* name : {"a.jpg", "b.jpg", "sub/c.jpg"})
            values << EndToEnd::read(folder + QLatin1Char('/') + QLatin1String(name), {QStringLiteral("XMP-dc:Source")});
        QCOMPARE(values, expected);
        QCOMPARE(EndToEnd::read(outside, {QStringLiteral("XMP-dc:Source")}), QStringLiteral("-"));
        // The other tags are as they were.
        QCOMPARE(EndToEnd::read(folder + QStringLiteral("/a.jpg"), {QStringLiteral("XMP-dc:Title")}),
                 QStringLiteral("Café in Zürich"));
    }

    // A file of the folder that cannot be written is named; the others take the copies.
    void reportsAFileThatCannotBeWritten()
    {
        EndToEnd e;
        const QString locked = e.copy(QStringLiteral("photo.jpg"), QStringLiteral("a.jpg"));
        const QString other = e.copy(QStringLiteral("photo.jpg"), QStringLiteral("b.jpg"));
        const auto folderEditor = e.open(QFileInfo(locked).absolutePath());
        QVERIFY(folderEditor && folderEditor->isFolder());
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner));

        SyncTagValuesTask::Settings settings({folderEditor});
        settings.pairs = {{TagName(QStringLiteral("IFD0"), QStringLiteral("Model")),
                           TagName(QStringLiteral("XMP-dc"), QStringLiteral("Source"))}};
        auto task = std::make_shared<SyncTagValuesTask>(settings);
        halvex::test::runTask(task);
        QCOMPARE(task->messages().size(), 1);
        QCOMPARE(task->messages().first().filePath, locked);
        QCOMPARE(task->messages().first().reason.key, QStringLiteral("ImmediateWriteFileReadOnlyError"));
        QCOMPARE(EndToEnd::read(locked, {QStringLiteral("XMP-dc:Source")}), QStringLiteral("-"));
        QCOMPARE(EndToEnd::read(other, {QStringLiteral("XMP-dc:Source")}), QStringLiteral("Fixture Cam"));
    }
};

QTEST_GUILESS_MAIN(SyncTagValuesTaskTest)
#include "SyncTagValuesTaskTest.moc"
