#include "editing/DateTimeActionViewController.h"
#include "editing/UpdateDatesWindowController.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/EndToEndTestSupport.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QCheckBox>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;

namespace {

constexpr int taskTimeout = 60000;

} // namespace

// The update-dates sheet: its edition is the one of the editor's chosen kind, and the window's
// command applies it to every date tag of the files selected when it was given.
class UpdateDatesWindowControllerTest : public QObject {
    Q_OBJECT

private:
    void waitForTasks()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QTest::qWait(0);
    }

private Q_SLOTS:
    // Each kind gives its own edition, whatever the others hold; a field being typed in counts.
    void selectedEditionIsTheChosenKinds()
    {
        UpdateDatesWindowController sheet;
        sheet.show();
        DateTimeActionViewController* editor = sheet.actionViewController();
        editor->selectSegment(DateTimeActionViewController::updateDate);
        QCOMPARE(sheet.selectedDateEdition()->kind(), halvex::DateEdition::Kind::update);
        editor->selectSegment(DateTimeActionViewController::selectDate);
        QCOMPARE(sheet.selectedDateEdition()->kind(), halvex::DateEdition::Kind::select);

        editor->selectSegment(DateTimeActionViewController::shiftDate);
        QSpinBox* hours = editor->componentFields().at(3);
        editor->componentButtons().at(3)->setChecked(true);
        hours->setFocus();
        hours->selectAll();
        QTest::keyClicks(hours, QStringLiteral("2"));
        QSignalSpy finished(&sheet, &QDialog::finished);
        QTest::mouseClick(sheet.applyButton(), Qt::LeftButton);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
        const std::optional<halvex::DateEdition> edition = sheet.selectedDateEdition();
        QVERIFY(edition);
        QCOMPARE(edition->kind(), halvex::DateEdition::Kind::shift);
        QCOMPARE(edition->values()->hour(), std::optional<int>(2));
    }

    // Through the window: a shift of one hour reaches every date tag of the selected file.
    void windowCommandAppliesTheEdition()
    {
        QTemporaryDir folder;
        const QString path = test::copyFixture(folder.path(), "photo.jpg", "photo.jpg");
        EditorWindowController controller;
        controller.window()->resize(1000, 700);
        controller.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(controller.window()));
        controller.addFiles({QUrl::fromLocalFile(path)});
        QTRY_COMPARE_WITH_TIMEOUT(controller.metadataFileList()->files().size(), 1, taskTimeout);
        waitForTasks();
        controller.metadataFileList()->setSelection(brisa::IndexSet{0});
        controller.setContentSection(EditorContentSection::tags);
        QAction* command = controller.commandAction(QStringLiteral("updateAllDates:"));
        controller.refreshCommandActions();
        QVERIFY(command && command->isEnabled());
        command->trigger();
        UpdateDatesWindowController* sheet = nullptr;
        QTRY_VERIFY((sheet = qobject_cast<UpdateDatesWindowController*>(
                         brisa::SheetPresenter::attachedSheet(controller.window()))) != nullptr);
        DateTimeActionViewController* editor = sheet->actionViewController();
        editor->selectSegment(DateTimeActionViewController::shiftDate);
        editor->componentButtons().at(3)->setChecked(true);
        editor->componentFields().at(3)->setValue(1);
        sheet->applySheet();
        // The edition is queued as the sheet ends, which may come after the call returns.
        QTRY_VERIFY_WITH_TIMEOUT(controller.metadataFileList()->selectedEditors().first()->hasEdits(), taskTimeout);
        waitForTasks();
        halvex::test::EndToEnd e;
        QCOMPARE(e.save(controller.metadataFileList()->selectedEditors()), QString());
        QCOMPARE(halvex::test::EndToEnd::read(path, {QStringLiteral("ExifIFD:DateTimeOriginal"), QStringLiteral("ExifIFD:CreateDate")}),
                 QStringLiteral("2022:07:14 19:45:12\n2022:07:14 19:45:12"));
    }
};

QTEST_MAIN(UpdateDatesWindowControllerTest)
#include "UpdateDatesWindowControllerTest.moc"
