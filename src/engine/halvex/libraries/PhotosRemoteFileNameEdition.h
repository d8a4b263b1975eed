#pragma once

#include "platform/brisa/core/JsonCoding.h"

#include <QString>

namespace halvex {

// How a remote profile sets the file name of each photo: it keeps the photo's current name,
// or gives a custom name (an empty one erases the name). A profile without a file-name edition
// holds none of these.
class PhotosRemoteFileNameEdition {
public:
    enum class Kind { keepCurrentName, customName };

    static PhotosRemoteFileNameEdition keepCurrentName();
    static PhotosRemoteFileNameEdition customName(const QString& name);

    Kind kind() const { return kind_; }
    // The custom name; empty when the current name is kept.
    const QString& name() const { return name_; }

    friend bool operator==(const PhotosRemoteFileNameEdition&, const PhotosRemoteFileNameEdition&) = default;

private:
    PhotosRemoteFileNameEdition(Kind kind, const QString& name) : kind_(kind), name_(name) {}

    Kind kind_;
    QString name_;
};

} // namespace halvex

// The stored form: {"keepCurrentName": {}} or {"customName": {"_0": "…"}}.
template<>
struct brisa::JsonCoding<halvex::PhotosRemoteFileNameEdition> {
    static QJsonValue encode(const halvex::PhotosRemoteFileNameEdition& edition);
    static halvex::PhotosRemoteFileNameEdition decode(const QJsonValue& json, const QStringList& codingPath);
};
