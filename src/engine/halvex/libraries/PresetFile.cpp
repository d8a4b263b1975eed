#include "engine/halvex/libraries/PresetFile.h"

#include "engine/halvex/libraries/LibraryFile.h"
#include "platform/brisa/core/KeyedJson.h"

#include <QFileInfo>

namespace halvex {

namespace {

const QString formatKey = QStringLiteral("format");
const QString groupsKey = QStringLiteral("groups");
const QString presetKey = QStringLiteral("preset");

} // namespace

const QString PresetFile::presetFileExtension = QStringLiteral("cvpreset");
const QString PresetFile::presetsFileExtension = QStringLiteral("cvpresets");
const QString PresetFile::presetsFormat = QStringLiteral("Corvelle presets");
const QString PresetFile::presetFormat = QStringLiteral("Corvelle preset");

PresetFile::PresetFile(const QList<PresetGroupPtr>& groups) : groups_(groups)
{
}

PresetFile PresetFile::from(const QString& jsonPath)
{
    try {
        const std::optional<PresetFile> file = LibraryFile(jsonPath).load<PresetFile>();
        // Unlike a library, a file to import cannot be missing.
        if (!file)
            throw LibraryError(QStringLiteral("FileMissingError"), {jsonPath});
        return *file;
    } catch (const LibraryError& error) {
        throw error.after(QStringLiteral("PresetFileError"), {jsonPath});
    }
}

void PresetFile::exportTo(const QString& path) const
{
    if (QFileInfo(path).suffix().compare(presetFileExtension, Qt::CaseInsensitive) != 0) {
        LibraryFile(path).save(*this);
        return;
    }
    QList<PresetItemPtr> presets;
    for (const PresetGroupPtr& group : groups_)
        presets.append(group->presets());
    if (presets.size() != 1)
        throw LibraryError(QStringLiteral("PresetFileSinglePresetError"), {path, int(presets.size())});
    QJsonObject object;
    brisa::KeyedJson::encode(object, formatKey, presetFormat);
    brisa::KeyedJson::encode(object, presetKey, presets.first());
    LibraryFile(path).saveJson(object);
}

} // namespace halvex

using halvex::PresetFile;
using halvex::PresetGroup;
using halvex::PresetGroupPtr;

QJsonValue brisa::JsonCoding<PresetFile>::encode(const PresetFile& file)
{
    QJsonObject object;
    KeyedJson::encode(object, halvex::formatKey, PresetFile::presetsFormat);
    KeyedJson::encode(object, halvex::groupsKey, file.groups());
    return object;
}

PresetFile brisa::JsonCoding<PresetFile>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    const QString format = object.decode<QString>(halvex::formatKey);
    if (format == PresetFile::presetsFormat)
        return PresetFile(object.decode<QList<PresetGroupPtr>>(halvex::groupsKey));
    if (format == PresetFile::presetFormat) {
        const halvex::PresetItemPtr preset = object.decode<halvex::PresetItemPtr>(halvex::presetKey);
        return PresetFile({std::make_shared<PresetGroup>(QString(), QString(), QList<halvex::PresetItemPtr>{preset})});
    }
    throw DecodingError(DecodingError::Kind::DataCorrupted, object.codingPath(halvex::formatKey),
                        QStringLiteral("Expected \"%1\" or \"%2\" but found \"%3\" instead: this is not a preset file.")
                            .arg(PresetFile::presetsFormat, PresetFile::presetFormat, format));
}
