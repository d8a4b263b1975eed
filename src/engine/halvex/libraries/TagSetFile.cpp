#include "engine/halvex/libraries/TagSetFile.h"

#include "engine/halvex/libraries/LibraryFile.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace halvex {

TagSetFile TagSetFile::from(const QString& jsonPath)
{
    const QByteArray bytes = LibraryFile::readFile(jsonPath);
    QJsonValue json;
    try {
        json = brisa::parseJson(bytes);
    } catch (const brisa::DecodingError&) {
        throw LibraryError(QStringLiteral("TagSetFileJSONError"), {jsonPath});
    }
    try {
        return TagSetFile(brisa::JsonCoding<TagSet>::decode(json, {}));
    } catch (const brisa::DecodingError& error) {
        throw LibraryFile::contentError(QStringLiteral("TagSetFile"), jsonPath, error);
    }
}

void TagSetFile::write(const QString& path) const
{
    const QJsonDocument document(brisa::JsonCoding<TagSet>::encode(tagSet_).toObject());
    LibraryFile::writeFile(path, document.toJson(QJsonDocument::Indented));
}

} // namespace halvex
