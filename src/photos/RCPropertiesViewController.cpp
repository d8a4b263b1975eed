#include "photos/RCPropertiesViewController.h"

#include "photos/RCPropertyListModel.h"
#include "photos/RCWindowController.h"
#include "tags/ContentHeaderTableCellView.h"
#include "tags/ContentTableRowView.h"
#include "tags/ContentTableViewStyle.h"
#include "tags/ContentValueTableCellView.h"
#include "widgets/FormTexts.h"

#include "ui_RCPropertiesView.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace corvelle {

namespace {

constexpr int headerRowHeight = 38;

} // namespace

RCPropertiesViewController::RCPropertiesViewController(RCWindowController& windowController,
                                                       halvex::PhotosRemoteManager& manager, QWidget* parent)
    : QWidget(parent)
    , windowController_(windowController)
    , manager_(manager)
    , ui_(std::make_unique<Ui::RCPropertiesView>())
    , model_(new RCPropertyListModel(this))
    , rowView_(new ContentTableRowView(this))
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    ui_->placeholderView->setForegroundRole(QPalette::PlaceholderText);
    QTableView* table = ui_->tableView;
    rowView_->registerCell(new ContentHeaderTableCellView(rowView_));
    rowView_->registerCell(new ContentValueTableCellView(rowView_));
    table->setModel(model_);
    table->setItemDelegate(rowView_);
    table->setStyle(new ContentTableViewStyle(this));
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setMinimumSectionSize(0);
    table->setContentsMargins(4, 0, 4, 0);
    table->installEventFilter(this);
    connect(table, &QTableView::doubleClicked, this, [this] { editSelectedProperty(); });
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { windowController_.updateInterface(); });
    connect(ui_->applyChangesButton, &QPushButton::clicked, this,
            [this] { windowController_.performCommand(QStringLiteral("applyProfile:")); });

    managerSubscriber_.subscribe(halvex::PhotosRemoteManager::didChangeProfilesNotification, &manager_,
                                 [this](const brisa::Notification&) { pickProfile(); });
    const auto refresh = [this](const brisa::Notification& note) {
        if (note.object && note.object == model_->profile().get()) {
            model_->reloadValues();
            resizeRowHeights();
            updateInterface();
        }
    };
    infoSubscriber_.subscribe(halvex::PhotosRemoteProfile::didChangeInfoNotification, nullptr, refresh);
    valuesSubscriber_.subscribe(halvex::PhotosRemoteProfile::didChangeValuesNotification, nullptr, refresh);
    model_->setProfile(manager_.selectedProfiles().value(0));
    resizeRowHeights();
    updateInterface();
}

RCPropertiesViewController::~RCPropertiesViewController() = default;

QTableView* RCPropertiesViewController::tableView() const
{
    return ui_->tableView;
}

QPushButton* RCPropertiesViewController::applyChangesButton() const
{
    return ui_->applyChangesButton;
}

QWidget* RCPropertiesViewController::placeholderView() const
{
    return ui_->placeholderView;
}

const halvex::PhotosRemoteProfilePtr& RCPropertiesViewController::profile() const
{
    return model_->profile();
}

bool RCPropertiesViewController::canApplyChanges() const
{
    return profile() && !profile()->hasNoEdition();
}

bool RCPropertiesViewController::canEditProperty() const
{
    return selectedProperty().has_value();
}

std::optional<RCProfileEditableProperty> RCPropertiesViewController::selectedProperty() const
{
    if (!profile())
        return std::nullopt;
    const QModelIndexList rows = ui_->tableView->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    const RCProfileEditableProperty property = RCPropertyListModel::property(rows.first().row());
    if (RCProfileEditableProperties::isHeader(property))
        return std::nullopt;
    return property;
}

void RCPropertiesViewController::editSelectedProperty()
{
    if (const std::optional<RCProfileEditableProperty> property = selectedProperty()) {
        // After the click or key that asked for it is done with.
        QMetaObject::invokeMethod(
            this, [this, property = *property] { windowController_.editProperty(property); }, Qt::QueuedConnection);
    }
}

void RCPropertiesViewController::updateInterface()
{
    const bool shown = profile() != nullptr;
    ui_->placeholderView->setVisible(!shown);
    ui_->contentView->setVisible(shown);
    ui_->applyChangesButton->setEnabled(canApplyChanges() && windowController_.isIdle());
}

void RCPropertiesViewController::pickProfile()
{
    const halvex::PhotosRemoteProfilePtr selected = manager_.selectedProfiles().value(0);
    if (selected == profile())
        return;
    model_->setProfile(selected);
    resizeRowHeights();
    updateInterface();
}

void RCPropertiesViewController::resizeRowHeights()
{
    QTableView* table = ui_->tableView;
    const qreal width = table->columnWidth(0) > 0 ? table->columnWidth(0) : table->viewport()->width();
    for (int row = 0; row < model_->rowCount(); ++row) {
        const QModelIndex index = model_->index(row);
        const int height = RCProfileEditableProperties::isHeader(RCPropertyListModel::property(row))
                               ? headerRowHeight
                               : int(ContentValueTableCellView::heightForObjectValue(
                                   index.data(ContentItemTableCellView::objectValueRole), width));
        table->verticalHeader()->resizeSection(row, height);
    }
}

void RCPropertiesViewController::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    resizeRowHeights();
}

bool RCPropertiesViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_->tableView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Right) {
            editSelectedProperty();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace corvelle
