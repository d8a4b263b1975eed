#include "engine/halvex/tags/ETTagEditor.h"
#include "filemodel/FileModelTestSupport.h"
#include "filemodel/MetadataFile.h"

#include <QtTest>

using namespace corvelle;
using corvelle::test::memoryFile;

class MetadataFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twoFilesOfOnePathAreTwoFiles()
    {
        const MetadataFilePointer first = memoryFile("/media/clip.mov");
        const MetadataFilePointer second = memoryFile("/media/clip.mov");
        QCOMPARE(first->url(), second->url());
        QVERIFY(first != second);
        const QSet<MetadataFilePointer> files{first, second};
        QCOMPARE(files.size(), 2);
    }

    // A file stays findable in a hashed container while its editor's source moves.
    void hashFollowsIdentityNotSource()
    {
        const MetadataFilePointer file = memoryFile("/media/clip.mov");
        QSet<MetadataFilePointer> files{file, memoryFile("/media/other.mov")};
        QHash<MetadataFilePointer, int> rows{{file, 7}};
        const size_t hash = qHash(file);
        file->editor()->setSource(halvex::TagStorageSource(QUrl::fromLocalFile("/media/renamed.mp4")));
        QCOMPARE(file->filename(), QString("renamed.mp4"));
        QCOMPARE(file->url(), QUrl::fromLocalFile("/media/renamed.mp4"));
        QCOMPARE(qHash(file), hash);
        QVERIFY(files.contains(file));
        QCOMPARE(rows.value(file), 7);
        QVERIFY(files.remove(file));
    }

    void namesAndFolders()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("Holiday 2024"));
        QVERIFY(QDir(dir.path()).mkpath("photos.d"));
        QFile readme(dir.filePath("README"));
        QVERIFY(readme.open(QIODevice::WriteOnly));
        readme.close();

        const MetadataFilePointer withoutExtension = memoryFile(dir.filePath("README"));
        QVERIFY(!withoutExtension->isFolder());
        QCOMPARE(withoutExtension->filename(), QString("README"));
        QVERIFY(!memoryFile(corvelle::test::fixturePath("movie.mov"))->isFolder());
        const MetadataFilePointer folder = memoryFile(dir.filePath("Holiday 2024"));
        QVERIFY(folder->isFolder());
        QCOMPARE(folder->filename(), QString("Holiday 2024"));
        QVERIFY(memoryFile(dir.filePath("photos.d"))->isFolder());
        // A folder editor is a folder even when its folder has gone.
        const auto gone = std::make_shared<MetadataFile>(std::make_shared<halvex::ETTagEditor>(
            halvex::TagStorage(halvex::TagStorageSource(QUrl::fromLocalFile(dir.filePath("gone"))))));
        QVERIFY(gone->isFolder());
        QCOMPARE(gone->filename(), QString("gone"));
    }

    void keychainName()
    {
        QCOMPARE(decodingPasswordKeychainName(), QString("Corvelle decoding password"));
    }
};

QTEST_GUILESS_MAIN(MetadataFileTest)

#include "MetadataFileTest.moc"
