#pragma once

#include "filemodel/KeyedEnumCoding.h"
#include "filemodel/MetadataFile.h"
#include "engine/ostrak/TagName.h"
#include "platform/brisa/core/EnumStrings.h"
#include "platform/brisa/core/JsonCoding.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace corvelle {

// Which open files pass six constraints: on the file name, on unsaved edits, on file or folder,
// on the tag values, on edited GPS location tags and on having a GPS location at all. Stored as
// the last filter used ("LastFileSelection").
class MetadataFileListFilter {
public:
    // A test on a text: none, the words of a text in order (case, accents and width ignored), or
    // a regular expression found anywhere in it (case-sensitive). A pattern that is no valid
    // regular expression finds nothing.
    class StringConstraint {
    public:
        enum class Case { none, contains, matches };

        static StringConstraint none() { return StringConstraint(); }
        static StringConstraint contains(const QString& words);
        static StringConstraint matches(const QString& pattern);

        StringConstraint() = default;

        Case kind() const { return case_; }
        // The words or the pattern; empty for none.
        const QString& text() const { return text_; }

        // The text passes. `none` passes every text.
        bool test(const QString& candidate) const;

        friend bool operator==(const StringConstraint& a, const StringConstraint& b)
        {
            return a.case_ == b.case_ && a.text_ == b.text_;
        }

    private:
        StringConstraint(Case kind, const QString& text);

        Case case_ = Case::none;
        QString text_;
        // Made once, for the many files and values a constraint is asked about.
        QStringList words_;
        QRegularExpression expression_;
    };

    enum class FileEditionConstraint { ignore, edited, unedited };
    enum class FileMediaConstraint { ignore, files, folders };
    enum class GpsEditionConstraint { ignore, edited, unedited };
    enum class GpsValueConstraint { ignore, with, without };

    static QString title(FileEditionConstraint constraint);
    static QString title(FileMediaConstraint constraint);
    static QString title(GpsEditionConstraint constraint);
    static QString title(GpsValueConstraint constraint);

    // What the constraints ask of a file, one question each, in the order they ask.
    class Candidate {
    public:
        virtual ~Candidate() = default;
        virtual QString filename() const = 0;
        virtual bool hasEdits() const = 0;
        virtual bool isFolder() const = 0;
        virtual QList<ostrak::TagName> tagNames() const = 0;
        virtual std::optional<QString> currentValue(const ostrak::TagName& tagName) const = 0;
        virtual bool oneOrMoreExifLocationTagsAreEdited() const = 0;
        virtual bool hasOneOrMoreExifLocationValues() const = 0;
    };

    // The neutral filter: constrains nothing.
    MetadataFileListFilter() = default;

    StringConstraint filenameConstraint;
    FileEditionConstraint fileEditionConstraint = FileEditionConstraint::ignore;
    FileMediaConstraint fileMediaConstraint = FileMediaConstraint::ignore;
    StringConstraint tagValueConstraint;
    GpsEditionConstraint gpsEditionConstraint = GpsEditionConstraint::ignore;
    GpsValueConstraint gpsValueConstraint = GpsValueConstraint::ignore;

    // Every constraint passes, tested in field order; the first that fails ends the test, and
    // the later ones ask the file nothing. Reads the file's tag editor only.
    bool matches(const MetadataFile& file) const;
    bool matches(const Candidate& candidate) const;

    bool isEmpty() const;

    friend bool operator==(const MetadataFileListFilter&, const MetadataFileListFilter&) = default;
};

size_t qHash(const MetadataFileListFilter::StringConstraint& constraint, size_t seed = 0) noexcept;

} // namespace corvelle

#define CORVELLE_FILTER_ENUM_CODING(Type)                                                          \
    template<>                                                                                     \
    struct brisa::EnumStrings<corvelle::MetadataFileListFilter::Type> {                            \
        static const QList<std::pair<corvelle::MetadataFileListFilter::Type, QString>>& table();   \
    };                                                                                             \
    template<>                                                                                     \
    struct brisa::JsonCoding<corvelle::MetadataFileListFilter::Type>                               \
        : corvelle::KeyedEnumCoding<corvelle::MetadataFileListFilter::Type> {};

CORVELLE_FILTER_ENUM_CODING(FileEditionConstraint)
CORVELLE_FILTER_ENUM_CODING(FileMediaConstraint)
CORVELLE_FILTER_ENUM_CODING(GpsEditionConstraint)
CORVELLE_FILTER_ENUM_CODING(GpsValueConstraint)

#undef CORVELLE_FILTER_ENUM_CODING

// {"none": {}}, {"contains": {"_0": "words"}} or {"matches": {"_0": "pattern"}}
template<>
struct brisa::JsonCoding<corvelle::MetadataFileListFilter::StringConstraint> {
    static QJsonValue encode(const corvelle::MetadataFileListFilter::StringConstraint& value);
    static corvelle::MetadataFileListFilter::StringConstraint decode(const QJsonValue& json,
                                                                     const QStringList& codingPath);
};

// An object keyed by the six field names.
template<>
struct brisa::JsonCoding<corvelle::MetadataFileListFilter> {
    static QJsonValue encode(const corvelle::MetadataFileListFilter& value);
    static corvelle::MetadataFileListFilter decode(const QJsonValue& json, const QStringList& codingPath);
};
