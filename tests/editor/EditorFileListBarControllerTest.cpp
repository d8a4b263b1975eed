#include "editor/EditorFileListBarController.h"
#include "editor/EditorPreviewViewController.h"
#include "editor/EditorSettings.h"
#include "editor/EditorWindowHost.h"
#include "editor/FileSourceTableCellView.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/TagItem.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"

#include <QLabel>
#include <QMainWindow>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

using namespace corvelle;

namespace {

// A window controller holding a list of files made in memory.
class ListHost : public EditorWindowHost {
public:
    QWidget* window() const override { return const_cast<QMainWindow*>(&window_); }
    QMainWindow& mainWindow() { return window_; }
    void updateInterface() override {}
    QMenu* fileContextualMenu() const override { return nullptr; }
    MetadataFileList* metadataFileList() const override { return const_cast<MetadataFileList*>(&list_); }
    halvex::TagValueTable* tagValueTable() const override { return nullptr; }
    void switchToPreviewSection() override {}
    void switchToTagsSection() override {}
    void switchToMapSection() override {}
    void switchToRawSection() override {}
    void addTagEditors(const QList<std::shared_ptr<halvex::TagEditor>>&) override {}

private:
    QMainWindow window_;
    MetadataFileList list_;
};

QList<MetadataFilePointer> makeFiles(const QString& prefix, int count)
{
    QList<MetadataFilePointer> files;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("%1%2.mov").arg(prefix).arg(i, 4, 10, QLatin1Char('0'));
        halvex::TagStorage storage(halvex::TagStorageSource(QUrl::fromLocalFile(QStringLiteral("/clips/") + name)));
        storage.setValue(ostrak::TagItem::itemFileFileName().tagName(), halvex::TagValue(name));
        files.append(std::make_shared<MetadataFile>(std::make_shared<halvex::TagEditor>(storage)));
    }
    return files;
}

} // namespace

class EditorFileListBarControllerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ListHost> host_;
    EditorPreviewViewController* view_ = nullptr;

    QTableWidget* table() { return view_->fileBarController()->fileTableView(); }

    QString shownName(int row)
    {
        const QString column = FileSourceTableCellView::cellType().columnIdentifier;
        auto* cell = qobject_cast<FileSourceTableCellView*>(view_->fileBarController()->cell(row, column));
        return cell ? cell->filenameTextField()->text() : QString();
    }

private Q_SLOTS:
    void init()
    {
        host_ = std::make_unique<ListHost>();
        host_->mainWindow().resize(900, 600);
        view_ = new EditorPreviewViewController(host_.get());
        host_->mainWindow().setCentralWidget(view_->view());
        host_->mainWindow().show();
        QVERIFY(QTest::qWaitForWindowExposed(&host_->mainWindow()));
    }

    void cleanup()
    {
        view_->stopObserving();
        delete view_;
        host_.reset();
    }

    // Thousands of files must not mean thousands of widgets: cells exist near the rows in sight
    // and follow the scrolling, always showing the file of their row.
    void cellsFollowTheRowsInSight()
    {
        MetadataFileList* list = host_->metadataFileList();
        list->postDidChangeFiles(list->insertWithoutNotifying(makeFiles(QStringLiteral("clip"), 1000), 0));
        QCOMPARE(table()->rowCount(), 1000);
        QCOMPARE(shownName(0), QStringLiteral("clip0000.mov"));
        QVERIFY(!table()->cellWidget(999, 0));

        QTRY_VERIFY(table()->verticalScrollBar()->maximum() > 0);
        table()->verticalScrollBar()->setValue(table()->verticalScrollBar()->maximum());
        QTRY_COMPARE(shownName(999), QStringLiteral("clip0999.mov"));
        QVERIFY(!table()->cellWidget(0, 0));

        // Files put in before the rows in sight move every row: the cells show the new order.
        list->postDidChangeFiles(list->insertWithoutNotifying(makeFiles(QStringLiteral("early"), 5), 0));
        QCOMPARE(table()->rowCount(), 1005);
        QCOMPARE(shownName(1004), QStringLiteral("clip0999.mov"));
        QCOMPARE(shownName(999), QStringLiteral("clip0994.mov"));
    }

    // Leaving the section keeps where the table was scrolled to, in pixels; coming back shows
    // the same rows.
    void theScrollPositionIsKept()
    {
        MetadataFileList* list = host_->metadataFileList();
        list->postDidChangeFiles(list->insertWithoutNotifying(makeFiles(QStringLiteral("clip"), 300), 0));
        QTRY_VERIFY(table()->verticalScrollBar()->maximum() > 5000);
        table()->verticalScrollBar()->setValue(5000 + 17);
        view_->saveScrollPosition();
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::fileSectionListScrollY()), 5017.0);

        view_->stopObserving();
        delete view_;
        view_ = new EditorPreviewViewController(host_.get());
        host_->mainWindow().setCentralWidget(view_->view());
        QTRY_VERIFY(table()->verticalScrollBar()->maximum() > 5000);
        view_->restoreScrollPosition();
        QCOMPARE(table()->verticalScrollBar()->value(), 5017);
        const int firstInSight = table()->rowAt(0);
        QTRY_COMPARE(shownName(firstInSight), QStringLiteral("clip%1.mov").arg(firstInSight, 4, 10, QLatin1Char('0')));
    }

    void aBiggerWindowFillsTheNewRows()
    {
        MetadataFileList* list = host_->metadataFileList();
        list->postDidChangeFiles(list->insertWithoutNotifying(makeFiles(QStringLiteral("clip"), 200), 0));
        const int lastInSight = table()->rowAt(table()->viewport()->height() - 1);
        QVERIFY(lastInSight > 0);
        QVERIFY(!table()->cellWidget(3 * lastInSight + 10, 0));
        const int heightBefore = table()->viewport()->height();
        host_->mainWindow().resize(900, 1800);
        QTRY_VERIFY(table()->viewport()->height() > heightBefore + 1000);
        const int lastNowInSight = table()->rowAt(table()->viewport()->height() - 1);
        QVERIFY(lastNowInSight > lastInSight + 10);
        QTRY_COMPARE(shownName(lastNowInSight), QStringLiteral("clip%1.mov").arg(lastNowInSight, 4, 10, QLatin1Char('0')));
    }
};

QTEST_MAIN(EditorFileListBarControllerTest)
#include "EditorFileListBarControllerTest.moc"
