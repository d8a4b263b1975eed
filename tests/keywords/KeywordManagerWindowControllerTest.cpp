#include "editor/FileButtonTableCellView.h"
#include "editor/FileTextTableCellView.h"
#include "keywords/KeywordEditItemWindowController.h"
#include "keywords/KeywordManagerWindowController.h"
#include "keywordmodel/KeywordOutlineModel.h"
#include "keywords/KeywordOutlineViewController.h"
#include "platform/brisa/ui/DynamicToolbar.h"
#include "support/TestEnvironment.h"
#include "widgets/TextLocalizer.h"

#include "KeywordTestSupport.h"
#include "support/ui/WidgetDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

using corvelle::KeywordEditItemWindowController;
using corvelle::KeywordManagerWindowController;
using corvelle::KeywordOutlineModel;
using halvex::KeywordItemPtr;
using halvex::KeywordManager;
using keywordtest::describe;
using keywordtest::find;
using keywordtest::tree;

namespace {

// A widget of the sheet's form, by its name.
template<class Widget>
Widget* field(const QWidget* sheet, const char* name)
{
    return corvelle::test::WidgetDriver::child<Widget>(sheet, QString::fromLatin1(name));
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

} // namespace

class KeywordManagerWindowControllerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<KeywordManager> manager_;
    std::unique_ptr<KeywordManagerWindowController> window_;

    QString libraryPath() const { return folder_->filePath(QStringLiteral("Keywords.json")); }
    KeywordItemPtr item(const QString& name) const { return find(manager_->items(), name); }

    bool isEnabled(const QString& command) const { return window_->commandAction(command)->isEnabled(); }

    bool toolbarItemEnabled(const QString& label) const
    {
        for (brisa::DynamicToolbarItem* item : window_->dynamicToolbar().displayedItems()) {
            if (item->label() == label)
                return item->isEnabled();
        }
        qFatal("no toolbar item %s", qPrintable(label));
    }

    // Opens the sheet with the command, fills its name, and ends it with Save or Cancel.
    void runSheet(const QString& command, const QString& name, bool save)
    {
        window_->performCommand(command);
        KeywordEditItemWindowController* sheet = window_->editItemWindowController();
        QVERIFY(sheet);
        QTRY_VERIFY(sheet->isVisible());
        field<QLineEdit>(sheet, "valueTextField")->setText(name);
        QTest::mouseClick(save ? field<QPushButton>(sheet, "validateButton") : field<QPushButton>(sheet, "cancelButton"), Qt::LeftButton);
        QTRY_VERIFY(!window_->editItemWindowController());
    }

    // What the library's file holds once the window lost the focus (and saved what was marked).
    QString storedAfterDeactivation()
    {
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(window_.get(), &deactivate);
        KeywordManager stored(libraryPath());
        stored.load();
        return describe(stored.items());
    }

private Q_SLOTS:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        manager_ = std::make_unique<KeywordManager>(libraryPath());
        manager_->setItems(tree(QStringLiteral("A(A1),B")));
        window_ = std::make_unique<KeywordManagerWindowController>(*manager_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup()
    {
        window_.reset();
        manager_.reset();
        folder_.reset();
    }

    void createsUnderTheCurrentItemOrAtTheTop()
    {
        runSheet(QStringLiteral("createKeyword:"), QStringLiteral("Top"), true);
        QCOMPARE(describe(manager_->items()), QStringLiteral("A(A1),B,Top"));
        QCOMPARE(storedAfterDeactivation(), QStringLiteral("A(A1),B,Top"));

        manager_->setCurrentItem(item(QStringLiteral("A")));
        runSheet(QStringLiteral("createKeyword:"), QStringLiteral("A2"), true);
        QCOMPARE(describe(manager_->items()), QStringLiteral("A(A1,A2),B,Top"));
        QCOMPARE(describe(*window_->outlineViewController()->model()), QStringLiteral("A(A1,A2),B,Top"));
    }

    void keywordMadeUnderADeletedParentIsKept()
    {
        manager_->setCurrentItem(item(QStringLiteral("B")));
        window_->performCommand(QStringLiteral("createKeyword:"));
        KeywordEditItemWindowController* sheet = window_->editItemWindowController();
        QVERIFY(sheet);
        // Deleting stays possible while the sheet is open.
        window_->deleteItem(item(QStringLiteral("B")));
        field<QLineEdit>(sheet, "valueTextField")->setText(QStringLiteral("Orphan"));
        sheet->validate();
        QTRY_VERIFY(!window_->editItemWindowController());
        QCOMPARE(describe(manager_->items()), QStringLiteral("A(A1),Orphan"));
    }

    void cancelledCreationAddsNothing()
    {
        runSheet(QStringLiteral("createKeyword:"), QStringLiteral("Never"), false);
        QCOMPARE(describe(manager_->items()), QStringLiteral("A(A1),B"));
        QCOMPARE(storedAfterDeactivation(), QString());
        QVERIFY(!QFile::exists(libraryPath()));
    }

    void editingRenamesTheRowInPlace()
    {
        manager_->setCurrentItem(item(QStringLiteral("B")));
        QSignalSpy resets(window_->outlineViewController()->model(), &QAbstractItemModel::modelReset);
        runSheet(QStringLiteral("editKeyword:"), QStringLiteral("Bee"), true);
        QCOMPARE(describe(manager_->items()), QStringLiteral("A(A1),Bee"));
        QCOMPARE(manager_->currentItem()->name(), QStringLiteral("Bee"));
        QCOMPARE(storedAfterDeactivation(), QStringLiteral("A(A1),Bee"));
        QCOMPARE(resets.count(), 0);
    }

    void deletingTheCurrentItemDisablesWhatNeedsOne()
    {
        manager_->setCurrentItem(item(QStringLiteral("A")));
        const QString edit = corvelle::localizedString(QStringLiteral("KeywordManagerWindowToolbarEdit"));
        const QString remove = corvelle::localizedString(QStringLiteral("KeywordManagerWindowToolbarDelete"));
        for (const char* command : {"editKeyword:", "deleteKeywords:", "exportKeywords:"})
            QVERIFY2(isEnabled(QString::fromLatin1(command)), command);
        QVERIFY(toolbarItemEnabled(edit) && toolbarItemEnabled(remove));
        QCOMPARE(window_->outlineViewController()->outlineView()->selectionModel()->selectedRows().size(), 1);

        // The Delete key, as the user presses it in the outline.
        window_->outlineViewController()->outlineView()->setFocus();
        QTest::keyClick(window_->outlineViewController()->outlineView(), Qt::Key_Delete);
        QCOMPARE(describe(manager_->items()), QStringLiteral("B"));
        QCOMPARE(manager_->currentItem(), nullptr);
        QVERIFY(window_->itemsShouldBeSaved());
        for (const char* command : {"editKeyword:", "deleteKeywords:", "exportKeywords:"})
            QVERIFY2(!isEnabled(QString::fromLatin1(command)), command);
        QVERIFY(!toolbarItemEnabled(edit) && !toolbarItemEnabled(remove));
        QVERIFY(isEnabled(QStringLiteral("createKeyword:")) && isEnabled(QStringLiteral("importKeywords:")));
    }

    void outlineSelectionIsTheCurrentItem()
    {
        QTreeView* view = window_->outlineViewController()->outlineView();
        KeywordOutlineModel* model = window_->outlineViewController()->model();
        view->expandAll();
        // Several rows selected: the first in the outline is current.
        view->selectionModel()->select(model->indexOf(item(QStringLiteral("B")).get()),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        view->selectionModel()->select(model->indexOf(item(QStringLiteral("A1")).get()),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(manager_->currentItem(), item(QStringLiteral("A1")));

        // Made current elsewhere: its row is selected.
        manager_->setCurrentItem(item(QStringLiteral("B")));
        QCOMPARE(view->selectionModel()->selectedRows(), QModelIndexList{model->indexOf(item(QStringLiteral("B")).get())});

        // A collapse that hides the current item clears it.
        manager_->setCurrentItem(item(QStringLiteral("A1")));
        view->collapse(model->indexOf(item(QStringLiteral("A")).get()));
        QCOMPARE(manager_->currentItem(), nullptr);
        QVERIFY(view->selectionModel()->selectedRows().isEmpty());

        // A removal made through the manager takes the row and the current item with it.
        manager_->setCurrentItem(item(QStringLiteral("B")));
        manager_->removeItem(item(QStringLiteral("B")).get());
        QCOMPARE(manager_->currentItem(), nullptr);
        QVERIFY(view->selectionModel()->selectedRows().isEmpty());
    }

    void rowMenuActsOnItsOwnRow()
    {
        manager_->setCurrentItem(item(QStringLiteral("B")));
        const KeywordItemPtr a1 = item(QStringLiteral("A1"));
        QMenu* menu = window_->contextMenu(a1);
        QAction* remove = window_->commandAction(QStringLiteral("deleteKeywords:"));
        QVERIFY(menu->actions().contains(remove));
        remove->trigger();
        QCOMPARE(describe(manager_->items()), QStringLiteral("A,B"));
        QCOMPARE(manager_->currentItem(), item(QStringLiteral("B")));

        // Back to the current item once the menu is done.
        QVERIFY(isEnabled(QStringLiteral("exportKeywords:")));
        window_->contextMenu(nullptr);
        QVERIFY(!isEnabled(QStringLiteral("deleteKeywords:")));
        QVERIFY(isEnabled(QStringLiteral("createKeyword:")));

        // With a sheet open, creating and editing wait; deleting does not.
        window_->contextMenu(item(QStringLiteral("A")));
        window_->performCommand(QStringLiteral("editKeyword:"));
        QVERIFY(window_->editItemWindowController());
        window_->contextMenu(item(QStringLiteral("B")));
        QVERIFY(!isEnabled(QStringLiteral("createKeyword:")));
        QVERIFY(!isEnabled(QStringLiteral("editKeyword:")));
        QVERIFY(isEnabled(QStringLiteral("deleteKeywords:")));
        window_->editItemWindowController()->cancel();
        QTRY_VERIFY(!window_->editItemWindowController());
    }

    // Each column's cell reads its own row's keyword, and follows a change of that keyword.
    void cellsShowTheirRowsKeyword()
    {
        QTreeView* view = window_->outlineViewController()->outlineView();
        KeywordOutlineModel* model = window_->outlineViewController()->model();
        const KeywordItemPtr b = item(QStringLiteral("B"));
        const auto texts = [view, model, &b] {
            QStringList shown;
            for (int column = 0; column < KeywordOutlineModel::MoreColumn; ++column) {
                auto* cell = qobject_cast<corvelle::FileTextTableCellView*>(view->itemDelegateForColumn(column));
                shown << (cell ? cell->text(model->indexOf(b.get(), column)) : QStringLiteral("no text cell"));
            }
            return shown;
        };
        const QString yes = corvelle::localizedString(QStringLiteral("KeywordStateYes"));
        const QString no = corvelle::localizedString(QStringLiteral("KeywordStateNo"));
        QCOMPARE(texts(), QStringList({QStringLiteral("B"), no, no, QStringLiteral("0")}));

        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        b->setName(QStringLiteral("Bee"));
        b->setIsPerson(true);
        b->setSynonyms({QStringLiteral("bumble"), QStringLiteral("honey")});
        QCOMPARE(texts(), QStringList({QStringLiteral("Bee"), no, yes, QStringLiteral("2")}));
        QCOMPARE(resets.count(), 0);
        QVERIFY(!changed.isEmpty());
        for (const QList<QVariant>& change : changed)
            QCOMPARE(KeywordOutlineModel::itemOf(change.first().toModelIndex()), b);
    }

    // The row's action button opens the outline's menu for that row: its Delete removes that
    // row's keyword, not the current one.
    void actionButtonActsOnItsOwnRow()
    {
        QTreeView* view = window_->outlineViewController()->outlineView();
        KeywordOutlineModel* model = window_->outlineViewController()->model();
        manager_->setCurrentItem(item(QStringLiteral("A")));
        const QModelIndex button = model->indexOf(item(QStringLiteral("B")).get(), KeywordOutlineModel::MoreColumn);
        view->scrollTo(button);
        const QRect cell = view->visualRect(button);
        QVERIFY(cell.isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          corvelle::FileButtonTableCellView::buttonRect(cell).center());
        QMenu* shown = nullptr;
        for (QMenu* candidate : window_->findChildren<QMenu*>()) {
            if (candidate->isVisible())
                shown = candidate;
        }
        QVERIFY(shown);
        QVERIFY(shown->actions().contains(window_->commandAction(QStringLiteral("deleteKeywords:"))));
        window_->commandAction(QStringLiteral("deleteKeywords:"))->trigger();
        shown->hide();
        QCOMPARE(describe(manager_->items()), QStringLiteral("A(A1)"));
        QCOMPARE(manager_->currentItem(), item(QStringLiteral("A")));
        QVERIFY(window_->itemsShouldBeSaved());
    }

    void dragMoveMarksTheLibraryForSaving()
    {
        KeywordOutlineModel* model = window_->outlineViewController()->model();
        std::unique_ptr<QMimeData> data(model->mimeData({model->indexOf(item(QStringLiteral("B")).get())}));
        QVERIFY(model->dropMimeData(data.get(), Qt::MoveAction, -1, 0, model->indexOf(item(QStringLiteral("A")).get())));
        QCOMPARE(describe(manager_->items()), QStringLiteral("A(B,A1)"));
        QVERIFY(window_->itemsShouldBeSaved());
        QVERIFY(!window_->saveItemsIfNeeded());
        KeywordManager stored(libraryPath());
        stored.load();
        QCOMPARE(describe(stored.items()), QStringLiteral("A(B,A1)"));
    }

    void importThenExportGivesTheSameFile()
    {
        const QString fixture = corvelle::test::fixturePath(QStringLiteral("keywords.txt"));
        QSignalSpy imported(window_.get(), &KeywordManagerWindowController::importFinished);
        window_->importKeywords(fixture);
        QVERIFY(imported.wait());
        QCOMPARE(manager_->items().size(), 3);
        QVERIFY(window_->itemsShouldBeSaved());
        const KeywordItemPtr places = manager_->items().last();
        QVERIFY(places->isHeader());
        QCOMPARE(places->children().at(2)->synonyms(), QStringList({QStringLiteral("Tōkyō"), QStringLiteral("Токио")}));

        // The export replaces an earlier file.
        const QString path = folder_->filePath(QStringLiteral("export.txt"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an earlier export, longer than nothing\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n");
        old.close();
        manager_->setCurrentItem(places);
        QSignalSpy exported(window_.get(), &KeywordManagerWindowController::exportFinished);
        window_->exportKeywords(path);
        QVERIFY(exported.wait());
        QVERIFY(!alertOf(window_.get()));
        QCOMPARE(contents(path), contents(fixture));
    }

    void badFilesAreReportedAndChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("malformed") << QByteArray("Top\n\t\tToo deep\n") << "Line 2";
        QTest::newRow("not UTF-8") << QByteArray("Caf\xe9\n") << "UTF-8";
        QTest::newRow("missing") << QByteArray() << "";
    }

    void badFilesAreReportedAndChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = folder_->filePath(QStringLiteral("bad import.txt"));
        if (!bytes.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        QSignalSpy imported(window_.get(), &KeywordManagerWindowController::importFinished);
        window_->importKeywords(path);
        QVERIFY(imported.wait());
        QMessageBox* alert = alertOf(window_.get());
        QVERIFY(alert);
        QCOMPARE(alert->objectName(), QStringLiteral("KeywordImportDidFail"));
        QVERIFY2(alert->informativeText().contains(path), qPrintable(alert->informativeText()));
        QVERIFY2(alert->informativeText().contains(reason), qPrintable(alert->informativeText()));
        alert->accept();
        QCOMPARE(describe(manager_->items()), QStringLiteral("A(A1),B"));
    }

    void failedExportKeepsTheOldFile()
    {
        // Where a folder is expected stands a file: nothing can be written below it.
        const QString notAFolder = folder_->filePath(QStringLiteral("exports"));
        QFile blocker(notAFolder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("old");
        blocker.close();
        manager_->setCurrentItem(item(QStringLiteral("A")));
        QSignalSpy exported(window_.get(), &KeywordManagerWindowController::exportFinished);
        window_->exportKeywords(notAFolder + QStringLiteral("/keywords.txt"));
        QVERIFY(exported.wait());
        QMessageBox* alert = alertOf(window_.get());
        QVERIFY(alert);
        QCOMPARE(alert->objectName(), QStringLiteral("KeywordExportDidFail"));
        QVERIFY(alert->informativeText().contains(notAFolder));
        alert->accept();
        QCOMPARE(contents(notAFolder), QByteArray("old"));
    }

    void savesOnDeactivationAndClose()
    {
        manager_->setCurrentItem(item(QStringLiteral("B")));
        window_->performCommand(QStringLiteral("deleteKeywords:"));
        QVERIFY(!QFile::exists(libraryPath()));
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(window_.get(), &deactivate);
        QVERIFY(!window_->itemsShouldBeSaved());
        KeywordManager stored(libraryPath());
        stored.load();
        QCOMPARE(describe(stored.items()), QStringLiteral("A(A1)"));

        window_->deleteItem(item(QStringLiteral("A1")));
        window_->close();
        stored.load();
        QCOMPARE(describe(stored.items()), QStringLiteral("A"));
    }

    void failedSaveIsReportedAndKeepsTheChanges()
    {
        // A library whose folder cannot be made: a file stands in its place.
        const QString blocked = folder_->filePath(QStringLiteral("blocked"));
        QFile blocker(blocked);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        KeywordManager manager(blocked + QStringLiteral("/Keywords.json"));
        manager.setItems(tree(QStringLiteral("X")));
        KeywordManagerWindowController window(manager);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        manager.setCurrentItem(manager.items().first());
        window.performCommand(QStringLiteral("deleteKeywords:"));

        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&window, &deactivate);
        QMessageBox* alert = alertOf(&window);
        QVERIFY(alert);
        QCOMPARE(alert->objectName(), QStringLiteral("KeywordSaveDidFail"));
        QVERIFY2(alert->informativeText().contains(blocked), qPrintable(alert->informativeText()));
        QVERIFY(window.itemsShouldBeSaved());
        alert->accept();

        // Once the folder can be made, the next occasion saves.
        QVERIFY(QFile::remove(blocked));
        QVERIFY(!window.saveItemsIfNeeded());
        KeywordManager stored(blocked + QStringLiteral("/Keywords.json"));
        stored.load();
        QVERIFY(stored.items().isEmpty());
        QVERIFY(QFile::exists(blocked + QStringLiteral("/Keywords.json")));
    }
};

QTEST_MAIN(KeywordManagerWindowControllerTest)
#include "KeywordManagerWindowControllerTest.moc"
