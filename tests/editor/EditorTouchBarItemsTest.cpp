#include "editor/EditorSettings.h"
#include "editor/EditorTouchBarItems.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/DynamicTouchBar.h"
#include "support/TestEnvironment.h"

#include <QMainWindow>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;

class EditorTouchBarItemsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Previous and next follow the list without wrapping; without window every button is off.
    void enableRules()
    {
        brisa::UserDefaults::standard().setObject(Settings::lastContentSection().name(), {});
        auto controller = std::make_unique<EditorWindowController>();
        brisa::DynamicTouchBar touchBar;
        EditorTouchBarItems::addFileItems(touchBar, controller.get());
        EditorTouchBarItems::addWelcomeItems(touchBar, controller.get());
        auto states = [&touchBar] {
            touchBar.reloadDisplayedItems();
            QString seen;
            for (brisa::DynamicTouchBarItem* item : touchBar.touchBar())
                seen += item->isEnabled() ? u'e' : u'd';
            return seen;
        };
        const QList<brisa::DynamicTouchBarItem*> items = touchBar.touchBar();
        QCOMPARE(items.size(), 7);
        QCOMPARE(items[1]->settings().symbolName, QStringLiteral("arrow.left"));
        QCOMPARE(items[6]->settings().width, 160.0);
        QVERIFY(items[6]->settings().bezelColor.isValid());
        // open, previous, next, save all, Quick Look, welcome Finder, welcome photo library
        QCOMPARE(states(), QStringLiteral("edddeee"));

        QTemporaryDir folder;
        QList<QUrl> urls;
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
            QFile::copy(corvelle::test::fixturePath("photo.jpg"), folder.filePath(name));
            urls << QUrl::fromLocalFile(folder.filePath(name));
        }
        controller->addFiles(urls);
        QTRY_COMPARE_WITH_TIMEOUT(controller->metadataFileList()->files().size(), 3, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), 60000);
        controller->metadataFileList()->setSelection(brisa::IndexSet{2});
        QCOMPARE(states(), QStringLiteral("eeddeee"));
        QVERIFY(touchBar.touchBar()[1]->perform());
        QCOMPARE(controller->metadataFileList()->selection(), brisa::IndexSet{1});
        controller->metadataFileList()->setSelection(brisa::IndexSet{0});
        QCOMPARE(states(), QStringLiteral("ededeee"));

        controller.reset();
        QCOMPARE(states(), QStringLiteral("ddddddd"));
        QVERIFY(!touchBar.touchBar()[0]->perform());
    }
};

QTEST_MAIN(EditorTouchBarItemsTest)
#include "EditorTouchBarItemsTest.moc"
