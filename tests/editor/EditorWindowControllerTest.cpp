#include "editor/EditorAlert.h"
#include "editor/EditorFileListBarController.h"
#include "editor/EditorPreviewViewController.h"
#include "editor/EditorSettings.h"
#include "editor/EditorWelcomeViewController.h"
#include "editor/EditorWindowController.h"
#include "editor/FileButtonTableCellView.h"
#include "editor/FileSourceTableCellView.h"
#include "editor/FileTextTableCellView.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "engine/halvex/tasks/SaveTagEditorsTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/TagItem.h"
#include "filemodel/EditorSession.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"
#include "filemodel/settings/EditionSettings.h"
#include "photos/OpenPhotosWindowController.h"
#include "photos/PhotoAssetListModel.h"
#include "photos/PhotoCollectionView.h"
#include "photos/PhotosSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "support/TestEnvironment.h"
#include "support/ui/SectionViewStandIn.h"
#include "widgets/TextLocalizer.h"

#include "GateTask.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace corvelle;
using corvelle::test::fixturePath;

namespace {

constexpr int taskTimeout = 60000;

QString exiftoolValue(const QString& path, const QString& tag)
{
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"), {QStringLiteral("-s3"), QStringLiteral("-") + tag, path});
    exiftool.waitForFinished(30000);
    return QString::fromUtf8(exiftool.readAllStandardOutput()).trimmed();
}

bool runExiftool(const QStringList& arguments)
{
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"), arguments);
    return exiftool.waitForFinished(30000) && exiftool.exitCode() == 0;
}

const ostrak::TagName iptcObjectName(QStringLiteral("IPTC"), QStringLiteral("ObjectName"));
const ostrak::TagName artist(QStringLiteral("IFD0"), QStringLiteral("Artist"));

// The save task queued last.
std::shared_ptr<halvex::SaveTagEditorsTask> lastSaveTask()
{
    const auto tasks = halvex::TaskManager::shared().tasks();
    for (auto it = tasks.rbegin(); it != tasks.rend(); ++it) {
        if (auto save = std::dynamic_pointer_cast<halvex::SaveTagEditorsTask>(*it))
            return save;
    }
    return nullptr;
}

// The settings saved under, and what to restore after.
struct SaveDefaults {
    std::optional<CorrectionsEditionUserChoice> corrections;
    std::optional<ErrorsBehaviorEditionUserChoice> errors;
    std::optional<FileModifyDateUpdateUserChoice> modifyDate;
    std::optional<IPTCCharSetEditionUserChoice> charSet;
    std::optional<halvex::IPTCDigestUpdate> digest;

    void apply() const
    {
        auto& defaults = brisa::UserDefaults::standard();
        const auto put = [&defaults](const auto& key, const auto& value) {
            if (value)
                defaults.set(key, *value);
            else
                defaults.setObject(key.name(), {});
        };
        put(Settings::editionUserChoiceCorrections(), corrections);
        put(Settings::editionUserChoiceErrorsBehavior(), errors);
        put(Settings::editionFileModifyDateUpdate(), modifyDate);
        put(Settings::editionUserChoiceIPTCCharSet(), charSet);
        put(Settings::editionUserChoiceIPTCDigest(), digest);
    }
};

} // namespace

Q_DECLARE_METATYPE(SaveDefaults)
Q_DECLARE_METATYPE(halvex::IPTCDigestUpdate)

// A section view that counts what the window asks of it.
class CountingSectionView : public corvelle::test::SectionViewStandIn {
public:
    using SectionViewStandIn::SectionViewStandIn;

    static inline int titles = 0;
    static inline int resizeStarts = 0;
    static inline int resizeEnds = 0;

    QString windowTitle() const override
    {
        ++titles;
        return SectionViewStandIn::windowTitle();
    }
    void windowWillStartLiveResize() override { ++resizeStarts; }
    void windowDidEndLiveResize() override { ++resizeEnds; }
};

class EditorWindowControllerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<EditorWindowController> controller_;

    QString copy(const QString& fixture, const QString& name = {})
    {
        const QString target = folder_.filePath(name.isEmpty() ? fixture : name);
        QFile::remove(target);
        QFile::copy(fixturePath(fixture), target);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }

    void waitForTasks() { QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout); QTest::qWait(0); }

    EditorFileListBarController* fileBar() const
    {
        auto* preview = qobject_cast<EditorPreviewViewController*>(controller_->editorViewController());
        return preview ? preview->fileBarController() : nullptr;
    }

    QString cellText(int row, const char* column) const
    {
        auto* cell = qobject_cast<FileTextTableCellView*>(fileBar()->cellDelegate(QString::fromLatin1(column)));
        return cell ? cell->text(fileBar()->cellIndex(row, QString::fromLatin1(column))) : QString();
    }

    // A folder holding a copy of a sound file.
    QString album()
    {
        const QString path = folder_.filePath("album");
        QDir().mkpath(path);
        QFile::copy(fixturePath("audio.m4a"), path + "/audio.m4a");
        return path;
    }

    QList<QDialog*> importOptionsSheets() const
    {
        QList<QDialog*> shown;
        for (QDialog* sheet : controller_->window()->findChildren<QDialog*>()) {
            if (sheet->isVisible() && sheet->findChild<QWidget*>("FileImportOptionsView"))
                shown << sheet;
        }
        return shown;
    }

    // Nothing is imported while the options are asked.
    void verifyNothingOpening() const
    {
        QCoreApplication::processEvents();
        QVERIFY(!halvex::TaskManager::shared().isBusy());
        QVERIFY(controller_->metadataFileList()->files().isEmpty());
    }

    QString fileName(int row) const
    {
        return FileSourceTableCellView::filenameText(fileBar()->cellIndex(row, QStringLiteral("FileSourceTableColumn")));
    }

    // The files opened through the window, in list order.
    QList<std::shared_ptr<halvex::TagEditor>> open(const QStringList& paths)
    {
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        controller_->addFiles(urls);
        if (!QTest::qWaitFor([&] { return controller_->metadataFileList()->files().size() == paths.size(); }, taskTimeout))
            return {};
        waitForTasks();
        QList<std::shared_ptr<halvex::TagEditor>> editors;
        for (const MetadataFilePointer& file : controller_->metadataFileList()->files())
            editors << file->editor();
        return editors;
    }

    QMessageBox* shownAlert() const
    {
        for (QMessageBox* box : controller_->window()->findChildren<QMessageBox*>()) {
            if (box->isVisible())
                return box;
        }
        return nullptr;
    }

    // Clicks the alert's button at `index`, the first being the one that goes on.
    static void answer(QMessageBox* alert, int index)
    {
        QAbstractButton* chosen = index == 0 ? EditorAlert::firstButton(alert) : nullptr;
        for (QAbstractButton* button : alert->buttons()) {
            if (!chosen && button != EditorAlert::firstButton(alert))
                chosen = button;
        }
        chosen->click();
    }

private Q_SLOTS:
    // The tags, map and raw sections are offered as in the finished window.
    void initTestCase() { corvelle::test::SectionViewStandIn::registerFor(); }

    void init()
    {
        brisa::UserDefaults::standard().setObject(Settings::lastContentSection().name(), {});
        controller_ = std::make_unique<EditorWindowController>();
        controller_->window()->show();
    }

    void cleanup()
    {
        waitForTasks();
        controller_.reset();
        SaveDefaults().apply();
    }

    // An empty window shows the welcome section whatever section was chosen last.
    void welcomeWhileEmpty()
    {
        brisa::UserDefaults::standard().set(Settings::lastContentSection(), EditorContentSection::tags);
        controller_ = std::make_unique<EditorWindowController>();
        QVERIFY(qobject_cast<EditorWelcomeViewController*>(controller_->editorViewController()));
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::welcome);
        QCOMPARE(controller_->preferredSection(), EditorContentSection::tags);
        QVERIFY(controller_->window()->windowTitle().startsWith(localizedString("EditorWelcomeCorvelleWindowTitle")));
    }

    void openedFilesAreRowsInNameOrder()
    {
        const QString movie = copy("movie.mov");
        const QString photo = copy("photo.jpg");
        controller_->addFiles({QUrl::fromLocalFile(photo), QUrl::fromLocalFile(movie)});
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 2, taskTimeout);
        QTRY_COMPARE(controller_->effectiveSection(), EditorContentSection::preview);
        QVERIFY(fileBar());
        QTableView* table = fileBar()->fileTableView();
        QCOMPARE(table->model()->rowCount(), 2);
        QCOMPARE(fileName(0), QString("movie.mov"));
        QCOMPARE(fileName(1), QString("photo.jpg"));
        const auto& files = controller_->metadataFileList()->files();
        for (int row = 0; row < 2; ++row) {
            const qsizetype original = files[row]->editor()->originalTags().size();
            QVERIFY(original > 0);
            QCOMPARE(cellText(row, "FileOriginalTagsTableColumn"), localizedString("TableCellTitleTagsCount", {qlonglong(original)}));
            QCOMPARE(cellText(row, "FileEditedTagsTableColumn"), localizedString("TableCellTitleTagsCount", {0}));
        }
        QCOMPARE(controller_->metadataFileList()->selection(), brisa::IndexSet{0});
        // The application's name is in the title: "2 file(s) — Corvelle".
        QCOMPARE(controller_->window()->windowTitle(), localizedString("EditorMetadataWindowSubtitle", {2}) + QStringLiteral(" — ")
                                                           + localizedString("PreviewMetadataCorvelleWindowTitle"));
    }

    // A file is never open twice: not when it is open already, not when it is asked for again
    // before its import is done, not under another spelling of its path.
    void sameFileOpensOnce()
    {
        const QString movie = copy("movie.mov");
        const QUrl url = QUrl::fromLocalFile(movie);
        const QUrl otherSpelling = QUrl::fromLocalFile(folder_.path() + "/./movie.mov");
        controller_->addFiles({url, url});
        controller_->addFiles({otherSpelling});
        waitForTasks();
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 1, taskTimeout);
        controller_->addFiles({url});
        waitForTasks();
        QCOMPARE(controller_->metadataFileList()->files().size(), 1);
        QTRY_COMPARE(fileBar()->fileTableView()->model()->rowCount(), 1);
    }

    // A folder, or a file without an extension, asks for the import options once; Continue
    // opens every file given, the folder as one item while unfolding is off.
    void foldersAskForImportOptionsFirst_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("folder and two files") << QStringList{"album", "movie.mov", "photo.jpg"};
        QTest::newRow("file without extension") << QStringList{"picture"};
    }

    void foldersAskForImportOptionsFirst()
    {
        QFETCH(QStringList, names);
        QList<QUrl> urls;
        for (const QString& name : names) {
            if (name == "album")
                urls << QUrl::fromLocalFile(album());
            else if (name == "picture")
                urls << QUrl::fromLocalFile(copy("photo.jpg", name));
            else
                urls << QUrl::fromLocalFile(copy(name));
        }
        controller_->addFiles(urls);
        QTRY_COMPARE(importOptionsSheets().size(), 1);
        verifyNothingOpening();
        QCOMPARE(importOptionsSheets().size(), 1);
        QTest::mouseClick(importOptionsSheets().first()->findChild<QPushButton*>("continueButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), names.size(), taskTimeout);
        QVERIFY(importOptionsSheets().isEmpty());
        QStringList opened;
        for (const MetadataFilePointer& file : controller_->metadataFileList()->files())
            opened << file->filename();
        QStringList expected = names;
        std::sort(expected.begin(), expected.end());
        std::sort(opened.begin(), opened.end());
        QCOMPARE(opened, expected);
    }

    // Closing the options opens none of the files, and holds none back from a later opening.
    void closedImportOptionsOpenNothing()
    {
        const QList<QUrl> urls{QUrl::fromLocalFile(album()), QUrl::fromLocalFile(copy("movie.mov")),
                               QUrl::fromLocalFile(copy("photo.jpg"))};
        controller_->addFiles(urls);
        QTRY_COMPARE(importOptionsSheets().size(), 1);
        QTest::keyClick(importOptionsSheets().first(), Qt::Key_Escape);
        QTRY_VERIFY(importOptionsSheets().isEmpty());
        verifyNothingOpening();

        controller_->addFiles(urls);
        QTRY_COMPARE(importOptionsSheets().size(), 1);
        QTest::mouseClick(importOptionsSheets().first()->findChild<QPushButton*>("continueButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 3, taskTimeout);
    }

    void openDialogOpensTheChosenFilesAndFolders()
    {
        copy("movie.mov");
        copy("photo.jpg");
        QVERIFY(controller_->validateUserInterfaceItem("openFilesFromFinder:"));
        controller_->commandAction("openFilesFromFinder:")->trigger();
        QFileDialog* dialog = nullptr;
        QTRY_VERIFY((dialog = controller_->window()->findChild<QFileDialog*>()) && dialog->isVisible());
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        album();
        dialog->setDirectory(folder_.path());
        // A folder is taken as it is, not gone into.
        dialog->selectFile("\"movie.mov\" \"album\" \"photo.jpg\"");
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
        QTRY_COMPARE(importOptionsSheets().size(), 1);
        QTest::mouseClick(importOptionsSheets().first()->findChild<QPushButton*>("continueButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 3, taskTimeout);
        QCOMPARE(controller_->metadataFileList()->files()[0]->filename(), QString("album"));
        QCOMPARE(controller_->metadataFileList()->files()[1]->filename(), QString("movie.mov"));
        QCOMPARE(controller_->metadataFileList()->files()[2]->filename(), QString("photo.jpg"));

        // A cancelled dialog opens nothing.
        controller_->metadataFileList()->removeAllFiles();
        controller_->openFilesFromFinder();
        QTRY_VERIFY((dialog = controller_->window()->findChild<QFileDialog*>()) && dialog->isVisible());
        dialog->selectFile("movie.mov");
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        verifyNothingOpening();
    }

    // The photo library's sheet opens the chosen movies; one open already is not opened twice.
    void photoLibrarySheetOpensTheChosenMovies()
    {
        const QString library = folder_.filePath("Library");
        const QString first = corvelle::test::copyFixture(library, "movie.mov", "Album/first.mov");
        corvelle::test::copyFixture(library, "movie.mp4", "Album/second.mp4");
        brisa::UserDefaults::standard().set(Settings::photoLibraryFolder(), library);
        controller_->addFiles({QUrl::fromLocalFile(first)});
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 1, taskTimeout);

        QVERIFY(controller_->validateUserInterfaceItem("openFilesFromPhotos:"));
        controller_->commandAction("openFilesFromPhotos:")->trigger();
        OpenPhotosWindowController* sheet = nullptr;
        QTRY_VERIFY((sheet = controller_->window()->findChild<OpenPhotosWindowController*>()) && sheet->isVisible());
        QCOMPARE(sheet->windowModality(), Qt::WindowModal);
        QTRY_COMPARE_WITH_TIMEOUT(sheet->assetModel()->rowCount(), 2, taskTimeout);
        sheet->collectionView()->selectAll();
        sheet->chooseButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 2, taskTimeout);
        QStringList opened;
        for (const MetadataFilePointer& file : controller_->metadataFileList()->files())
            opened << file->filename();
        std::sort(opened.begin(), opened.end());
        QCOMPARE(opened, (QStringList{"first.mov", "second.mp4"}));
    }

    // A file that cannot be read is named in an alert; the others open.
    void unreadableFileIsReportedByName()
    {
        brisa::UserDefaults::standard().set(Settings::editionUserChoiceErrorAlert(), ErrorAlertEditionUserChoice::display);
        controller_->addFiles({QUrl::fromLocalFile(copy("corrupt.mp4")), QUrl::fromLocalFile(copy("movie.mov")),
                               QUrl::fromLocalFile(copy("photo.jpg"))});
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 2, taskTimeout);
        QMessageBox* alert = nullptr;
        QTRY_VERIFY((alert = controller_->window()->findChild<QMessageBox*>()) && alert->isVisible());
        QVERIFY2(alert->informativeText().contains("corrupt.mp4"), qPrintable(alert->informativeText()));
        QVERIFY(!alert->informativeText().contains("movie.mov"));
        alert->buttons().first()->click();
        QTRY_VERIFY(!alert || !alert->isVisible());
        QCOMPARE(controller_->metadataFileList()->files()[0]->filename(), QString("movie.mov"));
        QCOMPARE(controller_->metadataFileList()->files()[1]->filename(), QString("photo.jpg"));
    }

    void droppedFilesOpen()
    {
        const QString movie = copy("movie.mp4");
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(movie)});
        QWidget* window = controller_->window();
        const QPoint centre = window->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(centre), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &drop);
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 1, taskTimeout);
        QCOMPARE(controller_->metadataFileList()->files().first()->filename(), QString("movie.mp4"));
        delete data;
    }

    // Files dropped between rows go there; a drop that opens nothing leaves no row behind for
    // the files opened next.
    void droppedFilesGoWhereTheyLand()
    {
        const QString a = copy("movie.mp4", "a.mp4"), c = copy("movie.mp4", "c.mp4"), e = copy("movie.mp4", "e.mp4");
        controller_->addFiles({QUrl::fromLocalFile(a), QUrl::fromLocalFile(c), QUrl::fromLocalFile(e)});
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 3, taskTimeout);
        QTRY_VERIFY(fileBar());
        QTableView* table = fileBar()->fileTableView();
        const auto dropOnRow = [table](int row, const QString& path) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            const QPoint point(table->viewport()->width() / 2, table->rowViewportPosition(row) + 5);
            QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(table->viewport(), &enter);
            QDropEvent drop(QPointF(point), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(table->viewport(), &drop);
        };

        dropOnRow(1, copy("movie.mp4", "b.mp4"));
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 4, taskTimeout);
        QCOMPARE(controller_->metadataFileList()->files().at(1)->filename(), QStringLiteral("b.mp4"));

        dropOnRow(0, a);
        const QString z = copy("movie.mp4", "z.mp4");
        controller_->addFiles({QUrl::fromLocalFile(z)});
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 5, taskTimeout);
        QCOMPARE(controller_->metadataFileList()->files().last()->filename(), QStringLiteral("z.mp4"));
    }

    void saveButtonWritesTheFile()
    {
        const QString movie = copy("movie.mov");
        controller_->addFiles({QUrl::fromLocalFile(movie)});
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 1, taskTimeout);
        QTRY_VERIFY(fileBar());
        const auto editor = controller_->metadataFileList()->files().first()->editor();
        QVERIFY(editor->setValue(QStringLiteral("Harbour at dawn"), ostrak::TagItem::itemQuickTimeName().tagName()));
        QVERIFY(controller_->canSaveAllEditedFiles());
        controller_->window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(controller_->window()));
        auto* saveCell = qobject_cast<FileButtonTableCellView*>(fileBar()->cellDelegate("FileSaveTableColumn"));
        QVERIFY(saveCell);
        const QModelIndex saveIndex = fileBar()->cellIndex(0, "FileSaveTableColumn");
        QVERIFY(saveCell->isButtonEnabled(saveIndex));
        QTableView* table = fileBar()->fileTableView();
        const QPoint button = FileButtonTableCellView::buttonRect(table->visualRect(saveIndex)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, button);
        waitForTasks();
        QTRY_VERIFY(!editor->hasEdits());
        QCOMPARE(exiftoolValue(movie, "ItemList:Title"), QString("Harbour at dawn"));
        QTRY_COMPARE(cellText(0, "FileEditedTagsTableColumn"), localizedString("TableCellTitleTagsCount", {0}));
        QVERIFY(!saveCell->isButtonEnabled(saveIndex));
    }

    // The file table shows the window's model and selection; Ctrl+A in the table, and the
    // bar's select all and deselect all, reach the list.
    void theFileTableSelectsAllAndNone()
    {
        controller_->addFiles({QUrl::fromLocalFile(copy("movie.mov")), QUrl::fromLocalFile(copy("photo.jpg"))});
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 2, taskTimeout);
        QTRY_VERIFY(fileBar());
        controller_->window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(controller_->window()));
        QTableView* table = fileBar()->fileTableView();
        QCOMPARE(table->model(), controller_->fileListModel());
        QCOMPARE(table->selectionModel(), controller_->fileSelectionModel());
        table->setFocus();
        QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(controller_->metadataFileList()->selection(), (brisa::IndexSet{0, 1}));
        fileBar()->deselectAll();
        QVERIFY(controller_->metadataFileList()->selection().isEmpty());
        QVERIFY(!table->selectionModel()->hasSelection());
        fileBar()->selectAll();
        QCOMPARE(table->selectionModel()->selectedRows().size(), 2);
    }

    void sectionChoiceIsRemembered()
    {
        controller_->setContentSection(EditorContentSection::map);
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::welcome);
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::lastContentSection()), EditorContentSection::map);
        const QString movie = copy("movie.mov");
        controller_->addFiles({QUrl::fromLocalFile(movie)});
        QTRY_COMPARE_WITH_TIMEOUT(controller_->effectiveSection(), EditorContentSection::map, taskTimeout);
        controller_->setContentSection(EditorContentSection::preview);
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::lastContentSection()), EditorContentSection::preview);
        controller_->setContentSection(EditorContentSection::raw);
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::raw);
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::lastContentSection()), EditorContentSection::preview);
        controller_->metadataFileList()->removeAllFiles();
        QTRY_COMPARE(controller_->effectiveSection(), EditorContentSection::welcome);
        QVERIFY(qobject_cast<EditorWelcomeViewController*>(controller_->editorViewController()));
    }

    // The section hears of the user resizing the window as one run, and the window's title
    // and toolbar are brought up to date once a sheet has ended.
    void resizesAndSheetsReachTheSection()
    {
        EditorWindowController::setSectionViewFactory(
            EditorContentSection::map, [](EditorWindowHost* host) { return new CountingSectionView(host); });
        const auto restore = qScopeGuard([] { corvelle::test::SectionViewStandIn::registerFor(); });
        controller_->addFiles({QUrl::fromLocalFile(copy("movie.mov"))});
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 1, taskTimeout);
        waitForTasks();
        controller_->setContentSection(EditorContentSection::map);
        QTRY_VERIFY(dynamic_cast<CountingSectionView*>(controller_->editorViewController()));
        QTest::qWait(EditorWindowController::liveResizePause * 2);

        CountingSectionView::resizeStarts = CountingSectionView::resizeEnds = 0;
        QMainWindow* window = controller_->window();
        for (int step = 1; step <= 3; ++step) {
            window->resize(window->width() + 20, window->height() + 10);
            QCoreApplication::processEvents();
        }
        QCOMPARE(CountingSectionView::resizeStarts, 1);
        QCOMPARE(CountingSectionView::resizeEnds, 0);
        QTRY_COMPARE(CountingSectionView::resizeEnds, 1);

        CountingSectionView::titles = 0;
        auto* alert = new QMessageBox(QMessageBox::Information, QStringLiteral("Note"), QStringLiteral("Note"), QMessageBox::Ok);
        QVERIFY(brisa::SheetPresenter::safeBeginSheetModal(alert, window, {}));
        QTRY_VERIFY(alert->isVisible());
        QCoreApplication::processEvents();
        CountingSectionView::titles = 0;
        alert->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(CountingSectionView::titles > 0);
    }

    // Until a section has its view it is not offered, and a choice of it stored earlier shows
    // the preview: the window never claims to show a section it cannot.
    void sectionsWithoutAViewAreNotOffered()
    {
        for (EditorContentSection section : {EditorContentSection::tags, EditorContentSection::raw})
            EditorWindowController::setSectionViewFactory(section, {});
        const auto restore = qScopeGuard([] { corvelle::test::SectionViewStandIn::registerFor(); });
        brisa::UserDefaults::standard().set(Settings::lastContentSection(), EditorContentSection::tags);
        controller_ = std::make_unique<EditorWindowController>();
        controller_->window()->show();
        const QString movie = copy("movie.mov");
        controller_->addFiles({QUrl::fromLocalFile(movie)});
        QTRY_COMPARE_WITH_TIMEOUT(controller_->effectiveSection(), EditorContentSection::preview, taskTimeout);
        QCOMPARE(controller_->preferredSection(), EditorContentSection::tags);
        QVERIFY(!controller_->validateUserInterfaceItem(QStringLiteral("switchToTagsSection:")));
        QVERIFY(!controller_->validateUserInterfaceItem(QStringLiteral("switchToRawSection:")));
        QVERIFY(controller_->validateUserInterfaceItem(QStringLiteral("switchToMapSection:")));
        controller_->metadataFileList()->selectAllFiles();
        QVERIFY(!controller_->validateUserInterfaceItem(QStringLiteral("inspectSelectedFiles:")));
        controller_->commandAction(QStringLiteral("switchToRawSection:"))->trigger();
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::preview);
        // Edits can still be saved: the window is not in the raw section.
        QVERIFY(controller_->metadataFileList()->files().first()->editor()->setValue(
            QStringLiteral("Harbour"), ostrak::TagItem::itemQuickTimeName().tagName()));
        QVERIFY(controller_->validateUserInterfaceItem(QStringLiteral("saveAllEditedFiles:")));

        // The switcher offers the sections that have a view.
        QTRY_VERIFY(controller_->window()->findChild<QButtonGroup*>());
        const QList<QAbstractButton*> segments = controller_->window()->findChild<QButtonGroup*>()->buttons();
        QCOMPARE(segments.size(), 3);
        QVERIFY(segments[0]->isEnabled());
        QVERIFY(!segments[1]->isEnabled());
        QVERIFY(segments[2]->isEnabled());
    }

    // The tag rows are those of the selected files, after every change of the selection.
    void tagValueTableFollowsTheSelection()
    {
        halvex::TagValueTable* table = controller_->tagValueTable();
        QVERIFY(table);
        QCOMPARE(static_cast<EditorWindowHost*>(controller_.get())->tagValueTable(), table);
        QVERIFY(table->content().editors().isEmpty());
        const auto editors = open({copy("movie.mov"), copy("photo.jpg"), copy("movie.mp4")});
        MetadataFileList& list = *controller_->metadataFileList();
        QCOMPARE(table->content().editors(), list.selectedEditors());
        list.setSelection(brisa::IndexSet{0, 2});
        QCOMPARE(table->content().editors(), (QList<std::shared_ptr<halvex::TagEditor>>{editors[0], editors[2]}));
        QCOMPARE(table->latestRequest().editors, table->content().editors());
        list.selectAllFiles();
        QCOMPARE(table->content().editors(), editors);
        list.removeSelectedFiles();
        QVERIFY(table->content().editors().isEmpty());
    }

    // A value still being typed is part of the save: the focused field commits first.
    void saveCommitsTheValueBeingTyped()
    {
        const QString photo = copy("photo.jpg");
        const auto opened = open({photo});
        QCOMPARE(opened.size(), 1);
        const auto editor = opened.first();
        QVERIFY(editor->setValue(QStringLiteral("Someone"), artist));
        auto* field = new QLineEdit(controller_->window());
        connect(field, &QLineEdit::editingFinished, field,
                [field, editor] { editor->setValue(field->text(), iptcObjectName); });
        field->show();
        QApplication::setActiveWindow(controller_->window());
        QVERIFY(QTest::qWaitForWindowActive(controller_->window()));
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        QTest::keyClicks(field, QStringLiteral("Typed caption"));
        QVERIFY(controller_->validateUserInterfaceItem(QStringLiteral("saveAllEditedFiles:")));
        controller_->performMenuCommand(QStringLiteral("saveAllEditedFiles:"), nullptr);
        waitForTasks();
        QTRY_VERIFY(!editor->hasEdits());
        QCOMPARE(exiftoolValue(photo, "IFD0:Artist"), QString("Someone"));
        QCOMPARE(exiftoolValue(photo, "IPTC:ObjectName"), QString("Typed caption"));
    }

    // While an edition is queued or running the values are about to change: saving says so and
    // writes nothing, and the edits wait for the next save.
    void cannotSaveWhileEditing()
    {
        const QString photo = copy("photo.jpg");
        const QString before = exiftoolValue(photo, "IFD0:Artist");
        const auto opened = open({photo});
        QCOMPARE(opened.size(), 1);
        const auto editor = opened.first();
        QVERIFY(editor->setValue(QStringLiteral("Someone"), artist));
        const auto edition = corvelle::test::addGateTask({}, true);
        QCOMPARE(controller_->session().saveFiles({editor}), EditorSession::SaveOutcome::cannotSaveWhileEditing);
        controller_->saveAllEditedFiles();
        QMessageBox* alert = nullptr;
        QTRY_VERIFY((alert = shownAlert()) != nullptr);
        QCOMPARE(alert->text(), localizedString("CannotSaveWhileEditingMessageText"));
        QVERIFY(!lastSaveTask() || lastSaveTask()->settings().editors != QList{editor});
        answer(alert, 0);
        QVERIFY(corvelle::test::finishAll({edition}));
        QVERIFY(editor->hasEdits());
        QCOMPARE(exiftoolValue(photo, "IFD0:Artist"), before);

        controller_->saveAllEditedFiles();
        waitForTasks();
        QCOMPARE(exiftoolValue(photo, "IFD0:Artist"), QString("Someone"));
    }

    // A file of the photo library is replaced only once the user agrees, and then the whole
    // batch is saved; cancelling saves none of it.
    void photoLibraryFilesAskBeforeTheyAreReplaced()
    {
        const QString plain = copy("photo.jpg", "plain.jpg");
        const QString library = copy("photo.jpg", "library.jpg");
        controller_->addFiles({QUrl::fromLocalFile(plain)});
        controller_->importFiles({halvex::TagStorageSource(QUrl::fromLocalFile(library), QStringLiteral("library-item-1"))});
        QTRY_COMPARE_WITH_TIMEOUT(controller_->metadataFileList()->files().size(), 2, taskTimeout);
        waitForTasks();
        QList<std::shared_ptr<halvex::TagEditor>> editors;
        // The photo-library file first.
        for (const MetadataFilePointer& file : controller_->metadataFileList()->files()) {
            if (file->editor()->source().photosItem())
                editors.prepend(file->editor());
            else
                editors.append(file->editor());
        }
        QCOMPARE(editors[0]->source().photosItem(), std::optional<QString>(QStringLiteral("library-item-1")));
        for (const auto& editor : editors)
            QVERIFY(editor->setValue(QStringLiteral("Someone"), artist));

        for (const int button : {1, 0}) {
            controller_->saveAllEditedFiles();
            QMessageBox* alert = nullptr;
            QTRY_VERIFY((alert = shownAlert()) != nullptr);
            QCOMPARE(alert->text(), localizedString("ReplacePhotosWarningMessageText"));
            answer(alert, button);
            QTRY_VERIFY(!shownAlert());
            // The answer is taken on the next turn of the event loop.
            if (button == 0)
                QTRY_VERIFY_WITH_TIMEOUT(!editors[0]->hasEdits() && !editors[1]->hasEdits(), taskTimeout);
            waitForTasks();
            const QString expected = button == 0 ? QStringLiteral("Someone") : exiftoolValue(fixturePath("photo.jpg"), "IFD0:Artist");
            QCOMPARE(exiftoolValue(plain, "IFD0:Artist"), expected);
            QCOMPARE(exiftoolValue(library, "IFD0:Artist"), expected);
            QCOMPARE(editors[0]->hasEdits(), button != 0);
        }
    }

    // The five save settings reach the task, and the file shows them: the first file of the
    // batch is gone, so whether the second is written follows the errors setting.
    void saveSettingsReachTheWrittenFile_data()
    {
        using Digest = halvex::IPTCDigestUpdate;
        QTest::addColumn<SaveDefaults>("defaults");
        QTest::addColumn<bool>("fixInvalidOffsets");
        QTest::addColumn<bool>("ignoreErrors");
        QTest::addColumn<bool>("updateFileModifyDate");
        QTest::addColumn<bool>("iptcAsUTF8");
        QTest::addColumn<Digest>("digest");
        QTest::newRow("nothing set") << SaveDefaults{} << true << true << false << true << Digest::updateIfExists;
        QTest::newRow("every other choice")
            << SaveDefaults{CorrectionsEditionUserChoice::noCorrection, ErrorsBehaviorEditionUserChoice::ignore,
                            FileModifyDateUpdateUserChoice::updateWithEachSave, IPTCCharSetEditionUserChoice::none, Digest::update}
            << false << true << true << false << Digest::update;
        QTest::newRow("stop at the first error")
            << SaveDefaults{CorrectionsEditionUserChoice::fixInvalidOffsets, ErrorsBehaviorEditionUserChoice::stop,
                            FileModifyDateUpdateUserChoice::updateManually, IPTCCharSetEditionUserChoice::utf8, Digest::delete_}
            << true << false << false << true << Digest::delete_;
    }

    void saveSettingsReachTheWrittenFile()
    {
        QFETCH(SaveDefaults, defaults);
        QFETCH(bool, fixInvalidOffsets);
        QFETCH(bool, ignoreErrors);
        QFETCH(bool, updateFileModifyDate);
        QFETCH(bool, iptcAsUTF8);
        QFETCH(halvex::IPTCDigestUpdate, digest);
        defaults.apply();
        const QString gone = copy("photo.jpg", "a.jpg");
        const QString kept = copy("photo.jpg", "b.jpg");
        // No IPTC yet: whether the character set is marked shows.
        QVERIFY(runExiftool({"-IPTC:all=", "-overwrite_original", kept}));
        const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
        const auto editors = open({gone, kept});
        QCOMPARE(editors.size(), 2);
        {
            QFile file(kept);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        for (const auto& editor : editors)
            QVERIFY(editor->setValue(QStringLiteral("Harbour"), iptcObjectName));
        QVERIFY(QFile::remove(gone));

        controller_->saveAllEditedFiles();
        QTRY_VERIFY(lastSaveTask() && lastSaveTask()->settings().editors == editors);
        const halvex::SaveTagEditorsTask::Settings settings = lastSaveTask()->settings();
        QCOMPARE(settings.fixInvalidOffsets, fixInvalidOffsets);
        QCOMPARE(settings.ignoreErrors, ignoreErrors);
        QCOMPARE(settings.updateFileModifyDate, updateFileModifyDate);
        QCOMPARE(settings.iptcAsUTF8, iptcAsUTF8);
        QCOMPARE(settings.iptcDigestUpdate, digest);
        waitForTasks();
        // The failure is told whatever the alert setting.
        QTRY_VERIFY(shownAlert());
        answer(shownAlert(), 0);

        QCOMPARE(exiftoolValue(kept, "IPTC:ObjectName"), ignoreErrors ? QString("Harbour") : QString());
        if (!ignoreErrors)
            return;
        QCOMPARE(exiftoolValue(kept, "IPTC:CodedCharacterSet"), iptcAsUTF8 ? QString("UTF8") : QString());
        QCOMPARE(!exiftoolValue(kept, "Photoshop:IPTCDigest").isEmpty(), digest == halvex::IPTCDigestUpdate::update);
        QCOMPARE(QFileInfo(kept).lastModified().toUTC() == old, !updateFileModifyDate);
    }
};

QTEST_MAIN(EditorWindowControllerTest)
#include "EditorWindowControllerTest.moc"
