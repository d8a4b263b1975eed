#pragma once

#include "engine/halvex/libraries/PresetItem.h"

#include <QList>

#include <optional>

namespace corvelle {

// The rows of the editions table of the preset manager: headers, the name and the description of
// the shown group or preset, and one row per entry of a preset; and which sheet edits each.
class PresetEditableProperty {
public:
    enum class Kind {
        groupHeader,
        groupName,
        groupDescription,
        presetHeader,
        presetName,
        presetDescription,
        editionHeader,
        editionEntry,
    };
    // The sheet that edits a row.
    enum class Sheet { none, name, description, entry };

    constexpr PresetEditableProperty(Kind kind = Kind::groupHeader) : kind_(kind) {}
    static PresetEditableProperty editionEntry(const halvex::PresetItem::Entry& entry);

    Kind kind() const { return kind_; }
    bool isHeader() const;
    Sheet sheet() const;
    // The entry of an entry row; none otherwise.
    const std::optional<halvex::PresetItem::Entry>& entry() const { return entry_; }

    static QList<PresetEditableProperty> groupProperties();
    static QList<PresetEditableProperty> presetProperties();

    // Entries are compared by tag name and edition, never by identity.
    friend bool operator==(const PresetEditableProperty&, const PresetEditableProperty&) = default;

private:
    Kind kind_;
    std::optional<halvex::PresetItem::Entry> entry_;
};

} // namespace corvelle
