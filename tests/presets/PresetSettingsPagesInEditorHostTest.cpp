#include "editing/EditingTestSupport.h"
#include "editing/EditorEditValuesInterfaceController.h"
#include "editing/GenericEditionViewController.h"
#include "engine/halvex/EndToEndTestSupport.h"
#include "engine/halvex/tasks/ApplyPresetTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "presets/PresetEditStepCopyOtherValueViewController.h"
#include "presets/PresetEditStepEditCurrentValueViewController.h"
#include "presets/PresetEditStepSearchAndReplaceViewController.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QtTest>

using namespace corvelle;
using corvelle::test::tagItem;
using halvex::test::EndToEnd;

namespace {

// The edit flow's side of a settings page: an edition cache over opened files.
class Host : public QObject, public EditorEditValuesInterfaceController {
public:
    explicit Host(const EditorEditionCache& cache) : cache_(cache) {}

    QObject* hostObject() override { return this; }
    EditorEditionCache& cache() override { return cache_; }
    bool prefersVerticalLayout() const override { return true; }
    void updateInterface() override {}
    void showStep(EditorEditionCacheStep, bool) override {}
    void goBackEdition() override {}
    void continueEdition() override {}
    EditionEditStepViewController* currentViewController() const override { return nullptr; }

private:
    EditorEditionCache cache_;
};

} // namespace

// The settings pages hosted by the edit flow: finishing applies the page's operation to every
// selected tag of every selected file as one edition task on the shared task manager, and what
// it staged, once saved, is what ExifTool reads.
class PresetSettingsPagesInEditorHostTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void finishingAppliesOneTask_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("expected");
        QTest::newRow("search and replace") << "search" << "Café in Zurich";
        QTest::newRow("custom value") << "custom" << "Lake";
        QTest::newRow("copy another tag") << "copy" << "Corvelle";
    }

    void finishingAppliesOneTask()
    {
        QFETCH(QString, page);
        QFETCH(QString, expected);
        EndToEnd e;
        const QStringList paths{e.copy(QStringLiteral("photo.jpg"), QStringLiteral("a.jpg")),
                                e.copy(QStringLiteral("photo.jpg"), QStringLiteral("b.jpg"))};
        const auto editors = e.open(paths);
        QCOMPARE(editors.size(), 2);
        Host host(EditorEditionCache(EditorEditionCache::ValueSet(editors, {tagItem("XMP-dc:Title"), tagItem("IPTC:ObjectName")})));

        std::unique_ptr<PresetEditStepViewController> step;
        if (page == QLatin1String("search")) {
            auto* search = new PresetEditStepSearchAndReplaceViewController;
            step.reset(search);
            search->attachToEditorHost(&host);
            search->findChild<QLineEdit*>(QStringLiteral("findTextField"))->insert(QStringLiteral("Zürich"));
            search->findChild<QLineEdit*>(QStringLiteral("replaceTextField"))->insert(QStringLiteral("Zurich"));
        } else if (page == QLatin1String("custom")) {
            auto* custom = new PresetEditStepEditCurrentValueViewController;
            step.reset(custom);
            custom->attachToEditorHost(&host);
            QVERIFY(custom->editionViewController());
            auto* text = custom->editionViewController()->findChild<QPlainTextEdit*>();
            // The editor starts from the files' common value.
            QCOMPARE(text->toPlainText(), QStringLiteral("Café in Zürich"));
            text->setPlainText(expected);
        } else {
            auto* copy = new PresetEditStepCopyOtherValueViewController;
            step.reset(copy);
            copy->attachToEditorHost(&host);
            copy->findChild<QLineEdit*>(QStringLiteral("searchField"))->setText(QStringLiteral("Make"));
            QTRY_VERIFY_WITH_TIMEOUT(!copy->searchEngine().isSearching() && copy->tableView()->model()->rowCount() > 0, 20000);
            bool chosen = false;
            for (int row = 0; row < copy->tableView()->model()->rowCount() && !chosen; ++row) {
                const QModelIndex index = copy->tableView()->model()->index(row, 0);
                if (index.data(Qt::UserRole).value<ostrak::TagItem>().tagName().rawValue() == QLatin1String("IFD0:Make")) {
                    copy->tableView()->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
                    chosen = true;
                }
            }
            QVERIFY(chosen);
        }
        QVERIFY(step->canContinueInEditorHost());

        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), 60000);
        halvex::TaskManager::shared().clearFinishedTasks();
        const int before = int(halvex::TaskManager::shared().tasks().size());
        // Leaving the step for another is no finish.
        step->applyToEditorHost(false);
        QCOMPARE(int(halvex::TaskManager::shared().tasks().size()), before);
        step->applyToEditorHost(true);
        const auto tasks = halvex::TaskManager::shared().tasks();
        QCOMPARE(int(tasks.size()), before + 1);
        QVERIFY(std::dynamic_pointer_cast<halvex::ApplyPresetTask>(tasks.last()));
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), 60000);

        QCOMPARE(e.save(editors), QString());
        for (const QString& path : paths)
            QCOMPARE(EndToEnd::read(path, {QStringLiteral("XMP-dc:Title"), QStringLiteral("IPTC:ObjectName")}),
                     expected + QLatin1Char('\n') + expected);
    }

    // Without a value set the pages apply nothing and keep no editor.
    void hostWithoutValuesAppliesNothing()
    {
        Host host{EditorEditionCache()};
        PresetEditStepEditCurrentValueViewController custom;
        custom.attachToEditorHost(&host);
        QVERIFY(!custom.editionViewController());
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), 60000);
        const int before = int(halvex::TaskManager::shared().tasks().size());
        custom.applyToEditorHost(true);
        PresetEditStepSearchAndReplaceViewController search;
        search.attachToEditorHost(&host);
        search.applyToEditorHost(true);
        QCOMPARE(int(halvex::TaskManager::shared().tasks().size()), before);
    }
};

QTEST_MAIN(PresetSettingsPagesInEditorHostTest)
#include "PresetSettingsPagesInEditorHostTest.moc"
