#pragma once

#include <QJsonValue>
#include <QSettings>
#include <QVariant>

#include <optional>

namespace brisa {

// The QSettings file format of the user defaults: one JSON object whose members are the keys,
// so that values keep their types: booleans, numbers, strings, lists of strings, and JSON
// values embedded as they are.
//
// Reading: bool, integer (int when it fits, else qlonglong), double, QString, QStringList for an
// array of strings only, and QJsonValue for every other array or object; null members are
// skipped. JSON keeps no difference between 2 and 2.0, so an integral double reads back as
// an integer: readers of numbers accept both.
//
// A file that is not a JSON object reads as empty; it is first moved aside (its name followed
// by ".broken-" and the date) so that the next write does not destroy it, with a warning.
class JsonSettingsFormat {
public:
    static QSettings::Format format();

    // The JSON form of a stored value; undefined when the value has none.
    static QJsonValue jsonValue(const QVariant& value);
    // The stored value of a JSON value; invalid for null.
    static QVariant storedValue(const QJsonValue& json);
    // A stored number of any numeric type, as a double; none for Booleans, texts and the rest.
    static std::optional<double> storedNumber(const QVariant& value);

    // Where a broken file at `path` is kept aside; never an existing file.
    static QString asidePath(const QString& path);

private:
    static bool read(QIODevice& device, QSettings::SettingsMap& map);
    static bool write(QIODevice& device, const QSettings::SettingsMap& map);
};

} // namespace brisa
