#include "editor/EditorFileGridBarController.h"
#include "editor/EditorSettings.h"
#include "editor/EditorViewController.h"
#include "editor/EditorWindowHost.h"
#include "filebrowser/FileCollectionViewItem.h"
#include "filebrowser/GridSliderView.h"
#include "filebrowser/ImageCollectionView.h"
#include "filemodel/FileModelTestSupport.h"
#include "filemodel/FileRowDragData.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/core/UserDefaults.h"
#include "support/TestEnvironment.h"

#include <QAbstractItemModelTester>
#include <QMainWindow>
#include <QMimeData>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>
#include <QtTest>

#include <cmath>

using namespace corvelle;

namespace {

// A window controller over a list of files, in the section a test chooses; it records the files
// it is asked to open and the commands it is sent.
class GridHost : public EditorWindowHost {
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
    void performCommand(const QString& action, QAction*) override { commands << action; }
    void addFiles(const QList<QUrl>& urls) override { openedUrls << urls; }
    EditorContentSection contentSection() const override { return section; }

    EditorContentSection section = EditorContentSection::tags;
    QStringList commands;
    QList<QUrl> openedUrls;

private:
    QMainWindow window_;
    MetadataFileList list_;
};

// The section that holds the grid bar.
class GridSection : public EditorViewController {
public:
    using EditorViewController::EditorViewController;
    EditorFileGridBarController* bar = nullptr;

protected:
    void setupViews() override
    {
        bar = new EditorFileGridBarController(this);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(bar->view());
    }
};

using Mode = EditorFileGridBarController::SizingMode;

QStringList names(const MetadataFileList& list)
{
    QStringList shown;
    for (const MetadataFilePointer& file : list.files())
        shown << file->url().fileName();
    return shown;
}

} // namespace

class EditorFileGridBarControllerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GridHost> host_;
    GridSection* section_ = nullptr;
    QTemporaryDir folder_;

    EditorFileGridBarController* bar() { return section_->bar; }
    ImageCollectionView* grid() { return bar()->fileCollectionView(); }
    MetadataFileList& list() { return *host_->metadataFileList(); }

    // Pictures named a.jpg, b.jpg, ... copied from the photo fixture.
    void addPhotos(int count)
    {
        QList<MetadataFilePointer> files;
        for (int i = 0; i < count; ++i) {
            const QString name = QString(QChar('a' + i)) + QStringLiteral(".jpg");
            files << test::memoryFile(test::copyFixture(folder_.path(), QStringLiteral("photo.jpg"), name));
        }
        list().postDidChangeFiles(list().insertWithoutNotifying(files, 0));
    }

    QRect itemRect(int row) { return grid()->visualRect(bar()->fileListModel()->index(row, 0)); }

    void waitForPictures()
    {
        for (int row = 0; row < bar()->fileListModel()->rowCount(); ++row) {
            const QModelIndex index = bar()->fileListModel()->index(row, 0);
            QTRY_VERIFY_WITH_TIMEOUT(!index.data(Qt::DecorationRole).value<QPixmap>().isNull(), 20000);
        }
    }

    // A drag that enters the grid and is dropped at `point`.
    void drop(const QPoint& point, QMimeData* data, Qt::DropActions actions = Qt::MoveAction | Qt::CopyAction)
    {
        QDragEnterEvent enter(point, actions, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid()->viewport(), &enter);
        QDropEvent event(point, actions, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid()->viewport(), &event);
        delete data;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(folder_.isValid());
        brisa::UserDefaults::standard().set(Settings::tagsSectionFileCollectionZoom(), 0.8);
        brisa::UserDefaults::standard().set(Settings::mapSectionFileCollectionZoom(), 0.8);
        host_ = std::make_unique<GridHost>();
        host_->mainWindow().resize(820, 600);
        section_ = new GridSection(host_.get());
        host_->mainWindow().setCentralWidget(section_->view());
        host_->mainWindow().show();
        QVERIFY(QTest::qWaitForWindowExposed(&host_->mainWindow()));
    }

    void cleanup()
    {
        section_->stopObserving();
        delete section_;
        host_.reset();
    }

    void itemSizes_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<double>("width");
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("itemWidth");
        QTest::newRow("zoom 1: one column") << 1.0 << 800.0 << int(Mode::resting) << 799.9;
        QTest::newRow("zoom 0: seven columns") << 0.0 << 800.0 << int(Mode::resting) << (800.0 - 12) / 7 - 0.1;
        QTest::newRow("zoom 0.5: four columns") << 0.5 << 800.0 << int(Mode::resting) << (800.0 - 6) / 4 - 0.1;
        QTest::newRow("zoom 0.8 resting: two columns") << 0.8 << 800.0 << int(Mode::resting) << (800.0 - 2) / 2 - 0.1;
        QTest::newRow("zoom 0.8 sliding: 2.2 columns") << 0.8 << 800.0 << int(Mode::sliding) << (800.0 - 2 * 1.2) / 2.2 - 0.1;
        QTest::newRow("zoom 0.8 live resizing") << 0.8 << 800.0 << int(Mode::liveResizing) << (800.0 - 2) / 2.5;
        QTest::newRow("below zoom 0: as 0") << -3.0 << 800.0 << int(Mode::resting) << (800.0 - 12) / 7 - 0.1;
        QTest::newRow("a narrow grid: the minimum") << 0.0 << 60.0 << int(Mode::resting)
                                                    << EditorFileGridBarController::minimumItemWidth;
        QTest::newRow("no width at all: the minimum") << 0.5 << 0.0 << int(Mode::liveResizing)
                                                      << EditorFileGridBarController::minimumItemWidth;
    }

    // Items are sized from the zoom and the grid's width; no width makes them smaller than the
    // minimum, and their height follows their width.
    void itemSizes()
    {
        QFETCH(double, zoom);
        QFETCH(double, width);
        QFETCH(int, mode);
        QFETCH(double, itemWidth);
        const QSizeF size = EditorFileGridBarController::itemSize(zoom, width, Mode(mode));
        QVERIFY2(std::abs(size.width() - itemWidth) < 1e-9, qPrintable(QString::number(size.width())));
        QCOMPARE(size.height(), size.width() * 0.75 + FileCollectionViewItem::nameHeight);
    }

    void shiftRanges_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("before the selection") << QList<int>{7} << 2 << QList<int>{2, 3, 4, 5, 6, 7};
        QTest::newRow("after the selection") << QList<int>{3} << 9 << QList<int>{3, 4, 5, 6, 7, 8, 9};
        QTest::newRow("nothing selected") << QList<int>{} << 4 << QList<int>{4};
        QTest::newRow("inside a spread selection") << QList<int>{2, 8} << 5 << QList<int>{2, 5, 6, 7, 8};
    }

    void shiftRanges()
    {
        QFETCH(QList<int>, selected);
        QFETCH(int, clicked);
        QFETCH(QList<int>, expected);
        QCOMPARE(ImageCollectionView::shiftSelection(selected, clicked), expected);
    }

    void sliderSteps_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<bool>("zoomIn");
        QTest::addColumn<double>("end");
        QTest::addColumn<int>("clicks");
        QTest::newRow("in from 0.9") << 0.9 << true << 1.0 << 1;
        QTest::newRow("in at 1") << 1.0 << true << 1.0 << 0;
        QTest::newRow("out from 0.1") << 0.1 << false << 0.0 << 1;
        QTest::newRow("out at 0") << 0.0 << false << 0.0 << 0;
        QTest::newRow("in from 0.5") << 0.5 << true << 0.7 << 1;
    }

    // The zoom buttons step by 0.2 within 0..1 and report a click only when the value moved.
    void sliderSteps()
    {
        QFETCH(double, start);
        QFETCH(bool, zoomIn);
        QFETCH(double, end);
        QFETCH(int, clicks);
        GridSliderView slider;
        QCOMPARE(slider.value(), 0.5);
        slider.setValue(start);
        QSignalSpy clicked(&slider, &GridSliderView::clicked);
        zoomIn ? slider.zoomIn() : slider.zoomOut();
        QVERIFY(std::abs(slider.value() - end) < 1e-9);
        QCOMPARE(clicked.count(), clicks);
    }

    // Dragging the slider reports its press, its steps and its release, each with the value
    // read from the slider; with nothing connected the value still follows.
    void sliderDrag()
    {
        GridSliderView slider;
        slider.resize(200, 24);
        QSignalSpy started(&slider, &GridSliderView::slideStarted);
        QSignalSpy continued(&slider, &GridSliderView::slideContinued);
        QSignalSpy stopped(&slider, &GridSliderView::slideStopped);
        QSlider* inner = slider.slider();
        inner->setSliderDown(true);
        inner->setSliderPosition(250);
        inner->setSliderPosition(300);
        inner->setSliderDown(false);
        QCOMPARE(started.count(), 1);
        QCOMPARE(continued.count(), 2);
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(slider.value(), 0.3);
    }

    void zoomKeys_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<double>("stored");
        QTest::addColumn<double>("read");
        QTest::newRow("tags") << int(EditorContentSection::tags) << 0.3 << 0.3;
        QTest::newRow("map") << int(EditorContentSection::map) << 0.9 << 0.9;
        QTest::newRow("preview keeps none") << int(EditorContentSection::preview) << 0.3 << 0.5;
        QTest::newRow("tags, out of range: default") << int(EditorContentSection::tags) << 7.0 << 0.8;
        QTest::newRow("map, not a number: default") << int(EditorContentSection::map) << std::nan("") << 0.8;
    }

    // Each of the tags and map sections keeps its own zoom; other sections keep none and read
    // 0.5. A stored zoom that cannot be one reads as the default.
    void zoomKeys()
    {
        QFETCH(int, section);
        QFETCH(double, stored);
        QFETCH(double, read);
        host_->section = EditorContentSection(section);
        brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
        const Settings::CGFloatKey* key = Settings::fileCollectionZoomKey(EditorContentSection(section));
        if (key)
            defaults.set(*key, stored);
        else
            QVERIFY(!std::isnan(stored));
        QCOMPARE(bar()->storedZoom(), read);
        bar()->storeZoom(0.25);
        if (key)
            QCOMPARE(defaults.value(*key), 0.25);
        QCOMPARE(defaults.value(Settings::tagsSectionFileCollectionZoom()),
                 section == int(EditorContentSection::tags) ? 0.25 : 0.8);
        QCOMPARE(defaults.value(Settings::mapSectionFileCollectionZoom()),
                 section == int(EditorContentSection::map) ? 0.25 : 0.8);
    }

    // The slider sets the zoom: a click stores it and the items take the resting size; while
    // dragged, the columns keep their fraction; the file at the top left stays there.
    void zoomingKeepsTheTopLeftFile()
    {
        QAbstractItemModelTester tester(bar()->fileListModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QList<MetadataFilePointer> files;
        for (int i = 0; i < 200; ++i)
            files << test::memoryFile(QStringLiteral("/clips/clip%1.mov").arg(i, 3, 10, QLatin1Char('0')));
        list().postDidChangeFiles(list().insertWithoutNotifying(files, 0));
        GridSliderView* slider = bar()->sliderView();
        slider->setValue(0.0);
        bar()->zoomClicked();
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::tagsSectionFileCollectionZoom()), 0.0);
        const double width = grid()->viewport()->width() - EditorFileGridBarController::spacing;
        QCOMPARE(bar()->currentItemSize().width(),
                 int(EditorFileGridBarController::itemSize(0.0, width, Mode::resting).width()));

        grid()->scrollTo(bar()->fileListModel()->index(70, 0), QAbstractItemView::PositionAtTop);
        const QModelIndex topLeft = bar()->topLeftVisibleIndex();
        QVERIFY(topLeft.isValid() && topLeft.row() >= 63);

        slider->setValue(0.5);
        bar()->zoomSlideStarted();
        slider->setValue(0.45);
        bar()->zoomSlideContinued();
        QCOMPARE(bar()->currentItemSize().width(),
                 int(EditorFileGridBarController::itemSize(0.45, width, Mode::sliding).width()));
        bar()->zoomSlideStopped();
        QCOMPARE(bar()->currentItemSize().width(),
                 int(EditorFileGridBarController::itemSize(0.45, width, Mode::resting).width()));
        QCOMPARE(grid()->visualRect(topLeft).top(), 0);
    }

    // A user's click selects in the list with one selection edition; the list's own change of
    // selection reaches the grid and posts nothing back.
    void selectionEchoStops()
    {
        addPhotos(4);
        waitForPictures();
        QStringList posted;
        brisa::NoteSubscriber subscriber;
        subscriber.subscribe(MetadataFileList::didChangeFilesNotification, &list(), [&posted](const brisa::Notification& note) {
            posted << test::describe(*MetadataFileList::fileListEdition(note));
        });
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, itemRect(2).center());
        QCOMPARE(posted, QStringList{QStringLiteral("selection {2}")});
        QCOMPARE(list().selection(), brisa::IndexSet{2});

        posted.clear();
        list().setSelection(brisa::IndexSet{0, 3});
        QCOMPARE(posted, QStringList{QStringLiteral("selection {0,3}")});
        QVERIFY(grid()->selectionModel()->isRowSelected(0, {}));
        QVERIFY(grid()->selectionModel()->isRowSelected(3, {}));
        QVERIFY(!grid()->selectionModel()->isRowSelected(2, {}));

        // Shift widens from the selection; a plain click selects one again.
        posted.clear();
        list().setSelection(brisa::IndexSet{1});
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, itemRect(3).center());
        QCOMPARE(list().selection(), (brisa::IndexSet{1, 2, 3}));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, itemRect(0).center());
        QCOMPARE(list().selection(), brisa::IndexSet{0});
    }

    // The margin around a picture is background: a click there selects nothing, and a rubber
    // band that meets only margins leaves those items unselected.
    void marginsAreBackground()
    {
        addPhotos(3);
        waitForPictures();
        list().setSelection(brisa::IndexSet{1});
        const QRect item = itemRect(0);
        const QPoint margin(item.left() + 1, item.top() + 1);
        QVERIFY(!grid()->indexAt(margin).isValid());
        QVERIFY(grid()->indexAt(item.center()).isValid());
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, margin);
        QVERIFY(list().selection().isEmpty());

        // A band inside the first item's top margin only.
        const QPoint from(item.left() + 1, item.top() + 1), to(item.right() - 1, item.top() + 2);
        QTest::mousePress(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, to, grid()->viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid()->viewport(), &move);
        QTest::mouseRelease(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, to);
        QVERIFY(list().selection().isEmpty());

        // A band from the second item's margin, drawn up to the left, to the middle of the first
        // picture keeps the first only.
        const QPoint a(itemRect(0).center()), b(itemRect(1).left() + 1, itemRect(1).top() + 1);
        QTest::mousePress(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, b);
        QMouseEvent across(QEvent::MouseMove, a, grid()->viewport()->mapToGlobal(a), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid()->viewport(), &across);
        QTest::mouseRelease(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, a);
        QCOMPARE(list().selection(), brisa::IndexSet{0});
    }

    // Items dragged inside the grid go before the item they are dropped on: a, b dropped on e
    // of six give c, d, a, b, e, f, in one move edition.
    void movesDropBeforeAnItem()
    {
        addPhotos(6);
        QStringList posted;
        brisa::NoteSubscriber subscriber;
        subscriber.subscribe(MetadataFileList::didChangeFilesNotification, &list(), [&posted](const brisa::Notification& note) {
            posted << test::describe(*MetadataFileList::fileListEdition(note));
        });
        drop(itemRect(4).center(), FileRowDragData::make(EditorFileGridBarController::itemPasteboardType(), brisa::IndexSet{0, 1}));
        QCOMPARE(names(list()), (QStringList{"c.jpg", "d.jpg", "a.jpg", "b.jpg", "e.jpg", "f.jpg"}));
        QCOMPARE(posted, QStringList{QStringLiteral("move {0,1} to 4")});
        QCOMPARE(bar()->fileListModel()->index(2, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("a.jpg"));

        // Rows of another list (the table's type) are not the grid's.
        posted.clear();
        drop(itemRect(5).center(), FileRowDragData::make(QStringLiteral("application/x-other"), brisa::IndexSet{0}));
        QVERIFY(posted.isEmpty());
    }

    // Files dropped on an item are opened and go before it; the index is handed out once.
    void filesDropAtTheirItem()
    {
        addPhotos(5);
        auto* data = new QMimeData;
        const QUrl url = QUrl::fromLocalFile(test::fixturePath(QStringLiteral("movie.mov")));
        data->setUrls({url});
        drop(itemRect(3).center(), data, Qt::CopyAction);
        QCOMPARE(host_->openedUrls, QList<QUrl>{url});
        QCOMPARE(bar()->takeDropFilesIndex(), std::optional<int>(3));
        QCOMPARE(bar()->takeDropFilesIndex(), std::nullopt);

        // Dropped where no item stands, after the last one: at the end.
        grid()->scrollToBottom();
        auto* below = new QMimeData;
        below->setUrls({url});
        drop(itemRect(4).center() + QPoint(itemRect(4).width() + 4, 0), below, Qt::CopyAction);
        QCOMPARE(bar()->takeDropFilesIndex(), std::optional<int>(5));
    }

    // Space toggles Quick Look with any modifier; Delete removes the selected files.
    void keys()
    {
        addPhotos(2);
        list().setSelection(brisa::IndexSet{0});
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_Space);
        QTest::keyClick(grid(), Qt::Key_Space, Qt::ShiftModifier);
        QTest::keyClick(grid(), Qt::Key_Delete);
        QCOMPARE(host_->commands, (QStringList{"toggleQuickLook:", "toggleQuickLook:", "removeSelectedFiles:"}));
    }

    void validation_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("enabled");
        QTest::newRow("empty list") << 0 << QList<int>{} << QStringList{};
        QTest::newRow("nothing selected") << 3 << QList<int>{} << QStringList{"selectAll:"};
        QTest::newRow("all selected") << 2 << QList<int>{0, 1} << QStringList{"deselectAll:", "deleteBackward:"};
        QTest::newRow("first selected") << 3 << QList<int>{0}
                                        << QStringList{"selectAll:", "deselectAll:", "selectNext:", "deleteBackward:"};
        QTest::newRow("last selected") << 3 << QList<int>{2}
                                       << QStringList{"selectAll:", "deselectAll:", "selectPrevious:", "deleteBackward:"};
        QTest::newRow("first and last") << 3 << QList<int>{0, 2} << QStringList{"selectAll:", "deselectAll:", "deleteBackward:"};
    }

    void validation()
    {
        QFETCH(int, files);
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, enabled);
        if (files)
            addPhotos(files);
        list().setSelection(brisa::IndexSet(selected));
        QStringList answered;
        for (const QString& action : {"selectAll:", "deselectAll:", "selectPrevious:", "selectNext:", "deleteBackward:", "copy:"}) {
            if (bar()->validateUserInterfaceItem(action))
                answered << action;
        }
        QCOMPARE(answered, enabled);
    }
};

QTEST_MAIN(EditorFileGridBarControllerTest)
#include "EditorFileGridBarControllerTest.moc"
