#pragma once

#include "engine/halvex/places/Coordinate.h"
#include "engine/halvex/places/Location.h"

#include <QString>

#include <optional>
#include <variant>

namespace halvex {

// A typed edit value handed to the editor's coordinate and location setters: a coordinate,
// a location or a text.
class TypedValue {
public:
    using Value = std::variant<QString, Coordinate, Location>;

    explicit TypedValue(Value value) : value_(std::move(value)) {}
    explicit TypedValue(const Coordinate& coordinate) : value_(coordinate) {}
    explicit TypedValue(const Location& location) : value_(location) {}
    explicit TypedValue(const QString& text) : value_(text) {}

    const Value& value() const { return value_; }
    // The held value when it is of that kind.
    std::optional<Coordinate> coordinate() const { return held<Coordinate>(); }
    std::optional<Location> location() const { return held<Location>(); }
    std::optional<QString> text() const { return held<QString>(); }

    friend bool operator==(const TypedValue&, const TypedValue&) = default;

private:
    template<class T>
    std::optional<T> held() const
    {
        if (const T* value = std::get_if<T>(&value_))
            return *value;
        return std::nullopt;
    }

    Value value_;
};

// The single-editor setters name the same value so.
using TypedTagValue = TypedValue;

} // namespace halvex
