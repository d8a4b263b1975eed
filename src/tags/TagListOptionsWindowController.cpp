#include "tags/TagListOptionsWindowController.h"

#include "editor/FileDialogSheet.h"
#include "engine/halvex/libraries/LibraryError.h"
#include "engine/halvex/libraries/TagSetFile.h"
#include "filemodel/FileRowDragData.h"
#include "platform/brisa/core/StringHelpers.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "platform/brisa/ui/TableSelection.h"
#include "tags/TagListAvailableTagsModel.h"
#include "tags/TagListDisplayedEntriesModel.h"
#include "tags/TagSetCommitAlert.h"
#include "widgets/FormTexts.h"
#include "widgets/LibraryErrorText.h"
#include "widgets/TextLocalizer.h"

#include "ui_TagListOptionsWindow.h"

#include <QFileDialog>
#include <QKeyEvent>
#include <QPointer>

namespace corvelle {

const QString TagListOptionsWindowController::tagSetFileExtension = QStringLiteral("cvtagset");
const QString TagListOptionsWindowController::tagSetsFileExtension = QStringLiteral("cvtagsset");

TagListOptionsWindowController::TagListOptionsWindowController(QWidget* parent, halvex::TagSetManager& manager)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::TagListOptionsWindow>())
    , manager_(manager)
{
    ui_->setupUi(this);
    setObjectName(QStringLiteral("TagListOptionsWindow"));
    FormTexts::localize(this);
    ui_->progressIndicator->hide();

    availableModel_ = new TagListAvailableTagsModel(this);
    displayedModel_ = new TagListDisplayedEntriesModel(this);
    ui_->availableTagsTableView->setModel(availableModel_);
    ui_->availableTagsTableView->setDragEnabled(true);
    ui_->availableTagsTableView->setDragDropMode(QAbstractItemView::DragOnly);
    ui_->availableTagsTableView->setDefaultDropAction(Qt::CopyAction);
    QListView* displayed = ui_->displayedEntriesTableView;
    displayed->setModel(displayedModel_);
    displayed->setDragEnabled(true);
    displayed->setAcceptDrops(true);
    displayed->setDropIndicatorShown(true);
    displayed->setDragDropOverwriteMode(false);
    displayed->setDragDropMode(QAbstractItemView::DragDrop);
    displayed->setDefaultDropAction(Qt::MoveAction);
    displayed->installEventFilter(this);
    displayedModel_->setDropHandler([this](const QMimeData* data, int row) { return acceptDrop(data, row); });
    displayedModel_->setRenameHandler([this](int row, const QString& title) {
        // The title as typed: blank or not, it is the user's.
        manager_.renameSection(selectedDomain_, row, title);
        commit();
        return true;
    });

    connect(ui_->tagsSearchField, &QLineEdit::textChanged, this, &TagListOptionsWindowController::searchTagItems);
    connect(ui_->sectionTextField, &QLineEdit::textChanged, this, &TagListOptionsWindowController::updateInterface);
    connect(ui_->sectionTextField, &QLineEdit::returnPressed, this, &TagListOptionsWindowController::updateInterface);
    connect(ui_->insertTagsButton, &QAbstractButton::clicked, this, &TagListOptionsWindowController::insertSelectedTags);
    connect(ui_->insertSectionButton, &QAbstractButton::clicked, this, &TagListOptionsWindowController::insertNewSection);
    connect(ui_->deleteEntriesButton, &QAbstractButton::clicked, this,
            &TagListOptionsWindowController::deleteSelectedEntries);
    connect(ui_->moveUpButton, &QAbstractButton::clicked, this, &TagListOptionsWindowController::moveUpSelectedEntry);
    connect(ui_->moveDownButton, &QAbstractButton::clicked, this, &TagListOptionsWindowController::moveDownSelectedEntry);
    connect(ui_->restoreButton, &QAbstractButton::clicked, this, &TagListOptionsWindowController::restoreTagSet);
    connect(ui_->importButton, &QAbstractButton::clicked, this, &TagListOptionsWindowController::importTagSetFile);
    connect(ui_->exportButton, &QAbstractButton::clicked, this, &TagListOptionsWindowController::exportTagSetFile);
    connect(ui_->closeButton, &QAbstractButton::clicked, this, &TagListOptionsWindowController::closeSheet);
    connect(ui_->availableTagsTableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TagListOptionsWindowController::updateInterface);
    connect(displayed->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TagListOptionsWindowController::updateInterface);
    // The model resets when the search changes, which leaves the selection model silent.
    connect(availableModel_, &QAbstractItemModel::modelReset, this, &TagListOptionsWindowController::updateInterface);
    connect(displayedModel_, &QAbstractItemModel::modelReset, this, &TagListOptionsWindowController::updateInterface);

    // The engine calls back on the main thread, and stops with the sheet.
    searchEngine_.onStateChange([this] {
        ui_->progressIndicator->setVisible(searchEngine_.isSearching());
        updateInterface();
    });
    searchEngine_.onTagItemChange([this] {
        availableModel_->setItems(searchEngine_.tagItems());
        ui_->progressIndicator->setVisible(searchEngine_.isSearching());
        updateInterface();
    });
    setupTouchBar();
    tagSetDidEditEntriesSubscriber_.subscribe(halvex::TagSetManager::didEditSetsNotification, &manager_,
                                              [this](const brisa::Notification&) { reloadTables(); });
    searchTagItems();
    reloadTables();
}

TagListOptionsWindowController::~TagListOptionsWindowController()
{
    tagSetDidEditEntriesSubscriber_.unsubscribe();
}

void TagListOptionsWindowController::setupTouchBar()
{
    QPointer<TagListOptionsWindowController> weakSelf(this);
    brisa::DynamicTouchBarItemSet& items = dynamicTouchBar_.addItemSet({});
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    items.addItem(
        [weakSelf](brisa::DynamicTouchBarItemButtonSettings& settings) {
            settings.title = localizedString(QStringLiteral("EditorPanelCloseTouchButton"));
            settings.width = brisa::DynamicTouchBarItemButtonSettings::standardWidth;
            settings.bezelColor = brisa::DynamicTouchBarItemButtonSettings::accentColor();
            settings.action = [weakSelf] {
                if (weakSelf)
                    weakSelf->closeSheet();
            };
        },
        [weakSelf](brisa::DynamicTouchBarItem& item) { item.setEnabled(weakSelf != nullptr); });
}

QListView* TagListOptionsWindowController::availableTagsTableView() const
{
    return ui_->availableTagsTableView;
}

QListView* TagListOptionsWindowController::displayedEntriesTableView() const
{
    return ui_->displayedEntriesTableView;
}

QLineEdit* TagListOptionsWindowController::tagsSearchField() const
{
    return ui_->tagsSearchField;
}

QLineEdit* TagListOptionsWindowController::sectionTextField() const
{
    return ui_->sectionTextField;
}

QAbstractButton* TagListOptionsWindowController::insertTagsButton() const
{
    return ui_->insertTagsButton;
}

QAbstractButton* TagListOptionsWindowController::insertSectionButton() const
{
    return ui_->insertSectionButton;
}

QAbstractButton* TagListOptionsWindowController::deleteEntriesButton() const
{
    return ui_->deleteEntriesButton;
}

void TagListOptionsWindowController::selectDomain(halvex::TagSetManager::Domain domain)
{
    selectedDomain_ = domain;
    reloadTables();
}

halvex::TagSet TagListOptionsWindowController::tagSet() const
{
    return manager_.tagSet(selectedDomain_);
}

void TagListOptionsWindowController::reloadTables()
{
    const halvex::TagSet set = tagSet();
    // A reset forgets the selection; the rows that still exist keep theirs.
    const QList<int> selected = selectedRows(ui_->displayedEntriesTableView);
    const bool resets = set.count() != displayedModel_->tagSet().count();
    displayedModel_->setTagSet(set);
    if (resets) {
        QList<int> kept;
        for (int row : selected) {
            if (row < set.count())
                kept << row;
        }
        brisa::TableSelection::selectOnlyRows(ui_->displayedEntriesTableView, kept);
    }
    const QList<ostrak::TagName> names = set.tagNames();
    availableModel_->setDisplayedTags(QSet<ostrak::TagName>(names.begin(), names.end()));
    updateInterface();
}

QList<int> TagListOptionsWindowController::selectedRows(const QListView* view) const
{
    QList<int> rows;
    if (!view->selectionModel())
        return rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

int TagListOptionsWindowController::insertionRow() const
{
    const QList<int> rows = selectedRows(ui_->displayedEntriesTableView);
    return rows.isEmpty() ? 0 : rows.first();
}

QList<halvex::TagSet::FlatEntry> TagListOptionsWindowController::availableEntries(const QList<int>& rows) const
{
    QList<halvex::TagSet::FlatEntry> entries;
    const QList<ostrak::TagItem>& items = availableModel_->items();
    for (int row : rows) {
        // The results may have changed since the rows were taken.
        if (row >= 0 && row < items.size())
            entries << halvex::TagSet::FlatEntry(items.at(row).tagName());
    }
    return entries;
}

bool TagListOptionsWindowController::commit()
{
    return TagSetCommitAlert::commit(manager_, selectedDomain_, this);
}

bool TagListOptionsWindowController::validateUserInterfaceItem(const QString& action) const
{
    if (action == QLatin1String("insertSelectedTags:"))
        return !selectedRows(ui_->availableTagsTableView).isEmpty();
    if (action == QLatin1String("insertNewSection:"))
        return brisa::nonBlank(ui_->sectionTextField->text()).has_value();
    if (action == QLatin1String("deleteSelectedEntries:"))
        return !selectedRows(ui_->displayedEntriesTableView).isEmpty();
    static const QStringList always{
        QStringLiteral("moveUpSelectedEntry:"), QStringLiteral("moveDownSelectedEntry:"),
        QStringLiteral("restoreTagSet:"),       QStringLiteral("importTagSetFile:"),
        QStringLiteral("exportTagSetFile:"),    QStringLiteral("changeSectionValue:"),
        QStringLiteral("closeSheet:"),
    };
    return always.contains(action);
}

void TagListOptionsWindowController::updateInterface()
{
    ui_->insertTagsButton->setEnabled(validateUserInterfaceItem(QStringLiteral("insertSelectedTags:")));
    ui_->insertSectionButton->setEnabled(validateUserInterfaceItem(QStringLiteral("insertNewSection:")));
    ui_->deleteEntriesButton->setEnabled(validateUserInterfaceItem(QStringLiteral("deleteSelectedEntries:")));
    dynamicTouchBar_.reloadDisplayedItems();
}

void TagListOptionsWindowController::searchTagItems()
{
    halvex::TagItemSearchRequest request = searchEngine_.request();
    request.string = ui_->tagsSearchField->text();
    searchEngine_.search(request);
}

void TagListOptionsWindowController::insertSelectedTags()
{
    const QList<halvex::TagSet::FlatEntry> entries = availableEntries(selectedRows(ui_->availableTagsTableView));
    if (entries.isEmpty())
        return;
    manager_.insert(selectedDomain_, entries, insertionRow());
    commit();
}

void TagListOptionsWindowController::insertNewSection()
{
    const std::optional<QString> title = brisa::nonBlank(ui_->sectionTextField->text());
    if (!title)
        return;
    ui_->sectionTextField->clear();
    manager_.insert(selectedDomain_, {halvex::TagSet::FlatEntry(halvex::TagSection(*title))}, insertionRow());
    commit();
}

void TagListOptionsWindowController::deleteSelectedEntries()
{
    const QList<int> rows = selectedRows(ui_->displayedEntriesTableView);
    if (rows.isEmpty())
        return;
    manager_.remove(selectedDomain_, brisa::IndexSet(rows));
    commit();
}

void TagListOptionsWindowController::moveUpSelectedEntry()
{
    const QList<int> rows = selectedRows(ui_->displayedEntriesTableView);
    if (rows.isEmpty())
        return;
    manager_.moveEntryUp(selectedDomain_, rows.first());
    commit();
    brisa::TableSelection::selectOnlyRow(ui_->displayedEntriesTableView, std::max(0, rows.first() - 1));
}

void TagListOptionsWindowController::moveDownSelectedEntry()
{
    const QList<int> rows = selectedRows(ui_->displayedEntriesTableView);
    if (rows.isEmpty())
        return;
    manager_.moveEntryDown(selectedDomain_, rows.first());
    commit();
    brisa::TableSelection::selectOnlyRow(ui_->displayedEntriesTableView,
                                         std::min(rows.first() + 1, std::max(0, tagSet().count() - 1)));
}

void TagListOptionsWindowController::restoreTagSet()
{
    manager_.restoreDefault(selectedDomain_);
    commit();
}

bool TagListOptionsWindowController::acceptDrop(const QMimeData* data, int row)
{
    if (const auto rows = FileRowDragData::rows(data, TagListAvailableTagsModel::availableRowType())) {
        const QList<halvex::TagSet::FlatEntry> entries = availableEntries(QList<int>(rows->begin(), rows->end()));
        if (entries.isEmpty())
            return false;
        manager_.insert(selectedDomain_, entries, row);
        commit();
        brisa::TableSelection::selectOnlyRow(ui_->displayedEntriesTableView, row);
        return true;
    }
    if (const auto rows = FileRowDragData::rows(data, TagListDisplayedEntriesModel::displayedRowType())) {
        QList<int> moved;
        for (int index : *rows) {
            if (index < tagSet().count())
                moved << index;
        }
        if (moved.isEmpty())
            return false;
        manager_.move(selectedDomain_, brisa::IndexSet(moved), row);
        commit();
        brisa::TableSelection::selectOnlyRow(ui_->displayedEntriesTableView, moved.first() < row ? row - 1 : row);
        return true;
    }
    return false;
}

void TagListOptionsWindowController::importTagSet(const QString& path)
{
    std::optional<QString> failure;
    manager_.replace(selectedDomain_, [&path, &failure](const halvex::TagSet& current) {
        try {
            return halvex::TagSetFile::from(path).tagSet();
        } catch (const halvex::LibraryError& error) {
            failure = libraryErrorText(error);
        }
        return current;
    });
    if (failure) {
        TagSetCommitAlert::showFailure(QStringLiteral("TagSetImportDidFail"), *failure, this);
        return;
    }
    commit();
}

void TagListOptionsWindowController::exportTagSet(const QString& path)
{
    try {
        tagSet().exportTo(path);
    } catch (const halvex::LibraryError& error) {
        TagSetCommitAlert::showFailure(QStringLiteral("TagSetExportDidFail"), libraryErrorText(error), this);
    }
}

void TagListOptionsWindowController::importTagSetFile()
{
    QFileDialog* panel = FileDialogSheet::makePanel(this, QStringLiteral("tagSetImportPanel"),
                                                    QStringLiteral("ImportPanelImportButtonTitle"));
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setNameFilter(localizedString(QStringLiteral("TagSetFilesFilter")) + QStringLiteral(" (*.")
                         + tagSetFileExtension + QStringLiteral(" *.") + tagSetsFileExtension + QLatin1Char(')'));
    QPointer<TagListOptionsWindowController> weakSelf(this);
    FileDialogSheet::present(this, panel, [weakSelf](const QUrl& url) {
        if (weakSelf)
            weakSelf->importTagSet(url.toLocalFile());
    });
}

void TagListOptionsWindowController::exportTagSetFile()
{
    QFileDialog* panel = FileDialogSheet::makePanel(this, QStringLiteral("tagSetExportPanel"),
                                                    QStringLiteral("ExportPanelExportButtonTitle"));
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setFileMode(QFileDialog::AnyFile);
    panel->setNameFilter(localizedString(QStringLiteral("TagSetFilesFilter")) + QStringLiteral(" (*.")
                         + tagSetFileExtension + QLatin1Char(')'));
    panel->setDefaultSuffix(tagSetFileExtension);
    panel->selectFile(localizedString(QStringLiteral("TagSetDefaultExportFilename")));
    QPointer<TagListOptionsWindowController> weakSelf(this);
    FileDialogSheet::present(this, panel, [weakSelf](const QUrl& url) {
        if (weakSelf)
            weakSelf->exportTagSet(url.toLocalFile());
    });
}

void TagListOptionsWindowController::closeSheet()
{
    if (isVisible())
        done(QDialog::Accepted);
}

bool TagListOptionsWindowController::eventFilter(QObject* watched, QEvent* event)
{
    // Delete and Backspace remove the selected entries while the displayed list has the focus
    // (the rename field takes its own keys).
    if (watched == ui_->displayedEntriesTableView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
            deleteSelectedEntries();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace corvelle
