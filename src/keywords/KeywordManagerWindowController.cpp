#include "keywords/KeywordManagerWindowController.h"

#include "engine/halvex/libraries/LibraryError.h"
#include "engine/halvex/libraries/ThesaurusReader.h"
#include "engine/halvex/libraries/ThesaurusWriter.h"
#include "keywords/KeywordEditItemWindowController.h"
#include "keywordmodel/KeywordOutlineModel.h"
#include "keywords/KeywordOutlineViewController.h"
#include "platform/brisa/ui/DynamicToolbar.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/veilcast/ProgressOverlay.h"
#include "widgets/ApplicationCommands.h"
#include "widgets/FormTexts.h"
#include "widgets/LibraryErrorText.h"
#include "widgets/TextLocalizer.h"

#include "ui_KeywordManagerWindow.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QFutureWatcher>
#include <QtConcurrent>

namespace corvelle {

using halvex::KeywordItem;
using halvex::KeywordItemPtr;
using halvex::KeywordManager;

namespace {

KeywordManagerWindowController* sharedController = nullptr;

const QString createCommand = QStringLiteral("createKeyword:");
const QString editCommand = QStringLiteral("editKeyword:");
const QString deleteCommand = QStringLiteral("deleteKeywords:");
const QString importCommand = QStringLiteral("importKeywords:");
const QString exportCommand = QStringLiteral("exportKeywords:");

QString keywordFileFilter()
{
    return localizedString(QStringLiteral("KeywordFileTypeName")) + QStringLiteral(" (*.txt)");
}

// What a worker thread made of a keyword file: its items, or why there are none.
struct ImportResult {
    QList<KeywordItemPtr> items;
    std::optional<halvex::LibraryError> error;
};

// Runs `handler` with the result of `future` on the main thread, once it is there. The watcher
// belongs to `owner`: a window gone by then takes the handler with it.
template<class T, class Handler>
void whenDone(QObject* owner, QFuture<T> future, Handler handler)
{
    auto* watcher = new QFutureWatcher<T>(owner);
    QObject::connect(watcher, &QFutureWatcher<T>::finished, owner, [watcher, handler] {
        watcher->deleteLater();
        handler(watcher->result());
    });
    watcher->setFuture(future);
}

} // namespace

KeywordManagerWindowController& KeywordManagerWindowController::shared()
{
    if (!sharedController)
        sharedController = new KeywordManagerWindowController(KeywordManager::shared());
    return *sharedController;
}

KeywordManagerWindowController* KeywordManagerWindowController::existing()
{
    return sharedController;
}

KeywordManagerWindowController::KeywordManagerWindowController(KeywordManager& manager, QWidget* parent)
    : LibraryWindowController(parent),
      ui_(std::make_unique<Ui::KeywordManagerWindow>()),
      manager_(manager),
      progressOverlay_(new veilcast::ProgressOverlay(this)),
      fileMenu_(new QMenu(this)),
      contextMenu_(new QMenu(this))
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    setUpPlaceholder(ui_->placeholderView);

    makeCommandActions({
        {createCommand, QStringLiteral("KeywordManagerCreateMenuItem")},
        {editCommand, QStringLiteral("KeywordManagerEditMenuItem")},
        {deleteCommand, QStringLiteral("KeywordManagerDeleteMenuItem")},
        {importCommand, QStringLiteral("KeywordManagerImportMenuItem")},
        {exportCommand, QStringLiteral("KeywordManagerExportMenuItem")},
    });
    // Enter edits and Delete deletes while the window has the focus; a sheet is a window of
    // its own, where these keys stay its fields'.
    commandAction(editCommand)->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    commandAction(deleteCommand)->setShortcuts({QKeySequence(QKeySequence::Delete), QKeySequence(Qt::Key_Backspace)});
    for (QAction* action : {commandAction(editCommand), commandAction(deleteCommand)}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    fileMenu_->addAction(commandAction(importCommand));
    fileMenu_->addAction(commandAction(exportCommand));
    contextMenu_->addAction(commandAction(createCommand));
    contextMenu_->addAction(commandAction(editCommand));
    contextMenu_->addAction(commandAction(deleteCommand));
    connect(contextMenu_, &QMenu::aboutToHide, this, [this] {
        // The chosen command runs just after the menu hides; the row stands until then.
        QTimer::singleShot(0, this, [this] {
            menuItem_.reset();
            updateInterface();
        });
    });

    outline_ = new KeywordOutlineViewController(new KeywordOutlineModel(manager_), this);
    brisa::FilledSubview::setFilledSubview(ui_->mainContainerView, outline_);
    connect(outline_, &KeywordOutlineViewController::editRequested, this, [this] { performCommand(editCommand); });
    connect(outline_, &KeywordOutlineViewController::contextMenuRequested, this,
            [this](const KeywordItemPtr& item, const QPoint& position) { contextMenu(item)->popup(position); });
    // A drop moves an item: the library has to be saved as after any other change.
    connect(outline_->model(), &KeywordOutlineModel::itemMoved, this, [this] { itemsShouldBeSaved_ = true; });

    installToolbar();
    setUpToolbarItems();
    setUpTouchBar();
    itemsSubscriber_.subscribe(KeywordManager::didChangeItemsNotification, &manager_,
                               [this](const brisa::Notification&) { updateInterface(); });
    updateInterface();
}

KeywordManagerWindowController::~KeywordManagerWindowController()
{
    if (sharedController == this)
        sharedController = nullptr;
}

void KeywordManagerWindowController::setUpToolbarItems()
{
    brisa::DynamicToolbarItemSet& set = dynamicToolbar().addItemSet({});
    addToolbarCommand(set, QStringLiteral("KeywordManagerWindowToolbarCreate"), QStringLiteral("plus"), createCommand);
    addToolbarCommand(set, QStringLiteral("KeywordManagerWindowToolbarDelete"), QStringLiteral("minus"), deleteCommand);
    set.addItem(brisa::DynamicToolbarItem::flexibleSpaceIdentifier);
    addToolbarCommand(set, QStringLiteral("KeywordManagerWindowToolbarEdit"), QStringLiteral("square.and.pencil"), editCommand);
    set.addItem(brisa::DynamicToolbarItemContainer::MenuButtonSettings{
        localizedString(QStringLiteral("KeywordManagerWindowToolbarFiles")), QStringLiteral("doc.badge.ellipsis"), fileMenu_});
    addToolbarHelpMenu(set, QStringLiteral("KeywordManagerWindowToolbarHelp"));
}

void KeywordManagerWindowController::setUpTouchBar()
{
    addTouchBarCommand(dynamicTouchBar().addItemSet({}), QStringLiteral("plus"), createCommand);
}

void KeywordManagerWindowController::updateInterface()
{
    setTitles(localizedString(QStringLiteral("KeywordManagerWindowTitle")),
              localizedString(QStringLiteral("KeywordManagerWindowSubtitle"), {manager_.keywordCount()}));
    ui_->placeholderView->setVisible(manager_.items().isEmpty());
    refreshCommands();
}

// Commands

KeywordItemPtr KeywordManagerWindowController::targetItem() const
{
    return menuItem_ ? menuItem_->lock() : manager_.currentItem();
}

bool KeywordManagerWindowController::validateCommand(const QString& command) const
{
    const KeywordItemPtr item = targetItem();
    if (command == createCommand)
        return canCreateItem();
    if (command == editCommand)
        return canEditItem(item);
    if (command == deleteCommand)
        return bool(item);
    if (command == importCommand)
        return !menuItem_;
    if (command == exportCommand)
        return !menuItem_ && item;
    return false;
}

void KeywordManagerWindowController::performCommand(const QString& command)
{
    if (!validateCommand(command))
        return;
    const KeywordItemPtr item = targetItem();
    menuItem_.reset();
    if (command == createCommand)
        createItem(item);
    else if (command == editCommand)
        editItem(item);
    else if (command == deleteCommand)
        deleteItem(item);
    else if (command == importCommand)
        chooseImportFile();
    else if (command == exportCommand)
        chooseExportFile();
    updateInterface();
}

QMenu* KeywordManagerWindowController::contextMenu(const KeywordItemPtr& item)
{
    menuItem_ = std::weak_ptr<KeywordItem>(item);
    updateInterface();
    return contextMenu_;
}

// Creating, editing, deleting

bool KeywordManagerWindowController::canCreateItem() const
{
    return !editItemWindowController_;
}

bool KeywordManagerWindowController::canEditItem(const KeywordItemPtr& item) const
{
    return item && !editItemWindowController_;
}

void KeywordManagerWindowController::presentSheet(const KeywordItemPtr& item, std::function<void()> validated)
{
    auto* sheet = new KeywordEditItemWindowController(this);
    sheet->setKeywordItem(item);
    editItemWindowController_ = sheet;
    const bool presented = brisa::SheetPresenter::presentSheet(this, sheet, [this, sheet, validated](int returnCode) {
        if (returnCode == QDialog::Accepted) {
            itemsShouldBeSaved_ = true;
            validated();
        }
        sheet->deleteLater();
        editItemWindowController_ = nullptr;
        updateInterface();
    });
    if (!presented) {
        delete sheet;
        editItemWindowController_ = nullptr;
    }
    updateInterface();
}

void KeywordManagerWindowController::createItem(const KeywordItemPtr& parent)
{
    if (!canCreateItem())
        return;
    const auto item = std::make_shared<KeywordItem>(QString());
    const std::weak_ptr<KeywordItem> weakParent = parent;
    presentSheet(item, [this, item, weakParent] {
        const KeywordItemPtr parent = weakParent.lock();
        // A parent deleted while the sheet was open takes no children: the keyword goes to the
        // top level rather than nowhere.
        if (parent && outline_->model()->indexOf(parent.get()).isValid())
            parent->insertChildren({item}, int(parent->children().size()));
        else
            manager_.insertItems({item}, int(manager_.items().size()));
    });
}

void KeywordManagerWindowController::editItem(const KeywordItemPtr& item)
{
    if (!canEditItem(item))
        return;
    presentSheet(item, [] {});
}

void KeywordManagerWindowController::deleteItem(const KeywordItemPtr& item)
{
    if (!item)
        return;
    manager_.removeItem(item.get());
    if (manager_.currentItem() == item)
        manager_.setCurrentItem(nullptr);
    itemsShouldBeSaved_ = true;
}

// Import and export

void KeywordManagerWindowController::chooseImportFile()
{
    auto* panel = new QFileDialog(this, localizedString(QStringLiteral("KeywordImportPanelTitle")), {},
                                  keywordFileFilter());
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setAcceptMode(QFileDialog::AcceptOpen);
    connect(panel, &QFileDialog::fileSelected, this, &KeywordManagerWindowController::importKeywords);
    panel->open();
}

void KeywordManagerWindowController::chooseExportFile()
{
    auto* panel = new QFileDialog(this, localizedString(QStringLiteral("KeywordExportPanelTitle")), {},
                                  keywordFileFilter());
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::AnyFile);
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setDefaultSuffix(QStringLiteral("txt"));
    panel->selectFile(localizedString(QStringLiteral("KeywordDefaultExportFilename")));
    connect(panel, &QFileDialog::fileSelected, this, &KeywordManagerWindowController::exportKeywords);
    panel->open();
}

void KeywordManagerWindowController::importKeywords(const QString& path)
{
    progressOverlay_->setTitle(localizedString(QStringLiteral("KeywordImportOverlayTitle")));
    progressOverlay_->setSubtitle(localizedString(QStringLiteral("KeywordImportOverlaySubtitle")));
    progressOverlay_->show(this);
    whenDone(this, QtConcurrent::run([path] {
        ImportResult result;
        try {
            result.items = halvex::ThesaurusReader::readFile(path);
        } catch (const halvex::LibraryError& error) {
            result.error = error;
        }
        return result;
    }), [this](const ImportResult& result) {
        progressOverlay_->hide();
        if (result.error) {
            showFailure(QStringLiteral("KeywordImportDidFail"), libraryErrorText(*result.error));
        } else if (!result.items.isEmpty()) {
            manager_.insertItems(result.items, int(manager_.items().size()));
            itemsShouldBeSaved_ = true;
        }
        Q_EMIT importFinished();
    });
}

void KeywordManagerWindowController::exportKeywords(const QString& path)
{
    const KeywordItemPtr item = manager_.currentItem();
    if (!item)
        return;
    progressOverlay_->setTitle(localizedString(QStringLiteral("KeywordExportOverlayTitle")));
    progressOverlay_->setSubtitle(localizedString(QStringLiteral("KeywordExportOverlaySubtitle")));
    progressOverlay_->show(this);
    // The writer replaces the file only once the new text is whole: a failure leaves it as it was.
    whenDone(this, QtConcurrent::run([item, path]() -> std::optional<halvex::LibraryError> {
        try {
            halvex::ThesaurusWriter::write({item}, path);
        } catch (const halvex::LibraryError& error) {
            return error;
        }
        return std::nullopt;
    }), [this](const std::optional<halvex::LibraryError>& error) {
        progressOverlay_->hide();
        if (error)
            showFailure(QStringLiteral("KeywordExportDidFail"), libraryErrorText(*error));
        Q_EMIT exportFinished();
    });
}

void KeywordManagerWindowController::showFailure(const QString& stem, const QString& reason)
{
    auto* alert = new QMessageBox;
    alert->setIcon(QMessageBox::Warning);
    alert->setText(localizedString(stem + QStringLiteral("MessageText")));
    alert->setInformativeText(localizedString(stem + QStringLiteral("InformativeText"), {reason}));
    alert->setObjectName(stem);
    alert->addButton(localizedString(stem + QStringLiteral("OKButton")), QMessageBox::AcceptRole);
    if (brisa::SheetPresenter::canHostSheet(this)) {
        brisa::SheetPresenter::safeBeginSheetModal(alert, this, {});
        return;
    }
    // A window closing, or not shown, carries no sheet: the alert stands on its own.
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::ApplicationModal);
    alert->show();
}

// Saving

std::optional<QString> KeywordManagerWindowController::saveItemsIfNeeded()
{
    if (!itemsShouldBeSaved_)
        return std::nullopt;
    try {
        manager_.save();
    } catch (const halvex::LibraryError& error) {
        return libraryErrorText(error);
    }
    itemsShouldBeSaved_ = false;
    return std::nullopt;
}

void KeywordManagerWindowController::applySavingRule()
{
    if (const std::optional<QString> failure = saveItemsIfNeeded())
        showFailure(QStringLiteral("KeywordSaveDidFail"), *failure);
}

bool KeywordManagerWindowController::event(QEvent* event)
{
    // The alert of a failed save takes the activation from the window: it is not asked again
    // while one is up.
    if (event->type() == QEvent::WindowDeactivate && !findChild<QMessageBox*>(QStringLiteral("KeywordSaveDidFail")))
        applySavingRule();
    return LibraryWindowController::event(event);
}

void KeywordManagerWindowController::closeEvent(QCloseEvent* event)
{
    applySavingRule();
    LibraryWindowController::closeEvent(event);
}

} // namespace corvelle
