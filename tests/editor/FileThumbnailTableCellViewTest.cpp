#include "editor/FileThumbnailTableCellView.h"
#include "engine/halvex/tags/TagEditor.h"
#include "support/TestEnvironment.h"

#include <QLabel>
#include <QtTest>

using namespace corvelle;

class FileThumbnailTableCellViewTest : public QObject {
    Q_OBJECT

    static MetadataFilePointer fileAt(const QString& path)
    {
        halvex::TagStorage storage(halvex::TagStorageSource(QUrl::fromLocalFile(path)));
        return std::make_shared<MetadataFile>(std::make_shared<halvex::TagEditor>(storage));
    }

private Q_SLOTS:
    // A row scrolled back into sight gets a new cell: its picture is there at once, not made again.
    void aFileShownAgainHasItsPictureAtOnce()
    {
        const MetadataFilePointer photo = fileAt(test::fixturePath(QStringLiteral("photo.jpg")));
        FileThumbnailTableCellView first;
        first.setFile(photo);
        QTRY_VERIFY(first.hasThumbnail());

        FileThumbnailTableCellView second;
        second.setFile(photo);
        QVERIFY(second.hasThumbnail());

    }
};

QTEST_MAIN(FileThumbnailTableCellViewTest)
#include "FileThumbnailTableCellViewTest.moc"
