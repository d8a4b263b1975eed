#include "engine/halvex/libraries/PhotosRemoteProfileFile.h"

#include "engine/halvex/libraries/LibraryFile.h"
#include "platform/brisa/core/KeyedJson.h"

namespace halvex {

namespace {

const QString formatKey = QStringLiteral("format");
const QString profilesKey = QStringLiteral("profiles");

} // namespace

const QString PhotosRemoteProfileFile::fileExtension = QStringLiteral("rcprofiles");
const QString PhotosRemoteProfileFile::format = QStringLiteral("Corvelle remote profiles");

PhotosRemoteProfileFile::PhotosRemoteProfileFile(const QList<PhotosRemoteProfilePtr>& profiles)
    : profiles_(profiles)
{
}

PhotosRemoteProfileFile PhotosRemoteProfileFile::from(const QString& jsonPath)
{
    try {
        const std::optional<PhotosRemoteProfileFile> file = LibraryFile(jsonPath).load<PhotosRemoteProfileFile>();
        // Unlike a library, a file to import cannot be missing.
        if (!file)
            throw LibraryError(QStringLiteral("FileMissingError"), {jsonPath});
        return *file;
    } catch (const LibraryError& error) {
        throw error.after(QStringLiteral("RemoteProfileFileError"), {jsonPath});
    }
}

void PhotosRemoteProfileFile::exportTo(const QString& path) const
{
    LibraryFile(path).save(*this);
}

} // namespace halvex

using halvex::PhotosRemoteProfileFile;
using halvex::PhotosRemoteProfilePtr;

QJsonValue brisa::JsonCoding<PhotosRemoteProfileFile>::encode(const PhotosRemoteProfileFile& file)
{
    QJsonObject object;
    KeyedJson::encode(object, halvex::formatKey, PhotosRemoteProfileFile::format);
    KeyedJson::encode(object, halvex::profilesKey, file.profiles());
    return object;
}

PhotosRemoteProfileFile brisa::JsonCoding<PhotosRemoteProfileFile>::decode(const QJsonValue& json,
                                                                         const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    const QString format = object.decode<QString>(halvex::formatKey);
    if (format != PhotosRemoteProfileFile::format) {
        throw DecodingError(DecodingError::Kind::DataCorrupted, object.codingPath(halvex::formatKey),
                            QStringLiteral("Expected \"%1\" but found \"%2\" instead: this is not a remote "
                                           "profile file.")
                                .arg(PhotosRemoteProfileFile::format, format));
    }
    return PhotosRemoteProfileFile(object.decode<QList<PhotosRemoteProfilePtr>>(halvex::profilesKey));
}
