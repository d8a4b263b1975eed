#include "editor/EditorAlert.h"
#include "editor/EditorCommandChain.h"
#include "editor/EditorCommandFamily.h"
#include "editor/EditorFileActions.h"
#include "editor/EditorSettings.h"
#include "editor/EditorWindowController.h"
#include "filebrowser/FileFilterOptionsWindowController.h"
#include "filebrowser/FileImportOptionsViewController.h"
#include "filebrowser/FileSortOptionsTableCellView.h"
#include "filebrowser/FileSortOptionsWindowController.h"
#include "filebrowser/FolderSettingsWindowController.h"
#include "engine/halvex/tags/ETTagEditor.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/TagName.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/settings/FileModelSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "support/TestEnvironment.h"
#include "support/ui/SectionViewStandIn.h"
#include "tags/TagsSettings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QButtonGroup>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;
using corvelle::test::fixturePath;

namespace {

constexpr int taskTimeout = 60000;

const ostrak::TagName artist(QStringLiteral("IFD0"), QStringLiteral("Artist"));

// A family that claims one action with a fixed answer and counts what it performs.
class StandInFamily : public EditorCommandFamily {
public:
    StandInFamily(QString action, MenuValidation answer)
        : action_(std::move(action))
        , answer_(answer)
    {
    }
    MenuValidation validateItem(const QString& action) const override
    {
        return action == action_ ? answer_ : MenuValidation::notMine;
    }
    void perform(const QString& action) override
    {
        if (action == action_)
            ++performed;
    }
    int performed = 0;

private:
    QString action_;
    MenuValidation answer_;
};

} // namespace

class EditorFileActionsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<EditorWindowController> controller_;

    MetadataFileList& list() const { return *controller_->metadataFileList(); }

    QString copy(const QString& fixture, const QString& name = {})
    {
        const QString target = folder_.filePath(name.isEmpty() ? fixture : name);
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

    // Four photos, a.jpg to d.jpg, opened through the window.
    void openFour()
    {
        QList<QUrl> urls;
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"})
            urls << QUrl::fromLocalFile(copy(QStringLiteral("photo.jpg"), QString::fromLatin1(name)));
        controller_->addFiles(urls);
        QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), 4, taskTimeout);
        waitForTasks();
    }

    QMessageBox* shownAlert() const
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                return box;
        }
        return controller_->window()->findChild<QMessageBox*>();
    }

    // Chooses the window's action for the command from a menu that opens now: false when the
    // menu shows it disabled.
    bool perform(const char* action)
    {
        QAction* item = controller_->commandAction(QString::fromLatin1(action));
        controller_->refreshCommandActions();
        if (!item || !item->isEnabled())
            return false;
        item->trigger();
        return true;
    }

    // Removes the selection, which asks about its unsaved edits, and cancels the question.
    void removeSelectionAndCancelTheQuestion()
    {
        QVERIFY(perform("removeSelectedFiles:"));
        QMessageBox* alert = nullptr;
        QTRY_VERIFY((alert = shownAlert()) != nullptr);
        QCOMPARE(alert->text(), localizedString("RemovingUnsavedFilesMessageText"));
        for (QAbstractButton* button : alert->buttons()) {
            if (button != EditorAlert::firstButton(alert))
                button->click();
        }
        QTRY_VERIFY(!shownAlert());
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

    // The file selection sheet starts from the last filter applied, selects the files that pass
    // it and keeps it; cancelled, it changes neither.
    void fileSelectionSheetSelectsAndRemembers()
    {
        openFour();
        QVERIFY(list().files().at(2)->editor()->setValue(QStringLiteral("Someone"), artist));
        list().setSelection(brisa::IndexSet{0});
        brisa::UserDefaults::standard().setObject(Settings::lastFileSelection().name(), {});
        const auto openSheet = [this]() -> FileFilterOptionsWindowController* {
            FileFilterOptionsWindowController* sheet = nullptr;
            if (perform("showFileSelectPanel:"))
                QTest::qWaitFor([&] {
                    return (sheet = controller_->window()->findChild<FileFilterOptionsWindowController*>()) && sheet->isVisible();
                });
            return sheet && sheet->isVisible() ? sheet : nullptr;
        };
        FileFilterOptionsWindowController* sheet = openSheet();
        QVERIFY(sheet);
        QVERIFY(sheet->fileFilter().isEmpty());
        sheet->fileEditionSegmentControl()->button(1)->click();
        sheet->filenameTextField()->setText(QStringLiteral("   "));
        sheet->validateButton()->click();
        QTRY_VERIFY(!controller_->window()->findChild<FileFilterOptionsWindowController*>());
        QCOMPARE(list().selection(), brisa::IndexSet{2});
        const MetadataFileListFilter stored = brisa::UserDefaults::standard().value(Settings::lastFileSelection());
        QCOMPARE(stored.fileEditionConstraint, MetadataFileListFilter::FileEditionConstraint::edited);
        QCOMPARE(stored.filenameConstraint.kind(), MetadataFileListFilter::StringConstraint::Case::none);

        // Shown again with that filter; Reset empties the controls, Cancel keeps everything.
        QVERIFY((sheet = openSheet()));
        QCOMPARE(sheet->fileEditionSegmentControl()->checkedId(), 1);
        sheet->resetButton()->click();
        QCOMPARE(sheet->fileEditionSegmentControl()->checkedId(), 0);
        sheet->cancelButton()->click();
        QTRY_VERIFY(!controller_->window()->findChild<FileFilterOptionsWindowController*>());
        QCOMPARE(list().selection(), brisa::IndexSet{2});
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::lastFileSelection()), stored);

        // A file name as a regular expression that matches none selects nothing.
        QVERIFY((sheet = openSheet()));
        sheet->resetButton()->click();
        sheet->filenameMatchPopUp()->setCurrentIndex(1);
        sheet->filenameTextField()->setText(QStringLiteral("^z"));
        sheet->validateButton()->click();
        QTRY_VERIFY(list().selection().isEmpty());
    }

    // The file sort sheet starts from the last sort applied there (file name, ascending, at
    // first), sorts the list by the tag and order chosen, and keeps them; a search that hides the
    // tag keeps it; Cancel keeps the list and the sort, but not the tag set chosen meanwhile.
    void fileSortSheetSortsAndRemembers()
    {
        QVERIFY(!perform("showFileSortPanel:"));
        openFour();
        const QStringList artists{QStringLiteral("Zed"), QStringLiteral("Amy"), QString(), QStringLiteral("Max")};
        for (int row = 0; row < 4; ++row) {
            if (!artists.at(row).isEmpty())
                QVERIFY(list().files().at(row)->editor()->setValue(artists.at(row), artist));
        }
        const auto names = [this] {
            QStringList names;
            for (const MetadataFilePointer& file : list().files())
                names << file->url().fileName();
            return names.join(u',');
        };
        brisa::UserDefaults::standard().setObject(Settings::lastFileSort().name(), {});
        brisa::UserDefaults::standard().set(Settings::reducedTagSetUserChoice(), ReducedTagSetUserChoice::all);
        const auto openSheet = [this]() -> FileSortOptionsWindowController* {
            FileSortOptionsWindowController* sheet = nullptr;
            if (perform("showFileSortPanel:"))
                QTest::qWaitFor([&] {
                    return (sheet = controller_->window()->findChild<FileSortOptionsWindowController*>()) && sheet->isVisible()
                           && !sheet->isSearching() && sheet->listModel()->rowCount() > 0;
                });
            return sheet && sheet->isVisible() ? sheet : nullptr;
        };
        const auto checkedTags = [](const FileSortOptionsWindowController* sheet) {
            QList<ostrak::TagName> checked;
            const QAbstractItemModel* model = sheet->tableView()->model();
            for (int row = 0; row < model->rowCount(); ++row) {
                if (FileSortOptionsTableCellView::isSelected(model->index(row, 0)))
                    checked << FileSortOptionsTableCellView::displayedTagItem(model->index(row, 0))->tagName();
            }
            return checked;
        };
        const auto selectedTags = [](const FileSortOptionsWindowController* sheet) {
            QList<ostrak::TagName> selected;
            for (const QModelIndex& index : sheet->tableView()->selectionModel()->selectedRows())
                selected << FileSortOptionsTableCellView::displayedTagItem(index)->tagName();
            return selected;
        };
        const auto typeSearch = [](FileSortOptionsWindowController* sheet, const QString& text) {
            sheet->searchField()->clear();
            QTest::keyClicks(sheet->searchField(), text);
            QTRY_VERIFY(!sheet->isSearching());
        };
        const auto chooseOrder = [](FileSortOptionsWindowController* sheet, int index) {
            sheet->sortOrderPopUpButton()->setCurrentIndex(index);
            Q_EMIT sheet->sortOrderPopUpButton()->activated(index);
        };
        const ostrak::TagName fileName = ostrak::TagItem::itemFileFileName().tagName();

        // First shown: the file name, ascending, checked and selected; nothing searching.
        FileSortOptionsWindowController* sheet = openSheet();
        QVERIFY(sheet);
        QCOMPARE(sheet->fileSort(), MetadataFileListSort());
        QCOMPARE(sheet->sortOrderPopUpButton()->currentIndex(), 0);
        QCOMPARE(checkedTags(sheet), QList<ostrak::TagName>{fileName});
        QCOMPARE(selectedTags(sheet), QList<ostrak::TagName>{fileName});
        QVERIFY(sheet->progressIndicator()->isHidden());
        QCOMPARE(sheet->touchBar().touchBar().at(2)->settings().title, localizedString("EditorPanelSortTouchButton"));

        // Descending by file name.
        chooseOrder(sheet, 1);
        sheet->applyButton()->click();
        QTRY_VERIFY(!controller_->window()->findChild<FileSortOptionsWindowController*>());
        QCOMPARE(names(), QStringLiteral("d.jpg,c.jpg,b.jpg,a.jpg"));
        const MetadataFileListSort descendingNames(fileName, MetadataFileListSort::SortOrder::descending);
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::lastFileSort()), descendingNames);

        // Shown again with that sort. A search that hides the tag keeps it; a double click on the
        // artist picks it and applies, in the order kept: a file without the tag first.
        QVERIFY((sheet = openSheet()));
        QCOMPARE(sheet->fileSort(), descendingNames);
        QCOMPARE(sheet->sortOrderPopUpButton()->currentIndex(), 1);
        typeSearch(sheet, QStringLiteral("ifd0:artist"));
        QVERIFY(checkedTags(sheet).isEmpty());
        QVERIFY(selectedTags(sheet).isEmpty());
        QCOMPARE(sheet->fileSort(), descendingNames);
        int artistRow = -1;
        for (int row = 0; row < sheet->listModel()->rowCount(); ++row) {
            if (sheet->listModel()->elements().at(row).tagName() == artist)
                artistRow = row;
        }
        QVERIFY(artistRow >= 0);
        const QRect rect = sheet->tableView()->visualRect(sheet->listModel()->index(artistRow));
        // A double click: the first press and release, then the second press, as the system sends them.
        QTest::mouseClick(sheet->tableView()->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(sheet->tableView()->viewport(), Qt::LeftButton, {}, rect.center());
        QTRY_VERIFY(!controller_->window()->findChild<FileSortOptionsWindowController*>());
        QCOMPARE(names(), QStringLiteral("c.jpg,a.jpg,d.jpg,b.jpg"));
        const MetadataFileListSort descendingArtists(artist, MetadataFileListSort::SortOrder::descending);
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::lastFileSort()), descendingArtists);

        // Cancel keeps the list and the sort, but the tag set chosen on the way is kept for
        // every tag picker.
        QVERIFY((sheet = openSheet()));
        QCOMPARE(checkedTags(sheet), QList<ostrak::TagName>{artist});
        chooseOrder(sheet, 0);
        sheet->reducedTagSetPopUpButton()->setCurrentIndex(2);
        Q_EMIT sheet->reducedTagSetPopUpButton()->activated(2);
        sheet->cancelButton()->click();
        QTRY_VERIFY(!controller_->window()->findChild<FileSortOptionsWindowController*>());
        QCOMPARE(names(), QStringLiteral("c.jpg,a.jpg,d.jpg,b.jpg"));
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::lastFileSort()), descendingArtists);
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::reducedTagSetUserChoice()), ReducedTagSetUserChoice::popular);

        // A tag no list offers is shown unselected and applied as it was.
        const MetadataFileListSort unknown(ostrak::TagName(QStringLiteral("XMP-none"), QStringLiteral("Nothing")),
                                           MetadataFileListSort::SortOrder::ascending);
        brisa::UserDefaults::standard().set(Settings::lastFileSort(), unknown);
        QVERIFY((sheet = openSheet()));
        QVERIFY(checkedTags(sheet).isEmpty());
        QVERIFY(sheet->applyButton()->isEnabled());
        sheet->applyButton()->click();
        QTRY_VERIFY(!controller_->window()->findChild<FileSortOptionsWindowController*>());
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::lastFileSort()), unknown);
        QCOMPARE(names(), QStringLiteral("c.jpg,a.jpg,d.jpg,b.jpg"));

        // An unreadable stored sort counts as the default.
        brisa::UserDefaults::standard().setObject(Settings::lastFileSort().name(), QStringLiteral("{broken"));
        QVERIFY((sheet = openSheet()));
        QCOMPARE(sheet->fileSort(), MetadataFileListSort());
        sheet->cancelButton()->click();
        QTRY_VERIFY(!controller_->window()->findChild<FileSortOptionsWindowController*>());
    }

    // The folder settings sheet opens over one selected folder only, and its settings reach the
    // folder when applied, never when cancelled.
    void folderSettingsGoBackToTheFolder()
    {
        QDir(folder_.path()).mkpath(QStringLiteral("clips"));
        copy(QStringLiteral("photo.jpg"), QStringLiteral("clips/one.jpg"));
        controller_->addFiles({QUrl::fromLocalFile(folder_.filePath(QStringLiteral("clips"))),
                               QUrl::fromLocalFile(copy(QStringLiteral("photo.jpg"), QStringLiteral("single.jpg")))});
        // A folder is opened as one entry, the import options say so.
        FileImportOptionsViewController* options = nullptr;
        QTRY_VERIFY((options = controller_->findChild<FileImportOptionsViewController*>()) != nullptr);
        QVERIFY(!options->unfoldFoldersRadioButton()->isChecked());
        options->continueButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), 2, taskTimeout);
        waitForTasks();
        const int folderRow = list().files().at(0)->url().fileName() == QLatin1String("clips") ? 0 : 1;
        const auto folder = std::dynamic_pointer_cast<halvex::ETTagEditor>(list().files().at(folderRow)->editor());
        QVERIFY(folder);

        list().setSelection(brisa::IndexSet{1 - folderRow});
        QVERIFY(!perform("showFolderSettingsPanel:"));
        list().setSelection(brisa::IndexSet{0, 1});
        QVERIFY(!perform("showFolderSettingsPanel:"));

        list().setSelection(brisa::IndexSet{folderRow});
        for (const bool apply : {false, true}) {
            QVERIFY(perform("showFolderSettingsPanel:"));
            FolderSettingsWindowController* sheet = nullptr;
            QTRY_VERIFY((sheet = controller_->window()->findChild<FolderSettingsWindowController*>()) && sheet->isVisible());
            QVERIFY(!sheet->recurseSearchButton()->isChecked());
            sheet->recurseSearchButton()->setChecked(true);
            apply ? sheet->applyButton()->click() : sheet->cancelButton()->click();
            QTRY_VERIFY(!controller_->window()->findChild<FolderSettingsWindowController*>());
            QCOMPARE(folder->recurseSubfolders(), apply);
            if (apply) {
                QVERIFY(folder->filePathFilter().has_value());
                break;
            }
            QVERIFY(!folder->filePathFilter());
        }
    }

    // The four fixed sorts: by name, or by the whole path, so two folders' files go apart.
    void fixedSortsReorderTheFiles()
    {
        QDir(folder_.path()).mkpath(QStringLiteral("a"));
        QDir(folder_.path()).mkpath(QStringLiteral("b"));
        const QList<QUrl> urls{QUrl::fromLocalFile(copy(QStringLiteral("photo.jpg"), QStringLiteral("b/a.jpg"))),
                               QUrl::fromLocalFile(copy(QStringLiteral("photo.jpg"), QStringLiteral("a/z.jpg"))),
                               QUrl::fromLocalFile(copy(QStringLiteral("photo.jpg"), QStringLiteral("a/c.jpg")))};
        controller_->addFiles(urls);
        QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), 3, taskTimeout);
        waitForTasks();
        const auto order = [this] {
            QStringList names;
            for (const MetadataFilePointer& file : list().files())
                names << QDir(folder_.path()).relativeFilePath(file->url().toLocalFile());
            return names.join(QLatin1Char(' '));
        };
        QVERIFY(perform("sortFilesUsingAscendingPath:"));
        QCOMPARE(order(), QStringLiteral("a/c.jpg a/z.jpg b/a.jpg"));
        QVERIFY(perform("sortFilesUsingDescendingPath:"));
        QCOMPARE(order(), QStringLiteral("b/a.jpg a/z.jpg a/c.jpg"));
        QVERIFY(perform("sortFilesUsingAscendingFilename:"));
        QCOMPARE(order(), QStringLiteral("b/a.jpg a/c.jpg a/z.jpg"));
        QVERIFY(perform("sortFilesUsingDescendingFilename:"));
        QCOMPARE(order(), QStringLiteral("a/z.jpg a/c.jpg b/a.jpg"));
    }

    void cleanup()
    {
        waitForTasks();
        controller_.reset();
    }

    // The first family that knows an action owns it; an action none knows is disabled in the
    // window, and left to the shell.
    void chainAsksInOrder()
    {
        StandInFamily first(QStringLiteral("shared:"), MenuValidation::disabled);
        StandInFamily second(QStringLiteral("shared:"), MenuValidation::enabled);
        StandInFamily other(QStringLiteral("other:"), MenuValidation::enabled);
        EditorCommandChain chain;
        chain.append(&first);
        chain.append(&second);
        chain.append(&other);
        QCOMPARE(chain.validateItem("shared:"), MenuValidation::disabled);
        QVERIFY(!chain.validateUserInterfaceItem("shared:"));
        chain.perform("shared:");
        QCOMPARE(first.performed, 1);
        QCOMPARE(second.performed, 0);
        QCOMPARE(chain.validateItem("other:"), MenuValidation::enabled);
        QCOMPARE(chain.validateItem("unknown:"), MenuValidation::notMine);
        QVERIFY(!chain.validateUserInterfaceItem("unknown:"));

        QVERIFY(!controller_->commandAction("showPreferences:"));
        QVERIFY(!controller_->validateUserInterfaceItem("showPreferences:"));
        // Copy is the first family's even while it cannot copy.
        QVERIFY(controller_->commandAction("copy:"));
        QVERIFY(!controller_->commandAction("copy:")->isEnabled());
    }

    void validation_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("expected"); // enabled state with: empty list, none selected, first, last, all, raw
        // e = enabled, d = disabled, per state in that order
        QTest::newRow("open") << "openFilesFromFinder:" << "eeeeee";
        QTest::newRow("open from photos") << "openFilesFromPhotos:" << "eeeeee";
        QTest::newRow("reload") << "reloadSelectedFiles:" << "ddeeed";
        QTest::newRow("restore") << "restoreSelectedFiles:" << "ddeeed";
        QTest::newRow("remove") << "removeSelectedFiles:" << "ddeeee";
        QTest::newRow("remove all") << "removeAllFiles:" << "deeeee";
        QTest::newRow("save selected") << "saveSelectedFiles:" << "dddddd";
        QTest::newRow("save all") << "saveAllEditedFiles:" << "dddddd";
        QTest::newRow("previous") << "selectPreviousFile:" << "dddede";
        QTest::newRow("next") << "selectNextFile:" << "ddedde";
        QTest::newRow("all") << "selectAllFiles:" << "deeede";
        QTest::newRow("none") << "deselectAllFiles:" << "ddeeee";
        QTest::newRow("invert") << "invertFileSelection:" << "deeeee";
        QTest::newRow("reveal") << "revealSelectedFilesInFinder:" << "ddeeee";
        QTest::newRow("inspect") << "inspectSelectedFiles:" << "ddeeed";
        QTest::newRow("uninspect") << "uninspectSelectedFiles:" << "ddddde";
    }

    void validation()
    {
        QFETCH(QString, action);
        QFETCH(QString, expected);
        QString seen;
        auto record = [&] { seen += controller_->validateUserInterfaceItem(action) ? u'e' : u'd'; };
        record();
        openFour();
        list().deselectAllFiles();
        record();
        list().setSelection(brisa::IndexSet{0});
        record();
        list().setSelection(brisa::IndexSet{3});
        record();
        list().selectAllFiles();
        record();
        list().setSelection(brisa::IndexSet{1, 2});
        controller_->setContentSection(EditorContentSection::raw);
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::raw);
        record();
        QCOMPARE(seen, expected);
    }

    void saveCommandsFollowEdits()
    {
        openFour();
        list().setSelection(brisa::IndexSet{1});
        list().files()[3]->editor()->setValue(QStringLiteral("Someone"), artist);
        QVERIFY(controller_->validateUserInterfaceItem("saveAllEditedFiles:"));
        QVERIFY(!controller_->validateUserInterfaceItem("saveSelectedFiles:"));
        list().setSelection(brisa::IndexSet{3});
        QVERIFY(controller_->validateUserInterfaceItem("saveSelectedFiles:"));
        list().files()[3]->editor()->restoreAllValues();
    }

    void selectionCommands()
    {
        openFour();
        list().setSelection(brisa::IndexSet{1, 2});
        QVERIFY(perform("selectPreviousFile:"));
        QCOMPARE(list().selection(), brisa::IndexSet{0});
        QVERIFY(!perform("selectPreviousFile:"));
        controller_->fileActions().selectPreviousFile();
        QCOMPARE(list().selection(), brisa::IndexSet{0});

        list().setSelection(brisa::IndexSet{0, 2});
        QVERIFY(perform("selectNextFile:"));
        QCOMPARE(list().selection(), brisa::IndexSet{3});
        controller_->fileActions().selectNextFile();
        QCOMPARE(list().selection(), brisa::IndexSet{3});

        list().setSelection(brisa::IndexSet{0, 2});
        QVERIFY(perform("invertFileSelection:"));
        QCOMPARE(list().selection(), (brisa::IndexSet{1, 3}));
        QVERIFY(perform("invertFileSelection:"));
        QCOMPARE(list().selection(), (brisa::IndexSet{0, 2}));
        QVERIFY(perform("selectAllFiles:"));
        QCOMPARE(list().selection().count(), 4);
        QVERIFY(perform("deselectAllFiles:"));
        QVERIFY(list().selection().isEmpty());
    }

    // A removal leaves the files on disk; edits ask first, and only the first button removes.
    void removeAsksForUnsavedEdits()
    {
        openFour();
        const QString removedPath = list().files()[0]->url().toLocalFile();
        list().setSelection(brisa::IndexSet{0});
        QVERIFY(perform("removeSelectedFiles:"));
        QCOMPARE(list().files().size(), 3);
        QVERIFY(QFile::exists(removedPath));

        list().files()[1]->editor()->setValue(QStringLiteral("Someone"), artist);
        list().setSelection(brisa::IndexSet{0, 1});
        removeSelectionAndCancelTheQuestion();
        if (QTest::currentTestFailed())
            return;
        QMessageBox* alert = nullptr;
        QCOMPARE(list().files().size(), 3);
        QVERIFY(list().files()[1]->editor()->hasEdits());

        // The files asked about are removed, not the selection as it is when the alert ends.
        QVERIFY(perform("removeSelectedFiles:"));
        QTRY_VERIFY((alert = shownAlert()) != nullptr);
        list().setSelection(brisa::IndexSet{2});
        const MetadataFilePointer kept = list().files()[2];
        EditorAlert::firstButton(alert)->click();
        QTRY_COMPARE(list().files().size(), 1);
        QCOMPARE(list().files().first(), kept);

        // A file that arrives while the question is open stays.
        list().files()[0]->editor()->setValue(QStringLiteral("Someone"), artist);
        QVERIFY(perform("removeAllFiles:"));
        QTRY_VERIFY((alert = shownAlert()) != nullptr);
        const MetadataFilePointer arrived = std::make_shared<MetadataFile>(
            std::make_shared<halvex::TagEditor>(halvex::TagStorage(halvex::TagStorageSource(QUrl::fromLocalFile(QStringLiteral("/late.jpg"))))));
        list().appendFiles({arrived});
        EditorAlert::firstButton(alert)->click();
        QTRY_COMPARE(list().files(), QList<MetadataFilePointer>{arrived});
        list().removeAllFiles();
        QTRY_COMPARE(controller_->effectiveSection(), EditorContentSection::welcome);
    }

    // Any edited file of the selection asks, wherever it stands in it.
    void removeAsksWhereverTheEditedFileStands_data()
    {
        QTest::addColumn<int>("edited");
        QTest::newRow("first") << 0;
        QTest::newRow("middle") << 1;
        QTest::newRow("last") << 2;
    }

    void removeAsksWhereverTheEditedFileStands()
    {
        QFETCH(int, edited);
        openFour();
        QVERIFY(list().files()[edited]->editor()->setValue(QStringLiteral("Someone"), artist));
        list().setSelection(brisa::IndexSet{0, 1, 2});
        removeSelectionAndCancelTheQuestion();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(list().files().size(), 4);
    }

    // A reload reads the file again into the same editor, keeping the list as it is.
    void reloadReadsExternalChanges()
    {
        openFour();
        const MetadataFilePointer file = list().files()[2];
        const QString path = file->url().toLocalFile();
        QProcess exiftool;
        exiftool.start(QStringLiteral("exiftool"),
                       {QStringLiteral("-overwrite_original"), QStringLiteral("-IFD0:Artist=Outside"), path});
        QVERIFY(exiftool.waitForFinished(30000));
        QCOMPARE(exiftool.exitCode(), 0);
        QVERIFY(file->editor()->currentValue(artist) != QStringLiteral("Outside"));
        list().setSelection(brisa::IndexSet{2});
        QVERIFY(perform("reloadSelectedFiles:"));
        waitForTasks();
        QCOMPARE(list().files().size(), 4);
        QCOMPARE(list().files()[2], file);
        QCOMPARE(file->editor()->currentValue(artist), QStringLiteral("Outside"));
    }

    void restoreDropsEditsWithoutWriting()
    {
        openFour();
        const QString path = list().files()[1]->url().toLocalFile();
        const QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        list().files()[1]->editor()->setValue(QStringLiteral("Someone"), artist);
        list().setSelection(brisa::IndexSet{1});
        QVERIFY(perform("restoreSelectedFiles:"));
        waitForTasks();
        QVERIFY(!list().files()[1]->editor()->hasEdits());
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
    }

    void revealHandsOverSelectedFiles()
    {
        openFour();
        QList<QUrl> shown;
        controller_->fileActions().setFileViewer([&shown](const QList<QUrl>& urls) { shown = urls; });
        list().setSelection(brisa::IndexSet{1, 3});
        QVERIFY(perform("revealSelectedFilesInFinder:"));
        QCOMPARE(shown, (QList<QUrl>{list().files()[1]->url(), list().files()[3]->url()}));
        shown.clear();
        list().deselectAllFiles();
        controller_->fileActions().revealSelectedFilesInFinder();
        QVERIFY(shown.isEmpty());
    }

    void inspectAndUninspect()
    {
        openFour();
        QTRY_COMPARE(controller_->effectiveSection(), EditorContentSection::preview);
        QVERIFY(!perform("uninspectSelectedFiles:"));
        list().selectAllFiles();
        QVERIFY(perform("inspectSelectedFiles:"));
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::raw);
        QVERIFY(perform("uninspectSelectedFiles:"));
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::preview);
    }

    // Up to twenty selected files are inspected; more raise an alert and the section stays.
    void inspectIsLimitedToTwentyFiles()
    {
        QList<QUrl> urls;
        for (int i = 1; i <= 21; ++i)
            urls << QUrl::fromLocalFile(copy(QStringLiteral("photo.jpg"), QStringLiteral("photo%1.jpg").arg(i)));
        controller_->addFiles(urls);
        QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), 21, taskTimeout);
        QTRY_COMPARE(controller_->effectiveSection(), EditorContentSection::preview);
        brisa::IndexSet twenty;
        for (int row = 0; row < 20; ++row)
            twenty.insert(row);
        list().setSelection(twenty);
        QVERIFY(perform("inspectSelectedFiles:"));
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::raw);
        QVERIFY(!shownAlert());
        QVERIFY(perform("uninspectSelectedFiles:"));

        list().selectAllFiles();
        QVERIFY(perform("inspectSelectedFiles:"));
        QMessageBox* alert = nullptr;
        QTRY_VERIFY((alert = shownAlert()) != nullptr);
        QCOMPARE(alert->text(), localizedString("EditorInspectIsLimitedTo20FilesMessageText"));
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::preview);
        EditorAlert::firstButton(alert)->click();
        QTRY_VERIFY(!shownAlert());
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::preview);
        QCOMPARE(list().selection().count(), 21);
    }

    // One action per command, named after it, held by the window (for its shortcut), the open
    // menu and the context menu alike.
    void oneActionPerCommand()
    {
        QAction* open = controller_->commandAction("openFilesFromFinder:");
        QVERIFY(open);
        QCOMPARE(open->objectName(), QStringLiteral("openFilesFromFinder:"));
        QVERIFY(controller_->openFilesMenu()->actions().contains(open));
        QVERIFY(controller_->window()->actions().contains(open));
        QAction* save = controller_->commandAction("saveSelectedFiles:");
        QCOMPARE(save->shortcut(), QKeySequence(QKeySequence::Save));
        QVERIFY(controller_->fileContextualMenu()->actions().contains(save));
        QStringList names;
        for (QAction* action : controller_->commandActions())
            names << action->objectName();
        QCOMPARE(names.removeDuplicates(), qsizetype(0));
        QVERIFY(names.contains("switchToMapSection:") && names.contains("copy:"));
        // A preset item stands for its preset: the command has no action of its own.
        QVERIFY(!controller_->commandAction("applyPreset:"));
    }

    // The states follow the selection, the section and the settings as they change, and are
    // right again when a menu opens after a change nothing announced (an edit).
    void statesFollowChanges()
    {
        openFour();
        QAction* saveSelected = controller_->commandAction("saveSelectedFiles:");
        QAction* removeSelected = controller_->commandAction("removeSelectedFiles:");
        QAction* reload = controller_->commandAction("reloadSelectedFiles:");
        QAction* enableSidebar = controller_->commandAction("enableEditingSidebar:");
        list().files()[2]->editor()->setValue(QStringLiteral("Someone"), artist);
        list().setSelection(brisa::IndexSet{0});
        QVERIFY(!saveSelected->isEnabled());
        QVERIFY(removeSelected->isEnabled());
        list().setSelection(brisa::IndexSet{2});
        QVERIFY(saveSelected->isEnabled());
        list().deselectAllFiles();
        QVERIFY(!saveSelected->isEnabled());
        QVERIFY(!removeSelected->isEnabled());

        list().setSelection(brisa::IndexSet{1});
        QVERIFY(reload->isEnabled());
        controller_->setContentSection(EditorContentSection::raw);
        QVERIFY(!reload->isEnabled());
        controller_->setContentSection(EditorContentSection::tags);
        QVERIFY(reload->isEnabled());
        brisa::UserDefaults::standard().set(Settings::tagEditingSidebarState(), EditingSidebarState::disabled);
        QVERIFY(enableSidebar->isEnabled());
        brisa::UserDefaults::standard().set(Settings::tagEditingSidebarState(), EditingSidebarState::enabled);
        QVERIFY(!enableSidebar->isEnabled());
        QVERIFY(controller_->commandAction("toggleEditingSidebar:")->isChecked());

        // An edit posts nothing: the context menu sets the states as it opens.
        controller_->setContentSection(EditorContentSection::preview);
        QVERIFY(!saveSelected->isEnabled());
        list().files()[1]->editor()->setValue(QStringLiteral("Someone else"), artist);
        Q_EMIT controller_->fileContextualMenu()->aboutToShow();
        QVERIFY(saveSelected->isEnabled());
        for (int index : {1, 2})
            list().files()[index]->editor()->restoreAllValues();
        brisa::UserDefaults::standard().setObject(Settings::tagEditingSidebarState().name(), {});
    }

    // Ctrl+A and Ctrl+Shift+A select and deselect every file, unless a text field has the focus:
    // then Select All selects its text.
    void selectAllActsOnTheFileTable()
    {
        openFour();
        QMainWindow* window = controller_->window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        list().setSelection(brisa::IndexSet{1});
        window->setFocus();
        QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(list().selection().count(), 4);
        QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(list().selection().isEmpty());

        auto* field = new QLineEdit(QStringLiteral("Harbour"), window);
        field->show();
        field->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), field);
        QAction* selectAll = controller_->commandAction("selectAll:");
        controller_->refreshCommandActions();
        QVERIFY(selectAll->isEnabled());
        selectAll->trigger();
        QCOMPARE(field->selectedText(), QStringLiteral("Harbour"));
        QVERIFY(list().selection().isEmpty());
        delete field;
    }
};

QTEST_MAIN(EditorFileActionsTest)
#include "EditorFileActionsTest.moc"
