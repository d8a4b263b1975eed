#pragma once

#include "platform/brisa/core/EnumStrings.h"

namespace corvelle {

// What the media-information window searches: movies or shows, in one online database.
enum class StoreSearchTarget {
    movieAppleTV,
    movieTheMovieDB,
    movieiTunes,
    showAppleTV,
    showTheMovieDB,
    showTheTVDB,
    showiTunes,
};

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::StoreSearchTarget> {
    static const QList<std::pair<corvelle::StoreSearchTarget, QString>>& table()
    {
        using E = corvelle::StoreSearchTarget;
        static const QList<std::pair<E, QString>> entries{
            {E::movieAppleTV, QStringLiteral("Movie-AppleTV")},
            {E::movieTheMovieDB, QStringLiteral("Movie-TheMovieDB")},
            {E::movieiTunes, QStringLiteral("Movie-iTunes")},
            {E::showAppleTV, QStringLiteral("Show-AppleTV")},
            {E::showTheMovieDB, QStringLiteral("Show-TheMovieDB")},
            {E::showTheTVDB, QStringLiteral("Show-TheTVDB")},
            {E::showiTunes, QStringLiteral("Show-iTunes")},
        };
        return entries;
    }
};
