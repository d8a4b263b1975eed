#pragma once

#include "engine/halvex/libraries/PresetEdition.h"

#include <QList>
#include <QString>

#include <optional>

namespace corvelle {

// The twelve preset operations without their settings: what choice lists offer, what an editor
// says it supports, and what a step remembers before the settings are known. Equal, and hashed,
// by raw string.
class FlatPresetEdition {
public:
    // Case order, which is also the order of allCases() and of every list built from it.
    enum Case {
        keepCurrentValue,
        removeCurrentValue,
        restoreOriginalValue,
        copyOtherTagValue,
        editCurrentValue,
        searchAndReplace,
        lowercaseText,
        uppercaseText,
        capitalizeText,
        trimWhitespacesText,
        sortInAscendingOrder,
        sortInDescendingOrder,
    };

    constexpr FlatPresetEdition(Case value = keepCurrentValue) : value_(value) {}
    // Exactly one of the raw strings (letter case counts); none for any other text.
    static std::optional<FlatPresetEdition> fromRawValue(const QString& rawValue);
    // The flat case of any engine edition; its settings are dropped.
    static FlatPresetEdition fromPresetEdition(const halvex::PresetEdition& edition);
    static QList<FlatPresetEdition> allCases();

    constexpr Case value() const { return value_; }
    QString rawValue() const;
    QString titleKey() const;
    QString title() const;
    // The operations whose sheets ask for settings once chosen.
    bool hasSettings() const;
    // The engine's edition of an operation without settings; none for the three with settings.
    std::optional<halvex::PresetEdition> presetEdition() const;

    friend constexpr bool operator==(FlatPresetEdition a, FlatPresetEdition b) { return a.value_ == b.value_; }

private:
    Case value_;
};

size_t qHash(FlatPresetEdition edition, size_t seed = 0) noexcept;

} // namespace corvelle

#include <QMetaType>
Q_DECLARE_METATYPE(corvelle::FlatPresetEdition)
