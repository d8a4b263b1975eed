#include "editor/EditorFileListBarController.h"
#include "editor/EditorPreviewViewController.h"
#include "editor/EditorSettings.h"
#include "editor/EditorWindowHost.h"
#include "editor/FileSourceTableCellView.h"
#include "editor/FileTagValueTableCellView.h"
#include "editor/FileTextTableCellView.h"
#include "engine/halvex/kit/KitSettings.h"
#include "engine/halvex/tags/MediaType.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/TagItem.h"
#include "filemodel/FileRowDragData.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"
#include "filemodel/MetadataFileListSort.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/core/UserDefaults.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QHeaderView>
#include <QMainWindow>
#include <QScrollBar>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QtTest>

using namespace corvelle;

namespace {

// A window controller holding a list of files made in memory.
class ListHost : public EditorWindowHost {
public:
    QWidget* window() const override { return const_cast<QMainWindow*>(&window_); }
    QMainWindow& mainWindow() { return window_; }
    void updateInterface() override {}
    QMenu* fileContextualMenu() const override { return const_cast<QMenu*>(&menu_); }
    MetadataFileList* metadataFileList() const override { return const_cast<MetadataFileList*>(&list_); }
    halvex::TagValueTable* tagValueTable() const override { return nullptr; }
    void switchToPreviewSection() override {}
    void switchToTagsSection() override {}
    void switchToMapSection() override {}
    void switchToRawSection() override {}
    void addTagEditors(const QList<std::shared_ptr<halvex::TagEditor>>&) override {}
    void addFiles(const QList<QUrl>& urls) override { openedUrls << urls; }

    QList<QUrl> openedUrls;

private:
    QMainWindow window_;
    MetadataFileList list_;
    QMenu menu_;
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

    EditorFileListBarController* bar() { return view_->fileBarController(); }
    QTableView* table() { return bar()->fileTableView(); }

    QString shownName(int row)
    {
        return FileSourceTableCellView::filenameText(bar()->cellIndex(row, FileSourceTableCellView::cellType().columnIdentifier));
    }

    void addFiles(int count)
    {
        MetadataFileList* list = host_->metadataFileList();
        list->postDidChangeFiles(list->insertWithoutNotifying(makeFiles(QStringLiteral("clip"), count), 0));
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

    // Thousands of files are rows of one model, not widgets: every row shows its file at once,
    // wherever it is scrolled, also after rows were put in before it.
    void rowsShowTheirFiles()
    {
        QAbstractItemModelTester tester(table()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        addFiles(1000);
        QCOMPARE(table()->model()->rowCount(), 1000);
        QCOMPARE(shownName(0), QStringLiteral("clip0000.mov"));
        QCOMPARE(shownName(999), QStringLiteral("clip0999.mov"));
        QVERIFY(table()->findChildren<QLabel*>().isEmpty());

        QTRY_VERIFY(table()->verticalScrollBar()->maximum() > 0);
        table()->verticalScrollBar()->setValue(table()->verticalScrollBar()->maximum());
        QCOMPARE(table()->rowAt(table()->viewport()->height() - 1), 999);

        MetadataFileList* list = host_->metadataFileList();
        list->postDidChangeFiles(list->insertWithoutNotifying(makeFiles(QStringLiteral("early"), 5), 0));
        QCOMPARE(table()->model()->rowCount(), 1005);
        QCOMPARE(shownName(1004), QStringLiteral("clip0999.mov"));
        QCOMPARE(shownName(999), QStringLiteral("clip0994.mov"));
        QCOMPARE(shownName(0), QStringLiteral("early0000.mov"));
    }

    // Leaving the section keeps where the table was scrolled to, in pixels; coming back shows
    // the same rows.
    void theScrollPositionIsKept()
    {
        addFiles(300);
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
        QCOMPARE(firstInSight, 5017 / EditorFileListBarController::rowHeight);
        QCOMPARE(shownName(firstInSight), QStringLiteral("clip%1.mov").arg(firstInSight, 4, 10, QLatin1Char('0')));
    }

    // The name column takes the width the fixed columns leave, however narrow the window; its
    // names are cut in their middle, the other texts at their end, never just clipped.
    void theNameColumnTakesTheSpareWidthAndTextsAreCut()
    {
        addFiles(3);
        const int nameColumn = bar()->fileListModel()->columnOf(FileSourceTableCellView::cellType().columnIdentifier);
        QHeaderView* header = table()->horizontalHeader();
        QTRY_VERIFY(header->sectionSize(nameColumn) > 100);
        int others = 0;
        for (int column = 0; column < header->count(); ++column) {
            if (column != nameColumn)
                others += header->sectionSize(column);
        }
        QCOMPARE(header->sectionSize(nameColumn), table()->viewport()->width() - others);

        QStyleOptionViewItem option;
        option.initFrom(table());
        option.rect = QRect(0, 0, 60, EditorFileListBarController::rowHeight);
        const QString column = QStringLiteral("FileOriginalTagsTableColumn");
        auto* text = qobject_cast<FileTextTableCellView*>(bar()->cellDelegate(column));
        QVERIFY(text);
        const QModelIndex index = bar()->cellIndex(0, column);
        option.rect.setWidth(2 * FileItemTableCellView::horizontalMargin
                             + option.fontMetrics.horizontalAdvance(text->text(index)) * 2 / 3);
        const QString shown = text->displayedText(option, index);
        QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
        QCOMPARE(text->elideMode(), Qt::ElideRight);
    }

    // The tag-value columns follow the kinds of file the application opens: the camera and the
    // shot of pictures, else the name and the making of movies, else none.
    void tagValueColumnsFollowTheSupportedKinds_data()
    {
        QTest::addColumn<QList<halvex::MediaKind>>("kinds");
        QTest::addColumn<QStringList>("columns");
        using K = halvex::MediaKind;
        const QStringList exif{QStringLiteral("FileExifMakeTableColumn"), QStringLiteral("FileExifDateTimeTableColumn")};
        const QStringList quicktime{QStringLiteral("FileQuicktimeNameTableColumn"), QStringLiteral("FileQuicktimeDateTimeTableColumn")};
        QTest::newRow("images and movies") << QList<K>{K::image, K::movie} << exif;
        QTest::newRow("movies and audio") << QList<K>{K::movie, K::audio, K::sidecar} << quicktime;
        QTest::newRow("audio only") << QList<K>{K::audio} << QStringList();
    }

    void tagValueColumnsFollowTheSupportedKinds()
    {
        QFETCH(QList<halvex::MediaKind>, kinds);
        QFETCH(QStringList, columns);
        halvex::KitSettings& settings = halvex::KitSettings::shared();
        const QSet<halvex::MediaType> kept = settings.supportedMediaTypes();
        settings.setSupportedMediaTypes(halvex::MediaType::types(kinds));
        QStringList shown;
        for (const FileTableCellType& type : EditorPreviewViewController::tableCellTypes()) {
            const std::unique_ptr<FileItemTableCellView> cell(type.makeDelegate(nullptr));
            if (qobject_cast<FileTagValueTableCellView*>(cell.get()))
                shown << type.columnIdentifier;
        }
        settings.setSupportedMediaTypes(kept);
        QCOMPARE(shown, columns);
    }

    // A tag-value cell shows "-" until the value is read off the main thread, and for a file
    // without the tag or with a date that is no date; an applied edit of the file shows its new
    // value; a row that shows another file before the value arrives never shows the old file's.
    void tagValueCellsShowTheirFilesValues()
    {
        const ostrak::TagName make = ostrak::TagItem::itemEXIFMake().tagName();
        const ostrak::TagName shot = ostrak::TagItem::itemEXIFDateTimeOriginal().tagName();
        QList<MetadataFilePointer> files = makeFiles(QStringLiteral("shot"), 3);
        {
            // The values as read from the files, not as edits.
            QList<MetadataFilePointer> made;
            const QList<std::pair<QString, QString>> values{{QStringLiteral("Corvelle"), QStringLiteral("2022:07:14 18:45:12")},
                                                            {QString(), QString()},
                                                            {QString(), QStringLiteral("sometime")}};
            for (int row = 0; row < 3; ++row) {
                halvex::TagStorage storage(files[row]->editor()->storage());
                if (!values[row].first.isEmpty())
                    storage.setValue(make, halvex::TagValue(values[row].first));
                if (!values[row].second.isEmpty())
                    storage.setValue(shot, halvex::TagValue(values[row].second));
                made.append(std::make_shared<MetadataFile>(std::make_shared<halvex::TagEditor>(storage)));
            }
            files = made;
        }
        MetadataFileList* list = host_->metadataFileList();
        list->postDidChangeFiles(list->insertWithoutNotifying(files, 0));
        const auto textAt = [this](int row, const char* column) {
            auto* cell = qobject_cast<FileTagValueTableCellView*>(bar()->cellDelegate(QString::fromLatin1(column)));
            return cell ? cell->text(bar()->cellIndex(row, QString::fromLatin1(column))) : QStringLiteral("no cell");
        };
        const QString makeColumn = QStringLiteral("FileExifMakeTableColumn");
        QVERIFY(bar()->fileListModel()->columnOf(makeColumn) >= 0);
        // Read before the table painted: nothing is known yet.
        QCOMPARE(textAt(0, "FileExifMakeTableColumn"), QStringLiteral("-"));
        // Sorted before the values arrive, the first row shows the file without values.
        list->sort(MetadataFileListSort(ostrak::TagItem::itemFileFileName().tagName(), MetadataFileListSort::SortOrder::descending));
        QCOMPARE(list->files().first(), files.at(2));
        const QString date = QLocale().toString(QDateTime(QDate(2022, 7, 14), QTime(18, 45, 12)), QLocale::ShortFormat);
        QTRY_COMPARE(textAt(2, "FileExifMakeTableColumn"), QStringLiteral("Corvelle"));
        QTRY_COMPARE(textAt(2, "FileExifDateTimeTableColumn"), date);
        for (int row : {0, 1}) {
            QTRY_COMPARE(textAt(row, "FileExifMakeTableColumn"), QStringLiteral("-"));
            QTRY_COMPARE(textAt(row, "FileExifDateTimeTableColumn"), QStringLiteral("-"));
        }

        QVERIFY(files.at(0)->editor()->setValue(QStringLiteral("Another"), make));
        QTRY_COMPARE(textAt(2, "FileExifMakeTableColumn"), QStringLiteral("Another"));
        QCOMPARE(textAt(2, "FileExifDateTimeTableColumn"), date);
        QVERIFY(files.at(1)->editor()->setValue(QStringLiteral("2023:01:02 03:04:05"), shot));
        QTRY_COMPARE(textAt(1, "FileExifDateTimeTableColumn"),
                     QLocale().toString(QDateTime(QDate(2023, 1, 2), QTime(3, 4, 5)), QLocale::ShortFormat));
        QCOMPARE(textAt(1, "FileExifMakeTableColumn"), QStringLiteral("-"));
    }

    // A right click opens the window's file menu; a selection made in the table is the list's.
    void theTableSelectsAndOffersTheFileMenu()
    {
        addFiles(5);
        MetadataFileList* list = host_->metadataFileList();
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, table()->visualRect(bar()->cellIndex(2, QStringLiteral("FileSourceTableColumn"))).center());
        QCOMPARE(list->selection(), brisa::IndexSet{2});
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::ShiftModifier, table()->visualRect(bar()->cellIndex(4, QStringLiteral("FileSourceTableColumn"))).center());
        QCOMPARE(list->selection(), (brisa::IndexSet{2, 3, 4}));
        list->setSelection(brisa::IndexSet{0});
        QCOMPARE(table()->selectionModel()->selectedRows().size(), 1);
        QVERIFY(table()->selectionModel()->isRowSelected(0, {}));

        QMenu* menu = host_->fileContextualMenu();
        menu->addAction(QStringLiteral("Reveal"));
        const QPoint point = table()->visualRect(bar()->cellIndex(1, QStringLiteral("FileSourceTableColumn"))).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, table()->viewport()->mapToGlobal(point));
        QApplication::sendEvent(table()->viewport(), &event);
        QTRY_VERIFY(menu->isVisible());
        menu->close();
    }

    // Rows dragged between rows move there in one move edition: 0 and 1 dropped above row 4 of
    // six give c, d, a, b, e, f. Dropped onto the middle of a row they are refused.
    void rowsMoveBetweenRows()
    {
        MetadataFileList* list = host_->metadataFileList();
        QList<MetadataFilePointer> files;
        for (const QString& name : {"a", "b", "c", "d", "e", "f"}) {
            halvex::TagStorage storage(halvex::TagStorageSource(QUrl::fromLocalFile(QStringLiteral("/clips/%1.mov").arg(name))));
            files << std::make_shared<MetadataFile>(std::make_shared<halvex::TagEditor>(storage));
        }
        list->postDidChangeFiles(list->insertWithoutNotifying(files, 0));
        QStringList posted;
        brisa::NoteSubscriber subscriber;
        subscriber.subscribe(MetadataFileList::didChangeFilesNotification, list, [&posted](const brisa::Notification& note) {
            const brisa::SelectableArrayEdition edition = *MetadataFileList::fileListEdition(note);
            posted << QStringLiteral("%1 to %2").arg(edition.indexes().count()).arg(edition.destination());
        });
        const auto order = [list] {
            QString shown;
            for (const MetadataFilePointer& file : list->files())
                shown += file->url().fileName().left(1);
            return shown;
        };
        const auto dropRows = [this](int y) {
            QMimeData* data = FileRowDragData::make(EditorFileListBarController::rowPasteboardType(), brisa::IndexSet{0, 1});
            QDragEnterEvent enter(QPoint(40, y), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(table()->viewport(), &enter);
            if (!enter.isAccepted()) {
                delete data;
                return false;
            }
            QDropEvent event(QPointF(40, y), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(table()->viewport(), &event);
            delete data;
            return event.isAccepted();
        };
        const int rowTop = table()->rowViewportPosition(4);
        const int height = table()->rowHeight(4);
        QVERIFY(!dropRows(rowTop + height / 2));
        QCOMPARE(order(), QStringLiteral("abcdef"));
        QVERIFY(posted.isEmpty());
        QVERIFY(dropRows(rowTop + 2));
        QCOMPARE(order(), QStringLiteral("cdabef"));
        QCOMPARE(posted, QStringList{QStringLiteral("2 to 4")});

        // Files dropped on row 3 are opened and go before it; the row is handed out once.
        auto* urls = new QMimeData;
        urls->setUrls({QUrl::fromLocalFile(QStringLiteral("/clips/new.mov"))});
        const QPoint onRow3(40, table()->rowViewportPosition(3) + height / 2);
        QDragEnterEvent enter(onRow3, Qt::CopyAction, urls, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table()->viewport(), &enter);
        QDropEvent fileDrop(onRow3, Qt::CopyAction, urls, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table()->viewport(), &fileDrop);
        delete urls;
        QCOMPARE(host_->openedUrls.size(), 1);
        QCOMPARE(view_->takePendingDropIndex(), std::optional<int>(3));
        QCOMPARE(view_->takePendingDropIndex(), std::nullopt);
    }
};

QTEST_MAIN(EditorFileListBarControllerTest)
#include "EditorFileListBarControllerTest.moc"
