#include "presets/PresetEditionsViewController.h"

#include "engine/halvex/libraries/PresetManager.h"
#include "presets/PresetEditionsModel.h"
#include "presets/PresetManagerWindowController.h"
#include "tags/ContentHeaderTableCellView.h"
#include "tags/ContentTableRowView.h"
#include "tags/ContentTableViewStyle.h"
#include "tags/ContentValueTableCellView.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"
#include "widgets/controls/RightClickTableView.h"

#include "ui_PresetEditionsView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace corvelle {

PresetEditionsViewController::PresetEditionsViewController(halvex::PresetManager& manager,
                                                           PresetManagerWindowController& windowController,
                                                           QWidget* parent)
    : ViewController(parent)
    , manager_(manager)
    , windowController_(windowController)
    , ui_(std::make_unique<Ui::PresetEditionsView>())
    , model_(new PresetEditionsModel(manager, this))
    , entriesMoreMenu_(new QMenu(this))
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    ui_->placeholderView->setForegroundRole(QPalette::PlaceholderText);
    ui_->placeholderView->setAttribute(Qt::WA_TransparentForMouseEvents);

    RightClickTableView* table = ui_->tableView;
    auto* rowView = new ContentTableRowView(this);
    rowView->registerCell(new ContentHeaderTableCellView(this));
    rowView->registerCell(new ContentValueTableCellView(this));
    table->setModel(model_);
    table->setItemDelegate(rowView);
    table->setStyle(new ContentTableViewStyle(this));
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setFocusPolicy(Qt::StrongFocus);
    table->setDropIndicatorShown(true);
    table->setRightClickDelegate(this);
    table->setMenu(entriesMoreMenu_);
    table->installEventFilter(this);

    const QList<std::pair<QString, QString>> commands{
        {QStringLiteral("createPresetItem:"), QStringLiteral("PresetManagerCreatePresetMenuItem")},
        {QStringLiteral("createPresetEdition:"), QStringLiteral("PresetManagerCreateEditionMenuItem")},
        {QStringLiteral("editSelectedEntries:"), QStringLiteral("PresetManagerEditEntryMenuItem")},
        {QStringLiteral("deleteSelectedEntries:"), QStringLiteral("PresetManagerDeleteEntriesMenuItem")},
    };
    for (const auto& [name, key] : commands) {
        auto* item = new QAction(localizedString(key), this);
        item->setObjectName(name);
        actions_.insert(name, item);
        entriesMoreMenu_->addAction(item);
    }
    connect(actions_[QStringLiteral("createPresetItem:")], &QAction::triggered, this, [this] {
        if (model_->selectedGroup())
            windowController_.performCommand(QStringLiteral("createPreset:"));
    });
    connect(actions_[QStringLiteral("createPresetEdition:")], &QAction::triggered, this, [this] {
        if (model_->selectedPreset())
            windowController_.editEntry(std::nullopt);
    });
    connect(actions_[QStringLiteral("editSelectedEntries:")], &QAction::triggered, this,
            &PresetEditionsViewController::editSelectedEntries);
    connect(actions_[QStringLiteral("deleteSelectedEntries:")], &QAction::triggered, this,
            &PresetEditionsViewController::deleteSelectedEntries);
    connect(ui_->addPresetButton, &QPushButton::clicked, actions_[QStringLiteral("createPresetItem:")], &QAction::trigger);
    connect(ui_->addEditionButton, &QPushButton::clicked, actions_[QStringLiteral("createPresetEdition:")], &QAction::trigger);
    connect(table, &QAbstractItemView::doubleClicked, this, &PresetEditionsViewController::editSelectedEntries);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        updateInterface();
        windowController_.updateInterface();
    });
    connect(model_, &PresetEditionsModel::modelReset, this, [this] {
        updateInterface();
        windowController_.updateInterface();
    });
    // A drop reorders the entries: the library is saved as after any change.
    connect(model_, &PresetEditionsModel::movedEntries, this, [this] { windowController_.saveLibrary(); });
    updateInterface();
}

PresetEditionsViewController::~PresetEditionsViewController()
{
    ui_->tableView->setRightClickDelegate(nullptr);
}

RightClickTableView* PresetEditionsViewController::tableView() const
{
    return ui_->tableView;
}

QWidget* PresetEditionsViewController::placeholderView() const
{
    return ui_->placeholderView;
}

int PresetEditionsViewController::firstSelectedRow() const
{
    int first = -1;
    for (const QModelIndex& index : ui_->tableView->selectionModel()->selectedRows()) {
        if (first < 0 || index.row() < first)
            first = index.row();
    }
    return first;
}

bool PresetEditionsViewController::canEditSelectedEntries() const
{
    return model_->selectedItem() && firstSelectedRow() >= 0;
}

bool PresetEditionsViewController::canDeleteSelectedEntries() const
{
    return model_->selectedPreset() && firstSelectedRow() >= PresetEditionsModel::firstEntryRow;
}

void PresetEditionsViewController::updateInterface()
{
    const bool shows = model_->selectedItem() != nullptr;
    ui_->placeholderView->setVisible(!shows);
    ui_->contentView->setVisible(shows);
    ui_->addPresetButton->setVisible(model_->selectedGroup());
    ui_->addPresetButton->setEnabled(model_->selectedGroup());
    ui_->addEditionButton->setVisible(model_->selectedPreset());
    ui_->addEditionButton->setEnabled(model_->selectedPreset());
    actions_[QStringLiteral("createPresetItem:")]->setEnabled(model_->selectedGroup());
    actions_[QStringLiteral("createPresetEdition:")]->setEnabled(model_->selectedPreset());
    actions_[QStringLiteral("editSelectedEntries:")]->setEnabled(canEditSelectedEntries());
    actions_[QStringLiteral("deleteSelectedEntries:")]->setEnabled(canDeleteSelectedEntries());
    actions_[QStringLiteral("deleteSelectedEntries:")]->setVisible(canDeleteSelectedEntries());
}

void PresetEditionsViewController::editRow(int row)
{
    const QList<PresetEditableProperty> rows = model_->rows();
    if (row < 0 || row >= rows.size())
        return;
    const PresetEditableProperty property = rows.at(row);
    // After the event that asked for it: the sheet opens once the key or click is handled.
    QTimer::singleShot(0, this, [this, property, row] {
        if (property.kind() == PresetEditableProperty::Kind::editionEntry)
            windowController_.editEntry(row - PresetEditionsModel::firstEntryRow);
        else
            windowController_.editProperty(property);
    });
}

void PresetEditionsViewController::editSelectedEntries()
{
    if (canEditSelectedEntries())
        editRow(firstSelectedRow());
}

void PresetEditionsViewController::deleteSelectedEntries()
{
    halvex::PresetItem* preset = model_->selectedPreset();
    if (!canDeleteSelectedEntries() || !preset)
        return;
    brisa::IndexSet entries;
    for (const QModelIndex& index : ui_->tableView->selectionModel()->selectedRows()) {
        if (index.row() >= PresetEditionsModel::firstEntryRow)
            entries.insert(index.row() - PresetEditionsModel::firstEntryRow);
    }
    preset->removeEntries(entries);
    windowController_.saveLibrary();
}

bool PresetEditionsViewController::shouldRightClickRow(QAbstractItemView*, const QModelIndex&)
{
    return true;
}

void PresetEditionsViewController::willDisplayMenu(QAbstractItemView*, QMenu*)
{
    updateInterface();
}

bool PresetEditionsViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_->tableView && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Right:
            editSelectedEntries();
            return true;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            deleteSelectedEntries();
            return true;
        default:
            break;
        }
    }
    return ViewController::eventFilter(watched, event);
}

} // namespace corvelle
