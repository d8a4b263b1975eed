#pragma once

#include "engine/ostrak/TagType.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace corvelle {

// Writes and reads the numbers of one tag type in the locale's form: integers without fraction
// digits, other numbers with two to eight, within the type's bounds.
class TagNumberFormatter {
public:
    explicit TagNumberFormatter(ostrak::TagType type, const QLocale& locale = QLocale());

    bool allowsFloats() const { return !integer_; }
    int minimumFractionDigits() const { return integer_ ? 0 : 2; }
    int maximumFractionDigits() const { return integer_ ? 0 : 8; }
    const std::optional<double>& minimum() const { return minimum_; }
    const std::optional<double>& maximum() const { return maximum_; }

    QString string(double number) const;
    // A typed number in the locale's form (grouping allowed) or the C form; none for any other
    // text, for a fraction where the type takes integers, and for a number out of bounds.
    std::optional<double> number(const QString& text) const;

private:
    bool integer_;
    std::optional<double> minimum_;
    std::optional<double> maximum_;
    QLocale locale_;
};

} // namespace corvelle
