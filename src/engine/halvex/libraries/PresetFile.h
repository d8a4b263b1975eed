#pragma once

#include "engine/halvex/libraries/PresetGroup.h"

namespace halvex {

// A preset file, to exchange presets between libraries. Indented JSON in one of two forms:
//
//   "cvpresets", groups:  {"format": "Corvelle presets", "groups": [ {…}, … ]}
//   "cvpreset", one preset: {"format": "Corvelle preset", "preset": {…}}
//
// each group and preset in its stored form (see PresetGroup, PresetItem). The format marker, not
// the name, tells the forms apart, and keeps other JSON files, the library file included, from
// being taken for presets.
class PresetFile {
public:
    // "cvpreset"
    static const QString presetFileExtension;
    // "cvpresets"
    static const QString presetsFileExtension;
    static const QString presetsFormat;
    static const QString presetFormat;

    explicit PresetFile(const QList<PresetGroupPtr>& groups);

    // The groups of the file, in file order, as new groups and presets; the preset of a
    // one-preset file comes in a group without name or description. Throws LibraryError naming
    // the file and what is wrong with it: missing, cannot be read, not JSON, not a preset file,
    // a value of the wrong kind (with where it is).
    static PresetFile from(const QString& jsonPath);

    const QList<PresetGroupPtr>& groups() const { return groups_; }

    // Writes the one-preset form to a path ending in ".cvpreset" (in any case), which needs
    // exactly one preset in all the groups, else the groups form. Replaces an existing file only
    // once the new one is completely written, so a failure (LibraryError naming the file and the
    // reason) leaves it as it was.
    void exportTo(const QString& path) const;

private:
    QList<PresetGroupPtr> groups_;
};

} // namespace halvex

template<>
struct brisa::JsonCoding<halvex::PresetFile> {
    // The groups form.
    static QJsonValue encode(const halvex::PresetFile& file);
    // Either form.
    static halvex::PresetFile decode(const QJsonValue& json, const QStringList& codingPath);
};
