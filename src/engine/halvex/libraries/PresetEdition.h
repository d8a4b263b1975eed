#pragma once

#include "engine/halvex/editions/CopyTagValueSettings.h"
#include "engine/halvex/editions/SearchAndReplaceSettings.h"
#include "engine/halvex/editions/UseCustomActionSettings.h"
#include "engine/halvex/editions/UseCustomValueSettings.h"

#include <optional>
#include <variant>

namespace halvex {

// What a preset entry does with its tag: keep it, run a fixed action, copy another tag into it,
// set a value of its own, or search and replace in it. A value; equal when the case and its
// settings are equal.
class PresetEdition {
public:
    // In case order.
    enum class Kind { keepCurrentValue, useCustomAction, copyTagValue, useCustomValue, searchAndReplace };

    static PresetEdition keepCurrentValue() { return PresetEdition(); }
    static PresetEdition useCustomAction(const UseCustomActionSettings& settings) { return PresetEdition(settings); }
    static PresetEdition copyTagValue(const CopyTagValueSettings& settings) { return PresetEdition(settings); }
    static PresetEdition useCustomValue(const UseCustomValueSettings& settings) { return PresetEdition(settings); }
    static PresetEdition searchAndReplace(const SearchAndReplaceSettings& settings) { return PresetEdition(settings); }

    // Keeps the current value.
    PresetEdition() = default;

    Kind kind() const { return Kind(payload_.index()); }

    // The settings of the case; none for the other cases.
    std::optional<UseCustomActionSettings> customActionSettings() const { return payload<UseCustomActionSettings>(); }
    std::optional<CopyTagValueSettings> copyTagValueSettings() const { return payload<CopyTagValueSettings>(); }
    std::optional<UseCustomValueSettings> customValueSettings() const { return payload<UseCustomValueSettings>(); }
    std::optional<SearchAndReplaceSettings> searchAndReplaceSettings() const
    {
        return payload<SearchAndReplaceSettings>();
    }

    friend bool operator==(const PresetEdition&, const PresetEdition&) = default;

private:
    using Payload = std::variant<std::monostate, UseCustomActionSettings, CopyTagValueSettings,
                                 UseCustomValueSettings, SearchAndReplaceSettings>;

    template<class Settings>
    explicit PresetEdition(const Settings& settings) : payload_(settings)
    {
    }

    template<class Settings>
    std::optional<Settings> payload() const
    {
        if (const Settings* settings = std::get_if<Settings>(&payload_))
            return *settings;
        return std::nullopt;
    }

    Payload payload_;
};

} // namespace halvex

// One member named after the case, holding its settings under "_0":
// {"keepCurrentValue": {}}, {"useCustomAction": {"_0": {"action": "uppercase"}}},
// {"copyTagValue": {"_0": {…}}}, {"useCustomValue": {"_0": {…}}}, {"searchAndReplace": {"_0": {…}}}.
template<>
struct brisa::JsonCoding<halvex::PresetEdition> {
    static QJsonValue encode(const halvex::PresetEdition& edition);
    static halvex::PresetEdition decode(const QJsonValue& json, const QStringList& codingPath);
};
