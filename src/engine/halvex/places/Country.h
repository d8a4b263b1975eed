#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace halvex {

// A country of ISO 3166-1 with its three codes. The first, alpha-3 ("FRA"), is the one the
// editor writes and shows: IPTC's Country-PrimaryLocationCode takes only that form, and XMP's
// CountryCode takes it too. The second is alpha-2 ("FR"), the third numeric ("250").
class Country {
public:
    // Every country, in the order of the ISO table (by alpha-3 code).
    static const QList<Country>& allCases();
    // The country one of whose codes the text is, ignoring case and surrounding blanks; a
    // numeric code may leave out its leading zeros.
    static std::optional<Country> fromCode(const QString& text);

    // The first code.
    QString code() const { return alpha3(); }
    QString alpha3() const;
    QString alpha2() const;
    QString numeric() const;
    // First, second, third.
    QStringList codes() const { return {alpha3(), alpha2(), numeric()}; }

    // Its usual English name ("Bolivia", "South Korea").
    QString englishName() const;
    // The name in the language of QLocale() (the locale the application set as default).
    QString localizedName() const { return localizedName(QLocale()); }
    // The name in the language of the locale where Qt's locale data has it, which is when a
    // locale of that language exists for the country ("Schweiz" in German); the English name
    // otherwise.
    QString localizedName(const QLocale& locale) const;

    friend bool operator==(const Country& a, const Country& b) { return a.entry_ == b.entry_; }
    friend size_t qHash(const Country& country, size_t seed = 0) { return qHash(country.alpha3(), seed); }

    struct Entry;

private:
    explicit Country(const Entry* entry) : entry_(entry) {}

    const Entry* entry_;
};

} // namespace halvex
