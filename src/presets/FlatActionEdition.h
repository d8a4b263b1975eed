#pragma once

#include "presets/FlatPresetEdition.h"

#include <QList>
#include <QString>

#include <optional>

namespace corvelle {

// What the edit steps offer: a preset operation, spreading dates over the selected files, or
// reading dates out of text. Equal by kind, and preset operations by raw string.
class FlatActionEdition {
public:
    enum class Kind { presetEdition, dateDistribution, dateParsing };

    // Keeps the current value.
    FlatActionEdition() = default;
    static FlatActionEdition fromPresetEdition(FlatPresetEdition edition);
    static FlatActionEdition dateDistribution() { return FlatActionEdition(Kind::dateDistribution); }
    static FlatActionEdition dateParsing() { return FlatActionEdition(Kind::dateParsing); }
    // The twelve preset operations in their order, then date distribution, then date parsing.
    static QList<FlatActionEdition> allCases();

    Kind kind() const { return kind_; }
    // The preset operation of the first kind; none for the date actions.
    std::optional<FlatPresetEdition> flatPresetEdition() const;
    QString title() const;
    bool hasSettings() const;

    friend bool operator==(const FlatActionEdition& a, const FlatActionEdition& b)
    {
        return a.kind_ == b.kind_ && (a.kind_ != Kind::presetEdition || a.presetEdition_ == b.presetEdition_);
    }

private:
    explicit FlatActionEdition(Kind kind) : kind_(kind) {}

    Kind kind_ = Kind::presetEdition;
    FlatPresetEdition presetEdition_;
};

} // namespace corvelle
