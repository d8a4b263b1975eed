#include "editor/FileThumbnailTableCellView.h"
#include "engine/halvex/tags/TagEditor.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"
#include "support/TestEnvironment.h"

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
    // A file taken out and put back has its picture at once, not made again.
    void aFileShownAgainHasItsPictureAtOnce()
    {
        const MetadataFilePointer photo = fileAt(test::fixturePath(QStringLiteral("photo.jpg")));
        MetadataFileList list;
        MetadataFileListModel model(&list);
        model.setColumns({{FileThumbnailTableCellView::cellType().columnIdentifier, QString(), true}});
        list.appendFiles({photo});
        QVERIFY(!FileThumbnailTableCellView::hasThumbnail(model.index(0, 0)));
        QTRY_VERIFY(FileThumbnailTableCellView::hasThumbnail(model.index(0, 0)));

        list.removeAllFiles();
        list.appendFiles({fileAt(test::fixturePath(QStringLiteral("movie.mov"))), photo});
        QVERIFY(FileThumbnailTableCellView::hasThumbnail(model.index(1, 0)));
    }
};

QTEST_MAIN(FileThumbnailTableCellViewTest)
#include "FileThumbnailTableCellViewTest.moc"
