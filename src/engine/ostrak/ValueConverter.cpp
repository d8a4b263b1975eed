#include "engine/ostrak/ValueConverter.h"

#include "engine/ostrak/DateTimeText.h"

#include <QDateTime>
#include <QRegularExpression>

#include <cmath>

namespace ostrak {

namespace {

const QString listSeparator = QStringLiteral(", ");

// "5.6", "1/200", "50.0 mm": a number, a fraction, or a number with one unit word.
std::optional<double> parseReal(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qsizetype slash = text.indexOf(u'/');
    if (slash > 0) {
        const double numerator = text.left(slash).trimmed().toDouble(&ok);
        if (!ok)
            return std::nullopt;
        const double denominator = text.mid(slash + 1).trimmed().toDouble(&ok);
        if (!ok || denominator == 0.0)
            return std::nullopt;
        return numerator / denominator;
    }
    double value = text.toDouble(&ok);
    if (!ok) {
        static const QRegularExpression withUnit(QStringLiteral("^(\\S+) [A-Za-z]+$"));
        const QRegularExpressionMatch match = withUnit.match(text);
        if (!match.hasMatch())
            return std::nullopt;
        value = match.capturedView(1).toDouble(&ok);
    }
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<QVariant> parseInteger(QStringView text, TagType type)
{
    text = text.trimmed();
    static const QRegularExpression withUnit(QStringLiteral("^([+\\-]?\\d+) [A-Za-z]+$"));
    const QRegularExpressionMatch match = withUnit.match(text);
    if (match.hasMatch())
        text = match.capturedView(1);
    bool ok = false;
    if (type == TagType::Int64u || type == TagType::Digits) {
        const qulonglong value = text.toULongLong(&ok);
        if (!ok)
            return std::nullopt;
        return value <= qulonglong(std::numeric_limits<qlonglong>::max()) ? QVariant(qlonglong(value))
                                                                           : QVariant(value);
    }
    const qlonglong value = text.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    const auto minimum = type.minimumNumberValue();
    const auto maximum = type.maximumNumberValue();
    if ((minimum && double(value) < *minimum) || (maximum && double(value) > *maximum))
        return std::nullopt;
    return QVariant(value);
}

bool isNumeric(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool isDateLike(const QVariant& value)
{
    const int id = value.metaType().id();
    return id == QMetaType::QDateTime || id == QMetaType::QDate || id == QMetaType::QTime;
}

QDateTime asDateTime(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return QDateTime(value.toDate(), QTime(0, 0));
    case QMetaType::QTime:
        return QDateTime(QDate(2000, 1, 1), value.toTime());
    default:
        return value.toDateTime();
    }
}

int rank(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return 0;
    if (value.metaType().id() == QMetaType::Bool)
        return 1;
    if (isNumeric(value))
        return 2;
    if (isDateLike(value))
        return 3;
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return 4;
    case QMetaType::QStringList:
    case QMetaType::QVariantList:
        return 5;
    case QMetaType::QByteArray:
        return 6;
    default:
        return 7;
    }
}

int compareTexts(const QString& a, const QString& b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded : QString::compare(a, b, Qt::CaseSensitive);
}

int compareNumbers(const QVariant& a, const QVariant& b)
{
    const int ida = a.metaType().id();
    const int idb = b.metaType().id();
    const bool aIsReal = ida == QMetaType::Double || ida == QMetaType::Float;
    const bool bIsReal = idb == QMetaType::Double || idb == QMetaType::Float;
    if (!aIsReal && !bIsReal) {
        const bool aUnsigned = ida == QMetaType::ULongLong || ida == QMetaType::ULong;
        const bool bUnsigned = idb == QMetaType::ULongLong || idb == QMetaType::ULong;
        if (aUnsigned || bUnsigned) {
            // A negative signed number lies below every unsigned one.
            if (!aUnsigned && a.toLongLong() < 0)
                return -1;
            if (!bUnsigned && b.toLongLong() < 0)
                return 1;
            const qulonglong x = a.toULongLong(), y = b.toULongLong();
            return x < y ? -1 : (x > y ? 1 : 0);
        }
        const qlonglong x = a.toLongLong(), y = b.toLongLong();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const double x = a.toDouble(), y = b.toDouble();
    return x < y ? -1 : (x > y ? 1 : 0);
}

QStringList listElements(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList();
    QStringList texts;
    for (const QVariant& element : value.toList())
        texts.append(element.toString());
    return texts;
}

} // namespace

bool ValueConverter::isBinaryPlaceholder(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("^\\((Binary data \\d+ bytes|large binary data).*\\)$"));
    return text.startsWith(QLatin1Char('(')) && placeholder.match(text).hasMatch();
}

ValueConverter::ValueConverter(TagType type)
    : type_(type)
{
}

ValueConverter::ValueConverter(const TagItem& item)
    : type_(item.type())
    , sequence_(item.isInSequence())
    , item_(item)
{
}

std::optional<QString> ValueConverter::stringValueFromStringValue(const QString& text) const
{
    if (!sequence_)
        return elementFromString(text);
    QStringList stored;
    for (const QString& element : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString trimmed = element.trimmed();
        if (trimmed.isEmpty())
            continue;
        const auto converted = elementFromString(trimmed);
        if (!converted)
            return std::nullopt;
        stored.append(*converted);
    }
    return stored.join(listSeparator);
}

QVariant ValueConverter::objectValueFromStringValue(const std::optional<QString>& text) const
{
    if (!text)
        return QVariant();
    if (sequence_) {
        QStringList elements;
        for (const QString& element : text->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (!element.trimmed().isEmpty())
                elements.append(element.trimmed());
        }
        return elements;
    }
    return elementObject(*text, false);
}

QVariant ValueConverter::typedValueFromStringValue(const std::optional<QString>& text) const
{
    if (!text)
        return QVariant();
    if (sequence_)
        return objectValueFromStringValue(text);
    return elementObject(*text, true);
}

std::optional<QString> ValueConverter::stringValueFromTypedValue(const QVariant& value) const
{
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    const int id = value.metaType().id();
    if (id == QMetaType::QStringList || id == QMetaType::QVariantList) {
        if (!sequence_)
            return stringValueFromStringValue(listElements(value).join(listSeparator));
        QStringList stored;
        for (const QVariant& element : value.toList()) {
            const auto converted = elementFromTypedValue(element);
            if (!converted)
                return std::nullopt;
            if (!converted->isEmpty())
                stored.append(*converted);
        }
        return stored.join(listSeparator);
    }
    if (id == QMetaType::QString)
        return stringValueFromStringValue(value.toString());
    return elementFromTypedValue(value);
}

bool ValueConverter::isLessThanOrEqualTo(const QVariant& first, const QVariant& second)
{
    return compare(first, second) <= 0;
}

int ValueConverter::compare(const QVariant& a, const QVariant& b)
{
    const int rankA = rank(a);
    const int rankB = rank(b);
    if (rankA != rankB)
        return rankA < rankB ? -1 : 1;
    switch (rankA) {
    case 0:
        return 0;
    case 1:
        return int(a.toBool()) - int(b.toBool());
    case 2:
        return compareNumbers(a, b);
    case 3: {
        const QDateTime x = asDateTime(a), y = asDateTime(b);
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    case 5: {
        const QStringList x = listElements(a), y = listElements(b);
        for (qsizetype i = 0; i < qMin(x.size(), y.size()); ++i) {
            if (const int order = compareTexts(x[i], y[i]); order != 0)
                return order;
        }
        return x.size() < y.size() ? -1 : (x.size() > y.size() ? 1 : 0);
    }
    case 6: {
        const QByteArray x = a.toByteArray(), y = b.toByteArray();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    default:
        return compareTexts(a.toString(), b.toString());
    }
}

std::optional<QString> ValueConverter::elementFromString(const QString& text) const
{
    if (isBinaryPlaceholder(text.trimmed()))
        return std::nullopt;
    if (!item_.choices().isEmpty()) {
        // Choices are stored by value; their descriptions are what ExifTool prints.
        const QString trimmed = text.trimmed();
        if (item_.indexOfValue(trimmed))
            return trimmed;
        if (const auto value = item_.valueOfDescription(trimmed))
            return value;
        if (type_ != TagType::Boolean)
            return std::nullopt;
    }
    switch (type_.value()) {
    case TagType::String:
    case TagType::LongString:
    case TagType::Struct:
        return text;
    case TagType::Country: {
        const QString trimmed = text.trimmed();
        return trimmed.isEmpty() ? std::nullopt : std::optional<QString>(trimmed);
    }
    case TagType::Boolean: {
        const auto value = booleanValue(text);
        return value ? booleanText(*value) : std::nullopt;
    }
    case TagType::Real:
    case TagType::Speed: {
        const auto value = parseReal(text);
        if (!value || (type_ == TagType::Speed && *value < 0))
            return std::nullopt;
        return text.trimmed();
    }
    case TagType::Base64Image: {
        QString data = text.trimmed();
        if (data.startsWith(QLatin1String("base64:")))
            data = data.mid(7);
        const auto decoded = QByteArray::fromBase64Encoding(data.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (data.isEmpty() || !decoded || decoded.decoded.isEmpty())
            return std::nullopt;
        return QStringLiteral("base64:") + data;
    }
    case TagType::Binary:
        return text;
    default:
        break;
    }
    if (type_.isInteger()) {
        const auto value = parseInteger(text, type_);
        if (!value)
            return std::nullopt;
        if (type_ == TagType::Digits)
            return text.trimmed().section(QLatin1Char(' '), 0, 0); // keeps the leading zeros IPTC counts
        return value->toString();
    }
    if (type_.isDateTimeOrPartial()) {
        const auto parts = DateTimeText::parse(text);
        return parts ? parts->format(type_) : std::nullopt;
    }
    return text;
}

QVariant ValueConverter::elementObject(const QString& text, bool typed) const
{
    const auto stored = elementFromString(text);
    if (!stored)
        return QVariant();
    if (type_ == TagType::Boolean) {
        const auto value = booleanValue(*stored);
        return value ? QVariant(*value) : QVariant();
    }
    if (!item_.choices().isEmpty() && !type_.isNumber())
        return *stored;
    if (type_.isInteger())
        return parseInteger(*stored, type_).value_or(QVariant());
    if (type_.isNumber()) {
        const auto value = parseReal(*stored);
        return value ? QVariant(*value) : QVariant();
    }
    if (type_.isDateTimeOrPartial()) {
        // The text as read, not as stored: a time stamp keeps the zone it was given in.
        const auto parts = DateTimeText::parse(text);
        const auto dateTime = parts ? parts->toDateTime() : std::nullopt;
        return dateTime ? QVariant(*dateTime) : QVariant();
    }
    if (typed && (type_ == TagType::Base64Image || type_ == TagType::Binary)
        && stored->startsWith(QLatin1String("base64:"))) {
        return QByteArray::fromBase64(stored->mid(7).toLatin1());
    }
    return *stored;
}

std::optional<QString> ValueConverter::elementFromTypedValue(const QVariant& value) const
{
    const int id = value.metaType().id();
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    if (id == QMetaType::QString)
        return elementFromString(value.toString());
    if (id == QMetaType::Bool) {
        if (type_ == TagType::Boolean)
            return booleanText(value.toBool());
        return elementFromString(type_.isNumber() ? QString::number(int(value.toBool()))
                                                  : (value.toBool() ? QStringLiteral("True") : QStringLiteral("False")));
    }
    if (isDateLike(value)) {
        const auto parts = DateTimeText::fromDateTime(asDateTime(value));
        if (!parts)
            return std::nullopt;
        if (type_.isDateTimeOrPartial())
            return parts->format(type_);
        if (type_ == TagType::String || type_ == TagType::LongString)
            return parts->format(TagType::DateTimeZ);
        return std::nullopt;
    }
    if (id == QMetaType::QByteArray) {
        const QByteArray bytes = value.toByteArray();
        if (type_ == TagType::Base64Image || type_ == TagType::Binary)
            return bytes.isEmpty() ? std::nullopt
                                   : std::optional<QString>(QStringLiteral("base64:") + QString::fromLatin1(bytes.toBase64()));
        return elementFromString(QString::fromUtf8(bytes));
    }
    if (isNumeric(value)) {
        if (type_.isInteger()) {
            const double number = value.toDouble();
            if (std::floor(number) != number)
                return std::nullopt;
        }
        const bool real = id == QMetaType::Double || id == QMetaType::Float;
        const QString text = real ? QString::number(value.toDouble(), 'g', 15) : value.toString();
        return elementFromString(text);
    }
    if (value.canConvert<QString>())
        return elementFromString(value.toString());
    return std::nullopt;
}

std::optional<QString> ValueConverter::booleanText(bool value) const
{
    // Yes/no choices store their own values; XMP booleans are "True" and "False".
    if (item_.choices().size() == 2)
        return item_.choices()[value ? 1 : 0].first;
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> ValueConverter::booleanValue(const QString& text) const
{
    const QString trimmed = text.trimmed();
    if (item_.choices().size() == 2) {
        if (trimmed == item_.choices()[1].first)
            return true;
        if (trimmed == item_.choices()[0].first)
            return false;
    }
    static const QStringList yes = {QStringLiteral("true"), QStringLiteral("yes"), QStringLiteral("on"), QStringLiteral("1")};
    static const QStringList no = {QStringLiteral("false"), QStringLiteral("no"), QStringLiteral("off"), QStringLiteral("0")};
    if (yes.contains(trimmed, Qt::CaseInsensitive))
        return true;
    if (no.contains(trimmed, Qt::CaseInsensitive))
        return false;
    return std::nullopt;
}

} // namespace ostrak
