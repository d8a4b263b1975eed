#include "editor/EditorSettings.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/libraries/LibraryFile.h"
#include "engine/halvex/libraries/PresetManager.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFile.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"
#include "presets/PresetPopUpMenu.h"
#include "presets/SavePresetWindowController.h"
#include "support/TestEnvironment.h"
#include "support/ui/SectionViewStandIn.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;
using halvex::PresetEdition;
using halvex::PresetItem;
using Action = halvex::UseCustomActionSettings::Action;

namespace {

constexpr int taskTimeout = 60000;

ostrak::TagName name(const char* raw)
{
    return ostrak::TagName::fromRawValue(QLatin1String(raw));
}

PresetItem::Entry entry(const char* tag, const PresetEdition& edition)
{
    return PresetItem::Entry(name(tag), edition);
}

PresetEdition action(Action code)
{
    return PresetEdition::useCustomAction({code});
}

PresetEdition custom(const QString& value, halvex::PresetValueInsertion insertion = halvex::PresetValueInsertion::replace)
{
    return PresetEdition::useCustomValue({value, insertion});
}

QString read(const QString& path, const QStringList& tags)
{
    QStringList arguments{QStringLiteral("-s3"), QStringLiteral("-f"), QStringLiteral("-sep"), QStringLiteral(", ")};
    for (const QString& tag : tags)
        arguments << QLatin1Char('-') + tag;
    arguments << path;
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"), arguments);
    if (!exiftool.waitForFinished(taskTimeout))
        qFatal("exiftool did not finish");
    return QString::fromUtf8(exiftool.readAllStandardOutput()).trimmed();
}

} // namespace

// The editor window's preset commands over copies of the fixtures: a preset chosen in a preset
// menu applies all its entries as one task, and the selected tags are saved as a new preset.
class ApplyingAndSavingPresetsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    std::unique_ptr<EditorWindowController> controller_;

    MetadataFileList& list() const { return *controller_->metadataFileList(); }

    void waitForTasks()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QTest::qWait(0);
    }

    QStringList openPhotos(const QStringList& names)
    {
        QList<QUrl> urls;
        QStringList paths;
        for (const QString& each : names) {
            paths << test::copyFixture(folder_.path(), QStringLiteral("photo.jpg"), each);
            urls << QUrl::fromLocalFile(paths.last());
        }
        controller_->addFiles(urls);
        [&] { QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), names.size(), taskTimeout); }();
        waitForTasks();
        list().selectAllFiles();
        return paths;
    }

private Q_SLOTS:
    void initTestCase() { test::SectionViewStandIn::registerFor(); }

    void init()
    {
        halvex::PresetManager::shared().setGroups({});
        controller_ = std::make_unique<EditorWindowController>();
        controller_->window()->show();
    }

    void cleanup()
    {
        waitForTasks();
        controller_.reset();
    }

    // Every kind of entry, chosen from a grouped preset menu, in one task; the saved files read
    // back what the entries did, in their order.
    void presetFromTheMenuAppliesEveryEditionKind()
    {
        halvex::CopyTagValueSettings copy;
        copy.tagName = name("IFD0:Model");
        halvex::SearchAndReplaceSettings search;
        search.searchString = QStringLiteral("–");
        search.replaceString = QStringLiteral("-");
        const auto preset = std::make_shared<PresetItem>(
            QStringLiteral("Everything"), QString(),
            QList<PresetItem::Entry>{
                entry("IFD0:Model", PresetEdition::keepCurrentValue()),
                entry("IFD0:Make", action(Action::remove)),
                entry("XMP-photoshop:City", action(Action::restoreOriginal)),
                entry("XMP-dc:Title", action(Action::lowercase)),
                entry("IPTC:ObjectName", action(Action::uppercase)),
                entry("IFD0:Artist", custom(QStringLiteral("hello world"))),
                entry("IFD0:Artist", action(Action::capitalize)),
                entry("IFD0:Software", custom(QStringLiteral("  tool  "))),
                entry("IFD0:Software", action(Action::trimWhiteSpace)),
                entry("XMP-dc:Subject", action(Action::sortAscending)),
                entry("IPTC:Keywords", action(Action::sortDescending)),
                entry("XMP-dc:Rights", PresetEdition::copyTagValue(copy)),
                entry("XMP-dc:Description", PresetEdition::searchAndReplace(search)),
                entry("IFD0:Copyright", custom(QStringLiteral("(c) "), halvex::PresetValueInsertion::prepend)),
                entry("IFD0:Copyright", custom(QStringLiteral("Me"), halvex::PresetValueInsertion::append)),
            });
        auto& library = halvex::PresetManager::shared();
        library.insertGroups({std::make_shared<halvex::PresetGroup>(QStringLiteral("First"), QString(),
                                                                     QList{std::make_shared<PresetItem>(QStringLiteral("Other"), QString(), QList<PresetItem::Entry>{})}),
                              std::make_shared<halvex::PresetGroup>(QStringLiteral("Second"), QString(), QList{preset})},
                             0);

        const QStringList paths = openPhotos({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")});
        for (const auto& file : list().files())
            file->editor()->setValue(QStringLiteral("Bern"), name("XMP-photoshop:City"));

        PresetPopUpMenu menu;
        menu.setApplyPresetTarget(controller_.get());
        menu.setApplyPresetAction(QStringLiteral("applyPreset:"));
        menu.reloadItems();
        QAction* item = nullptr;
        for (QAction* group : menu.actions()) {
            if (group->menu() && group->text() == QLatin1String("Second"))
                item = group->menu()->actions().value(0);
        }
        QVERIFY(item);
        QCOMPARE(PresetPopUpMenu::tag(item), 1);

        halvex::TaskManager::shared().clearFinishedTasks();
        const int before = int(halvex::TaskManager::shared().tasks().size());
        item->trigger();
        QCOMPARE(int(halvex::TaskManager::shared().tasks().size()), before + 1);
        // The task holds the entries it was given: a later change of the preset does not reach it.
        preset->removeEntries(brisa::IndexSet::range(0, int(preset->entries().size())));
        waitForTasks();

        controller_->performCommand(QStringLiteral("saveSelectedFiles:"), nullptr);
        waitForTasks();
        const QStringList tags{
            QStringLiteral("IFD0:Model"),   QStringLiteral("IFD0:Make"),      QStringLiteral("XMP-photoshop:City"),
            QStringLiteral("XMP-dc:Title"), QStringLiteral("IPTC:ObjectName"), QStringLiteral("IFD0:Artist"),
            QStringLiteral("IFD0:Software"), QStringLiteral("XMP-dc:Subject"), QStringLiteral("IPTC:Keywords"),
            QStringLiteral("XMP-dc:Rights"), QStringLiteral("XMP-dc:Description"), QStringLiteral("IFD0:Copyright")};
        const QStringList expected{QStringLiteral("Fixture Cam"),
                                   QStringLiteral("-"),
                                   QStringLiteral("Zürich"),
                                   QStringLiteral("café in zürich"),
                                   QStringLiteral("CAFÉ IN ZÜRICH"),
                                   QStringLiteral("Hello World"),
                                   QStringLiteral("tool"),
                                   QStringLiteral("café, lake, evening, Zürich"),
                                   QStringLiteral("Zürich, lake, evening, café"),
                                   QStringLiteral("Fixture Cam"),
                                   QStringLiteral("Café - Zürich"),
                                   QStringLiteral("(c) Me")};
        for (const QString& path : paths)
            QCOMPARE(read(path, tags).split(QLatin1Char('\n')), expected);
    }

    // The rule of each command by section: presets apply wherever files are selected but in the
    // raw section; saving needs the tags section and selected rows.
    void commandsFollowTheSection()
    {
        openPhotos({QStringLiteral("a.jpg")});
        const auto state = [this](const char* command) {
            return controller_->validateMenuCommand(QLatin1String(command), nullptr) == MenuValidation::enabled;
        };
        controller_->setContentSection(EditorContentSection::map);
        QVERIFY(!state("savePreset:"));
        controller_->setContentSection(EditorContentSection::raw);
        QVERIFY(!state("savePreset:"));
        controller_->setContentSection(EditorContentSection::tags);
        QVERIFY(!state("savePreset:"));
        halvex::TagValueTable::Request request = controller_->tagValueTable()->latestRequest();
        request.selectedEntryIndexes = brisa::IndexSet{1};
        controller_->tagValueTable()->reload(request);
        QVERIFY(state("savePreset:"));
    }

    // One entry per selected tag whose files agree (a tag no file has agrees on the empty
    // value); cancelling the sheet adds nothing, saving adds the preset to the stored library.
    void selectedTagsBecomeAPreset()
    {
        openPhotos({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")});
        list().files().at(1)->editor()->setValue(QStringLiteral("Other"), name("XMP-dc:Title"));
        controller_->setContentSection(EditorContentSection::tags);
        waitForTasks();
        const halvex::TagValueTable::Content content = controller_->tagValueTable()->content();
        const QList<ostrak::TagName> wanted{name("XMP-dc:Title"), name("XMP-dc:Description"), name("XMP-dc:Creator")};
        brisa::IndexSet rows;
        for (int row = 0; row < content.entries().size(); ++row) {
            const halvex::TagValueTableEntry& each = content.entries().at(row);
            if (each.isRow() && wanted.contains(each.rowValue().tagItem().tagName()))
                rows.insert(row);
        }
        QVERIFY2(rows.count() == 3, "the default tag set shows the title, the description and the creator");
        halvex::TagValueTable::Request request = controller_->tagValueTable()->latestRequest();
        request.selectedEntryIndexes = rows;
        controller_->tagValueTable()->reload(request);

        for (int answer : {0, 1}) {
            controller_->performCommand(QStringLiteral("savePreset:"), nullptr);
            SavePresetWindowController* sheet = nullptr;
            QTRY_VERIFY((sheet = controller_->window()->findChild<SavePresetWindowController*>()) && sheet->isVisible());
            sheet->findChild<QLineEdit*>(QStringLiteral("nameTextField"))->setText(QStringLiteral("Saved"));
            sheet->findChild<QLineEdit*>(QStringLiteral("detailTextField"))->setText(QStringLiteral("From two files"));
            sheet->findChild<QPushButton*>(QLatin1String(answer ? "saveButton" : "cancelButton"))->click();
            QTRY_VERIFY(!controller_->window()->findChild<SavePresetWindowController*>());
            if (answer == 0)
                QVERIFY(halvex::PresetManager::shared().groups().isEmpty());
        }

        halvex::PresetManager stored(halvex::LibraryFile::dataPath(QStringLiteral("Presets.json")));
        stored.load();
        QCOMPARE(stored.groups().size(), 1);
        const halvex::PresetItemPtr saved = stored.groups().first()->presets().value(0);
        QVERIFY(saved);
        QCOMPARE(saved->name(), QStringLiteral("Saved"));
        QCOMPARE(saved->detail(), QStringLiteral("From two files"));
        QCOMPARE(saved->entries(), (QList<PresetItem::Entry>{entry("XMP-dc:Description", custom(QStringLiteral("Café – Zürich"))),
                                                             entry("XMP-dc:Creator", custom(QString()))}));
    }
};

QTEST_MAIN(ApplyingAndSavingPresetsTest)
#include "ApplyingAndSavingPresetsTest.moc"
