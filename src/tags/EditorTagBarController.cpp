#include "tags/EditorTagBarController.h"

#include "editor/EditorCommandFamily.h"
#include "editor/EditorSettings.h"
#include "editor/EditorViewController.h"
#include "editor/EditorWindowHost.h"
#include "editor/LocalizedTaskText.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "platform/brisa/ui/MenuTree.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "tags/ContentHeaderTableCellView.h"
#include "tags/ContentStyle.h"
#include "tags/ContentTableRowView.h"
#include "tags/ContentTableViewStyle.h"
#include "tags/ContentValueTableCellView.h"
#include "tags/EditorTagsViewController.h"
#include "tags/TagValueTableModel.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"
#include "widgets/settings/GeneralSettings.h"

#include "ui_EditorTagBar.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>

#include <cmath>

namespace corvelle {

namespace {

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

// The commands of the table's context menu, in menu order; an empty name is a separator.
const QStringList& contextMenuCommands()
{
    static const QStringList commands{
        QStringLiteral("editSelectedTableValue:"),  QStringLiteral("quickActionSelectedTableValue:"),
        QStringLiteral("rawEditSelectedTableValue:"), QString(),
        QStringLiteral("restoreSelectedTableValue:"), QStringLiteral("clearSelectedTableValue:"),
        QStringLiteral("forceSelectedTableValue:"), QString(),
        QStringLiteral("copySelectedTableValue:"), QStringLiteral("cutSelectedTableValue:"),
        QStringLiteral("pasteSelectedTableValue:"),
    };
    return commands;
}

} // namespace

const QString EditorTagBarController::selectTagsCommand = QStringLiteral("showTagSelectPanel:");
const QString EditorTagBarController::selectDatesCommand = QStringLiteral("selectDateTags:");
const QString EditorTagBarController::filterTagsCommand = QStringLiteral("showTagFilterPanel:");
const QString EditorTagBarController::manageTagsCommand = QStringLiteral("showTagManagePanel:");

EditorTagBarController::EditorTagBarController(EditorViewController* editorViewController)
    : EditorBarController(editorViewController)
    , selectDateTagsImage_(brisa::SymbolIcons::icon(QStringLiteral("clock.badge.checkmark")))
    , activatedFilterImage_(brisa::SymbolIcons::icon(QStringLiteral("line.3.horizontal.decrease.circle.fill")))
    , desactivatedFilterImage_(brisa::SymbolIcons::icon(QStringLiteral("line.3.horizontal.decrease.circle")))
{
}

EditorTagBarController::~EditorTagBarController()
{
    if (ui_)
        ui_->valueTableView->setRightClickDelegate(nullptr);
}

EditorTagsViewController* EditorTagBarController::tagsViewController() const
{
    return qobject_cast<EditorTagsViewController*>(editorViewController());
}

QTableView* EditorTagBarController::valueTableView() const
{
    return ui_ ? ui_->valueTableView : nullptr;
}

QWidget* EditorTagBarController::placeholderView() const
{
    return ui_ ? ui_->placeholderView : nullptr;
}

QToolButton* EditorTagBarController::selectTagsButton() const
{
    return ui_ ? ui_->selectTagsButton : nullptr;
}

QToolButton* EditorTagBarController::selectDatesButton() const
{
    return ui_ ? ui_->selectDatesButton : nullptr;
}

QToolButton* EditorTagBarController::filterTagsButton() const
{
    return ui_ ? ui_->filterTagsButton : nullptr;
}

QToolButton* EditorTagBarController::manageTagsButton() const
{
    return ui_ ? ui_->manageTagsButton : nullptr;
}

QToolButton* EditorTagBarController::jumpPopUpButton() const
{
    return ui_ ? ui_->jumpPopUpButton : nullptr;
}

void EditorTagBarController::loadView()
{
    ui_ = std::make_unique<Ui::EditorTagBar>();
    ui_->setupUi(this);
    FormTexts::localize(this);
}

std::optional<halvex::TagValueTableContent> EditorTagBarController::currentContent() const
{
    const halvex::TagValueTable* table = editorWindowController() ? tagValueTable() : nullptr;
    if (!table)
        return std::nullopt;
    return table->content();
}

void EditorTagBarController::setupViews()
{
    view();
    RightClickTableView* table = ui_->valueTableView;
    model_ = new TagValueTableModel(this);
    rowView_ = new ContentTableRowView(this);
    headerCell_ = new ContentHeaderTableCellView(this);
    valueCell_ = new ContentValueTableCellView(this);
    rowView_->registerCell(headerCell_);
    rowView_->registerCell(valueCell_);
    table->setModel(model_);
    table->setItemDelegate(rowView_);
    // Made after the table, it goes after it.
    table->setStyle(new ContentTableViewStyle(this));
    // Rows are measured by the bar at the table's width, not by the header.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setMinimumSectionSize(0);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setFocusPolicy(Qt::StrongFocus);
    table->setRightClickDelegate(this);
    table->installEventFilter(this);
    table->viewport()->installEventFilter(this);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &EditorTagBarController::tableSelectionDidChange);

    // The context menu holds the window's own actions of the selected-value commands; one the
    // window has none of stays in the menu, disabled.
    contextMenu_ = std::make_unique<QMenu>();
    for (const QString& command : contextMenuCommands()) {
        if (command.isEmpty()) {
            contextMenu_->addSeparator();
            continue;
        }
        auto* item = contextMenu_->addAction(localizedString(EditorCommandFamily::menuTextKey(command)));
        item->setObjectName(command);
    }
    EditorWindowHost* window = editorWindowController();
    for (QAction* item : brisa::MenuTree::shareItems(contextMenu_.get(), [window](const QString& name) {
             return window ? window->commandAction(name) : nullptr;
         }))
        item->setEnabled(false);
    table->setMenu(contextMenu_.get());

    jumpMenu_ = std::make_unique<QMenu>();
    ui_->jumpPopUpButton->setMenu(jumpMenu_.get());
    ui_->selectTagsButton->setIcon(brisa::SymbolIcons::icon(QStringLiteral("checkmark.circle")));
    ui_->selectDatesButton->setIcon(selectDateTagsImage_);
    ui_->filterTagsButton->setIcon(desactivatedFilterImage_);
    ui_->manageTagsButton->setIcon(brisa::SymbolIcons::icon(QStringLiteral("list.bullet.clipboard")));
    const QList<std::pair<QToolButton*, QString>> buttons{{ui_->selectTagsButton, selectTagsCommand},
                                                          {ui_->selectDatesButton, selectDatesCommand},
                                                          {ui_->filterTagsButton, filterTagsCommand},
                                                          {ui_->manageTagsButton, manageTagsCommand}};
    for (const auto& [button, command] : buttons) {
        connect(button, &QToolButton::clicked, this, [this, command = command] { sendCommand(command); });
    }
    brisa::FilledSubview::addFilledSubview(ui_->tableContainerView, ui_->placeholderView);

    if (!currentContent())
        return;
    reloadJumpPopUpButton();
    reloadTableAndSelection();
    updateContentInsets();
}

void EditorTagBarController::sendCommand(const QString& command)
{
    if (EditorWindowHost* window = editorWindowController())
        window->performCommand(command, window->commandAction(command));
}

void EditorTagBarController::updateInterface()
{
    EditorBarController::updateInterface();
    if (!ui_)
        return;
    const std::optional<halvex::TagValueTableContent> content = currentContent();
    const bool empty = !content || content->editors().isEmpty() || content->entries().isEmpty();
    ui_->placeholderView->setVisible(empty);
    ui_->valueTableView->setVisible(!empty);
    ui_->jumpPopUpButton->setVisible(!empty);

    EditorWindowHost* window = editorWindowController();
    const bool hasFiles = window && window->metadataFileList() && window->metadataFileList()->hasFiles();
    // A button whose command the window does not act on yet stays disabled.
    const auto canSend = [window](const QString& command) {
        return window && window->validateUserInterfaceItem(command);
    };
    ui_->selectTagsButton->setEnabled(hasFiles && canSend(selectTagsCommand));
    ui_->filterTagsButton->setEnabled(hasFiles && canSend(filterTagsCommand));
    ui_->manageTagsButton->setEnabled(canSend(manageTagsCommand));
    ui_->selectDatesButton->setEnabled(canSend(selectDatesCommand));

    const halvex::TagValueTableFilter filter = content ? content->request().filter : halvex::TagValueTableFilter();
    showsActiveFilter_ = !filter.nameConstraint.isEmpty() || !filter.valueConstraint.isEmpty()
                         || filter.valueEdition != halvex::TagValueTableFilter::ValueEditionConstraint::ignore
                         || filter.valueState != halvex::TagValueTableFilter::ValueStateConstraint::ignore;
    ui_->filterTagsButton->setIcon(showsActiveFilter_ ? activatedFilterImage_ : desactivatedFilterImage_);
}

void EditorTagBarController::saveScrollPosition()
{
    if (ui_ && isViewLoaded())
        defaults().set(Settings::tagsSectionListScrollY(), double(ui_->valueTableView->verticalScrollBar()->value()));
}

void EditorTagBarController::restoreScrollPosition()
{
    if (!ui_)
        return;
    const int y = int(defaults().value(Settings::tagsSectionListScrollY()));
    QScrollBar* bar = ui_->valueTableView->verticalScrollBar();
    if (bar->value() != y)
        bar->setValue(y);
    // A table just made knows its height only once laid out: the position is put back then too.
    QPointer<QScrollBar> weakBar(bar);
    QTimer::singleShot(0, this, [weakBar, y] {
        if (weakBar && weakBar->value() != y)
            weakBar->setValue(y);
    });
}

void EditorTagBarController::focus()
{
    if (ui_ && window())
        ui_->valueTableView->setFocus(Qt::OtherFocusReason);
}

void EditorTagBarController::revealSelection()
{
    if (!ui_)
        return;
    const QModelIndexList rows = ui_->valueTableView->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    const QModelIndex first = *std::min_element(rows.begin(), rows.end(),
                                                [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    ui_->valueTableView->scrollTo(first, QAbstractItemView::PositionAtCenter);
}

void EditorTagBarController::windowDidEndLiveResize()
{
    updateRowHeights();
}

void EditorTagBarController::splitViewDidEndResizing()
{
    updateRowHeights();
}

void EditorTagBarController::startObserving()
{
    userSettingsDidSyncKeySubscriber_.subscribe(brisa::UserDefaults::didSetKeyNotification, &defaults(),
                                                [this](const brisa::Notification& note) { userDefaultsDidSetKey(note); });
    if (halvex::TagValueTable* table = editorWindowController() ? tagValueTable() : nullptr)
        tableDidReloadEntriesSubscriber_.subscribe(halvex::TagValueTable::didReloadNotification, table,
                                                   [this](const brisa::Notification& note) { tableDidReloadEntries(note); });
}

void EditorTagBarController::stopObserving()
{
    userSettingsDidSyncKeySubscriber_.unsubscribe();
    tableDidReloadEntriesSubscriber_.unsubscribe();
}

// --- Reloading

void EditorTagBarController::tableDidReloadEntries(const brisa::Notification& note)
{
    const std::optional<halvex::TagValueTableContent> content = currentContent();
    if (!content || !ui_)
        return;
    isReloadingTable_ = true;
    const std::optional<halvex::TagValueTable::ReloadType> type = halvex::TagValueTable::reloadType(note);
    using Kind = halvex::TagValueTable::ReloadType::Kind;
    if (type && type->kind() == Kind::changedEntries && type->changedEntryIndexes()) {
        reloadRows(*type->changedEntryIndexes());
    } else if (type && type->kind() == Kind::reselect) {
        model_->replaceContentQuietly(*content);
        selectRows(content->selectedEntryIndexes());
    } else {
        reloadJumpPopUpButton();
        reloadTableAndSelection();
        updateContentInsets();
    }
    updateInterface();
    isReloadingTable_ = false;
}

void EditorTagBarController::reloadTableAndSelection()
{
    if (!ui_)
        return;
    const std::optional<halvex::TagValueTableContent> content = currentContent();
    isSelectingRows_ = true;
    model_->setContent(content);
    isSelectingRows_ = false;
    measuredWidth_ = -1;
    updateRowHeights();
    selectRows(content ? content->selectedEntryIndexes() : brisa::IndexSet());
}

void EditorTagBarController::reloadRows(const brisa::IndexSet& rows)
{
    const std::optional<halvex::TagValueTableContent> content = currentContent();
    if (!content || !ui_)
        return;
    model_->updateRows(*content, rows);
    const qreal width = ui_->valueTableView->viewport()->width();
    for (int row : rows)
        updateRowHeight(row, width);
}

void EditorTagBarController::updateRowHeight(int row, qreal width)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    const int height = model_->isSection(row)
                           ? int(sectionRowHeight)
                           : int(std::ceil(ContentValueTableCellView::heightForObjectValue(model_->rowContent(row), width)));
    QHeaderView* header = ui_->valueTableView->verticalHeader();
    if (header->sectionSize(row) != height)
        header->resizeSection(row, height);
}

void EditorTagBarController::updateRowHeights()
{
    if (!ui_ || !isViewLoaded())
        return;
    rowHeightsScheduled_ = false;
    const int width = ui_->valueTableView->viewport()->width();
    measuredWidth_ = width;
    const int rows = model_->rowCount();
    for (int row = 0; row < rows; ++row)
        updateRowHeight(row, width);
    updateContentInsets();
}

void EditorTagBarController::scheduleRowHeights()
{
    if (rowHeightsScheduled_)
        return;
    rowHeightsScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        if (rowHeightsScheduled_)
            updateRowHeights();
    });
}

void EditorTagBarController::updateContentInsets()
{
    if (!ui_)
        return;
    // Cards keep 4 points from the sides; a heading at the top needs no room above it.
    const std::optional<halvex::TagValueTableContent> content = model_->content();
    const bool startsWithRow = content && !content->entries().isEmpty() && content->entries().first().isRow();
    ui_->tableContainerView->layout()->setContentsMargins(4, startsWithRow ? 6 : 0, 4, 6);
}

void EditorTagBarController::reloadJumpPopUpButton()
{
    if (!ui_)
        return;
    jumpMenu_->clear();
    const std::optional<halvex::TagValueTableContent> content = currentContent();
    if (!content)
        return;
    int menuIndex = 1;
    for (const halvex::TagValueTableEntry& entry : content->entries()) {
        if (!entry.isSection())
            continue;
        QAction* item = jumpMenu_->addAction(localizedText(entry.section().localizedName()));
        const int index = menuIndex++;
        connect(item, &QAction::triggered, this, [this, index] { jumpToSection(index); });
    }
}

void EditorTagBarController::jumpToSection(int menuIndex)
{
    const std::optional<halvex::TagValueTableContent> content = model_ ? model_->content() : std::nullopt;
    if (!content || content->entries().isEmpty() || menuIndex < 1)
        return;
    int target = int(content->entries().size()) - 1;
    int count = 0;
    for (int i = 0; i < content->entries().size(); ++i) {
        if (content->entries().at(i).isSection() && ++count == menuIndex) {
            target = i;
            break;
        }
    }
    ui_->valueTableView->scrollTo(model_->index(target, 0), QAbstractItemView::PositionAtTop);
}

void EditorTagBarController::userDefaultsDidSetKey(const brisa::Notification& note)
{
    const QString key = brisa::UserDefaults::editedKeyName(note);
    if (key != Settings::generalUserChoiceDateStyle().name() && key != Settings::generalUserChoiceTimeStyle().name())
        return;
    halvex::TagValueTable* table = editorWindowController() ? tagValueTable() : nullptr;
    if (!table)
        return;
    // Every row's value is made again, in the new style.
    halvex::TagValueTable::Request request = table->latestRequest();
    if (request.rowContentProvider)
        request.rowContentProvider = request.rowContentProvider->renewed();
    table->reload(request);
}

// --- Selection

void EditorTagBarController::selectRows(const brisa::IndexSet& rows)
{
    if (!ui_)
        return;
    QItemSelection selection;
    for (int row : rows) {
        if (row >= 0 && row < model_->rowCount() && !model_->isSection(row))
            selection.select(model_->index(row, 0), model_->index(row, 0));
    }
    isSelectingRows_ = true;
    ui_->valueTableView->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    isSelectingRows_ = false;
}

void EditorTagBarController::tableSelectionDidChange()
{
    // Only a selection the user made goes back to the table.
    if (isReloadingTable_ || isSelectingRows_ || !ui_)
        return;
    halvex::TagValueTable* table = editorWindowController() ? tagValueTable() : nullptr;
    if (!table)
        return;
    brisa::IndexSet selected;
    for (const QModelIndex& row : ui_->valueTableView->selectionModel()->selectedRows())
        selected.insert(row.row());
    halvex::TagValueTable::Request request = table->latestRequest();
    request.selectedEntryIndexes = selected;
    table->reload(request);
}

void EditorTagBarController::selectAll()
{
    if (!ui_)
        return;
    // Headings are not selectable: the user's selection of every tag row.
    brisa::IndexSet rows;
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (!model_->isSection(row))
            rows.insert(row);
    }
    QItemSelection selection;
    for (int row : rows)
        selection.select(model_->index(row, 0), model_->index(row, 0));
    ui_->valueTableView->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void EditorTagBarController::deselectAll()
{
    if (ui_)
        ui_->valueTableView->selectionModel()->clearSelection();
}

bool EditorTagBarController::validateUserInterfaceItem(const QString& action) const
{
    EditorTagsViewController* section = tagsViewController();
    if (!section || !editorWindowController() || !ui_)
        return false;
    const int selected = int(ui_->valueTableView->selectionModel()->selectedRows().size());
    if (action == QLatin1String("selectAll:"))
        return selected != model_->rowCount();
    if (action == QLatin1String("deselectAll:"))
        return selected > 0;
    if (action == QLatin1String("copy:"))
        return section->canCopy();
    if (action == QLatin1String("cut:"))
        return section->canCut();
    if (action == QLatin1String("paste:"))
        return section->canPaste();
    if (action == QLatin1String("deleteBackward:") || action == QLatin1String("deleteForward:"))
        return section->canClearValues();
    return false;
}

bool EditorTagBarController::shouldRightClickRow(QAbstractItemView*, const QModelIndex&)
{
    return true;
}

void EditorTagBarController::willDisplayMenu(QAbstractItemView*, QMenu*)
{
    if (EditorWindowHost* window = editorWindowController()) {
        for (QAction* item : contextMenu_->actions()) {
            if (!item->isSeparator() && window->commandAction(item->objectName()) == item)
                item->setEnabled(window->validateUserInterfaceItem(item->objectName()));
        }
    }
}

// --- Keys and resizing

bool EditorTagBarController::keyPressed(QKeyEvent* event)
{
    // Select All and Deselect All act on the tags while the table has the focus.
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return true;
    }
    if (event->keyCombination() == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_A)) {
        deselectAll();
        return true;
    }
    EditorTagsViewController* section = tagsViewController();
    EditorWindowHost* window = editorWindowController();
    if (!section || !window || (event->modifiers() & ~(Qt::KeypadModifier)) != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Space:
        window->performCommand(QStringLiteral("toggleQuickLook:"), nullptr);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        window->performCommand(QStringLiteral("editSelectedTableValue:"), nullptr);
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        section->clearValues();
        return true;
    default:
        return false;
    }
}

bool EditorTagBarController::eventFilter(QObject* watched, QEvent* event)
{
    if (ui_ && watched == ui_->valueTableView && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::SelectAll)
            || key->keyCombination() == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_A)) {
            event->accept();
            return true;
        }
    }
    if (ui_ && watched == ui_->valueTableView && event->type() == QEvent::KeyPress) {
        if (keyPressed(static_cast<QKeyEvent*>(event)))
            return true;
    }
    // Rows follow the table's width: measured again once the resizing of this turn is over.
    if (ui_ && watched == ui_->valueTableView->viewport() && event->type() == QEvent::Resize
        && ui_->valueTableView->viewport()->width() != measuredWidth_)
        scheduleRowHeights();
    return EditorBarController::eventFilter(watched, event);
}

} // namespace corvelle
