#include "presets/PresetEditionsModel.h"

#include "editing/EditionKindTraits.h"
#include "filemodel/FileRowDragData.h"
#include "platform/brisa/core/ArrayHelpers.h"
#include "platform/brisa/core/StringHelpers.h"
#include "tags/ContentHeaderTableCellView.h"
#include "tags/ContentTableRowView.h"
#include "tags/ContentValueTableCellView.h"
#include "widgets/TextLocalizer.h"

#include <QMimeData>

namespace corvelle {

using Kind = PresetEditableProperty::Kind;

namespace {

QString headerKey(Kind kind)
{
    switch (kind) {
    case Kind::groupHeader:
        return QStringLiteral("PresetManagerGroupHeaderInformation");
    case Kind::presetHeader:
        return QStringLiteral("PresetManagerPresetHeaderInformation");
    default:
        return QStringLiteral("PresetManagerPresetHeaderEdits");
    }
}

} // namespace

PresetEditionsModel::PresetEditionsModel(halvex::PresetManager& manager, QObject* parent)
    : QAbstractListModel(parent), manager_(manager)
{
    selectedItem_ = manager_.selectedObjects().value(0);
    rowCount_ = int(rows().size());
    groupsSubscriber_.subscribe(halvex::PresetManager::didChangeGroupsNotification, &manager_,
                                [this](const brisa::Notification&) { selectionMayHaveChanged(); });
    const auto infoChanged = [this](const brisa::Notification& note) {
        if (!selectedItem_ || note.object != static_cast<const void*>(selectedItem_.get()) || rowCount_ < 3)
            return;
        Q_EMIT dataChanged(index(1), index(2));
    };
    groupInfoSubscriber_.subscribe(halvex::PresetGroup::didChangeInfoNotification, nullptr, infoChanged);
    presetInfoSubscriber_.subscribe(halvex::PresetItem::didChangeInfoNotification, nullptr, infoChanged);
    entriesSubscriber_.subscribe(halvex::PresetItem::didChangeEntriesNotification, nullptr, [this](const brisa::Notification& note) {
        if (selectedItem_ && note.object == static_cast<const void*>(selectedItem_.get()))
            reload();
    });
}

PresetEditionsModel::~PresetEditionsModel() = default;

QString PresetEditionsModel::dragType()
{
    static const QString type = FileRowDragData::privateType(QStringLiteral("private.editionsTableViewRow"));
    return type;
}

halvex::PresetGroup* PresetEditionsModel::selectedGroup() const
{
    return dynamic_cast<halvex::PresetGroup*>(selectedItem_.get());
}

halvex::PresetItem* PresetEditionsModel::selectedPreset() const
{
    return dynamic_cast<halvex::PresetItem*>(selectedItem_.get());
}

void PresetEditionsModel::selectionMayHaveChanged()
{
    const halvex::EquatableObjectPtr first = manager_.selectedObjects().value(0);
    if (first == selectedItem_)
        return;
    selectedItem_ = first;
    reload();
    Q_EMIT selectedItemChanged();
}

void PresetEditionsModel::reload()
{
    beginResetModel();
    rowCount_ = int(rows().size());
    endResetModel();
}

QList<PresetEditableProperty> PresetEditionsModel::rows() const
{
    if (selectedGroup())
        return PresetEditableProperty::groupProperties();
    const halvex::PresetItem* preset = selectedPreset();
    if (!preset)
        return {};
    QList<PresetEditableProperty> rows = PresetEditableProperty::presetProperties();
    if (preset->entries().isEmpty())
        return rows;
    rows.append(Kind::editionHeader);
    for (const halvex::PresetItem::Entry& entry : preset->entries())
        rows.append(PresetEditableProperty::editionEntry(entry));
    return rows;
}

std::optional<ContentValue> PresetEditionsModel::contentValue(int row) const
{
    const QList<PresetEditableProperty> rows = this->rows();
    if (row < 0 || row >= rows.size() || rows.at(row).isHeader())
        return std::nullopt;
    const PresetEditableProperty& property = rows.at(row);
    if (property.kind() == Kind::editionEntry) {
        const halvex::PresetItem::Entry& entry = *property.entry();
        // A tag the database does not know is still described, under its own name.
        const std::optional<ostrak::TagItem> item = entry.tagName.item();
        const ostrak::TagItem tagItem = item.value_or(ostrak::TagItem::fallback(entry.tagName));
        const PresetEditionRowValue rowValue{tagItem, entry.edition};
        if (!item)
            return GenericEditionViewController::presetEditionContentValue(rowValue);
        return EditionKindTraits::of(EditionKindTraits::editionViewControllerKind(tagItem))
            .presetEditionContentValue(rowValue);
    }
    const halvex::PresetLibraryObject* object = dynamic_cast<const halvex::PresetLibraryObject*>(selectedItem_.get());
    QString titleKey;
    QString fallbackKey;
    QString text;
    switch (property.kind()) {
    case Kind::groupName:
        titleKey = QStringLiteral("PresetManagerGroupName");
        fallbackKey = QStringLiteral("PresetItemUntitledName");
        text = object ? object->name() : QString();
        break;
    case Kind::groupDescription:
        titleKey = QStringLiteral("PresetManagerGroupDescription");
        fallbackKey = QStringLiteral("PresetManagerGroupNoDescription");
        text = object ? object->detail() : QString();
        break;
    case Kind::presetName:
        titleKey = QStringLiteral("PresetManagerPresetName");
        fallbackKey = QStringLiteral("PresetItemUntitledName");
        text = object ? object->name() : QString();
        break;
    default:
        titleKey = QStringLiteral("PresetManagerPresetDescription");
        fallbackKey = QStringLiteral("PresetManagerPresetNoDescription");
        text = object ? object->detail() : QString();
        break;
    }
    ContentValue value;
    value.title = localizedString(titleKey);
    if (brisa::nonBlank(text)) {
        value.item = ContentValue::Item::text(text);
    } else {
        value.item = ContentValue::Item::text(localizedString(fallbackKey));
        value.mode = ContentValue::Mode(ContentValue::Mode::dimmed | ContentValue::Mode::placeholder);
    }
    return value;
}

int PresetEditionsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rowCount_;
}

QVariant PresetEditionsModel::data(const QModelIndex& index, int role) const
{
    const QList<PresetEditableProperty> rows = this->rows();
    if (!index.isValid() || index.row() >= rows.size())
        return {};
    const PresetEditableProperty& property = rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        if (property.isHeader())
            return localizedString(headerKey(property.kind()));
        if (const std::optional<ContentValue> value = contentValue(index.row()))
            return QString(value->title + QStringLiteral(": ") + value->item.text());
        return {};
    case ContentItemTableCellView::objectValueRole:
        if (property.isHeader())
            return localizedString(headerKey(property.kind()));
        if (const std::optional<ContentValue> value = contentValue(index.row()))
            return QVariant::fromValue(*value);
        return {};
    case ContentTableRowView::cellIdentifierRole:
        return property.isHeader() ? ContentHeaderTableCellView::cellIdentifier() : ContentValueTableCellView::cellIdentifier();
    case ContentTableRowView::isHeaderRole:
        return property.isHeader();
    default:
        return {};
    }
}

Qt::ItemFlags PresetEditionsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    if (index.row() >= rowCount_)
        return Qt::NoItemFlags;
    if (index.row() == 0 || index.row() == 3)
        return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.row() >= firstEntryRow)
        flags |= Qt::ItemIsDragEnabled;
    return flags;
}

QStringList PresetEditionsModel::mimeTypes() const
{
    return {dragType()};
}

QMimeData* PresetEditionsModel::mimeData(const QModelIndexList& indexes) const
{
    brisa::IndexSet rows;
    for (const QModelIndex& index : indexes) {
        if (index.isValid() && index.row() >= firstEntryRow)
            rows.insert(index.row());
    }
    return rows.isEmpty() ? nullptr : FileRowDragData::make(dragType(), rows);
}

bool PresetEditionsModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                          const QModelIndex& parent) const
{
    // Between entry rows only: above an entry, or after the last one. A drop onto a row goes
    // above it.
    if (parent.isValid())
        row = parent.row();
    return action == Qt::MoveAction && row >= firstEntryRow && selectedPreset() && FileRowDragData::rows(data, dragType());
}

bool PresetEditionsModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                       const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    if (parent.isValid())
        row = parent.row();
    brisa::IndexSet entries;
    for (int dragged : FileRowDragData::rows(data, dragType())->toList()) {
        if (dragged >= firstEntryRow)
            entries.insert(dragged - firstEntryRow);
    }
    if (entries.isEmpty())
        return false;
    selectedPreset()->modifyEntries([&](QList<halvex::PresetItem::Entry>& list) {
        brisa::move(list, entries, row - firstEntryRow);
    });
    Q_EMIT movedEntries();
    return true;
}

} // namespace corvelle
