#include "photos/RCPropertyListModel.h"

#include "editing/ValueDisplayTexts.h"
#include "platform/brisa/core/UserDefaults.h"
#include "tags/ContentHeaderTableCellView.h"
#include "tags/ContentTableRowView.h"
#include "tags/ContentValueTableCellView.h"
#include "widgets/TextLocalizer.h"
#include "widgets/settings/GeneralSettings.h"

namespace corvelle {

using Property = RCProfileEditableProperty;
using Mode = ContentValue::Mode;

namespace {

constexpr int noEditionMode = Mode::placeholder | Mode::dimmed;

ContentValue textValue(const QString& text, int mode)
{
    ContentValue value;
    value.item = ContentValue::Item::text(text);
    value.mode = Mode(mode);
    return value;
}

ContentValue noEdition()
{
    return textValue(localizedString(QStringLiteral("RemotePropertyNoEdition")), noEditionMode);
}

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

QString dateText(const QDateTime& date)
{
    const brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
    return formatDateTime(date, DateTimeStyles{int(defaults.value(Settings::generalUserChoiceDateStyle())),
                                               int(defaults.value(Settings::generalUserChoiceTimeStyle()))});
}

ContentValue valueOf(Property property, const halvex::PhotosRemoteProfile* profile)
{
    switch (property) {
    case Property::profileName:
        if (profile && !isBlank(profile->name()))
            return textValue(profile->name(), 0);
        return textValue(localizedString(QStringLiteral("RemoteProfileUntitledConfiguration")), noEditionMode);
    case Property::profileDescription:
        if (profile && !isBlank(profile->description()))
            return textValue(profile->description(), 0);
        return textValue(localizedString(QStringLiteral("RemotePropertyNoDescription")), noEditionMode);
    case Property::imageFilename:
        if (!profile || !profile->fileNameEdition())
            return noEdition();
        if (profile->fileNameEdition()->kind() == halvex::PhotosRemoteFileNameEdition::Kind::keepCurrentName)
            return textValue(localizedString(QStringLiteral("RemotePropertyUseOriginalValue")), Mode::placeholder);
        if (isBlank(profile->fileNameEdition()->name()))
            return textValue(localizedString(QStringLiteral("RemotePropertyEraseFilenameValue")), Mode::placeholder);
        return textValue(profile->fileNameEdition()->name(), 0);
    case Property::imageDescription:
        if (!profile || !profile->photoDescriptionEdition())
            return noEdition();
        if (isBlank(*profile->photoDescriptionEdition()))
            return textValue(localizedString(QStringLiteral("RemotePropertyEraseDescriptionValue")), Mode::placeholder);
        return textValue(*profile->photoDescriptionEdition(), 0);
    case Property::imageDateTime:
        if (!profile || !profile->dateTimeEdition() || !profile->dateTimeEdition()->date())
            return noEdition();
        return textValue(dateText(*profile->dateTimeEdition()->date()), 0);
    case Property::imageKeywords: {
        if (!profile || !profile->keywordEdition())
            return noEdition();
        if (profile->keywordEdition()->isEmpty())
            return textValue(localizedString(QStringLiteral("RemotePropertyEraseKeywordsValue")), Mode::placeholder);
        ContentValue value;
        value.item = ContentValue::Item::words(std::nullopt, *profile->keywordEdition());
        return value;
    }
    case Property::imageLocation: {
        if (!profile || !profile->locationEdition())
            return noEdition();
        const halvex::Coordinate& coordinate = *profile->locationEdition();
        return textValue(localizedString(QStringLiteral("RemotePropertyLatitude")) + QStringLiteral(": ")
                             + QString::asprintf("%.6f", coordinate.latitude()) + QLatin1Char('\n')
                             + localizedString(QStringLiteral("RemotePropertyLongitude")) + QStringLiteral(": ")
                             + QString::asprintf("%.6f", coordinate.longitude()),
                         0);
    }
    case Property::profileHeader:
    case Property::imageHeader:
        break;
    }
    return {};
}

} // namespace

RCPropertyListModel::RCPropertyListModel(QObject* parent) : QAbstractListModel(parent)
{
}

void RCPropertyListModel::setProfile(const halvex::PhotosRemoteProfilePtr& profile)
{
    profile_ = profile;
    reloadValues();
}

void RCPropertyListModel::reloadValues()
{
    Q_EMIT dataChanged(index(0), index(rowCount() - 1));
}

Property RCPropertyListModel::property(int row)
{
    return RCProfileEditableProperties::allCases().value(row, Property::profileHeader);
}

ContentValue RCPropertyListModel::contentValue(Property property, const halvex::PhotosRemoteProfile* profile)
{
    ContentValue value = valueOf(property, profile);
    value.title = localizedString(RCProfileEditableProperties::titleKey(property));
    return value;
}

int RCPropertyListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(RCProfileEditableProperties::allCases().size());
}

QVariant RCPropertyListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Property row = property(index.row());
    const bool header = RCProfileEditableProperties::isHeader(row);
    switch (role) {
    case ContentItemTableCellView::objectValueRole:
        if (header)
            return localizedString(RCProfileEditableProperties::titleKey(row));
        return QVariant::fromValue(contentValue(row, profile_.get()));
    case ContentTableRowView::cellIdentifierRole:
        return header ? ContentHeaderTableCellView::cellIdentifier() : ContentValueTableCellView::cellIdentifier();
    case ContentTableRowView::isHeaderRole:
        return header;
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return localizedString(RCProfileEditableProperties::titleKey(row));
    default:
        return {};
    }
}

Qt::ItemFlags RCPropertyListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Only value rows can be selected.
    if (RCProfileEditableProperties::isHeader(property(index.row())))
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace corvelle
