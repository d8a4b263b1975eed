#include "editing/ValueDisplayTexts.h"

#include "editing/TagNumberFormatter.h"
#include "engine/halvex/places/Country.h"
#include "engine/ostrak/ValueConverter.h"
#include "platform/brisa/core/RealNumber.h"
#include "platform/brisa/core/UserDefaults.h"
#include "widgets/TextLocalizer.h"
#include "widgets/settings/GeneralSettings.h"

#include <QHash>

#include <unicode/udat.h>

#include <memory>

namespace corvelle {

namespace {

// The ICU style of a style index, none to full.
UDateFormatStyle icuStyle(int style)
{
    switch (style) {
    case 1:
        return UDAT_SHORT;
    case 2:
        return UDAT_MEDIUM;
    case 3:
        return UDAT_LONG;
    case 4:
        return UDAT_FULL;
    default:
        return UDAT_NONE;
    }
}

bool isNumber(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

} // namespace

DateTimeStyles dateTimeStyles(ostrak::TagType type)
{
    const brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
    const int date = int(defaults.value(Settings::generalUserChoiceDateStyle()));
    const int time = int(defaults.value(Settings::generalUserChoiceTimeStyle()));
    switch (type.value()) {
    case ostrak::TagType::Date:
    case ostrak::TagType::DateTime:
    case ostrak::TagType::DateTimeZ:
        return {date, time};
    case ostrak::TagType::PartialDate:
    case ostrak::TagType::DigitsDate:
        return {date, 0};
    case ostrak::TagType::PartialTime:
    case ostrak::TagType::DigitsTime:
        return {0, time};
    default:
        return {0, 0};
    }
}

QString formatDateTime(const QDateTime& dateTime, DateTimeStyles styles, const QLocale& locale)
{
    if (!dateTime.isValid() || (icuStyle(styles.date) == UDAT_NONE && icuStyle(styles.time) == UDAT_NONE))
        return QString();
    // ICU rather than QLocale: it has all four styles, and joins date and time the locale's way.
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray localeName = locale.name().toLatin1();
    std::unique_ptr<UDateFormat, decltype(&udat_close)> format(
        udat_open(icuStyle(styles.time), icuStyle(styles.date), localeName.constData(), nullptr, -1, nullptr, -1, &status),
        &udat_close);
    if (U_FAILURE(status) || !format)
        return locale.toString(dateTime, QLocale::ShortFormat);
    const UDate moment = UDate(dateTime.toMSecsSinceEpoch());
    UChar buffer[256];
    const int32_t length = udat_format(format.get(), moment, buffer, 256, nullptr, &status);
    if (U_FAILURE(status) || length > 256)
        return locale.toString(dateTime, QLocale::ShortFormat);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer), length);
}

std::optional<QString> dateDisplayText(const ostrak::TagItem& tagItem, const std::optional<QDateTime>& date)
{
    if (!date)
        return std::nullopt;
    return formatDateTime(*date, dateTimeStyles(tagItem.type()));
}

std::optional<QString> dateDisplayText(const ostrak::TagItem& tagItem, const QString& value)
{
    const QVariant typed = tagItem.converter().typedValueFromStringValue(value);
    if (typed.metaType().id() != QMetaType::QDateTime)
        return std::nullopt;
    return dateDisplayText(tagItem, typed.toDateTime());
}

std::optional<QString> numberDisplayText(const ostrak::TagItem& tagItem, const QString& value)
{
    const QVariant object = tagItem.converter().objectValueFromStringValue(value);
    if (!isNumber(object))
        return std::nullopt;
    return TagNumberFormatter(tagItem.type()).string(object.toDouble());
}

std::optional<QString> fractionDisplayText(const ostrak::TagItem& tagItem, const QString& value)
{
    const QVariant object = tagItem.converter().objectValueFromStringValue(value);
    if (!isNumber(object))
        return std::nullopt;
    const auto fraction = brisa::fraction(object.toDouble(), 1e-06);
    if (!fraction)
        return std::nullopt;
    return QStringLiteral("%1 / %2").arg(fraction->numerator).arg(fraction->denominator);
}

QString yesNoDisplayText(const ostrak::TagItem& tagItem, const QString& value)
{
    const QVariant typed = tagItem.converter().typedValueFromStringValue(value);
    const bool yes = typed.metaType().id() == QMetaType::Bool && typed.toBool();
    return localizedString(yes ? QStringLiteral("EditionViewTagValuePopUpYesTitle")
                               : QStringLiteral("EditionViewTagValuePopUpNoTitle"));
}

std::optional<QStringList> keywordList(const ostrak::TagItem& tagItem, const QString& value)
{
    const QVariant object = tagItem.converter().objectValueFromStringValue(value);
    if (object.metaType().id() == QMetaType::QStringList)
        return object.toStringList();
    if (object.metaType().id() != QMetaType::QVariantList)
        return std::nullopt;
    QStringList words;
    for (const QVariant& element : object.toList()) {
        if (element.metaType().id() != QMetaType::QString)
            return std::nullopt;
        words.append(element.toString());
    }
    return words;
}

std::optional<QString> countryDisplayText(const ostrak::TagItem& tagItem, const QString& value)
{
    if (tagItem.type() != ostrak::TagType::Country)
        return std::nullopt;
    const QVariant typed = tagItem.converter().typedValueFromStringValue(value);
    if (typed.metaType().id() != QMetaType::QString)
        return std::nullopt;
    const auto country = halvex::Country::fromCode(typed.toString());
    if (!country)
        return std::nullopt;
    return QStringLiteral("%1 (%2)").arg(country->localizedName(), country->code());
}

std::optional<QString> tagNote(const ostrak::TagName& tagName)
{
    static const QHash<ostrak::TagName, QString> notes = [] {
        const QString note = localizedString(QStringLiteral("TagNotePlistItunMOVI"));
        QHash<ostrak::TagName, QString> table;
        for (const ostrak::TagItem& item :
             {ostrak::TagItem::itemPLISTCast(), ostrak::TagItem::itemPLISTCodirectors(),
              ostrak::TagItem::itemPLISTDirectors(), ostrak::TagItem::itemPLISTProducers(),
              ostrak::TagItem::itemPLISTScreenwriters(), ostrak::TagItem::itemPLISTStudio()}) {
            table.insert(item.tagName(), note);
        }
        return table;
    }();
    const auto found = notes.constFind(tagName);
    if (found == notes.constEnd())
        return std::nullopt;
    return *found;
}

} // namespace corvelle
