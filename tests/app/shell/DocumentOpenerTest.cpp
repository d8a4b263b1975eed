#include "AlertAnswerer.h"
#include "FakeEditorWindow.h"

#include "app/AppController.h"
#include "engine/halvex/libraries/LibraryFile.h"
#include "engine/halvex/libraries/PresetFile.h"
#include "engine/halvex/libraries/PresetManager.h"
#include "engine/halvex/libraries/TagSetFile.h"
#include "engine/halvex/libraries/TagSetManager.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using corvelle::AppController;
using halvex::TagSetManager;

namespace {

QStringList groupNames()
{
    QStringList names;
    for (const halvex::PresetGroupPtr& group : halvex::PresetManager::shared().groups())
        names << group->name();
    return names;
}

void writePresetFile(const QString& path, const QString& groupName)
{
    const auto preset = std::make_shared<halvex::PresetItem>(groupName + QStringLiteral(" preset"), QString(),
                                                             QList<halvex::PresetItem::Entry>{});
    halvex::PresetFile({std::make_shared<halvex::PresetGroup>(groupName, QString(), QList<halvex::PresetItemPtr>{preset})})
        .exportTo(path);
}

void writeGarbage(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("garbage, not JSON");
}

QList<QUrl> urls(const QDir& folder, const QStringList& names)
{
    QList<QUrl> list;
    for (const QString& name : names)
        list << QUrl::fromLocalFile(folder.filePath(name));
    return list;
}

} // namespace

class DocumentOpenerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppController> controller_;
    FakeEditorWindow* editor_ = nullptr;
    QTemporaryDir folder_;

    QDir folder() const { return QDir(folder_.path()); }

private Q_SLOTS:
    void init()
    {
        const auto environment = fakeEditorEnvironment(editor_);
        controller_ = std::make_unique<AppController>(environment);
        QVERIFY(controller_->launch());
        editor_->window()->hide();

        halvex::PresetManager::shared().setGroups(
            {std::make_shared<halvex::PresetGroup>(QStringLiteral("Mine"), QString(), QList<halvex::PresetItemPtr>{})});
        TagSetManager::shared().restoreDefault(TagSetManager::Domain::chosen);
    }

    void cleanup() { controller_.reset(); }

    // Three preset files: one question, the readable ones imported after the library's groups,
    // one failure alert naming the unreadable file.
    void presetFilesAreImportedAfterOneQuestion()
    {
        writePresetFile(folder().filePath("alpha.cvpreset"), QStringLiteral("Alpha"));
        writeGarbage(folder().filePath("broken.cvpresets"));
        writePresetFile(folder().filePath("GAMMA.CVPRESETS"), QStringLiteral("Gamma"));

        AlertAnswerer answerer({"ImportingPresetFilesAlertContinueButton", "PresetManagerImportDidFailOKButton"});
        controller_->openDocuments(urls(folder(), {"alpha.cvpreset", "broken.cvpresets", "GAMMA.CVPRESETS"}));

        QCOMPARE(answerer.stems(), (QStringList{"ImportingPresetFilesAlert", "PresetManagerImportDidFail"}));
        QVERIFY(answerer.alerts()[1].informativeText.contains(folder().filePath("broken.cvpresets")));
        // A one-preset file brings its preset in a group without name.
        QCOMPARE(groupNames(), (QStringList{"Mine", "", "Gamma"}));
        QCOMPARE(halvex::PresetManager::shared().groups()[1]->presets().first()->name(), QStringLiteral("Alpha preset"));

        // Stored, and the editor window was not asked for.
        halvex::PresetManager::shared().load();
        QCOMPARE(groupNames(), (QStringList{"Mine", "", "Gamma"}));
        QVERIFY(!editor_->window()->isVisible());
        QVERIFY(editor_->addedFiles.isEmpty());
    }

    // Presets first, then tag sets, then the other files and folders, in their order.
    void mixedDocumentsAreRoutedInOrder()
    {
        writePresetFile(folder().filePath("alpha.cvpreset"), QStringLiteral("Alpha"));
        halvex::TagSetFile(halvex::TagSet::popular()).write(folder().filePath("popular.cvtagset"));
        QDir(folder()).mkdir(QStringLiteral("Holidays"));
        const QList<QUrl> documents = urls(folder(), {"one.mov", "alpha.cvpreset", "Holidays", "popular.cvtagset",
                                                      "two.mp4"});

        AlertAnswerer answerer({"ImportingPresetFilesAlertCancelButton", "ImportingTagsetFilesAlertContinueButton"});
        controller_->openDocuments(documents);

        QCOMPARE(answerer.stems(), (QStringList{"ImportingPresetFilesAlert", "ImportingTagsetFilesAlert"}));
        QCOMPARE(groupNames(), QStringList{"Mine"});
        QCOMPARE(TagSetManager::shared().chosenTagSet(), halvex::TagSet::popular());
        QCOMPARE(editor_->addedFiles, (QList<QUrl>{documents[0], documents[2], documents[4]}));
        QVERIFY(editor_->window()->isVisible());
    }

    void onlyTheFirstTagSetFileIsImportedAndStored()
    {
        halvex::TagSetFile(halvex::TagSet::popular()).write(folder().filePath("first.cvtagsset"));
        halvex::TagSetFile(halvex::TagSet()).write(folder().filePath("second.cvtagset"));

        AlertAnswerer answerer({"ImportingTagsetFilesAlertContinueButton"});
        controller_->openFiles({folder().filePath("first.cvtagsset"), folder().filePath("second.cvtagset")});

        QCOMPARE(answerer.stems(), QStringList{"ImportingTagsetFilesAlert"});
        QCOMPARE(TagSetManager::shared().chosenTagSet(), halvex::TagSet::popular());
        TagSetManager::shared().restoreDefault(TagSetManager::Domain::chosen);
        TagSetManager::shared().load(TagSetManager::Domain::chosen);
        QCOMPARE(TagSetManager::shared().chosenTagSet(), halvex::TagSet::popular());
    }

    void unreadableTagSetFileChangesNothing_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("stems");
        QTest::newRow("imported") << QStringList{"ImportingTagsetFilesAlertContinueButton", "TagSetImportDidFailOKButton"}
                                  << QStringList{"ImportingTagsetFilesAlert", "TagSetImportDidFail"};
        QTest::newRow("cancelled") << QStringList{"ImportingTagsetFilesAlertCancelButton"}
                                   << QStringList{"ImportingTagsetFilesAlert"};
    }

    void unreadableTagSetFileChangesNothing()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, stems);
        writeGarbage(folder().filePath("broken.cvtagset"));
        const halvex::TagSet before = TagSetManager::shared().chosenTagSet();

        AlertAnswerer answerer(answers);
        controller_->openFiles({folder().filePath("broken.cvtagset")});

        QCOMPARE(answerer.stems(), stems);
        if (stems.size() == 2)
            QVERIFY(answerer.alerts()[1].informativeText.contains(folder().filePath("broken.cvtagset")));
        QCOMPARE(TagSetManager::shared().chosenTagSet(), before);
        QVERIFY(!editor_->window()->isVisible());
    }
};

QTEST_MAIN(DocumentOpenerTest)
#include "DocumentOpenerTest.moc"
