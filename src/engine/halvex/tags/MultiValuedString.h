#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace halvex {

// The value that several tags of several files have in common: one string common to all,
// several different values, or no value.
class MultiValuedString {
public:
    enum class Kind { single, multiple, none };

    static MultiValuedString single(QString value) { return MultiValuedString(Kind::single, std::move(value)); }
    static MultiValuedString multiple() { return MultiValuedString(Kind::multiple, {}); }
    static MultiValuedString none() { return MultiValuedString(Kind::none, {}); }
    // Of one value per tag and file, an absent one for a tag a file lacks: none when every
    // value is absent (or there is none), the one value when all are present and equal,
    // several otherwise; a file lacking the tag differs from one that has it.
    static MultiValuedString common(const QList<std::optional<QString>>& values);

    Kind kind() const { return kind_; }
    // The common string, for `single` only.
    std::optional<QString> value() const;

    friend bool operator==(const MultiValuedString&, const MultiValuedString&) = default;

private:
    MultiValuedString(Kind kind, QString value) : kind_(kind), value_(std::move(value)) {}

    Kind kind_;
    QString value_;
};

} // namespace halvex
