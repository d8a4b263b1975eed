#pragma once

#include "engine/halvex/tags/TagValueTableRowValue.h"
#include "platform/brisa/core/EnumStrings.h"
#include "platform/brisa/core/JsonCoding.h"

#include <QMetaType>
#include <QRegularExpression>
#include <QString>

namespace halvex {

// Which tag rows a value table shows or selects: by the tag's name, by its value, by whether it
// was edited and by whether it has a value. Reached as TagValueTable::Filter. The default filter
// constrains nothing.
struct TagValueTableFilter {
    // A text to look for, plainly or as a regular expression, or no constraint.
    class StringConstraint {
    public:
        enum class Kind { plainText, regularExpression, none };

        // No constraint.
        StringConstraint() = default;
        static StringConstraint plainText(const QString& text);
        static StringConstraint regularExpression(const QString& pattern);
        static StringConstraint none() { return {}; }

        Kind kind() const { return kind_; }
        // The text or pattern; empty for none.
        const QString& text() const { return text_; }
        // Constrains nothing: none, or an empty plain text.
        bool isEmpty() const;

        // Any of the texts holds the plain text (ignoring case) or a match of the pattern (ignoring
        // case). An empty plain text is in every text; a pattern that is not a valid regular
        // expression matches nothing.
        bool matches(std::initializer_list<QString> texts) const;

        friend bool operator==(const StringConstraint& a, const StringConstraint& b)
        {
            return a.kind_ == b.kind_ && a.text_ == b.text_;
        }

    private:
        StringConstraint(Kind kind, QString text);

        Kind kind_ = Kind::none;
        QString text_;
        QRegularExpression expression_;
    };

    enum class ValueEditionConstraint { ignore, edited, unedited };
    enum class ValueStateConstraint { ignore, withValue, withoutValue };

    // Matched against the tag's name ("Group:Name") and its title.
    StringConstraint nameConstraint;
    // Matched against the common value; a row with several values or none has no text to match.
    StringConstraint valueConstraint;
    ValueEditionConstraint valueEdition = ValueEditionConstraint::ignore;
    // "With a value" takes rows with one value or several.
    ValueStateConstraint valueState = ValueStateConstraint::ignore;

    // The row passes every constraint.
    bool filter(const TagValueTableRowValue& rowValue) const;
    // Every row passes.
    bool constrainsNothing() const;

    friend bool operator==(const TagValueTableFilter&, const TagValueTableFilter&) = default;
};

} // namespace halvex

template<>
struct brisa::EnumStrings<halvex::TagValueTableFilter::ValueEditionConstraint> {
    static const QList<std::pair<halvex::TagValueTableFilter::ValueEditionConstraint, QString>>& table();
};

template<>
struct brisa::EnumStrings<halvex::TagValueTableFilter::ValueStateConstraint> {
    static const QList<std::pair<halvex::TagValueTableFilter::ValueStateConstraint, QString>>& table();
};

// {"plainText": {"_0": "dusk"}}, {"regularExpression": {"_0": "^Title"}} or {"none": {}}.
template<>
struct brisa::JsonCoding<halvex::TagValueTableFilter::StringConstraint> {
    static QJsonValue encode(const halvex::TagValueTableFilter::StringConstraint& constraint);
    static halvex::TagValueTableFilter::StringConstraint decode(const QJsonValue& json, const QStringList& codingPath);
};

// {"nameConstraint": <StringConstraint>, "valueConstraint": <StringConstraint>,
//  "valueEdition": "ignore" | "edited" | "unedited", "valueState": "ignore" | "withValue" | "withoutValue"}
template<>
struct brisa::JsonCoding<halvex::TagValueTableFilter> {
    static QJsonValue encode(const halvex::TagValueTableFilter& filter);
    static halvex::TagValueTableFilter decode(const QJsonValue& json, const QStringList& codingPath);
};

Q_DECLARE_METATYPE(halvex::TagValueTableFilter)
