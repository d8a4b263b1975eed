#include "photos/RCProfileEditableProperty.h"

#include "photos/RCEditImageDateTimeWindowController.h"
#include "photos/RCEditImageDescriptionWindowController.h"
#include "photos/RCEditImageFilenameWindowController.h"
#include "photos/RCEditImageKeywordsWindowController.h"
#include "photos/RCEditImageLocationWindowController.h"
#include "photos/RCEditProfileDescriptionWindowController.h"
#include "photos/RCEditProfileNameWindowController.h"

namespace corvelle {

using Property = RCProfileEditableProperty;

const QList<Property>& RCProfileEditableProperties::allCases()
{
    static const QList<Property> cases{Property::profileHeader,    Property::profileName,     Property::profileDescription,
                                       Property::imageHeader,      Property::imageFilename,   Property::imageDescription,
                                       Property::imageDateTime,    Property::imageKeywords,   Property::imageLocation};
    return cases;
}

bool RCProfileEditableProperties::isHeader(Property property)
{
    return property == Property::profileHeader || property == Property::imageHeader;
}

QString RCProfileEditableProperties::titleKey(Property property)
{
    switch (property) {
    case Property::profileHeader:
        return QStringLiteral("RemoteProfileHeaderInformation");
    case Property::profileName:
        return QStringLiteral("RemoteProfileProfileName");
    case Property::profileDescription:
        return QStringLiteral("RemoteProfileProfileDescription");
    case Property::imageHeader:
        return QStringLiteral("RemoteProfileHeaderProperties");
    case Property::imageFilename:
        return QStringLiteral("RemoteProfileFileFilename");
    case Property::imageDescription:
        return QStringLiteral("RemoteProfileFileDescription");
    case Property::imageDateTime:
        return QStringLiteral("RemoteProfileFileDateTime");
    case Property::imageKeywords:
        return QStringLiteral("RemoteProfileFileKeywords");
    case Property::imageLocation:
        return QStringLiteral("RemoteProfileFileLocation");
    }
    return {};
}

RCEditPropertyWindowController* RCProfileEditableProperties::makeSheet(Property property, QWidget* parent)
{
    switch (property) {
    case Property::profileName:
        return new RCEditProfileNameWindowController(parent);
    case Property::profileDescription:
        return new RCEditProfileDescriptionWindowController(parent);
    case Property::imageFilename:
        return new RCEditImageFilenameWindowController(parent);
    case Property::imageDescription:
        return new RCEditImageDescriptionWindowController(parent);
    case Property::imageDateTime:
        return new RCEditImageDateTimeWindowController(parent);
    case Property::imageKeywords:
        return new RCEditImageKeywordsWindowController(parent);
    case Property::imageLocation:
        return new RCEditImageLocationWindowController(parent);
    case Property::profileHeader:
    case Property::imageHeader:
        break;
    }
    return nullptr;
}

} // namespace corvelle
