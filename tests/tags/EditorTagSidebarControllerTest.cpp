#include "editing/EditionValueActions.h"
#include "editing/EditorEditStepEditRawViewController.h"
#include "editing/EditorEditStepEditValueViewController.h"
#include "editing/EditorEditStepSelectActionViewController.h"
#include "editing/EditorEditStepSelectTagsViewController.h"
#include "editing/EditorSelectActionListModel.h"
#include "editing/TagEditingWindowController.h"
#include "editing/TextEditionViewController.h"
#include "editor/EditorSettings.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/EndToEndTestSupport.h"
#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "support/TestEnvironment.h"
#include "tags/ContentValue.h"
#include "tags/EditorTagBarController.h"
#include "tags/EditorTagSidebarController.h"
#include "tags/EditorTagsViewController.h"
#include "tags/TagValueTableModel.h"
#include "widgets/TextLocalizer.h"

#include <QAction>
#include <QListView>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace corvelle;
using halvex::TagSet;
using halvex::TagSetManager;
using ostrak::TagName;
using Step = EditorEditionCacheStep;

namespace {

constexpr int taskTimeout = 60000;

TagSet::FlatEntry tag(const char* raw)
{
    return TagName::fromRawValue(QString::fromLatin1(raw));
}

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

} // namespace

// The Tags section's editing sidebar in a real editor window over copies of the fixtures: it
// follows the rows selected in the tag table and edits them step by step.
class EditorTagSidebarControllerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<EditorWindowController> controller_;
    QStringList paths_;

    MetadataFileList& list() const { return *controller_->metadataFileList(); }
    halvex::TagValueTable& table() const { return *controller_->tagValueTable(); }
    EditorTagsViewController* section() const
    {
        return qobject_cast<EditorTagsViewController*>(controller_->editorViewController());
    }
    EditorTagBarController* bar() const { return section() ? section()->tagBarController() : nullptr; }
    EditorTagSidebarController* sidebar() const { return section() ? section()->tagSidebarController() : nullptr; }
    QTableView* tableView() const { return bar()->valueTableView(); }
    TagValueTableModel* model() const { return bar()->model(); }

    void waitForTasks()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QTest::qWait(0);
    }

    void selectFiles(const QList<int>& rows)
    {
        brisa::IndexSet selection;
        for (int row : rows)
            selection.insert(row);
        list().setSelection(selection);
        QTRY_COMPARE(model()->content() ? model()->content()->editors().size() : -1, rows.size());
    }

    int rowOf(const QString& tagName) const
    {
        for (int row = 0; row < model()->rowCount(); ++row) {
            const auto value = ContentValue::fromVariant(model()->rowContent(row));
            if (value && value->alternateTitle == tagName)
                return row;
        }
        return -1;
    }

    // Selects the rows of these tags, as clicks with the Control key do.
    void selectTags(const QStringList& tagNames)
    {
        brisa::IndexSet rows;
        for (int i = 0; i < tagNames.size(); ++i) {
            const int row = rowOf(tagNames.at(i));
            QVERIFY2(row >= 0, qPrintable(tagNames.at(i)));
            rows.insert(row);
            tableView()->scrollTo(model()->index(row, 0));
            QTest::mouseClick(tableView()->viewport(), Qt::LeftButton, i ? Qt::ControlModifier : Qt::NoModifier,
                              tableView()->visualRect(model()->index(row, 0)).center());
        }
        QTRY_COMPARE(table().content().selectedEntryIndexes(), rows);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        TagSetManager::shared().replace(TagSetManager::Domain::chosen, [](const TagSet&) {
            return TagSet(QList<TagSet::FlatEntry>{halvex::TagSection(QStringLiteral("Tags")), tag("XMP-dc:Title"),
                                                   tag("IPTC:ObjectName"), tag("ExifIFD:DateTimeOriginal"),
                                                   tag("IFD0:Make"), tag("Composite:ImageSize")});
        });
    }

    void init()
    {
        defaults().set(Settings::tagEditingSidebarState(), EditingSidebarState::enabled);
        controller_ = std::make_unique<EditorWindowController>();
        controller_->window()->resize(1300, 800);
        controller_->window()->show();
        paths_ = {test::copyFixture(folder_.path(), "photo.jpg", "a-photo.jpg"),
                  test::copyFixture(folder_.path(), "photo.jpg", "b-photo.jpg")};
        controller_->addFiles({QUrl::fromLocalFile(paths_.at(0)), QUrl::fromLocalFile(paths_.at(1))});
        QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), 2, taskTimeout);
        waitForTasks();
        controller_->setContentSection(EditorContentSection::tags);
        QTRY_VERIFY(bar());
        QVERIFY(QTest::qWaitForWindowExposed(controller_->window()));
        QVERIFY(sidebar());
    }

    void cleanup()
    {
        waitForTasks();
        controller_.reset();
        defaults().setObject(Settings::tagEditingSidebarState().name(), {});
    }

    // Nothing selected: the placeholder. Tags of one kind start at their value page, tags of
    // several kinds at the choice of a group.
    void firstPageFollowsTheSelection_data()
    {
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<int>("step");
        QTest::newRow("two texts") << QStringList{"XMP-dc:Title", "IPTC:ObjectName"} << int(Step::tagEdition);
        QTest::newRow("a text and a date") << QStringList{"XMP-dc:Title", "ExifIFD:DateTimeOriginal"}
                                           << int(Step::tagSelection);
    }

    void firstPageFollowsTheSelection()
    {
        QFETCH(QStringList, tags);
        QFETCH(int, step);
        selectFiles({0, 1});
        QVERIFY(sidebar()->placeholderView()->isVisible());
        QVERIFY(!sidebar()->editionView()->isVisible());
        selectTags(tags);
        QTRY_VERIFY(sidebar()->editionView()->isVisible());
        QVERIFY(!sidebar()->placeholderView()->isVisible());
        QCOMPARE(int(*sidebar()->currentViewController()->step()), step);
        QVERIFY(sidebar()->actionsSegmentControl()->isVisible());
        QVERIFY(!sidebar()->editionGoBackButton()->isVisible());
    }

    // The same values keep the page and what was typed; other values start again.
    void sameValuesKeepTheInput()
    {
        selectFiles({0});
        selectTags({QStringLiteral("XMP-dc:Title")});
        auto* page = qobject_cast<EditorEditStepEditValueViewController*>(sidebar()->currentViewController());
        QVERIFY(page);
        auto* editor = qobject_cast<TextEditionViewController*>(page->editionViewController());
        QVERIFY(editor);
        editor->textView()->setFocus();
        QTest::keyClicks(editor->textView(), QStringLiteral(" typed"));
        QCOMPARE(sidebar()->editionContinueButton()->text(), localizedString(QStringLiteral("PresetManagerApplyEditAction")));

        table().reload(table().latestRequest());
        QCOMPARE(sidebar()->currentViewController(), page);
        QVERIFY(editor->textView()->toPlainText().contains(QStringLiteral(" typed")));

        selectTags({QStringLiteral("IPTC:ObjectName")});
        QVERIFY(sidebar()->currentViewController() != page);
        QCOMPARE(sidebar()->editionContinueButton()->text(), localizedString(QStringLiteral("PresetManagerEditContentAction")));
    }

    // Tags that cannot be written: no continue, only copy of their one value.
    void notWritableTagsOfferOnlyCopy()
    {
        selectFiles({0});
        selectTags({QStringLiteral("Composite:ImageSize")});
        QVERIFY(!sidebar()->editionContinueButton()->isEnabled());
        QVERIFY(sidebar()->copyValueButton()->isEnabled());
        QVERIFY(!sidebar()->cutValueButton()->isEnabled());
        QVERIFY(!sidebar()->pasteValueButton()->isEnabled());
        for (int index = EditionValueActions::paste; index < EditionValueActions::segmentCount; ++index)
            QVERIFY(!sidebar()->actions().segment(index)->isEnabled());
    }

    // A value typed in the sidebar, an action and a raw value, each continued, end in the files.
    void editionsReachTheFiles()
    {
        selectFiles({0, 1});
        selectTags({QStringLiteral("XMP-dc:Title"), QStringLiteral("IPTC:ObjectName")});
        auto* page = qobject_cast<EditorEditStepEditValueViewController*>(sidebar()->currentViewController());
        auto* editor = qobject_cast<TextEditionViewController*>(page->editionViewController());
        editor->textView()->setFocus();
        editor->textView()->selectAll();
        QTest::keyClicks(editor->textView(), QStringLiteral("Harbour"));
        QTest::keyClick(editor->textView(), Qt::Key_Return, Qt::ControlModifier);
        waitForTasks();
        // The table reloads with the new values: a new edition of them.
        QTRY_VERIFY(sidebar()->currentViewController() != page);

        selectTags({QStringLiteral("IFD0:Make")});
        QTest::mouseClick(sidebar()->actionsSegmentControl()->findChild<QToolButton*>(QStringLiteral("useQuickActions:")),
                          Qt::LeftButton);
        auto* actions = qobject_cast<EditorEditStepSelectActionViewController*>(sidebar()->currentViewController());
        QVERIFY(actions);
        QVERIFY(!sidebar()->actionsSegmentControl()->isVisible());
        actions->chooseEdition(FlatActionEdition::fromPresetEdition(FlatPresetEdition::uppercaseText));
        QTest::mouseClick(sidebar()->editionContinueButton(), Qt::LeftButton);
        waitForTasks();

        selectTags({QStringLiteral("ExifIFD:DateTimeOriginal")});
        sidebar()->rawEditValues();
        auto* raw = qobject_cast<EditorEditStepEditRawViewController*>(sidebar()->currentViewController());
        QVERIFY(raw);
        raw->valueTextView()->selectAll();
        QTest::keyClicks(raw->valueTextView(), QStringLiteral("2020:01:02 03:04:05"));
        sidebar()->continueEdition();
        waitForTasks();

        halvex::test::EndToEnd e;
        QCOMPARE(e.save(table().content().editors()), QString());
        for (const QString& path : paths_) {
            QCOMPARE(halvex::test::EndToEnd::read(path, {QStringLiteral("XMP-dc:Title"), QStringLiteral("IPTC:ObjectName"),
                                                         QStringLiteral("IFD0:Make"), QStringLiteral("ExifIFD:DateTimeOriginal")}),
                     QStringLiteral("Harbour\nHarbour\nCORVELLE\n2020:01:02 03:04:05"));
        }
    }

    // Without the sidebar the section opens the tag editing sheet on the selection, at the asked
    // step; with it, the sidebar goes to that step.
    void editingTheSelectionUsesTheSidebarOrASheet()
    {
        selectFiles({0});
        selectTags({QStringLiteral("XMP-dc:Title")});
        QVERIFY(section()->editSelectedTagValues(Step::rawEdition));
        QVERIFY(qobject_cast<EditorEditStepEditRawViewController*>(sidebar()->currentViewController()));

        defaults().set(Settings::tagEditingSidebarState(), EditingSidebarState::disabled);
        QTRY_VERIFY(!sidebar());
        QVERIFY(section()->editSelectedTagValues(Step::actionSelection));
        auto* sheet = qobject_cast<TagEditingWindowController*>(brisa::SheetPresenter::attachedSheet(section()));
        QVERIFY(sheet);
        QVERIFY(qobject_cast<EditorEditStepSelectActionViewController*>(sheet->currentViewController()));
        sheet->cancelEdition();
        QTRY_VERIFY(!brisa::SheetPresenter::attachedSheet(section()));
    }
};

QTEST_MAIN(EditorTagSidebarControllerTest)
#include "EditorTagSidebarControllerTest.moc"
