#pragma once

#include <QString>
#include <QStringList>

namespace ostrak {

// One tag of one file as ExifTool printed it. Texts are kept exactly: "1.10", "007" and "True"
// stay as they are.
struct TagRecord {
    QString group;            // family 1 ("IFD0", "XMP-dc", "Keys", "Track1")
    int copy = 0;             // family 4 copy number, 0 for the first
    QString name;             // "Description"
    QString value;            // printed value; a list joined with ", "
    QString numericValue;     // value before print conversion; same as value when there is none
    QString description;      // "Date/Time Original"
    bool isBinary = false;    // "(Binary data N bytes, use -b option to extract)"
    qint64 binarySize = 0;
    bool isStructure = false; // an XMP structure, given in ExifTool's "{Field=value,...}" form
    QStringList values;       // list items (printed); empty for a single value
    QStringList numericValues;

    bool isList() const { return !values.isEmpty(); }
    // "Group:Name", "Group:CopyN:Name" for a copy.
    QString key() const;

    bool operator==(const TagRecord& other) const = default;
};

} // namespace ostrak
