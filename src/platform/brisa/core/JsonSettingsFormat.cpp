#include "platform/brisa/core/JsonSettingsFormat.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLoggingCategory>

#include <limits>

namespace brisa {

namespace {

Q_LOGGING_CATEGORY(settingsLog, "corvelle.settings")

bool isStringArray(const QJsonArray& array)
{
    for (const QJsonValue& element : array) {
        if (!element.isString())
            return false;
    }
    return true;
}

} // namespace

QSettings::Format JsonSettingsFormat::format()
{
    static const QSettings::Format registered =
        QSettings::registerFormat(QStringLiteral("json"), &JsonSettingsFormat::read,
                                  &JsonSettingsFormat::write, Qt::CaseSensitive);
    return registered;
}

QJsonValue JsonSettingsFormat::jsonValue(const QVariant& value)
{
    if (!value.isValid())
        return QJsonValue(QJsonValue::Undefined);
    if (value.typeId() == qMetaTypeId<QJsonValue>())
        return value.value<QJsonValue>();
    if (value.typeId() == QMetaType::QStringList)
        return QJsonArray::fromStringList(value.toStringList());
    // Covers the scalars, QJsonObject, QJsonArray, QJsonDocument, QVariantList and QVariantMap;
    // a type without JSON form comes back as null.
    const QJsonValue converted = QJsonValue::fromVariant(value);
    return converted.isNull() && !value.isNull() ? QJsonValue(QJsonValue::Undefined) : converted;
}

QVariant JsonSettingsFormat::storedValue(const QJsonValue& json)
{
    switch (json.type()) {
    case QJsonValue::Bool:
        return json.toBool();
    case QJsonValue::Double: {
        const QVariant number = json.toVariant();
        if (number.typeId() == QMetaType::LongLong) {
            const qlonglong integer = number.toLongLong();
            if (integer >= std::numeric_limits<int>::min() && integer <= std::numeric_limits<int>::max())
                return int(integer);
        }
        return number;
    }
    case QJsonValue::String:
        return json.toString();
    case QJsonValue::Array: {
        const QJsonArray array = json.toArray();
        if (!isStringArray(array))
            return QVariant::fromValue(json);
        QStringList strings;
        for (const QJsonValue& element : array)
            strings.append(element.toString());
        return strings;
    }
    case QJsonValue::Object:
        return QVariant::fromValue(json);
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        break;
    }
    return {};
}

std::optional<double> JsonSettingsFormat::storedNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Float:
    case QMetaType::Double:
        return value.toDouble();
    default:
        return std::nullopt;
    }
}

QString JsonSettingsFormat::asidePath(const QString& path)
{
    const QString stem =
        path + QStringLiteral(".broken-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString candidate = stem;
    for (int n = 2; QFile::exists(candidate); ++n)
        candidate = stem + QLatin1Char('-') + QString::number(n);
    return candidate;
}

bool JsonSettingsFormat::read(QIODevice& device, QSettings::SettingsMap& map)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(device.readAll(), &error);
    if (error.error == QJsonParseError::NoError && document.isObject()) {
        const QJsonObject object = document.object();
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            const QVariant value = storedValue(it.value());
            if (value.isValid())
                map.insert(it.key(), value);
        }
        return true;
    }

    const QString reason = error.error != QJsonParseError::NoError
        ? QStringLiteral("%1 at offset %2").arg(error.errorString()).arg(error.offset)
        : QStringLiteral("it does not hold a JSON object");
    auto* file = qobject_cast<QFile*>(&device);
    const QString path = file ? file->fileName() : QString();
    const QString aside = asidePath(path);
    if (file && QFile::rename(path, aside)) {
        qCWarning(settingsLog).noquote()
            << QStringLiteral("The settings file \"%1\" is unreadable (%2); it was kept as \"%3\" and the settings start empty.")
                   .arg(path, reason, aside);
    } else {
        qCWarning(settingsLog).noquote()
            << QStringLiteral("The settings file \"%1\" is unreadable (%2) and could not be kept aside; the settings start empty.")
                   .arg(path, reason);
    }
    // The file is handled: settings read as empty and stay writable.
    return true;
}

bool JsonSettingsFormat::write(QIODevice& device, const QSettings::SettingsMap& map)
{
    QJsonObject object;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const QJsonValue json = jsonValue(it.value());
        if (json.isUndefined()) {
            qCWarning(settingsLog).noquote()
                << QStringLiteral("The setting \"%1\" holds a %2, which cannot be stored; it is left out.")
                       .arg(it.key(), QString::fromLatin1(it.value().typeName()));
            continue;
        }
        object.insert(it.key(), json);
    }
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
    return device.write(text) == text.size();
}

} // namespace brisa
