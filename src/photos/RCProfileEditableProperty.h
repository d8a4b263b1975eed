#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace corvelle {

class RCEditPropertyWindowController;

// The rows of a remote profile's property list, in row order: two headings and the seven
// properties a sheet edits.
enum class RCProfileEditableProperty {
    profileHeader,
    profileName,
    profileDescription,
    imageHeader,
    imageFilename,
    imageDescription,
    imageDateTime,
    imageKeywords,
    imageLocation,
};

namespace RCProfileEditableProperties {

const QList<RCProfileEditableProperty>& allCases();
bool isHeader(RCProfileEditableProperty property);
// The row's title, or the heading's text.
QString titleKey(RCProfileEditableProperty property);
// A new sheet of the property; null for a heading.
RCEditPropertyWindowController* makeSheet(RCProfileEditableProperty property, QWidget* parent = nullptr);

} // namespace RCProfileEditableProperties

} // namespace corvelle
