#pragma once

#include "engine/halvex/libraries/PhotosRemoteProfile.h"

namespace halvex {

// A remote-profile file ("rcprofiles"): profiles to exchange between libraries. Indented JSON,
//
//   {"format": "Corvelle remote profiles", "profiles": [ {…}, … ]}
//
// each profile in its stored form (see PhotosRemoteProfile). The format marker keeps other
// JSON files, the library file included, from being taken for profiles.
class PhotosRemoteProfileFile {
public:
    static const QString fileExtension;
    static const QString format;

    explicit PhotosRemoteProfileFile(const QList<PhotosRemoteProfilePtr>& profiles);

    // The profiles of the file, as new profiles. Throws LibraryError naming the file and what
    // is wrong with it: cannot be read, not JSON, not a remote-profile file, a value of the
    // wrong kind (with where it is).
    static PhotosRemoteProfileFile from(const QString& jsonPath);

    const QList<PhotosRemoteProfilePtr>& profiles() const { return profiles_; }

    // Replaces the file only once the new one is completely written, so a failure (LibraryError
    // naming the file and the reason) leaves an existing file as it was.
    void exportTo(const QString& path) const;

private:
    QList<PhotosRemoteProfilePtr> profiles_;
};

} // namespace halvex

template<>
struct brisa::JsonCoding<halvex::PhotosRemoteProfileFile> {
    static QJsonValue encode(const halvex::PhotosRemoteProfileFile& file);
    static halvex::PhotosRemoteProfileFile decode(const QJsonValue& json, const QStringList& codingPath);
};
