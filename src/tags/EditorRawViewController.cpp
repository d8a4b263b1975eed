#include "tags/EditorRawViewController.h"

#include "editor/EditorWindowController.h"
#include "editor/FileDialogSheet.h"
#include "engine/halvex/libraries/LibraryError.h"
#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/TagComparatorExporter.h"
#include "engine/halvex/tags/TagComparatorTable.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tags/TagStorageValueProvider.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "tags/EditorRawTableModel.h"
#include "tags/InspectorGroupTableCellView.h"
#include "tags/InspectorValueTableCellView.h"
#include "tags/TagSetCommitAlert.h"
#include "widgets/FormTexts.h"
#include "widgets/LibraryErrorText.h"
#include "widgets/TextLocalizer.h"

#include "ui_EditorRawView.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QThreadPool>
#include <QToolButton>

namespace corvelle {

namespace {

// The room the table's frame, its scroll bar and the spacing between columns take.
constexpr int reservedWidth = 28 + 2 + 30;
constexpr int wideColumnWidth = 260;

int minimumColumnWidth(int column)
{
    return column == 0 ? 240 : 200;
}

} // namespace

const QStringList EditorRawViewController::commandNames{
    QStringLiteral("goBack:"),           QStringLiteral("focusSearchField:"), QStringLiteral("copyTagsNames:"),
    QStringLiteral("addToDisplayedTags:"), QStringLiteral("exportTableToTXT:"), QStringLiteral("exportTableToRTF:"),
    QStringLiteral("exportTableToCSV:"),
};

QString EditorRawViewController::fileExtension(ExportFormat format)
{
    switch (format) {
    case ExportFormat::txt: return QStringLiteral("txt");
    case ExportFormat::rtf: return QStringLiteral("rtf");
    case ExportFormat::csv: return QStringLiteral("csv");
    }
    return {};
}

EditorRawViewController::EditorRawViewController(EditorWindowHost* editorWindowController)
    : EditorViewController(editorWindowController)
{
}

EditorRawViewController::~EditorRawViewController()
{
    if (ui_)
        ui_->tableView->setRightClickDelegate(nullptr);
}

EditorWindowController* EditorRawViewController::windowController() const
{
    return qobject_cast<EditorWindowController*>(editorWindowController());
}

QTableView* EditorRawViewController::tableView() const
{
    return ui_ ? ui_->tableView : nullptr;
}

QWidget* EditorRawViewController::placeholderView() const
{
    return ui_ ? ui_->placeholderView : nullptr;
}

QWidget* EditorRawViewController::progressView() const
{
    return ui_ ? ui_->progressView : nullptr;
}

void EditorRawViewController::loadView()
{
    ui_ = std::make_unique<Ui::EditorRawView>();
    ui_->setupUi(this);
    FormTexts::localize(this);
}

QString EditorRawViewController::windowTitle() const
{
    return localizedString(QStringLiteral("EditorInspectCorvelleWindowTitle"));
}

QString EditorRawViewController::windowSubtitle() const
{
    const MetadataFileList* list = editorWindowController() ? metadataFileList() : nullptr;
    return localizedString(QStringLiteral("EditorComparatorWindowSubtitle"),
                           {qlonglong(list ? list->selection().count() : 0)});
}

void EditorRawViewController::makeActions()
{
    const auto make = [this](const QString& command, const QString& textKey, std::function<void()> run) {
        auto* action = new QAction(localizedString(textKey), this);
        action->setObjectName(command);
        connect(action, &QAction::triggered, this, [this, command, run] {
            // A stale menu item or touch-bar button never acts.
            if (validateUserInterfaceItem(command))
                run();
        });
        actions_.insert(command, action);
        return action;
    };
    make(QStringLiteral("goBack:"), QStringLiteral("EditorWindowToolbarGoBackTitle"), [this] { goBack(); });
    make(QStringLiteral("focusSearchField:"), QStringLiteral("EditorRawFocusSearchField"), [this] { focusSearchField(); })
        ->setShortcut(QKeySequence::Find);
    addAction(actions_.value(QStringLiteral("focusSearchField:")));
    actions_.value(QStringLiteral("focusSearchField:"))->setShortcutContext(Qt::WidgetWithChildrenShortcut);

    tagsMenu_ = std::make_unique<QMenu>();
    tagsMenu_->addAction(make(QStringLiteral("copyTagsNames:"), QStringLiteral("EditorRawCopyTagsNames"),
                              [this] { copyTagsNames(); }));
    tagsMenu_->addAction(make(QStringLiteral("addToDisplayedTags:"), QStringLiteral("EditorRawAddToDisplayedTags"),
                              [this] { addToDisplayedTags(); }));
    exportMenu_ = std::make_unique<QMenu>();
    exportMenu_->addAction(make(QStringLiteral("exportTableToTXT:"), QStringLiteral("EditorRawExportTableToTXT"),
                                [this] { exportTable(ExportFormat::txt); }));
    exportMenu_->addAction(make(QStringLiteral("exportTableToRTF:"), QStringLiteral("EditorRawExportTableToRTF"),
                                [this] { exportTable(ExportFormat::rtf); }));
    exportMenu_->addAction(make(QStringLiteral("exportTableToCSV:"), QStringLiteral("EditorRawExportTableToCSV"),
                                [this] { exportTable(ExportFormat::csv); }));
    for (QMenu* menu : {tagsMenu_.get(), exportMenu_.get()})
        connect(menu, &QMenu::aboutToShow, this, [this] { refreshActions(); });
}

void EditorRawViewController::refreshActions()
{
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it)
        it.value()->setEnabled(validateUserInterfaceItem(it.key()));
}

void EditorRawViewController::setupViews()
{
    view();
    makeActions();
    model_ = new EditorRawTableModel(&dataSource_, this);
    groupCell_ = new InspectorGroupTableCellView(this);
    valueCell_ = new InspectorValueTableCellView(this);
    QTableView* table = ui_->tableView;
    table->setModel(model_);
    table->setItemDelegate(valueCell_);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setMinimumSectionSize(1);
    table->horizontalHeader()->setMinimumSectionSize(minimumColumnWidth(1));
    table->horizontalHeader()->setMaximumSectionSize(100000);
    table->horizontalHeader()->setSectionsMovable(false);
    ui_->tableView->setRightClickDelegate(this);
    ui_->tableView->setMenu(tagsMenu_.get());
    connect(table->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int newWidth) { columnDidResize(column, newWidth); });
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateInterface(); });

    if (searchField_)
        searchField_->clear();
    dataSource_.setSearch(QString());
    ui_->tableView->hide();
    ui_->placeholderView->hide();
    ui_->progressView->show();
    ui_->progressIndicator->startAnimation();
    QPointer<EditorRawViewController> weakSelf(this);
    reloadDataSource([weakSelf] {
        if (!weakSelf)
            return;
        weakSelf->updateInterface();
        weakSelf->updateColumns();
    });
}

void EditorRawViewController::reloadDataSource(std::function<void()> completion)
{
    if (isLoadingDataSource_)
        return;
    QList<std::pair<QString, halvex::TagStorage>> pairs;
    if (const MetadataFileList* list = editorWindowController() ? metadataFileList() : nullptr) {
        for (const std::shared_ptr<halvex::TagEditor>& editor : list->selectedEditors())
            pairs.append({editor->fileName(), editor->storage()});
    }
    isLoadingDataSource_ = true;
    updateInterface();
    QPointer<EditorRawViewController> weakSelf(this);
    QThreadPool::globalInstance()->start([weakSelf, pairs, completion] {
        QList<std::shared_ptr<const halvex::TagComparatorProvider>> providers;
        for (const auto& [fileName, storage] : pairs)
            providers.append(std::make_shared<const halvex::TagStorageValueProvider>(fileName, storage));
        auto table = std::make_shared<const halvex::TagComparatorTable>(providers, true);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [weakSelf, table, completion] {
                if (!weakSelf)
                    return;
                weakSelf->installTable(table);
                if (completion)
                    completion();
            },
            Qt::QueuedConnection);
    });
}

void EditorRawViewController::installTable(std::shared_ptr<const halvex::TagComparatorTable> table)
{
    dataSource_.setTable(std::move(table));
    isLoadingDataSource_ = false;
    updateInterface();
}

void EditorRawViewController::updateInterface()
{
    if (ui_) {
        const bool empty = dataSource_.isEmpty();
        ui_->tableView->setVisible(!isLoadingDataSource_ && !empty);
        ui_->placeholderView->setVisible(!isLoadingDataSource_ && empty);
        ui_->progressView->setVisible(isLoadingDataSource_);
        if (isLoadingDataSource_)
            ui_->progressIndicator->startAnimation();
        else
            ui_->progressIndicator->stopAnimation();
        refreshActions();
    }
    EditorViewController::updateInterface();
}

void EditorRawViewController::updateColumns()
{
    if (!ui_)
        return;
    isUpdatingColumns_ = true;
    QTableView* table = ui_->tableView;
    model_->reload();
    for (int row : std::as_const(headingRows_))
        table->setItemDelegateForRow(row, nullptr);
    headingRows_.clear();
    table->clearSpans();
    const int columns = dataSource_.numberOfColumns();
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (!model_->isHeading(row))
            continue;
        headingRows_ << row;
        table->setItemDelegateForRow(row, groupCell_);
        if (columns > 1)
            table->setSpan(row, 0, 1, columns);
    }
    if (columns > 0) {
        const double share = double(table->width() - reservedWidth) / columns;
        const int width = share <= wideColumnWidth && columns > 2 ? wideColumnWidth : int(share);
        for (int column = 0; column < columns; ++column)
            table->setColumnWidth(column, std::max(width, minimumColumnWidth(column)));
    }
    updateRowHeights();
    isUpdatingColumns_ = false;
    updateInterface();
}

void EditorRawViewController::columnDidResize(int column, int newWidth)
{
    if (isUpdatingColumns_)
        return;
    if (newWidth < minimumColumnWidth(column)) {
        ui_->tableView->setColumnWidth(column, minimumColumnWidth(column));
        return;
    }
    updateRowHeights();
}

void EditorRawViewController::updateRowHeights()
{
    QTableView* table = ui_->tableView;
    for (int row = 0; row < model_->rowCount(); ++row)
        table->setRowHeight(row, heightOfRow(row));
}

int EditorRawViewController::heightOfRow(int row) const
{
    if (row < 0 || row >= dataSource_.numberOfRows())
        return InspectorValueTableCellView::minimumRowHeight;
    const halvex::TagComparatorRow content = dataSource_.row(row);
    if (content.isHeading())
        return InspectorGroupTableCellView::rowHeight;
    int height = InspectorValueTableCellView::minimumRowHeight;
    const QFont font = ui_ ? ui_->tableView->font() : QFont();
    for (int column = 0; column < dataSource_.numberOfColumns(); ++column) {
        const int width = ui_ ? ui_->tableView->columnWidth(column) : minimumColumnWidth(column);
        height = std::max(height, InspectorValueTableCellView::heightNeeded(
                                      content.entry().search(column, dataSource_.search(), false), width, font));
    }
    return height;
}

// --- Toolbar and touch bar

void EditorRawViewController::addToolbarItems()
{
    QPointer<EditorRawViewController> weakSelf(this);
    toolbarItemSet().addItem(
        QString(), false, QString(),
        [weakSelf] {
            auto* container = new QWidget;
            auto* layout = new QHBoxLayout(container);
            layout->setContentsMargins(1, 1, 1, 1);
            auto* button = new QToolButton(container);
            button->setObjectName(QStringLiteral("goBackButton"));
            button->setAutoRaise(true);
            button->setIcon(brisa::SymbolIcons::icon(QStringLiteral("chevron.left")));
            button->setText(localizedString(QStringLiteral("EditorWindowToolbarGoBackTitle")));
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            QFont font = button->font();
            font.setWeight(QFont::Medium);
            button->setFont(font);
            layout->addWidget(button);
            QObject::connect(button, &QToolButton::clicked, button, [weakSelf] {
                if (weakSelf && weakSelf->editorWindowController())
                    weakSelf->editorWindowController()->performCommand(QStringLiteral("uninspectSelectedFiles:"), nullptr);
            });
            return container;
        },
        [weakSelf](brisa::DynamicToolbarItem& item, QWidget*) {
            EditorWindowHost* window = weakSelf ? weakSelf->editorWindowController() : nullptr;
            item.setEnabled(window && window->contentSection() == EditorContentSection::raw);
        });
    addFlexibleSpaceToolbarItem();
    brisa::DynamicToolbarItem& search = toolbarItemSet().addItem(
        brisa::DynamicToolbarItemContainer::SearchFieldSettings{
            localizedString(QStringLiteral("EditorWindowToolbarSearchValue")),
            localizedString(QStringLiteral("EditorWindowSearchValueTooltip")),
            [weakSelf](const QString& text) {
                if (weakSelf)
                    weakSelf->searchValue(text);
            }},
        [weakSelf](brisa::DynamicToolbarItem& item, QWidget*) {
            item.setEnabled(weakSelf && weakSelf->validateUserInterfaceItem(QStringLiteral("searchValue:")));
        });
    searchField_ = search.view() ? search.view()->findChild<QLineEdit*>() : nullptr;
    if (!searchField_)
        searchField_ = qobject_cast<QLineEdit*>(search.view());
    if (searchField_)
        searchField_->setObjectName(QStringLiteral("rawSearchField"));
    addTasksToolbarItem();
    addFlexibleSpaceToolbarItem();
    addMenuToolbarItem(QStringLiteral("EditorWindowToolbarTags"), QStringLiteral("tag"), tagsMenu_.get());
    addMenuToolbarItem(QStringLiteral("EditorWindowToolbarExport"), QStringLiteral("arrowshape.turn.up.right"),
                       exportMenu_.get());
    addHelpToolbarItem();
}

void EditorRawViewController::addTouchBarItems()
{
    QPointer<EditorRawViewController> weakSelf(this);
    brisa::DynamicTouchBarItemSet& items = dynamicTouchBar().addItemSet({});
    const auto addButton = [&items, weakSelf](const QString& symbol, const QString& command) {
        items.addItem(
            [weakSelf, symbol, command](brisa::DynamicTouchBarItemButtonSettings& settings) {
                settings.symbolName = symbol;
                settings.action = [weakSelf, command] {
                    if (weakSelf)
                        weakSelf->action(command)->trigger();
                };
            },
            [weakSelf, command](brisa::DynamicTouchBarItem& item) {
                item.setEnabled(weakSelf && weakSelf->validateUserInterfaceItem(command));
            });
    };
    addButton(QStringLiteral("chevron.backward"), QStringLiteral("goBack:"));
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    addButton(QStringLiteral("magnifyingglass"), QStringLiteral("focusSearchField:"));
}

// --- Validation

QList<int> EditorRawViewController::selectedRows() const
{
    QList<int> rows;
    if (!ui_ || !ui_->tableView->selectionModel())
        return rows;
    for (const QModelIndex& index : ui_->tableView->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool EditorRawViewController::hasSelectedTagRow() const
{
    const QList<int> rows = selectedRows();
    return std::any_of(rows.begin(), rows.end(), [this](int row) { return !model_->isHeading(row); });
}

bool EditorRawViewController::validateUserInterfaceItem(const QString& action) const
{
    if (action == QLatin1String("searchValue:"))
        return dataSource_.table() && !dataSource_.table()->disablesSearch();
    if (action == QLatin1String("goBack:"))
        return true;
    if (action == QLatin1String("focusSearchField:") || action == QLatin1String("copyTagsNames:"))
        return hasSelectedTagRow();
    if (action == QLatin1String("exportTableToTXT:") || action == QLatin1String("exportTableToRTF:")
        || action == QLatin1String("exportTableToCSV:"))
        return !dataSource_.isEmpty();
    if (action == QLatin1String("addToDisplayedTags:"))
        return !selectedRows().isEmpty();
    return EditorViewController::validateUserInterfaceItem(action);
}

// --- Actions

void EditorRawViewController::searchValue(const QString& text)
{
    if (!validateUserInterfaceItem(QStringLiteral("searchValue:")))
        return;
    dataSource_.setSearch(text);
    updateColumns();
    updateInterface();
}

void EditorRawViewController::goBack()
{
    if (EditorWindowController* window = windowController())
        window->setContentSection(window->preferredSection());
}

void EditorRawViewController::focusSearchField()
{
    if (hasSelectedTagRow() && searchField_ && window()) {
        searchField_->setFocus(Qt::ShortcutFocusReason);
        searchField_->selectAll();
    }
}

void EditorRawViewController::exportTable(ExportFormat format)
{
    QWidget* host = window();
    if (!host || !brisa::SheetPresenter::canHostSheet(this))
        return;
    std::shared_ptr<const halvex::TagComparatorTable> table = dataSource_.exportTable();
    if (!table)
        return;
    const QString extension = fileExtension(format);
    QFileDialog* panel = FileDialogSheet::makePanel(host, QStringLiteral("rawExportPanel"),
                                                    QStringLiteral("ExportPanelExportButtonTitle"));
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setFileMode(QFileDialog::AnyFile);
    panel->setNameFilter(QStringLiteral("*.") + extension);
    panel->setDefaultSuffix(extension);
    QPointer<EditorRawViewController> weakSelf(this);
    FileDialogSheet::present(host, panel, [weakSelf, table, format](const QUrl& url) {
        const halvex::TagComparatorExporter exporter(table);
        const QString path = url.toLocalFile();
        try {
            switch (format) {
            case ExportFormat::txt: exporter.exportAsTXT(path); break;
            case ExportFormat::rtf: exporter.exportAsRTF(path); break;
            case ExportFormat::csv: exporter.exportAsCSV(path); break;
            }
        } catch (const halvex::LibraryError& error) {
            if (weakSelf)
                weakSelf->showExportError(libraryErrorText(error));
        }
    });
}

void EditorRawViewController::showExportError(const QString& reason)
{
    TagSetCommitAlert::showFailure(QStringLiteral("EditorInspectExportDidFail"), reason, window());
}

void EditorRawViewController::copyTagsNames()
{
    QStringList names;
    for (int row : selectedRows()) {
        if (!model_->isHeading(row))
            names << dataSource_.row(row).entry().tagName().rawValue();
    }
    if (names.isEmpty())
        return;
    const QString text = names.join(QStringLiteral(", "));
    halvex::TagPasteboard::shared().setText(text);
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(text);
}

void EditorRawViewController::addToDisplayedTags()
{
    QList<halvex::TagSet::FlatEntry> entries;
    for (int row : selectedRows()) {
        if (!model_->isHeading(row))
            entries << halvex::TagSet::FlatEntry(dataSource_.row(row).entry().tagName());
    }
    if (entries.isEmpty())
        return;
    halvex::TagSetManager& manager = halvex::TagSetManager::shared();
    const auto domain = halvex::TagSetManager::Domain::chosen;
    manager.insert(domain, entries, manager.tagSet(domain).count());
    if (!TagSetCommitAlert::commit(manager, domain, window()))
        return;
    if (EditorWindowController* controller = windowController())
        controller->showTagAddedOverlay();
}

// --- Right clicks

bool EditorRawViewController::shouldRightClickRow(QAbstractItemView*, const QModelIndex& row)
{
    return !model_->isHeading(row.row());
}

void EditorRawViewController::willDisplayMenu(QAbstractItemView*, QMenu*)
{
    refreshActions();
}

} // namespace corvelle
