#include "editor/EditorAlert.h"
#include "editor/EditorSettings.h"
#include "editor/EditorTagBlockActions.h"
#include "editor/EditorTagEditingPresenter.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/AbstractTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFile.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/settings/EditionSettings.h"
#include "filemodel/settings/FileModelSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "support/TestEnvironment.h"
#include "tags/TagStreamsPickerWindowController.h"
#include "tags/TagsSettings.h"

#include <QAbstractButton>
#include <QAction>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QScopeGuard>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;
using ostrak::TagName;
using ostrak::TagStream;

namespace {

constexpr int taskTimeout = 60000;

// The printed values of the tags, one a line, "-" for a missing one.
QString read(const QString& path, const QStringList& tags)
{
    QStringList arguments{QStringLiteral("-s3"), QStringLiteral("-f")};
    for (const QString& tag : tags)
        arguments << QLatin1Char('-') + tag;
    arguments << path;
    QProcess process;
    process.start(QStringLiteral("exiftool"), arguments);
    process.waitForFinished(taskTimeout);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed().split(QLatin1Char('\n')).join(QLatin1Char('|'));
}

QByteArray digest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Hands back the answer of the tag copies sheet, which the editing area supplies.
class CopiesSheetStandIn : public EditorTagEditingPresenter {
public:
    std::optional<QList<halvex::TagSyncPair>> answer;
    QList<QList<halvex::TagSyncPair>> presets;

    void presentEditingSheet(EditorWindowController&, const ValueSet&, std::optional<Step>) override {}
    bool hasSidebar(EditorWindowController&) const override { return false; }
    void focusSidebarStep(EditorWindowController&) override {}
    std::optional<ValueSet> sidebarValueSet(EditorWindowController&) const override { return std::nullopt; }
    void showSidebarStep(EditorWindowController&, Step) override {}
    void presentTagCopiesSheet(EditorWindowController&, const QList<halvex::TagSyncPair>& copies,
                               TagCopiesCompletion completion) override
    {
        presets << copies;
        completion(answer);
    }
};

} // namespace

// The Tags menu's commands that write into the files at once, after the user agreed, read back
// with ExifTool.
class EditorTagBlockActionsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorWindowController> controller_;

    MetadataFileList& list() const { return *controller_->metadataFileList(); }

    void waitForTasks()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QTest::qWait(0);
    }

    bool isEnabled(const QString& action)
    {
        controller_->refreshCommandActions();
        return controller_->commandAction(action)->isEnabled();
    }

    void open(const QStringList& paths)
    {
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        QList<halvex::TagStorageSource> sources;
        for (const QUrl& url : urls)
            sources << halvex::TagStorageSource(url);
        controller_->importFiles(sources);
        QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), paths.size(), taskTimeout);
        waitForTasks();
    }

    QMessageBox* shownAlert() const
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                return box;
        }
        for (auto* box : controller_->window()->findChildren<QMessageBox*>()) {
            if (box->isVisible())
                return box;
        }
        return nullptr;
    }

    // Answers the alert on screen, which must be the one of `stem`.
    void answer(const QString& stem, bool confirm)
    {
        QMessageBox* alert = nullptr;
        QTRY_VERIFY((alert = shownAlert()) != nullptr);
        QCOMPARE(alert->objectName(), stem);
        QAbstractButton* first = EditorAlert::firstButton(alert);
        for (QAbstractButton* button : alert->buttons()) {
            if ((button == first) == confirm) {
                button->click();
                break;
            }
        }
        QTRY_VERIFY(!shownAlert());
        // The answer is handled once the alert is gone; the task it adds is then waited for.
        QTest::qWait(50);
    }

private Q_SLOTS:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
        for (const QString& key : {Settings::lastContentSection().name(), Settings::deleteBlocksChosenStreams().name(),
                                   Settings::lastTagCopies().name()})
            defaults.setObject(key, {});
        defaults.set(Settings::useUnfoldFoldersImport(), false);
        EditorWindowController::setTagEditingPresenter(nullptr);
        controller_ = std::make_unique<EditorWindowController>();
        controller_->window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(controller_->window()));
    }

    void cleanup()
    {
        waitForTasks();
        controller_.reset();
        EditorWindowController::setTagEditingPresenter(nullptr);
    }

    // Deleting tag streams from the selected photo, the other photo left as it was. Values read:
    // EXIF make, IPTC object name, XMP title.
    void streamBlocks_data()
    {
        QTest::addColumn<QString>("action");
        // Chosen in the picker, for the chosen-streams command.
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("confirmed");
        // Empty: the file is byte for byte as it was.
        QTest::addColumn<QString>("after");
        QTest::newRow("EXIF") << "deleteEXIFStreamBlock:" << QStringList() << true << true
                              << "-|Café in Zürich|Café in Zürich";
        QTest::newRow("EXIF cancelled") << "deleteEXIFStreamBlock:" << QStringList() << true << false << QString();
        QTest::newRow("XMP") << "deleteXMPStreamBlock:" << QStringList() << true << true << "Corvelle|Café in Zürich|-";
        QTest::newRow("every stream") << "deleteAllStreamBlocks:" << QStringList() << true << true << "-|-|-";
        QTest::newRow("chosen IPTC and XMP") << "deleteChosenStreamBlock:" << QStringList{"IPTC", "XMP"} << true << true
                                             << "Corvelle|-|-";
        QTest::newRow("chosen, cancelled") << "deleteChosenStreamBlock:" << QStringList{"XMP"} << true << false
                                           << QString();
        QTest::newRow("chosen nothing") << "deleteChosenStreamBlock:" << QStringList() << false << false << QString();
    }

    void streamBlocks()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, chosen);
        QFETCH(bool, asked);
        QFETCH(bool, confirmed);
        QFETCH(QString, after);
        const QString first = test::copyFixture(folder_->path(), QStringLiteral("photo.jpg"), QStringLiteral("a.jpg"));
        const QString second = test::copyFixture(folder_->path(), QStringLiteral("photo.jpg"), QStringLiteral("b.jpg"));
        const QByteArray before = digest(first);
        open({first, second});
        list().setSelection(brisa::IndexSet{0});
        QVERIFY(isEnabled(action));
        controller_->commandAction(action)->trigger();

        if (action == QLatin1String("deleteChosenStreamBlock:")) {
            TagStreamsPickerWindowController* picker = nullptr;
            QTRY_VERIFY((picker = controller_->window()->findChild<TagStreamsPickerWindowController*>()) != nullptr);
            QList<TagStream> streams;
            for (const QString& name : chosen)
                streams << TagStream(name);
            picker->selectTagStreams(streams);
            picker->done(QDialog::Accepted);
            // The choice is kept before anything is asked.
            QTRY_COMPARE(brisa::UserDefaults::standard().value(Settings::deleteBlocksChosenStreams()), streams);
        }
        if (asked)
            answer(QStringLiteral("ImmediateActionAlert"), confirmed);
        else
            QTest::qWait(50);
        QVERIFY(!shownAlert());
        waitForTasks();

        const QStringList tags{QStringLiteral("IFD0:Make"), QStringLiteral("IPTC:ObjectName"),
                               QStringLiteral("XMP-dc:Title")};
        if (after.isEmpty())
            QCOMPARE(digest(first), before);
        else
            QTRY_COMPARE_WITH_TIMEOUT(read(first, tags), after, taskTimeout);
        QCOMPARE(read(second, tags), QStringLiteral("Corvelle|Café in Zürich|Café in Zürich"));
    }

    // A file that cannot be written is named in the task's messages and left as it was; the
    // errors setting, read when the user agrees, says whether the other files go on.
    void unwritableFiles_data()
    {
        QTest::addColumn<int>("behavior");
        QTest::addColumn<QString>("goodAfter");
        QTest::newRow("stop at the first error") << int(ErrorsBehaviorEditionUserChoice::stop) << "Corvelle";
        QTest::newRow("go on") << int(ErrorsBehaviorEditionUserChoice::ignore) << "-";
    }

    void unwritableFiles()
    {
        QFETCH(int, behavior);
        QFETCH(QString, goodAfter);
        brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
        const auto restoreSetting =
            qScopeGuard([&] { defaults.setObject(Settings::editionUserChoiceErrorsBehavior().name(), {}); });
        const QString locked = test::copyFixture(folder_->path(), QStringLiteral("photo.jpg"), QStringLiteral("a-locked.jpg"));
        const QString good = test::copyFixture(folder_->path(), QStringLiteral("photo.jpg"), QStringLiteral("b-good.jpg"));
        open({locked, good});
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner));
        const QByteArray lockedBefore = digest(locked);
        list().setSelection(brisa::IndexSet{0, 1});
        defaults.set(Settings::editionUserChoiceErrorsBehavior(),
                     ErrorsBehaviorEditionUserChoice(1 - behavior));
        controller_->commandAction(QStringLiteral("deleteEXIFStreamBlock:"))->trigger();
        defaults.set(Settings::editionUserChoiceErrorsBehavior(), ErrorsBehaviorEditionUserChoice(behavior));
        answer(QStringLiteral("ImmediateActionAlert"), true);
        waitForTasks();

        const std::shared_ptr<halvex::AbstractTask> task = halvex::TaskManager::shared().tasks().last();
        QStringList named;
        for (const halvex::TaskMessage& message : task->messages())
            named << QFileInfo(message.filePath).fileName();
        QVERIFY2(named.contains(QStringLiteral("a-locked.jpg")), qPrintable(named.join(QLatin1Char(','))));
        QCOMPARE(digest(locked), lockedBefore);
        QCOMPARE(read(good, {QStringLiteral("IFD0:Make")}), goodAfter);
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner));
    }

    // Tag values copied inside the files of the selected folder, after the question; a selected
    // file that is not a folder takes no part, and without a folder nothing is asked.
    void folderSync()
    {
        auto sheet = std::make_shared<CopiesSheetStandIn>();
        const QList<halvex::TagSyncPair> pairs{{TagName(QStringLiteral("IPTC"), QStringLiteral("ObjectName")),
                                                TagName(QStringLiteral("XMP-dc"), QStringLiteral("Source"))}};
        sheet->answer = pairs;
        const QString shots = folder_->filePath(QStringLiteral("shots"));
        QVERIFY(QDir().mkpath(shots));
        const QString inFolder = test::copyFixture(shots, QStringLiteral("photo.jpg"), QStringLiteral("a.jpg"));
        const QString alsoInFolder = test::copyFixture(shots, QStringLiteral("photo.jpg"), QStringLiteral("b.jpg"));
        const QString loose = test::copyFixture(folder_->path(), QStringLiteral("photo.jpg"), QStringLiteral("loose.jpg"));
        open({shots, loose});
        const int folderRow = list().files().at(0)->editor()->isFolder() ? 0 : 1;
        const int looseRow = 1 - folderRow;
        QVERIFY(list().files().at(folderRow)->editor()->isFolder());
        QVERIFY(!list().files().at(looseRow)->editor()->isFolder());
        list().setSelection(brisa::IndexSet{0, 1});

        // The sheet is the editing area's: without it the command waits.
        QVERIFY(!isEnabled(QStringLiteral("showSyncFolderTagsPanel:")));
        EditorWindowController::setTagEditingPresenter(sheet);
        QVERIFY(isEnabled(QStringLiteral("showSyncFolderTagsPanel:")));

        // Cancelled, nothing is kept or written.
        sheet->answer.reset();
        controller_->commandAction(QStringLiteral("showSyncFolderTagsPanel:"))->trigger();
        QVERIFY(!shownAlert());
        QVERIFY(!brisa::UserDefaults::standard().contains(Settings::lastTagCopies().name()));

        sheet->answer = pairs;
        controller_->commandAction(QStringLiteral("showSyncFolderTagsPanel:"))->trigger();
        QCOMPARE(brisa::UserDefaults::standard().value(Settings::lastTagCopies()), pairs);
        answer(QStringLiteral("ImmediateActionAlert"), true);
        waitForTasks();
        const QStringList source{QStringLiteral("XMP-dc:Source")};
        QTRY_COMPARE_WITH_TIMEOUT(read(inFolder, source), QStringLiteral("Café in Zürich"), taskTimeout);
        QCOMPARE(read(alsoInFolder, source), QStringLiteral("Café in Zürich"));
        QCOMPARE(read(loose, source), QStringLiteral("-"));

        // The sheet opens with the pairs used last.
        controller_->commandAction(QStringLiteral("showSyncFolderTagsPanel:"))->trigger();
        QCOMPARE(sheet->presets.last(), pairs);
        answer(QStringLiteral("ImmediateActionAlert"), false);

        // Only a file: a message says so and the question is not asked.
        const QByteArray looseBefore = digest(loose);
        list().setSelection(brisa::IndexSet{looseRow});
        controller_->tagBlockActions().syncFolderTags(pairs);
        answer(QStringLiteral("TagSyncWithoutFolderAlert"), true);
        waitForTasks();
        QCOMPARE(digest(loose), looseBefore);
    }

    // The movie's property list removed after the question, its other item-list tags kept.
    void moviePropertyList()
    {
        const QString movie =
            test::copyFixture(folder_->path(), QStringLiteral("movie-itunmovi.mp4"), QStringLiteral("movie.mp4"));
        const QStringList kept{QStringLiteral("ItemList:Title"), QStringLiteral("ItemList:Artist"),
                               QStringLiteral("ItemList:Comment"), QStringLiteral("ItemList:Genre"),
                               QStringLiteral("Keys:Title")};
        const QString keptBefore = read(movie, kept);
        const QByteArray before = digest(movie);
        QCOMPARE(read(movie, {QStringLiteral("XML:Cast")}), QStringLiteral("Fixture Actor"));
        open({movie});
        list().setSelection(brisa::IndexSet{0});
        QVERIFY(isEnabled(QStringLiteral("deleteItunMoviPlist:")));

        controller_->commandAction(QStringLiteral("deleteItunMoviPlist:"))->trigger();
        answer(QStringLiteral("ImmediateActionAlert"), false);
        waitForTasks();
        QCOMPARE(digest(movie), before);

        controller_->commandAction(QStringLiteral("deleteItunMoviPlist:"))->trigger();
        answer(QStringLiteral("ImmediateActionAlert"), true);
        waitForTasks();
        QTRY_COMPARE_WITH_TIMEOUT(read(movie, {QStringLiteral("XML:Cast"), QStringLiteral("XML:Directors")}),
                                  QStringLiteral("-|-"), taskTimeout);
        QCOMPARE(read(movie, kept), keptBefore);
    }

    // Up to 99 selected entries are looked at one by one; from 100 on the selection is taken to
    // hold folders and files alike. Folders alone: the property list command tells there is no
    // file and asks nothing.
    void largeSelections()
    {
        QStringList folders;
        for (int i = 0; i < 100; ++i) {
            const QString path = folder_->filePath(QStringLiteral("f%1").arg(i, 3, 10, QLatin1Char('0')));
            QVERIFY(QDir().mkpath(path));
            folders << path;
        }
        open(folders);
        EditorWindowController::setTagEditingPresenter(std::make_shared<CopiesSheetStandIn>());
        list().setSelection(brisa::IndexSet::range(0, 99));
        QVERIFY(isEnabled(QStringLiteral("showSyncFolderTagsPanel:")));
        QVERIFY(!isEnabled(QStringLiteral("deleteItunMoviPlist:")));
        list().setSelection(brisa::IndexSet::range(0, 100));
        QVERIFY(isEnabled(QStringLiteral("deleteItunMoviPlist:")));
        controller_->commandAction(QStringLiteral("deleteItunMoviPlist:"))->trigger();
        answer(QStringLiteral("ItunMoviDeletionWithoutFileAlert"), true);
        QVERIFY(!halvex::TaskManager::shared().isBusy());
    }
};

QTEST_MAIN(EditorTagBlockActionsTest)
#include "EditorTagBlockActionsTest.moc"
