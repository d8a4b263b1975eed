#include "editor/EditorWindowController.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFile.h"
#include "filemodel/MetadataFileList.h"
#include "mediainfo/DownloadInfoWindowController.h"
#include "mediainfo/EditorMediaInfoActions.h"
#include "mediainfo/StoreSearchTargets.h"
#include "support/FixtureMetadataServices.h"
#include "support/TestEnvironment.h"
#include "support/ui/WidgetDriver.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;

namespace {

template<class Widget>
Widget* widget(const QWidget* root, const char* name)
{
    return corvelle::test::WidgetDriver::child<Widget>(root, QString::fromLatin1(name));
}

} // namespace

// The editor window's command opens the sheet for the selected files and, when the sheet is
// applied, writes the found values into them.
class EditorMediaInfoActionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void downloadVideoInfoWritesIntoTheSelectedFiles()
    {
        test::FixtureMetadataServices services;
        QTemporaryDir folder;
        const QString path = test::copyFixture(folder.path(), QStringLiteral("movie.mp4"));
        EditorWindowController controller;
        controller.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(controller.window()));
        QAction* action = controller.commandAction(QStringLiteral("downloadVideoInfo:"));
        QVERIFY(action);
        QVERIFY(!action->isEnabled());

        controller.addFiles({QUrl::fromLocalFile(path)});
        MetadataFileList& list = *controller.metadataFileList();
        QTRY_COMPARE_WITH_TIMEOUT(list.files().size(), 1, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), 60000);
        list.setSelection(brisa::IndexSet{0});
        controller.refreshCommandActions();
        QVERIFY(action->isEnabled());

        action->trigger();
        DownloadInfoWindowController* sheet = controller.mediaInfoActions().sheet();
        QVERIFY(sheet);
        QTRY_VERIFY(sheet->isVisible());
        controller.refreshCommandActions();
        QVERIFY(!action->isEnabled());

        QComboBox* menu = widget<QComboBox>(sheet, "servicePopUpButton");
        menu->setCurrentIndex(menu->findData(StoreSearchTargets::index(StoreSearchTarget::movieiTunes)));
        sheet->selectService();
        widget<QLineEdit>(sheet, "nameSearchField")->setText(QStringLiteral("Glass Harbor"));
        QSignalSpy finished(sheet, &DownloadInfoWindowController::operationFinished);
        sheet->performSearch();
        QVERIFY(finished.wait(20000));
        sheet->loadSelectedResult();
        QVERIFY(finished.wait(20000));
        QVERIFY(sheet->isShowingArtworks());
        sheet->applyWithoutArtwork();

        const std::shared_ptr<halvex::TagEditor> editor = list.files().front()->editor();
        const ostrak::TagName title = ostrak::TagItem::itemQuickTimeName().tagName();
        QTRY_COMPARE_WITH_TIMEOUT(editor->currentValue(title), std::optional<QString>(QStringLiteral("Glass Harbor")), 60000);
        QVERIFY(!editor->isEdited(ostrak::TagItem::itemQuickTimeCoverArt().tagName()));
        QTRY_VERIFY(!controller.mediaInfoActions().sheet());
    }
};

QTEST_MAIN(EditorMediaInfoActionsTest)
#include "EditorMediaInfoActionsTest.moc"
