#include "widgets/controls/DropFilesView.h"

#include <QDropEvent>
#include <QMimeData>
#include <QtTest>

using corvelle::DropFilesView;

namespace {

QMimeData* dragged(const QList<QUrl>& urls)
{
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

} // namespace

class DropFilesViewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dragsAndDrops_data()
    {
        QTest::addColumn<bool>("handlersSet");
        QTest::addColumn<bool>("canImport");
        QTest::addColumn<bool>("imports");
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<Qt::DropActions>("offered");
        QTest::addColumn<bool>("entered");
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<QList<QUrl>>("asked");      // what canImportHandler was given
        QTest::addColumn<QList<QUrl>>("imported");   // what importHandler was given

        const QUrl movie = QUrl::fromLocalFile("/tmp/a movie.mov");
        const QUrl folder = QUrl::fromLocalFile("/tmp/folder");
        const QUrl web("https://example.org/a.mov");
        const Qt::DropActions copyOrMove = Qt::CopyAction | Qt::MoveAction;
        QTest::newRow("no handlers set") << false << true << true << QList<QUrl>{movie} << copyOrMove
                                         << false << false << QList<QUrl>{} << QList<QUrl>{};
        QTest::newRow("taken") << true << true << true << QList<QUrl>{movie, folder} << copyOrMove
                               << true << true << QList<QUrl>{movie, folder} << QList<QUrl>{movie, folder};
        // A drag refused on entering is refused as a whole: its drop never arrives.
        QTest::newRow("refused on entering") << true << false << true << QList<QUrl>{movie} << copyOrMove
                                             << false << false << QList<QUrl>{movie} << QList<QUrl>{};
        QTest::newRow("refused on dropping") << true << true << false << QList<QUrl>{movie} << copyOrMove
                                             << true << false << QList<QUrl>{movie} << QList<QUrl>{movie};
        QTest::newRow("only the files are handed") << true << true << true << QList<QUrl>{web, movie} << copyOrMove
                                                   << true << true << QList<QUrl>{movie} << QList<QUrl>{movie};
        QTest::newRow("no files, handlers not asked") << true << true << true << QList<QUrl>{web} << copyOrMove
                                                      << false << false << QList<QUrl>{} << QList<QUrl>{};
        QTest::newRow("source forbids copying") << true << true << true << QList<QUrl>{movie}
                                                << Qt::DropActions(Qt::MoveAction) << false << false
                                                << QList<QUrl>{} << QList<QUrl>{};
    }

    void dragsAndDrops()
    {
        QFETCH(bool, handlersSet);
        QFETCH(bool, canImport);
        QFETCH(bool, imports);
        QFETCH(QList<QUrl>, urls);
        QFETCH(Qt::DropActions, offered);
        QFETCH(bool, entered);
        QFETCH(bool, dropped);
        QFETCH(QList<QUrl>, asked);
        QFETCH(QList<QUrl>, imported);

        DropFilesView view;
        view.resize(100, 100);
        QList<QUrl> askedWith;
        QList<QUrl> importedWith;
        if (handlersSet) {
            view.setCanImportHandler([&](const QList<QUrl>& files) {
                askedWith = files;
                return canImport;
            });
            view.setImportHandler([&](const QList<QUrl>& files) {
                importedWith = files;
                return imports;
            });
        }
        std::unique_ptr<QMimeData> data(dragged(urls));

        QDragEnterEvent enter(QPoint(50, 50), offered, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &enter);
        QCOMPARE(enter.isAccepted(), entered);
        if (entered)
            QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QCOMPARE(askedWith, asked);

        QDropEvent drop(QPointF(50, 50), offered, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &drop);
        QCOMPARE(drop.isAccepted(), dropped);
        if (dropped)
            QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QCOMPARE(importedWith, imported);
    }
};

QTEST_MAIN(DropFilesViewTest)
#include "DropFilesViewTest.moc"
