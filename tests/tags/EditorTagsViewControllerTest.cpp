#include "editor/EditorFileGridBarController.h"
#include "editor/EditorFileListBarController.h"
#include "editor/EditorSettings.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filebrowser/QuickLookWindowController.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/core/UserDefaults.h"
#include "support/TestEnvironment.h"
#include "tags/ContentValue.h"
#include "tags/EditorTagBarController.h"
#include "tags/EditorTagsViewController.h"
#include "tags/TagValueTableModel.h"
#include "widgets/TextLocalizer.h"
#include "widgets/settings/GeneralSettings.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace corvelle;
using halvex::TagSet;
using halvex::TagSetManager;
using ostrak::TagName;

namespace {

constexpr int taskTimeout = 60000;

TagSet::FlatEntry heading(const QString& title)
{
    return halvex::TagSection(title);
}

TagSet::FlatEntry tag(const char* raw)
{
    return TagName::fromRawValue(QString::fromLatin1(raw));
}

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

} // namespace

class EditorTagsViewControllerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<EditorWindowController> controller_;

    MetadataFileList& list() const { return *controller_->metadataFileList(); }
    halvex::TagValueTable& table() const { return *controller_->tagValueTable(); }

    EditorTagsViewController* section() const
    {
        return qobject_cast<EditorTagsViewController*>(controller_->editorViewController());
    }
    EditorTagBarController* bar() const { return section() ? section()->tagBarController() : nullptr; }
    QTableView* tableView() const { return bar()->valueTableView(); }
    TagValueTableModel* model() const { return bar()->model(); }

    void waitForTasks()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QTest::qWait(0);
    }

    // Selects these files and waits for their rows.
    void selectFiles(const QList<int>& rows)
    {
        brisa::IndexSet selection;
        for (int row : rows)
            selection.insert(row);
        list().setSelection(selection);
        QTRY_COMPARE(model()->content() ? model()->content()->editors().size() : -1, rows.size());
    }

    // The row of a tag by its name; -1 when it is not listed.
    int rowOf(const QString& tagName) const
    {
        for (int row = 0; row < model()->rowCount(); ++row) {
            const auto value = ContentValue::fromVariant(model()->rowContent(row));
            if (value && value->alternateTitle == tagName)
                return row;
        }
        return -1;
    }

    ContentValue valueOf(const QString& tagName) const
    {
        const int row = rowOf(tagName);
        return ContentValue::fromVariant(model()->rowContent(row)).value_or(ContentValue());
    }

    void clickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        tableView()->scrollTo(model()->index(row, 0));
        QTest::mouseClick(tableView()->viewport(), Qt::LeftButton, modifiers,
                          tableView()->visualRect(model()->index(row, 0)).center());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        // Quick Look plays the movie with the media backend the program uses.
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
        TagSetManager::shared().replace(TagSetManager::Domain::chosen, [](const TagSet&) {
            return TagSet(QList<TagSet::FlatEntry>{heading(QStringLiteral("Camera")), tag("IFD0:Make"), tag("Composite:ImageSize"),
                           heading(QStringLiteral("Movie")), tag("ItemList:Title"), tag("ItemList:Album"),
                           tag("ItemList:Genre"), tag("ItemList:Artist"), tag("ItemList:Comment"),
                           heading(QStringLiteral("Other")), tag("XMP-dc:Title"), tag("XMP-nosuch:NoSuchTag")});
        });
    }

    void init()
    {
        defaults().setObject(Settings::tagsSectionFileViewMode().name(), {});
        defaults().setObject(Settings::tagEditingSidebarState().name(), {});
        defaults().setObject(Settings::tagsSectionShowTagsInFileList().name(), {});
        controller_ = std::make_unique<EditorWindowController>();
        controller_->window()->resize(1100, 700);
        controller_->window()->show();
        // Rows: the photo, the movie, the audio file.
        controller_->addFiles({QUrl::fromLocalFile(test::copyFixture(folder_.path(), "photo.jpg", "a-photo.jpg")),
                               QUrl::fromLocalFile(test::copyFixture(folder_.path(), "movie.mp4", "b-movie.mp4")),
                               QUrl::fromLocalFile(test::copyFixture(folder_.path(), "audio.m4a", "c-audio.m4a"))});
        QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), 3, taskTimeout);
        waitForTasks();
        controller_->setContentSection(EditorContentSection::tags);
        QTRY_VERIFY(bar());
        QVERIFY(QTest::qWaitForWindowExposed(controller_->window()));
    }

    void cleanup()
    {
        waitForTasks();
        controller_.reset();
    }

    // The section is offered and shown once files are open: the switcher's Tags segment, the
    // View menu's item and its title and subtitle.
    void sectionIsOffered()
    {
        QVERIFY(EditorWindowController::hasSectionView(EditorContentSection::tags));
        QVERIFY(controller_->validateUserInterfaceItem(QStringLiteral("switchToTagsSection:")));
        QCOMPARE(section()->windowSubtitle(), localizedString("EditorMetadataWindowSubtitle", {3}));
        QVERIFY(controller_->window()->windowTitle().contains(section()->windowTitle()));
        QCOMPARE(section()->toolbarItemSet().items().size(), 15);
    }

    // The rows of a selection: one value, several, none, not writable, unknown, each with its
    // text and mode.
    void rowsShowValuesAndModes_data()
    {
        QTest::addColumn<QList<int>>("files");
        QTest::addColumn<QString>("tagName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("notWritable");
        const QString several = localizedString("EditionViewTagMuliValueTitle");
        const QString none = localizedString("EditionViewTagNoValueTitle");
        QTest::newRow("one value") << QList<int>{0} << "IFD0:Make" << "Corvelle" << 0 << false;
        QTest::newRow("one value in two files") << QList<int>{0, 1} << "IFD0:Make" << several << 4 << false;
        QTest::newRow("several values") << QList<int>{1, 2} << "ItemList:Title" << several << 4 << false;
        QTest::newRow("no value") << QList<int>{1} << "ItemList:Album" << none << 6 << false;
        QTest::newRow("not writable") << QList<int>{0} << "Composite:ImageSize" << "160x120" << 0 << true;
        QTest::newRow("unknown to the database") << QList<int>{0} << "XMP-nosuch:NoSuchTag" << none << 6 << true;
    }

    void rowsShowValuesAndModes()
    {
        QFETCH(QList<int>, files);
        QFETCH(QString, tagName);
        QFETCH(QString, text);
        QFETCH(int, mode);
        QFETCH(bool, notWritable);
        selectFiles(files);
        QVERIFY2(rowOf(tagName) >= 0, qPrintable(tagName));
        const ContentValue value = valueOf(tagName);
        QCOMPARE(value.item.text(), text);
        QCOMPARE(value.mode.rawValue(), mode);
        QCOMPARE(value.subtitle.has_value(), notWritable);
        // Every row is measured at the table's width.
        const int row = rowOf(tagName);
        QVERIFY(tableView()->rowHeight(row) >= 41);
    }

    // Headings: their titles, 38 high, never selected; the jump menu lists them and brings the
    // chosen one to the top.
    void headingsAndJumpMenu()
    {
        QAbstractItemModelTester tester(model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        selectFiles({0, 1});
        QStringList headings;
        for (int row = 0; row < model()->rowCount(); ++row) {
            if (model()->isSection(row)) {
                headings << model()->index(row, 0).data().toString();
                QCOMPARE(tableView()->rowHeight(row), 38);
                QVERIFY(!(model()->flags(model()->index(row, 0)) & Qt::ItemIsSelectable));
            }
        }
        QCOMPARE(headings, (QStringList{"Camera", "Movie", "Other"}));
        QStringList items;
        for (QAction* item : bar()->jumpMenu()->actions())
            items << item->text();
        QCOMPARE(items, headings);
        tableView()->setFixedHeight(150);
        QTRY_VERIFY(tableView()->viewport()->height() <= 150);
        bar()->jumpMenu()->actions().at(1)->trigger();
        QTRY_COMPARE(tableView()->rowAt(0), 3);
        // Selecting everything (Ctrl+A in the table) leaves the headings out.
        tableView()->setFocus();
        QTest::keySequence(tableView(), QKeySequence::SelectAll);
        QTRY_COMPARE(table().content().selectedEntryIndexes().count(), model()->rowCount() - 3);
        QVERIFY(bar()->validateUserInterfaceItem(QStringLiteral("selectAll:")));
        // The files stay as they were.
        QCOMPARE(list().selection().count(), 2);
        QTest::keyClick(tableView(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(table().content().selectedEntryIndexes().isEmpty());
        QCOMPARE(list().selection().count(), 2);
    }

    // A selection the user makes goes to the table as its request; one the table makes comes
    // back without a second request.
    void selectionIsHandedToTheTable()
    {
        selectFiles({1});
        int notes = 0;
        brisa::NoteSubscriber counter;
        counter.subscribe(halvex::TagValueTable::didReloadNotification, &table(),
                          [&notes](const brisa::Notification&) { ++notes; });
        const int title = rowOf(QStringLiteral("ItemList:Title"));
        const int genre = rowOf(QStringLiteral("ItemList:Genre"));
        clickRow(title);
        QTRY_COMPARE(table().content().selectedEntryIndexes(), brisa::IndexSet{title});
        clickRow(genre, Qt::ControlModifier);
        QTRY_COMPARE(table().content().selectedEntryIndexes(), (brisa::IndexSet{title, genre}));
        QCOMPARE(notes, 2);
        // The table's own selection shows, and is not sent back.
        halvex::TagValueTable::Request request = table().latestRequest();
        request.selectedEntryIndexes = brisa::IndexSet{genre};
        table().reload(request);
        QCOMPARE(tableView()->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(tableView()->selectionModel()->selectedRows().first().row(), genre);
        QCOMPARE(notes, 3);
        QCOMPARE(table().content().selectedEntryIndexes(), brisa::IndexSet{genre});
    }

    // What each kind of reload does to the rows: a new selection only reselects, an edit
    // refreshes its row in place, a filter reloads everything and shows on the filter button.
    void reloadKinds()
    {
        selectFiles({1});
        QSignalSpy resets(model(), &QAbstractItemModel::modelReset);
        QSignalSpy changes(model(), &QAbstractItemModel::dataChanged);
        const int title = rowOf(QStringLiteral("ItemList:Title"));
        clickRow(title);
        QTRY_COMPARE(table().content().selectedEntryIndexes(), brisa::IndexSet{title});
        QCOMPARE(resets.count(), 0);
        QCOMPARE(changes.count(), 0);

        // Delete clears the selected value: its row alone changes, edited and without value.
        tableView()->setFocus();
        QTest::keyClick(tableView(), Qt::Key_Delete);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf(QStringLiteral("ItemList:Title")).mode.rawValue(), 7, taskTimeout);
        QCOMPARE(resets.count(), 0);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().first().value<QModelIndex>().row(), title);

        QVERIFY(!bar()->showsActiveFilter());
        halvex::TagValueTable::Request request = table().latestRequest();
        request.filter.valueEdition = halvex::TagValueTableFilter::ValueEditionConstraint::edited;
        table().reload(request);
        QCOMPARE(resets.count(), 1);
        QVERIFY(bar()->showsActiveFilter());
        QCOMPARE(model()->rowCount(), 2);
        request.filter = halvex::TagValueTableFilter();
        table().reload(request);
        QVERIFY(!bar()->showsActiveFilter());
    }

    // Keys of the table: Space shows Quick Look, Backspace clears like Delete, Return asks the
    // window to edit; without a selection nothing is cleared.
    void keys()
    {
        selectFiles({1});
        tableView()->setFocus();
        QTest::keyClick(tableView(), Qt::Key_Space);
        QTRY_VERIFY(controller_->hasQuickLookWindowController() && controller_->quickLookWindowController().isShown());
        QTest::keyClick(tableView(), Qt::Key_Space);
        QTRY_VERIFY(!controller_->quickLookWindowController().isShown());

        QTest::keyClick(tableView(), Qt::Key_Backspace);
        waitForTasks();
        QCOMPARE(valueOf(QStringLiteral("ItemList:Genre")).item.text(), QStringLiteral("Documentary"));
        clickRow(rowOf(QStringLiteral("ItemList:Genre")));
        QTRY_VERIFY(!table().content().selectedEntryIndexes().isEmpty());
        QTest::keyClick(tableView(), Qt::Key_Return);
        QTest::keyClick(tableView(), Qt::Key_Backspace);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf(QStringLiteral("ItemList:Genre")).mode.rawValue(), 7, taskTimeout);
    }

    // The window's copy and paste reach the selected values: a single value is copied, and
    // pasted into another tag of the same files as an edit.
    void copyAndPaste()
    {
        selectFiles({1});
        clickRow(rowOf(QStringLiteral("ItemList:Artist")));
        QTRY_VERIFY(section()->canCopy());
        controller_->performCommand(QStringLiteral("copy:"), nullptr);
        QCOMPARE(halvex::TagPasteboard::shared().text(), std::optional<QString>(QStringLiteral("Corvelle Fixtures")));
        clickRow(rowOf(QStringLiteral("ItemList:Album")));
        QTRY_VERIFY(section()->canPaste());
        controller_->performCommand(QStringLiteral("paste:"), nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(valueOf(QStringLiteral("ItemList:Album")).item.text(), QStringLiteral("Corvelle Fixtures"),
                                  taskTimeout);
        QCOMPARE(valueOf(QStringLiteral("ItemList:Album")).mode.rawValue(), 1);
        // Several values cannot be copied.
        selectFiles({1, 2});
        clickRow(rowOf(QStringLiteral("ItemList:Title")));
        QTRY_COMPARE(table().content().selectedEntryIndexes().count(), 1);
        QVERIFY(!section()->canCopy());
    }

    // The buttons send the window's commands; one the window does not act on stays disabled.
    // Without a file selected, the placeholder stands in for the table.
    void buttonsAndPlaceholder()
    {
        selectFiles({0});
        for (const auto& [button, command] :
             {std::pair{bar()->selectTagsButton(), EditorTagBarController::selectTagsCommand},
              std::pair{bar()->filterTagsButton(), EditorTagBarController::filterTagsCommand},
              std::pair{bar()->manageTagsButton(), EditorTagBarController::manageTagsCommand},
              std::pair{bar()->selectDatesButton(), EditorTagBarController::selectDatesCommand}})
            QCOMPARE(button->isEnabled(), controller_->validateUserInterfaceItem(command));
        QVERIFY(tableView()->isVisible());
        QVERIFY(!bar()->placeholderView()->isVisible());
        list().setSelection({});
        QTRY_VERIFY(bar()->placeholderView()->isVisible());
        QVERIFY(!tableView()->isVisible());
        QVERIFY(!bar()->jumpPopUpButton()->isVisible());
    }

    // A new date or time style makes every row's value again; another setting does not.
    void dateStyleRenewsRows()
    {
        selectFiles({0});
        const quint64 provider = table().latestRequest().rowContentProvider->identity();
        defaults().set(Settings::fileSectionListScrollY(), 5.0);
        QCOMPARE(table().latestRequest().rowContentProvider->identity(), provider);
        QSignalSpy changes(model(), &QAbstractItemModel::dataChanged);
        const auto style = defaults().value(Settings::generalUserChoiceDateStyle());
        defaults().set(Settings::generalUserChoiceDateStyle(), style == DateStyleGeneralUserChoice::full
                                                                    ? DateStyleGeneralUserChoice::short_
                                                                    : DateStyleGeneralUserChoice::full);
        QVERIFY(table().latestRequest().rowContentProvider->identity() != provider);
        QCOMPARE(changes.count(), model()->rowCount() - 3);
    }

    // The file pane follows the settings: grid or list, the tag columns of the list, and the
    // sidebar pane that takes the right and splits the rest in two.
    void paneSettings()
    {
        QVERIFY(qobject_cast<EditorFileGridBarController*>(section()->fileBarController()));
        defaults().set(Settings::tagsSectionFileViewMode(), FileViewModeUserChoice::list);
        auto* listBar = qobject_cast<EditorFileListBarController*>(section()->fileBarController());
        QVERIFY(listBar);
        QCOMPARE(listBar->tableCellTypes().size(), 5);
        defaults().set(Settings::tagsSectionShowTagsInFileList(), false);
        QCOMPARE(section()->fileBarController(), listBar);
        QCOMPARE(listBar->tableCellTypes().size(), 3);

        QVERIFY(section()->sidebarContainerView()->isHidden());
        defaults().set(Settings::tagEditingSidebarState(), EditingSidebarState::enabled);
        QVERIFY(!section()->sidebarContainerView()->isHidden());
        const QList<int> sizes = section()->splitView()->sizes();
        QVERIFY(sizes[2] > 0);
        QVERIFY(qAbs(sizes[0] - sizes[1]) <= 1);
        QCOMPARE(defaults().value(Settings::tagsSectionFileViewSplitRatio()), double(sizes[0]) / section()->width());
    }

    // The file pane keeps its share of the width however the window is sized, before and after
    // the section is first shown.
    void splitRatioFollowsTheWindow()
    {
        controller_->setContentSection(EditorContentSection::preview);
        QTRY_VERIFY(!section());
        defaults().set(Settings::tagsSectionFileViewSplitRatio(), 0.3);
        controller_->window()->resize(700, 500);
        controller_->setContentSection(EditorContentSection::tags);
        QTRY_VERIFY(bar());
        for (const int width : {1400, 900, 1600}) {
            controller_->window()->resize(width, 600);
            QTRY_VERIFY2(qAbs(section()->splitView()->sizes().value(0) - 0.3 * section()->width()) <= 2,
                         qPrintable(QStringLiteral("window %1: file pane %2 of %3")
                                        .arg(width)
                                        .arg(section()->splitView()->sizes().value(0))
                                        .arg(section()->width())));
        }
    }

    // Leaving and coming back keeps the table's scroll position.
    void scrollPositionSurvivesSections()
    {
        selectFiles({0, 1, 2});
        controller_->window()->resize(1100, 420);
        QTRY_VERIFY(tableView()->verticalScrollBar()->maximum() > 40);
        tableView()->verticalScrollBar()->setValue(40);
        controller_->setContentSection(EditorContentSection::preview);
        QTRY_VERIFY(!section());
        controller_->setContentSection(EditorContentSection::tags);
        QTRY_VERIFY(bar());
        QTRY_COMPARE(tableView()->verticalScrollBar()->value(), 40);
    }
};

QTEST_MAIN(EditorTagsViewControllerTest)
#include "EditorTagsViewControllerTest.moc"
