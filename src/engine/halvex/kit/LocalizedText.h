#pragma once

#include <QString>
#include <QVariantList>

namespace halvex {

// A text the engine hands to the interface: a localisation key and its format arguments.
// The engine never localises; the interface shows it through its localiser.
struct LocalizedText {
    QString key;
    QVariantList arguments;

    bool isEmpty() const { return key.isEmpty(); }
    friend bool operator==(const LocalizedText&, const LocalizedText&) = default;
};

} // namespace halvex
