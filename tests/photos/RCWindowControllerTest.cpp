#include "editor/GateTask.h"
#include "engine/halvex/libraries/PhotosAppAuthorizer.h"
#include "engine/halvex/libraries/PhotosRemoteManager.h"
#include "engine/halvex/libraries/PhotosRemoteProfileFile.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/ImportTagEditorsTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/FileRowDragData.h"
#include "photos/RCEditPropertyWindowController.h"
#include "photos/RCProfileListModel.h"
#include "photos/RCProfilesViewController.h"
#include "photos/RCPropertyListModel.h"
#include "photos/RCPropertiesViewController.h"
#include "photos/RCWindowController.h"
#include "platform/brisa/ui/DynamicToolbar.h"
#include "support/TestEnvironment.h"
#include "widgets/TextLocalizer.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using corvelle::RCProfileEditableProperty;
using corvelle::RCProfileListModel;
using corvelle::RCWindowController;
using halvex::PhotosRemoteManager;
using halvex::PhotosRemoteProfile;
using halvex::PhotosRemoteProfilePtr;

namespace {

PhotosRemoteProfilePtr profile(const QString& name)
{
    return std::make_shared<PhotosRemoteProfile>(name, QString(), std::nullopt, QStringLiteral("Dusk"), std::nullopt,
                                                 std::nullopt, std::nullopt);
}

QStringList namesOf(const QList<PhotosRemoteProfilePtr>& profiles)
{
    QStringList names;
    for (const PhotosRemoteProfilePtr& profile : profiles)
        names << profile->name();
    return names;
}

// The alert shown over the window now, if any.
QMessageBox* alertOf(QWidget* window)
{
    for (QMessageBox* box : window->findChildren<QMessageBox*>()) {
        if (box->isVisible())
            return box;
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible())
            return box;
    }
    return nullptr;
}

void closeAlert(QMessageBox* alert)
{
    QTest::mouseClick(alert->buttons().first(), Qt::LeftButton);
}

QList<std::shared_ptr<halvex::TagEditor>> openFiles(const QStringList& paths)
{
    QList<halvex::TagStorageSource> sources;
    for (const QString& path : paths)
        sources << halvex::TagStorageSource(QUrl::fromLocalFile(path));
    auto task = std::make_shared<halvex::ImportTagEditorsTask>(halvex::ImportTagEditorsTask::Settings(sources));
    halvex::TaskManager::shared().add(task);
    QElapsedTimer timer;
    timer.start();
    while (!task->isDone() && timer.elapsed() < 60000)
        QTest::qWait(20);
    return task->editors();
}

} // namespace

// The remote-profiles window over a library of its own: the commands and their rules, the
// library's changes and storage, the exchange files and the apply to the selected files.
class RCWindowControllerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<PhotosRemoteManager> manager_;
    std::unique_ptr<RCWindowController> window_;

    QString libraryPath() const { return folder_->filePath(QStringLiteral("RemoteProfiles.json")); }
    bool isEnabled(const char* command) const { return window_->commandAction(QString::fromLatin1(command))->isEnabled(); }
    QTableView* profileTable() const { return window_->profilesViewController()->tableView(); }

    QStringList stored() const
    {
        PhotosRemoteManager stored(libraryPath());
        stored.load();
        return namesOf(stored.profiles());
    }

    void makeWindow(const QStringList& names)
    {
        QList<PhotosRemoteProfilePtr> profiles;
        for (const QString& name : names)
            profiles << profile(name);
        manager_->setProfiles(profiles);
        window_ = std::make_unique<RCWindowController>(*manager_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void selectRows(const QList<int>& rows)
    {
        QItemSelection selection;
        for (int row : rows)
            selection.select(profileTable()->model()->index(row, 0), profileTable()->model()->index(row, 3));
        profileTable()->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }

private Q_SLOTS:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        manager_ = std::make_unique<PhotosRemoteManager>(libraryPath());
        halvex::PhotosAppAuthorizer::setSelectionSource({});
    }

    void cleanup()
    {
        window_.reset();
        manager_.reset();
        halvex::PhotosAppAuthorizer::setSelectionSource({});
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), 30000);
    }

    void emptyLibraryShowsThePlaceholderAndOffersOnlyCreateAndImport()
    {
        makeWindow({});
        QVERIFY(window_->placeholderView()->isVisible());
        QVERIFY(window_->windowTitle().endsWith(corvelle::localizedString(QStringLiteral("RemoteProfileWindowSubtitle"), {0})));
        QVERIFY(isEnabled("createProfile:") && isEnabled("importProfiles:"));
        for (const char* command : {"deleteProfiles:", "exportProfiles:", "applyProfile:", "editProperty:"})
            QVERIFY2(!isEnabled(command), command);
        QVERIFY(window_->propertiesViewController()->placeholderView()->isVisible());
        QVERIFY(!window_->propertiesViewController()->applyChangesButton()->isEnabled());
        QCOMPARE(window_->propertiesViewController()->model()->rowCount(), 9);
    }

    void createLeavesOnlyTheNewProfileSelectedAndStoresIt()
    {
        makeWindow({"A", "B"});
        new QAbstractItemModelTester(profileTable()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest,
                                     window_.get());
        selectRows({0});
        window_->commandAction(QStringLiteral("createProfile:"))->trigger();
        const QString untitled = corvelle::localizedString(QStringLiteral("RemoteProfileUntitledConfiguration"));
        QCOMPARE(namesOf(manager_->profiles()), QStringList({"A", "B", untitled}));
        QCOMPARE(namesOf(manager_->selectedProfiles()), QStringList{untitled});
        QCOMPARE(profileTable()->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(profileTable()->selectionModel()->selectedRows().first().row(), 2);
        QCOMPARE(stored(), QStringList({"A", "B", untitled}));
        QVERIFY(!window_->placeholderView()->isVisible());
    }

    void tableSelectionIsTheSelectionListAndDeleteRemovesIt()
    {
        makeWindow({"A", "B", "C"});
        selectRows({2, 0});
        QCOMPARE(namesOf(manager_->selectedProfiles()), QStringList({"A", "C"}));
        // Only the profile an apply would use carries the mark.
        const QAbstractItemModel* model = profileTable()->model();
        QCOMPARE(model->index(0, RCProfileListModel::SelectionColumn).data().toBool(), true);
        QCOMPARE(model->index(2, RCProfileListModel::SelectionColumn).data().toBool(), false);
        QCOMPARE(window_->propertiesViewController()->profile()->name(), QStringLiteral("A"));

        QTest::keyClick(profileTable(), Qt::Key_Delete);
        QCOMPARE(namesOf(manager_->profiles()), QStringList{"B"});
        QVERIFY(manager_->selectedProfiles().isEmpty());
        QCOMPARE(stored(), QStringList{"B"});
        QVERIFY(!window_->propertiesViewController()->profile());
    }

    void dropBetweenRowsReordersAndStores_data()
    {
        QTest::addColumn<QList<int>>("dragged");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("onto");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("last to first") << QList<int>{2} << 0 << false << QStringList{"C", "A", "B"};
        QTest::newRow("two rows to the end") << QList<int>{0, 1} << 3 << false << QStringList{"C", "A", "B"};
        QTest::newRow("onto a row is refused") << QList<int>{0} << 1 << true << QStringList{"A", "B", "C"};
        QTest::newRow("rows beyond the list are refused") << QList<int>{1, 7} << 0 << false << QStringList{"A", "B", "C"};
    }

    void dropBetweenRowsReordersAndStores()
    {
        QFETCH(QList<int>, dragged);
        QFETCH(int, row);
        QFETCH(bool, onto);
        QFETCH(QStringList, expected);
        makeWindow({"A", "B", "C"});
        manager_->save();
        RCProfileListModel* model = window_->profilesViewController()->model();
        new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest, window_.get());
        std::unique_ptr<QMimeData> data(
            corvelle::FileRowDragData::make(RCProfileListModel::rowMimeType(), brisa::IndexSet(dragged)));
        const QModelIndex parent = onto ? model->index(row, 0) : QModelIndex();
        const bool accepted = model->dropMimeData(data.get(), Qt::MoveAction, onto ? -1 : row, 0, parent);
        QCOMPARE(accepted, expected != QStringList({"A", "B", "C"}));
        QCOMPARE(namesOf(manager_->profiles()), expected);
        QCOMPARE(stored(), expected);
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(model->index(i, RCProfileListModel::NameColumn).data().toString(), expected[i]);
    }

    void exportAndImportRoundTrip()
    {
        makeWindow({"A", "B", "C"});
        selectRows({2, 0});
        const QString path = folder_->filePath(QStringLiteral("Chosen.rcprofiles"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an older file");
        }
        window_->exportProfiles(path);
        QVERIFY(!alertOf(window_.get()));
        // Only the selected profiles, in selection order, over the older file.
        QCOMPARE(namesOf(halvex::PhotosRemoteProfileFile::from(path).profiles()), QStringList({"A", "C"}));

        window_->importProfiles(path);
        QCOMPARE(namesOf(manager_->profiles()), QStringList({"A", "B", "C", "A", "C"}));
        QVERIFY(*manager_->profiles().at(3) == *manager_->profiles().at(0));
        QCOMPARE(namesOf(manager_->selectedProfiles()), QStringList({"A", "C"}));
        QCOMPARE(stored().size(), 5);
    }

    void unreadableFilesAreReportedAndChangeNothing()
    {
        makeWindow({"A"});
        selectRows({0});
        const QString malformed = folder_->filePath(QStringLiteral("Broken.rcprofiles"));
        {
            QFile file(malformed);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("{\"format\": \"Corvelle remote profiles\", \"profiles\": [{\"name\": 3}]}");
        }
        window_->importProfiles(malformed);
        QMessageBox* alert = alertOf(window_.get());
        QVERIFY(alert);
        QCOMPARE(alert->objectName(), QStringLiteral("RemoteProfilesImportDidFail"));
        QVERIFY2(alert->informativeText().contains(QStringLiteral("Broken.rcprofiles")), qPrintable(alert->informativeText()));
        closeAlert(alert);
        QCOMPARE(namesOf(manager_->profiles()), QStringList{"A"});

        // An export that cannot be written is reported with its reason; the file it would have
        // replaced stays as it was (the file's own test shows that).
        const QString notAFolder = folder_->filePath(QStringLiteral("plain"));
        {
            QFile file(notAFolder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        window_->exportProfiles(notAFolder + QStringLiteral("/Chosen.rcprofiles"));
        alert = alertOf(window_.get());
        QVERIFY(alert);
        QCOMPARE(alert->objectName(), QStringLiteral("RemoteProfilesExportDidFail"));
        QVERIFY2(alert->informativeText().contains(QStringLiteral("Chosen.rcprofiles")), qPrintable(alert->informativeText()));
        closeAlert(alert);
    }

    void commandsWaitWhileAnApplyRuns()
    {
        QTemporaryDir files;
        const QString movie = corvelle::test::copyFixture(files.path(), QStringLiteral("movie.mp4"));
        const auto editors = openFiles({movie});
        QCOMPARE(editors.size(), 1);
        makeWindow({"A", "B"});
        selectRows({0});

        // Nothing selected in the editor window: the alert asks for a selection.
        window_->commandAction(QStringLiteral("applyProfile:"))->trigger();
        QMessageBox* alert = alertOf(window_.get());
        QVERIFY(alert);
        QCOMPARE(alert->objectName(), QStringLiteral("RemoteApplyChangesDidFail"));
        closeAlert(alert);
        QVERIFY(window_->isIdle());

        halvex::PhotosAppAuthorizer::setSelectionSource([editors] { return halvex::TagEditorList(editors); });
        auto gate = corvelle::test::addGateTask();
        window_->commandAction(QStringLiteral("applyProfile:"))->trigger();
        alert = alertOf(window_.get());
        QVERIFY(alert);
        QCOMPARE(alert->objectName(), QStringLiteral("RemoteProfileFirstUseAlert"));
        QTest::mouseClick(alert->buttons().value(0)->text() == corvelle::localizedString(QStringLiteral("RemoteProfileFirstUseAlertContinueButton"))
                              ? alert->buttons().value(0)
                              : alert->buttons().value(1),
                          Qt::LeftButton);
        QTRY_VERIFY(!window_->isIdle());

        for (const char* command : {"createProfile:", "deleteProfiles:", "importProfiles:", "exportProfiles:", "applyProfile:"})
            QVERIFY2(!isEnabled(command), command);
        for (brisa::DynamicToolbarItem* item : window_->dynamicToolbar().displayedItems()) {
            if (item->label() == corvelle::localizedString(QStringLiteral("RemoteProfileWindowToolbarCreate"))
                || item->label() == corvelle::localizedString(QStringLiteral("RemoteProfileWindowToolbarDelete")))
                QVERIFY(!item->isEnabled());
        }
        for (brisa::DynamicTouchBarItem* item : window_->dynamicTouchBar().touchBar()) {
            if (!item->isFlexibleSpace())
                QVERIFY(!item->isEnabled());
        }
        QVERIFY(!window_->propertiesViewController()->applyChangesButton()->isEnabled());
        // Commands refuse in themselves too, and a row's own menu still deletes.
        window_->createProfile();
        QCOMPARE(manager_->profiles().size(), 2);
        window_->profilesViewController()->contextMenu(1)->actions().first()->trigger();
        QCOMPARE(namesOf(manager_->profiles()), QStringList{"A"});

        QSignalSpy finished(window_.get(), &RCWindowController::applyFinished);
        gate->open();
        QVERIFY(finished.wait(60000));
        QVERIFY(window_->isIdle());
        QVERIFY(isEnabled("createProfile:") && isEnabled("applyProfile:"));
        alert = alertOf(window_.get());
        QVERIFY(alert);
        QCOMPARE(alert->objectName(), QStringLiteral("RemoteApplyChangesDidFinish"));
        closeAlert(alert);
        QCOMPARE(editors.first()->currentValue(ostrak::TagName(QStringLiteral("ItemList"), QStringLiteral("Description"))),
                 std::optional<QString>(QStringLiteral("Dusk")));
    }

    void failedFilesAreNamedWithTheirReason()
    {
        QTemporaryDir files;
        const QString song = corvelle::test::copyFixture(files.path(), QStringLiteral("audio.mp3"));
        const auto editors = openFiles({song});
        QCOMPARE(editors.size(), 1);
        halvex::PhotosAppAuthorizer::setSelectionSource([editors] { return halvex::TagEditorList(editors); });
        makeWindow({"A"});
        selectRows({0});
        QSignalSpy finished(window_.get(), &RCWindowController::applyFinished);
        window_->applyProfile();
        QMessageBox* alert = alertOf(window_.get());
        QVERIFY(alert);
        for (QAbstractButton* button : alert->buttons()) {
            if (button->text() == corvelle::localizedString(QStringLiteral("RemoteProfileFirstUseAlertContinueButton")))
                QTest::mouseClick(button, Qt::LeftButton);
        }
        QVERIFY(finished.wait(60000));
        alert = alertOf(window_.get());
        QVERIFY(alert);
        QCOMPARE(alert->objectName(), QStringLiteral("RemoteApplyChangesDidFinishWithFailures"));
        QVERIFY2(alert->detailedText().contains(song), qPrintable(alert->detailedText()));
        QVERIFY(alert->detailedText().contains(corvelle::localizedString(QStringLiteral("RemoteApplyNotWritableError"))));
        closeAlert(alert);
    }

    void propertySheetsOpenOneAtATimeAndStoreOnSave()
    {
        makeWindow({"A"});
        selectRows({0});
        QTableView* properties = window_->propertiesViewController()->tableView();
        // A heading opens nothing.
        properties->selectRow(0);
        QVERIFY(!isEnabled("editProperty:"));
        properties->selectRow(1);
        QVERIFY(isEnabled("editProperty:"));
        window_->commandAction(QStringLiteral("editProperty:"))->trigger();
        QTRY_VERIFY(window_->editWindowController());
        corvelle::RCEditPropertyWindowController* sheet = window_->editWindowController();
        QTRY_VERIFY(sheet->isVisible());
        window_->editProperty(RCProfileEditableProperty::imageKeywords);
        QCOMPARE(window_->editWindowController(), sheet);

        sheet->findChild<QLineEdit*>(QStringLiteral("valueTextField"))->setText(QStringLiteral("Renamed"));
        QTest::mouseClick(sheet->validateButton(), Qt::LeftButton);
        QTRY_VERIFY(!window_->editWindowController());
        QCOMPARE(manager_->profiles().first()->name(), QStringLiteral("Renamed"));
        QCOMPARE(stored(), QStringList{"Renamed"});
        QCOMPARE(profileTable()->model()->index(0, RCProfileListModel::NameColumn).data().toString(), QStringLiteral("Renamed"));
    }
};

QTEST_MAIN(RCWindowControllerTest)
#include "RCWindowControllerTest.moc"
