#pragma once

#include "engine/cobbin/MetadataService.h"
#include "mediainfo/StoreSearchTarget.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace corvelle {

// What each search target means: its service, its kind, its menu title and its remembered
// language. A target's index in allCases() is its tag in the service menu.
class StoreSearchTargets {
public:
    static const QList<StoreSearchTarget>& allCases();
    static int index(StoreSearchTarget target);
    // The target at a menu tag; the first target for a tag out of range.
    static StoreSearchTarget atIndex(int index);

    static QString rawValue(StoreSearchTarget target);
    static std::optional<StoreSearchTarget> fromRawValue(const QString& rawValue);

    static bool isShow(StoreSearchTarget target);
    static cobbin::MetadataService::Type serviceType(StoreSearchTarget target);
    static std::shared_ptr<cobbin::MetadataService> service(StoreSearchTarget target);
    // The service as a movie service; none for the show targets.
    static std::shared_ptr<cobbin::MetadataService> movieService(StoreSearchTarget target);

    // "Movie (TheMovieDB)".
    static QString title(StoreSearchTarget target);
    // "Movie" or "Show", localised.
    static QString kindTitle(bool isShow);

    // The service's identifying name, "SavedLanguageFor" and "Movie" or "Show".
    static QString savedLanguageKey(StoreSearchTarget target);
    // The stored language, else the service's default language.
    static QString savedLanguage(StoreSearchTarget target);
    static void setSavedLanguage(StoreSearchTarget target, const QString& language);
};

} // namespace corvelle
