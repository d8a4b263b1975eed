#pragma once

#include <QHashFunctions>
#include <QString>

namespace corvelle {

// A localisation key kept as a value, for keys shared by several views.
struct LocalizerString {
    QString rawValue;

    // Keyword cells.
    static const LocalizerString& keywordStateYes();
    static const LocalizerString& keywordStateNo();
    // Media-information window.
    static const LocalizerString& mediaKindMovie();
    static const LocalizerString& mediaKindShow();

    friend bool operator==(const LocalizerString&, const LocalizerString&) = default;
};

inline size_t qHash(const LocalizerString& string, size_t seed = 0) noexcept
{
    return qHash(string.rawValue, seed);
}

} // namespace corvelle
