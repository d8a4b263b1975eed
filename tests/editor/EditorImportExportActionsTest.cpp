#include "editing/EditionEditStepViewController.h"
#include "editing/TagEditingWindowController.h"
#include "editor/EditorImageActions.h"
#include "editor/EditorImportExportActions.h"
#include "editor/EditorSettings.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/ExportCSVTableTask.h"
#include "engine/halvex/tasks/ExportTagValuesTask.h"
#include "engine/halvex/tasks/FileExportImagesTask.h"
#include "engine/halvex/tasks/FileExportToPhotosTask.h"
#include "engine/halvex/tasks/ImportCSVTableTask.h"
#include "engine/halvex/tasks/ImportTagValuesTask.h"
#include "engine/halvex/tasks/SyncSidecarFilesTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/TagName.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListSort.h"
#include "filemodel/settings/FileModelSettings.h"
#include "engine/ostrak/TagItem.h"
#include "photos/PhotosSettings.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/brisa/core/UserDefaults.h"
#include "support/TestEnvironment.h"
#include "support/ui/SectionViewStandIn.h"
#include "tags/TagNamePickerWindowController.h"
#include "tags/TagNamesPickerWindowController.h"
#include "tags/TagStreamsPickerWindowController.h"
#include "tags/TagsSettings.h"
#include "widgets/TextLocalizer.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;
using corvelle::test::fixturePath;

namespace {

constexpr int taskTimeout = 60000;

QString exifToolValue(const QString& path, const QString& tag)
{
    QProcess process;
    process.start(QStringLiteral("exiftool"), {QStringLiteral("-s3"), QStringLiteral("-n"), QLatin1Char('-') + tag, path});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace

class EditorImportExportActionsTest : public QObject {
    Q_OBJECT

private:
    std::optional<QTemporaryDir> folder_;
    std::unique_ptr<EditorWindowController> controller_;

    MetadataFileList& list() const { return *controller_->metadataFileList(); }

    QString copy(const QString& fixture, const QString& name = {})
    {
        const QString target = folder_->filePath(name.isEmpty() ? fixture : name);
        QFile::remove(target);
        QFile::copy(fixturePath(fixture), target);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }

    void waitForTasks()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QTest::qWait(0);
    }

    void open(const QStringList& paths)
    {
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        controller_->addFiles(urls);
        QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), paths.size(), taskTimeout);
        waitForTasks();
        halvex::TaskManager::shared().clearFinishedTasks();
    }

    bool perform(const QString& action)
    {
        QAction* item = controller_->commandAction(action);
        controller_->refreshCommandActions();
        if (!item || !item->isEnabled())
            return false;
        item->trigger();
        return true;
    }

    // The task the last command queued; null when it queued none.
    std::shared_ptr<halvex::AbstractTask> queuedTask()
    {
        QTest::qWait(0);
        const auto tasks = halvex::TaskManager::shared().tasks();
        return tasks.isEmpty() ? nullptr : tasks.last();
    }

    QFileDialog* shownPanel(const QString& name) const
    {
        for (QFileDialog* dialog : controller_->window()->findChildren<QFileDialog*>(name)) {
            if (dialog->isVisible())
                return dialog;
        }
        return nullptr;
    }

    // Confirms the shown dialog with `path` typed in; false when none is shown.
    bool choose(const QString& name, const QString& path)
    {
        QFileDialog* panel = nullptr;
        [&] { QTRY_VERIFY((panel = shownPanel(name)) != nullptr); }();
        if (!panel)
            return false;
        if (panel->fileMode() == QFileDialog::Directory)
            panel->setDirectory(path);
        else
            panel->selectFile(path);
        QMetaObject::invokeMethod(panel, "accept");
        QTest::qWait(0);
        return true;
    }

    // The picker shown on the window now, once its first search is in; null when none is shown.
    template<class Picker>
    Picker* shownPicker() const
    {
        Picker* shown = nullptr;
        [&] {
            QTRY_VERIFY((shown = controller_->window()->findChild<Picker*>()) != nullptr && shown->isVisible());
            QTRY_VERIFY(!shown->isSearching());
        }();
        return shown && shown->isVisible() ? shown : nullptr;
    }

    void cancel(const QString& name)
    {
        QFileDialog* panel = nullptr;
        QTRY_VERIFY((panel = shownPanel(name)) != nullptr);
        QMetaObject::invokeMethod(panel, "reject");
        QTest::qWait(0);
    }

private Q_SLOTS:
    void initTestCase() { corvelle::test::SectionViewStandIn::registerFor(); }

    void init()
    {
        folder_.emplace();
        brisa::UserDefaults::standard().setObject(Settings::lastContentSection().name(), {});
        controller_ = std::make_unique<EditorWindowController>();
        controller_->window()->show();
        halvex::TaskManager::shared().clearFinishedTasks();
    }

    void cleanup()
    {
        waitForTasks();
        controller_.reset();
        halvex::TaskManager::shared().clearFinishedTasks();
    }

    // Enabled states with: no file, files but none selected, one selected, the raw section.
    void validation_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("expected");
        QTest::newRow("import fast") << "importTagsWithFastOptions:" << "ddde";
        QTest::newRow("import names") << "importTagsWithTagOptions:" << "ddde";
        QTest::newRow("import streams") << "importTagsWithStreamOptions:" << "ddde";
        QTest::newRow("export to folder") << "exportTagsToJSONSidecar:" << "ddde";
        QTest::newRow("import beside") << "importXMPSidecar:" << "ddde";
        QTest::newRow("export beside") << "exportVRDSidecar:" << "ddde";
        QTest::newRow("copies") << "importCopiesSidecar:" << "ddde";
        QTest::newRow("csv import") << "importCSVTable:" << "dede";
        QTest::newRow("csv all") << "exportCSVTableWithAllTags:" << "dede";
        QTest::newRow("csv options") << "exportCSVTableWithOptions:" << "dede";
        QTest::newRow("flip") << "horizontalFlip:" << "ddde";
        QTest::newRow("exif rotate") << "exifRotateLeft:" << "ddde";
        QTest::newRow("quicktime rotate") << "quicktimeRotateRight:" << "ddde";
        QTest::newRow("clear thumbnail") << "clearEXIFThumbnail:" << "ddde";
        QTest::newRow("restore thumbnail") << "restoreEXIFThumbnail:" << "ddde";
        QTest::newRow("export thumbnail") << "exportEXIFThumbnail:" << "ddde";
        QTest::newRow("export raw") << "exportJPGFromRaw:" << "ddde";
        QTest::newRow("update dates") << "updateAllDates:" << "ddde";
        QTest::newRow("sync dates") << "syncAllDates:" << "ddde";
        QTest::newRow("cover art") << "editQuicktimeCovertArt:" << "ddde";
    }
    void validation()
    {
        QFETCH(QString, action);
        QFETCH(QString, expected);
        QVERIFY(controller_->commandAction(action));
        QString seen;
        auto record = [&] { seen += controller_->validateUserInterfaceItem(action) ? u'e' : u'd'; };
        record();
        open({copy(QStringLiteral("photo.jpg"))});
        list().deselectAllFiles();
        record();
        controller_->setContentSection(EditorContentSection::raw);
        list().setSelection(brisa::IndexSet{0});
        record();
        controller_->setContentSection(EditorContentSection::tags);
        record();
        QCOMPARE(seen, expected);
    }

    // The cover-art command edits the cover art of every selected movie in one tag editing sheet.
    void coverArtOpensTheTagEditingSheet()
    {
        open({copy(QStringLiteral("movie.mp4"), QStringLiteral("a.mp4")), copy(QStringLiteral("movie.mp4"), QStringLiteral("b.mp4"))});
        list().setSelection(brisa::IndexSet{0, 1});
        controller_->setContentSection(EditorContentSection::tags);
        QVERIFY(perform(QStringLiteral("editQuicktimeCovertArt:")));
        TagEditingWindowController* sheet = nullptr;
        QTRY_VERIFY((sheet = qobject_cast<TagEditingWindowController*>(
                         brisa::SheetPresenter::attachedSheet(controller_->window()))) != nullptr);
        const auto& valueSet = sheet->cache().valueSet();
        QVERIFY(valueSet);
        QCOMPARE(valueSet->editors().size(), 2);
        QCOMPARE(valueSet->tagItems().size(), 1);
        QCOMPARE(valueSet->tagItems().first().tagName(), ostrak::TagItem::itemQuickTimeCoverArt().tagName());
        QCOMPARE(sheet->currentViewController()->step(), std::optional<EditorEditionCacheStep>(EditorEditionCacheStep::tagEdition));
        sheet->cancelEdition();
        QTRY_VERIFY(!brisa::SheetPresenter::attachedSheet(controller_->window()));
    }

    // Each of the 21 sidecar commands queues its task with its kind, direction and folder.
    void sidecarCommands()
    {
        const QString photo = copy(QStringLiteral("photo.jpg"));
        open({photo});
        list().setSelection(brisa::IndexSet{0});
        controller_->setContentSection(EditorContentSection::tags);
        QTemporaryDir chosen;
        int count = 0;
        for (const EditorImportExportActions::SidecarKind& kind : EditorImportExportActions::sidecarKinds()) {
            QVERIFY(perform(kind.exportToFolder));
            QVERIFY(choose(EditorImportExportActions::panelObjectName, chosen.path()));
            auto exported = std::dynamic_pointer_cast<halvex::ExportTagValuesTask>(queuedTask());
            QVERIFY2(exported, qPrintable(kind.exportToFolder));
            QCOMPARE(exported->settings().extension, kind.extension);
            QCOMPARE(exported->settings().folder->toLocalFile(), chosen.path());
            ++count;
            for (const auto& [command, exports] : {std::pair{kind.importBeside, false}, std::pair{kind.exportBeside, true}}) {
                if (command.isEmpty())
                    continue;
                halvex::TaskManager::shared().clearFinishedTasks();
                waitForTasks();
                QVERIFY(perform(command));
                auto synced = std::dynamic_pointer_cast<halvex::SyncSidecarFilesTask>(queuedTask());
                QVERIFY2(synced, qPrintable(command));
                QCOMPARE(synced->settings().exports, exports);
                QCOMPARE(synced->settings().extension, std::optional<QString>(kind.extension));
                QVERIFY(!synced->settings().folder);
                ++count;
            }
            waitForTasks();
            halvex::TaskManager::shared().clearFinishedTasks();
        }
        QVERIFY(perform(QStringLiteral("importCopiesSidecar:")));
        QVERIFY(choose(EditorImportExportActions::panelObjectName, chosen.path()));
        auto copies = std::dynamic_pointer_cast<halvex::SyncSidecarFilesTask>(queuedTask());
        QVERIFY(copies);
        QVERIFY(!copies->settings().extension);
        QCOMPARE(copies->settings().folder->toLocalFile(), chosen.path());
        ++count;
        QCOMPARE(count, 21);

        // The sidecars really are there: the XMP export beside the file, read by ExifTool.
        waitForTasks();
        QCOMPARE(exifToolValue(folder_->filePath(QStringLiteral("photo.xmp")), QStringLiteral("XMP-dc:Title")),
                 QStringLiteral("Café in Zürich"));
        QVERIFY(QFileInfo::exists(chosen.filePath(QStringLiteral("photo.json"))));
    }

    // A folder the user made read-only is not written without their word: the dialog opens
    // there; that folder starts the task, another starts nothing, cancelling nothing.
    void readOnlyCommonFolderAsksFirst()
    {
        const QString photo = copy(QStringLiteral("photo.jpg"));
        open({photo});
        list().setSelection(brisa::IndexSet{0});
        controller_->setContentSection(EditorContentSection::tags);
        QFile::setPermissions(folder_->path(), QFile::ReadOwner | QFile::ExeOwner);
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(folder_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });

        QVERIFY(perform(QStringLiteral("exportXMPSidecar:")));
        QFileDialog* panel = nullptr;
        QTRY_VERIFY((panel = shownPanel(EditorImportExportActions::panelObjectName)) != nullptr);
        QCOMPARE(QDir::cleanPath(panel->directory().absolutePath()), QDir::cleanPath(folder_->path()));
        cancel(EditorImportExportActions::panelObjectName);
        QVERIFY(!queuedTask());

        QTemporaryDir other;
        QVERIFY(perform(QStringLiteral("exportXMPSidecar:")));
        QVERIFY(choose(EditorImportExportActions::panelObjectName, other.path()));
        QVERIFY(!queuedTask());

        QVERIFY(perform(QStringLiteral("importXMPSidecar:")));
        QVERIFY(choose(EditorImportExportActions::panelObjectName, folder_->path()));
        auto synced = std::dynamic_pointer_cast<halvex::SyncSidecarFilesTask>(queuedTask());
        QVERIFY(synced);
        QVERIFY(!synced->settings().exports);
    }

    // The imports with options ask for the source file, then for the tags or streams to leave
    // out, starting from last time's choice; only a confirmed choice is kept and imports.
    void importsWithOptionsAskAPickerAfterTheFile()
    {
        const QString target = copy(QStringLiteral("photo.jpg"));
        open({target});
        list().setSelection(brisa::IndexSet{0});
        controller_->setContentSection(EditorContentSection::tags);
        brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
        const ostrak::TagName make = ostrak::TagItem::itemEXIFMake().tagName();
        defaults.set(Settings::tagsImportChosenNames(), {make, ostrak::TagName(QStringLiteral("Nowhere"), QStringLiteral("Nothing"))});
        defaults.set(Settings::tagsImportChosenStreams(), {ostrak::TagStream::streamXMP()});
        const QString source = copy(QStringLiteral("movie.mov"));

        // Cancelled: nothing kept, nothing queued.
        QVERIFY(perform(QStringLiteral("importTagsWithTagOptions:")));
        QVERIFY(choose(EditorImportExportActions::panelObjectName, source));
        auto* names = shownPicker<TagNamesPickerWindowController>();
        QVERIFY(names);
        QCOMPARE(names->selectedTagItems(), QList<ostrak::TagItem>{ostrak::TagItem::itemEXIFMake()});
        QCOMPARE(names->instructions(), localizedString(QStringLiteral("SelectSeveralExcludedTagNamesPickerTitle")));
        names->cancelSheet();
        QTest::qWait(0);
        QVERIFY(!queuedTask());
        QCOMPARE(defaults.value(Settings::tagsImportChosenNames()).size(), 2);

        QVERIFY(perform(QStringLiteral("importTagsWithTagOptions:")));
        QVERIFY(choose(EditorImportExportActions::panelObjectName, source));
        names = shownPicker<TagNamesPickerWindowController>();
        QVERIFY(names);
        names->selectTagItems({ostrak::TagItem::itemEXIFMake(), ostrak::TagItem::itemQuickTimeTitle()});
        names->applySheet();
        auto byNames = std::dynamic_pointer_cast<halvex::ImportTagValuesTask>(queuedTask());
        QVERIFY(byNames);
        QCOMPARE(byNames->settings().source->url().toLocalFile(), source);
        QCOMPARE(byNames->settings().excludedNames,
                 (QSet<ostrak::TagName>{make, ostrak::TagItem::itemQuickTimeTitle().tagName()}));
        QCOMPARE(defaults.value(Settings::tagsImportChosenNames()),
                 (QList<ostrak::TagName>{make, ostrak::TagItem::itemQuickTimeTitle().tagName()}));
        waitForTasks();

        QVERIFY(perform(QStringLiteral("importTagsWithStreamOptions:")));
        QVERIFY(choose(EditorImportExportActions::panelObjectName, source));
        auto* streams = shownPicker<TagStreamsPickerWindowController>();
        QVERIFY(streams);
        QCOMPARE(streams->selectedTagStreams(), QList<ostrak::TagStream>{ostrak::TagStream::streamXMP()});
        streams->selectTagStreams({ostrak::TagStream::streamQuickTime(), ostrak::TagStream::streamXMP()});
        streams->applySheet();
        auto byStreams = std::dynamic_pointer_cast<halvex::ImportTagValuesTask>(queuedTask());
        QVERIFY(byStreams);
        QCOMPARE(byStreams->settings().excludedStreams,
                 (QSet<ostrak::TagStream>{ostrak::TagStream::streamQuickTime(), ostrak::TagStream::streamXMP()}));
        QCOMPARE(defaults.value(Settings::tagsImportChosenStreams()),
                 (QList<ostrak::TagStream>{ostrak::TagStream::streamQuickTime(), ostrak::TagStream::streamXMP()}));
        waitForTasks();
        QVERIFY(controller_->window()->findChildren<TagPickerSheet*>().isEmpty());
    }

    // Synchronising every date asks for the date tag in the tag picker (date tags only, last
    // time's choice first); a cancel keeps nothing, an apply keeps the choice and queues one edit.
    void syncAllDatesAsksForTheDateTag()
    {
        open({copy(QStringLiteral("photo.jpg"))});
        list().setSelection(brisa::IndexSet{0});
        controller_->setContentSection(EditorContentSection::tags);
        brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
        defaults.setObject(Settings::syncDateTimeChosenName().name(), {});
        defaults.set(Settings::reducedTagSetUserChoice(), ReducedTagSetUserChoice::all);

        QVERIFY(perform(QStringLiteral("syncAllDates:")));
        auto* picker = shownPicker<TagNamePickerWindowController>();
        QVERIFY(picker);
        QCOMPARE(picker->selectedTagItem(), std::optional<ostrak::TagItem>(ostrak::TagItem::itemEXIFDateTimeOriginal()));
        QVERIFY(!picker->listModel()->elements().isEmpty());
        for (const ostrak::TagItem& item : picker->listModel()->elements())
            QVERIFY2(item.type().isDateTimeOrPartial(), qPrintable(item.tagName().rawValue()));
        picker->cancelSheet();
        QVERIFY(!queuedTask());
        QVERIFY(!defaults.object(Settings::syncDateTimeChosenName().name()).isValid());

        QVERIFY(perform(QStringLiteral("syncAllDates:")));
        picker = shownPicker<TagNamePickerWindowController>();
        QVERIFY(picker);
        const ostrak::TagItem createDate = *ostrak::TagName(QStringLiteral("ExifIFD"), QStringLiteral("CreateDate")).item();
        picker->selectTagItem(createDate);
        picker->applySheet();
        QVERIFY(std::dynamic_pointer_cast<halvex::EditionTask>(queuedTask()));
        QCOMPARE(defaults.value(Settings::syncDateTimeChosenName()), createDate.tagName());
        waitForTasks();
    }

    // The table's columns are the tags chosen in the picker, kept even when the save is cancelled.
    void csvExportWithOptionsAsksThePickerFirst()
    {
        open({copy(QStringLiteral("photo.jpg"))});
        controller_->setContentSection(EditorContentSection::tags);
        brisa::UserDefaults::standard().set(Settings::tagsImportCSVTableNames(), {});
        QVERIFY(perform(QStringLiteral("exportCSVTableWithOptions:")));
        auto* picker = shownPicker<TagNamesPickerWindowController>();
        QVERIFY(picker);
        QVERIFY(picker->selectedTagItems().isEmpty());
        const QList<ostrak::TagItem> columns{ostrak::TagItem::itemFileFileName(), ostrak::TagItem::itemEXIFMake()};
        picker->selectTagItems(columns);
        picker->applySheet();
        cancel(EditorImportExportActions::panelObjectName);
        QVERIFY(!queuedTask());
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::tagsImportCSVTableNames()),
                 (QList<ostrak::TagName>{columns[0].tagName(), columns[1].tagName()}));

        QTemporaryDir out;
        QVERIFY(perform(QStringLiteral("exportCSVTableWithOptions:")));
        picker = shownPicker<TagNamesPickerWindowController>();
        QVERIFY(picker);
        QCOMPARE(picker->selectedTagItems(), columns);
        picker->applySheet();
        QVERIFY(choose(EditorImportExportActions::panelObjectName, out.filePath(QStringLiteral("table.csv"))));
        auto exported = std::dynamic_pointer_cast<halvex::ExportCSVTableTask>(queuedTask());
        QVERIFY(exported);
        QCOMPARE(exported->settings().tagItems, columns);
        waitForTasks();
    }

    // The CSV commands act on every listed file, selected or not; the table goes where chosen.
    void csvCommandsTakeEveryFile()
    {
        open({copy(QStringLiteral("photo.jpg"), QStringLiteral("a.jpg")), copy(QStringLiteral("photo.jpg"), QStringLiteral("b.jpg"))});
        list().deselectAllFiles();
        controller_->setContentSection(EditorContentSection::tags);
        QTemporaryDir out;
        const QString table = out.filePath(QStringLiteral("table.csv"));
        QVERIFY(perform(QStringLiteral("exportCSVTableWithAllTags:")));
        QFileDialog* panel = nullptr;
        QTRY_VERIFY((panel = shownPanel(EditorImportExportActions::panelObjectName)) != nullptr);
        QCOMPARE(panel->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(panel->findChild<QLineEdit*>()->text(), QStringLiteral("table.csv"));
        QVERIFY(choose(EditorImportExportActions::panelObjectName, table));
        auto exported = std::dynamic_pointer_cast<halvex::ExportCSVTableTask>(queuedTask());
        QVERIFY(exported);
        QCOMPARE(exported->settings().editors.size(), 2);
        QVERIFY(!exported->settings().tagItems.isEmpty());
        waitForTasks();
        QVERIFY(QFileInfo(table).size() > 0);

        QVERIFY(perform(QStringLiteral("importCSVTable:")));
        QVERIFY(choose(EditorImportExportActions::panelObjectName, table));
        auto imported = std::dynamic_pointer_cast<halvex::ImportCSVTableTask>(queuedTask());
        QVERIFY(imported);
        QCOMPARE(imported->settings().editors.size(), 2);
        QCOMPARE(imported->settings().table->toLocalFile(), table);
    }

    // The EXIF family writes only the EXIF orientation, the movie family only the track's turn,
    // each by its table from what the file holds.
    void orientationFamiliesStayApart()
    {
        const QString photo = copy(QStringLiteral("photo.jpg")); // EXIF 6, rotated 90° clockwise
        const QString movie = copy(QStringLiteral("movie.mov"));
        open({photo, movie});
        controller_->setContentSection(EditorContentSection::tags);
        list().setSelection(brisa::IndexSet{0, 1});
        std::shared_ptr<halvex::TagEditor> photoEditor, movieEditor;
        for (const MetadataFilePointer& file : list().files())
            (file->url().toLocalFile() == photo ? photoEditor : movieEditor) = file->editor();
        QVERIFY(photoEditor && movieEditor);
        const struct {
            const char* action;
            QString photoValue; // the EXIF orientation the photo then holds
        } rows[] = {
            {"exifHorizontalFlip:", QStringLiteral("5")},
            {"exifVerticalFlip:", QStringLiteral("7")},
            {"exifRotateLeft:", QStringLiteral("1")},
            {"exifRotateRight:", QStringLiteral("3")},
        };
        for (const auto& row : rows) {
            photoEditor->restoreAllValues();
            movieEditor->restoreAllValues();
            QVERIFY(perform(QString::fromLatin1(row.action)));
            waitForTasks();
            QCOMPARE(photoEditor->currentValue(ostrak::TagName::fromRawValue(QStringLiteral("IFD0:Orientation"))), row.photoValue);
            for (const ostrak::TagName& edited : movieEditor->editedTags())
                QCOMPARE(edited.name(), QStringLiteral("Orientation"));
        }
        photoEditor->restoreAllValues();
        movieEditor->restoreAllValues();
        QVERIFY(perform(QStringLiteral("quicktimeRotateRight:")));
        waitForTasks();
        QVERIFY(!photoEditor->hasEdits());
        QVERIFY(movieEditor->hasEdits());
        for (const ostrak::TagName& edited : movieEditor->editedTags())
            QVERIFY2(edited.group() != QLatin1String("IFD0"), qPrintable(edited.rawValue()));
        photoEditor->restoreAllValues();
        movieEditor->restoreAllValues();

        // A movie cannot keep a mirroring: the task says so for the movie alone.
        for (const char* flip : {"horizontalFlip:", "quicktimeVerticalFlip:"}) {
            QVERIFY(perform(QString::fromLatin1(flip)));
            const std::shared_ptr<halvex::AbstractTask> task = queuedTask();
            QVERIFY(task);
            waitForTasks();
            const QList<halvex::TaskMessage> messages = task->messages();
            QCOMPARE(messages.size(), 1);
            QCOMPARE(messages.first().severity, halvex::TaskMessage::Severity::warning);
            QCOMPARE(messages.first().filePath, movie);
            QCOMPARE(messages.first().reason.key, QStringLiteral("OrientationMirrorDroppedWarning"));
            photoEditor->restoreAllValues();
            movieEditor->restoreAllValues();
        }
    }

    // The thumbnail export asks for a folder and saves each selected file's thumbnail there.
    void thumbnailExport()
    {
        open({copy(QStringLiteral("photo.jpg"))});
        list().setSelection(brisa::IndexSet{0});
        controller_->setContentSection(EditorContentSection::tags);
        QTemporaryDir out;
        QVERIFY(perform(QStringLiteral("exportEXIFThumbnail:")));
        cancel(EditorImageActions::panelObjectName);
        QVERIFY(!queuedTask());
        QVERIFY(perform(QStringLiteral("exportEXIFThumbnail:")));
        QVERIFY(choose(EditorImageActions::panelObjectName, out.path()));
        QVERIFY(std::dynamic_pointer_cast<halvex::FileExportImagesTask>(queuedTask()));
        waitForTasks();
        QCOMPARE(QFileInfo(out.filePath(QStringLiteral("photo_thumb.jpg"))).size(), 885);
    }

    // What a folder is, the file system says: a folder named like a file stands for itself, a
    // file without an extension lies in its folder.
    void commonFolderAsksTheFileSystem()
    {
        const QString trip = folder_->filePath(QStringLiteral("Trip.2023"));
        QVERIFY(QDir().mkpath(trip + QStringLiteral("/Day")));
        const QString readme = copy(QStringLiteral("photo.jpg"), QStringLiteral("Trip.2023/README"));
        const auto editorOf = [](const QString& path) {
            return std::make_shared<halvex::TagEditor>(halvex::TagStorage(halvex::TagStorageSource(QUrl::fromLocalFile(path))));
        };
        QCOMPARE(EditorImportExportActions::commonFolder({editorOf(trip)}), trip);
        QCOMPARE(EditorImportExportActions::commonFolder({editorOf(readme)}), trip);
        QCOMPARE(EditorImportExportActions::commonFolder({editorOf(readme), editorOf(trip + QStringLiteral("/Day"))}), trip);
        QCOMPARE(EditorImportExportActions::commonFolder({editorOf(readme), editorOf(folder_->filePath(QStringLiteral("x.jpg")))}),
                 folder_->path());
    }

    // The fixed sorts order the list by name or path, either way.
    void fixedSorts()
    {
        open({copy(QStringLiteral("photo.jpg"), QStringLiteral("b.jpg")), copy(QStringLiteral("photo.jpg"), QStringLiteral("a.jpg")),
              copy(QStringLiteral("photo.jpg"), QStringLiteral("c.jpg"))});
        const auto names = [this] {
            QStringList names;
            for (const MetadataFilePointer& file : list().files())
                names << file->url().fileName();
            return names.join(u',');
        };
        // The fixed sorts leave the sort sheet's last sort alone.
        const MetadataFileListSort lastSort(ostrak::TagItem::itemFileFilePath().tagName(), MetadataFileListSort::SortOrder::descending);
        brisa::UserDefaults::standard().set(Settings::lastFileSort(), lastSort);
        QVERIFY(perform(QStringLiteral("sortFilesUsingDescendingFilename:")));
        QCOMPARE(names(), QStringLiteral("c.jpg,b.jpg,a.jpg"));
        QVERIFY(perform(QStringLiteral("sortFilesUsingAscendingFilename:")));
        QCOMPARE(names(), QStringLiteral("a.jpg,b.jpg,c.jpg"));
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::lastFileSort()), lastSort);
        // The folder settings need one selected folder.
        QVERIFY(controller_->commandAction(QStringLiteral("showFolderSettingsPanel:")) && !perform(QStringLiteral("showFolderSettingsPanel:")));
    }

    // Export to the photo library copies the selected files as they are on disk into the library
    // folder, under free names, and leaves them in the list.
    void exportToPhotosCopiesIntoTheLibrary()
    {
        const QString library = folder_->filePath(QStringLiteral("Photo Library"));
        QVERIFY(QDir().mkpath(library));
        QFile::copy(fixturePath(QStringLiteral("movie.mp4")), library + QStringLiteral("/clip.mp4"));
        brisa::UserDefaults::standard().set(Settings::photoLibraryFolder(), library);
        const QString clip = copy(QStringLiteral("movie.mp4"), QStringLiteral("clip.mp4"));
        open({clip, copy(QStringLiteral("photo.jpg"), QStringLiteral("still.jpg"))});
        list().selectAllFiles();
        QVERIFY(perform(QStringLiteral("exportFilesToPhotosApp:")));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(library + QStringLiteral("/still.jpg")), taskTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(library + QStringLiteral("/clip 2.mp4")), taskTimeout);
        QCOMPARE(list().files().size(), 2);
        QVERIFY(QFile::exists(clip));

        // Without a library folder the task says so and copies nothing.
        brisa::UserDefaults::standard().set(Settings::photoLibraryFolder(), folder_->filePath(QStringLiteral("none")));
        auto task = std::make_shared<halvex::FileExportToPhotosTask>(
            halvex::FileExportToPhotosTask::Settings{{QUrl::fromLocalFile(clip)}, folder_->filePath(QStringLiteral("none"))});
        halvex::TaskManager::shared().add(task);
        QTRY_VERIFY_WITH_TIMEOUT(task->isDone(), taskTimeout);
        QCOMPARE(task->messages().size(), 1);
        QVERIFY(task->copies().isEmpty());
    }

    // The hand-over takes the selected files to the renaming application found by its desktop
    // entry, and takes them out of the list once it has them; without it, an alert.
    void transferToLindmere()
    {
        const QString applications = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
        QVERIFY(QDir().mkpath(applications));
        const QString entry = applications + QLatin1Char('/') + EditorWindowController::lindmereDesktopIds.at(1) + QStringLiteral(".desktop");
        QFile::remove(entry);
        const auto removeEntry = qScopeGuard([&] { QFile::remove(entry); });
        const QString kept = copy(QStringLiteral("photo.jpg"), QStringLiteral("kept.jpg"));
        const QString readme = copy(QStringLiteral("photo.jpg"), QStringLiteral("sent.jpg"));
        open({kept, readme});
        for (int i = 0; i < 2; ++i)
            if (list().files()[i]->url().toLocalFile() == readme)
                list().setSelection(brisa::IndexSet{i});
        controller_->setContentSection(EditorContentSection::tags);

        QVERIFY(perform(QStringLiteral("transferFilesToLindmere:")));
        QMessageBox* alert = nullptr;
        QTRY_VERIFY((alert = controller_->window()->findChild<QMessageBox*>()) && alert->isVisible());
        QCOMPARE(alert->text(), localizedString(QStringLiteral("CannotFindLindmereAlertMessageText")));
        alert->buttons().front()->click();
        QTRY_VERIFY(!controller_->window()->findChild<QMessageBox*>());
        QCOMPARE(list().files().size(), 2);

        QFile file(entry);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Desktop Entry]\nType=Application\nName=Lindmere\nExec=true %F\n");
        file.close();
        // Unsaved edits: asked first; cancelling sends nothing.
        std::shared_ptr<halvex::TagEditor> readmeEditor;
        for (const MetadataFilePointer& listed : list().files())
            if (listed->url().toLocalFile() == readme)
                readmeEditor = listed->editor();
        QVERIFY(readmeEditor);
        QVERIFY(readmeEditor->setValue(QStringLiteral("Someone"), ostrak::TagName::fromRawValue(QStringLiteral("IFD0:Artist"))));
        QVERIFY(perform(QStringLiteral("transferFilesToLindmere:")));
        QTRY_VERIFY((alert = controller_->window()->findChild<QMessageBox*>()) && alert->isVisible());
        QCOMPARE(alert->text(), localizedString(QStringLiteral("TransferingUnsavedFilesMessageText")));
        alert->buttons().back()->click();
        QTRY_VERIFY(!controller_->window()->findChild<QMessageBox*>());
        QCOMPARE(list().files().size(), 2);

        readmeEditor->restoreAllValues();
        QVERIFY(perform(QStringLiteral("transferFilesToLindmere:")));
        QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), 1, taskTimeout);
        QCOMPARE(list().files().front()->url().toLocalFile(), kept);
    }
};

QTEST_MAIN(EditorImportExportActionsTest)
#include "EditorImportExportActionsTest.moc"
#include "engine/halvex/tasks/FileExportToPhotosTask.h"
#include "photos/PhotosSettings.h"
