#include "mediainfo/StoreSearchTargets.h"

#include "engine/cobbin/MovieMetadataService.h"
#include "platform/brisa/core/EnumStrings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

const QList<StoreSearchTarget>& StoreSearchTargets::allCases()
{
    using T = StoreSearchTarget;
    static const QList<T> cases{T::movieAppleTV, T::movieTheMovieDB, T::movieiTunes, T::showAppleTV,
                                T::showTheMovieDB, T::showTheTVDB, T::showiTunes};
    return cases;
}

int StoreSearchTargets::index(StoreSearchTarget target)
{
    return int(allCases().indexOf(target));
}

StoreSearchTarget StoreSearchTargets::atIndex(int index)
{
    return index >= 0 && index < allCases().size() ? allCases().at(index) : allCases().first();
}

QString StoreSearchTargets::rawValue(StoreSearchTarget target)
{
    for (const auto& [value, text] : brisa::EnumStrings<StoreSearchTarget>::table()) {
        if (value == target)
            return text;
    }
    return {};
}

std::optional<StoreSearchTarget> StoreSearchTargets::fromRawValue(const QString& rawValue)
{
    for (const auto& [value, text] : brisa::EnumStrings<StoreSearchTarget>::table()) {
        if (text == rawValue)
            return value;
    }
    return std::nullopt;
}

bool StoreSearchTargets::isShow(StoreSearchTarget target)
{
    return index(target) >= 3;
}

cobbin::MetadataService::Type StoreSearchTargets::serviceType(StoreSearchTarget target)
{
    using T = StoreSearchTarget;
    using S = cobbin::MetadataService::Type;
    switch (target) {
    case T::movieAppleTV:
    case T::showAppleTV:
        return S::appleTV;
    case T::movieTheMovieDB:
    case T::showTheMovieDB:
        return S::theMovieDB;
    case T::showTheTVDB:
        return S::theTVDB;
    case T::movieiTunes:
    case T::showiTunes:
        return S::iTunes;
    }
    return S::appleTV;
}

std::shared_ptr<cobbin::MetadataService> StoreSearchTargets::service(StoreSearchTarget target)
{
    return cobbin::MetadataService::make(serviceType(target));
}

std::shared_ptr<cobbin::MetadataService> StoreSearchTargets::movieService(StoreSearchTarget target)
{
    if (isShow(target))
        return nullptr;
    std::shared_ptr<cobbin::MetadataService> made = service(target);
    return dynamic_cast<cobbin::MovieMetadataService*>(made.get()) ? made : nullptr;
}

QString StoreSearchTargets::kindTitle(bool isShow)
{
    return localizedString(isShow ? QStringLiteral("MediaKindShow") : QStringLiteral("MediaKindMovie"));
}

QString StoreSearchTargets::title(StoreSearchTarget target)
{
    return kindTitle(isShow(target)) + QStringLiteral(" (") + service(target)->displayName() + QLatin1Char(')');
}

QString StoreSearchTargets::savedLanguageKey(StoreSearchTarget target)
{
    return service(target)->identifyingName() + QStringLiteral("SavedLanguageFor")
        + (isShow(target) ? QStringLiteral("Show") : QStringLiteral("Movie"));
}

QString StoreSearchTargets::savedLanguage(StoreSearchTarget target)
{
    const QVariant stored = brisa::UserDefaults::standard().object(savedLanguageKey(target));
    if (stored.isValid() && stored.typeId() == QMetaType::QString)
        return stored.toString();
    return service(target)->defaultLanguage();
}

void StoreSearchTargets::setSavedLanguage(StoreSearchTarget target, const QString& language)
{
    brisa::UserDefaults::standard().setObject(savedLanguageKey(target), language);
}

} // namespace corvelle
