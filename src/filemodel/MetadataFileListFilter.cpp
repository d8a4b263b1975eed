#include "filemodel/MetadataFileListFilter.h"

#include "engine/halvex/places/TagEditorLocation.h"
#include "platform/brisa/core/KeyedJson.h"
#include "platform/brisa/core/StringHelpers.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

namespace {

using Filter = MetadataFileListFilter;

// Consecutive separators give empty words, which the word test skips.
QStringList wordsOf(const QString& text)
{
    QStringList words;
    QString word;
    for (const QChar character : text) {
        if (character.isSpace()) {
            words.append(word);
            word.clear();
        } else {
            word.append(character);
        }
    }
    words.append(word);
    return words;
}

class EditorCandidate : public Filter::Candidate {
public:
    explicit EditorCandidate(const MetadataFile& file) : file_(file), editor_(*file.editor()) {}

    QString filename() const override { return file_.filename(); }
    bool hasEdits() const override { return editor_.hasEdits(); }
    bool isFolder() const override { return file_.isFolder(); }
    QList<ostrak::TagName> tagNames() const override { return editor_.tagNames(); }
    std::optional<QString> currentValue(const ostrak::TagName& tagName) const override
    {
        return editor_.currentValue(tagName);
    }
    bool oneOrMoreExifLocationTagsAreEdited() const override
    {
        return halvex::oneOrMoreExifLocationTagsAreEdited(editor_);
    }
    bool hasOneOrMoreExifLocationValues() const override
    {
        return halvex::hasOneOrMoreExifLocationValues(editor_);
    }

private:
    const MetadataFile& file_;
    const halvex::TagEditor& editor_;
};

// The first case of a three-case constraint passes every file, the second passes when the
// answer is yes, the third when it is no. The file is asked only when the answer counts.
template<class Constraint, class Question>
bool passes(Constraint constraint, Question question)
{
    static_assert(int(Filter::FileMediaConstraint::files) == 1 && int(Filter::GpsValueConstraint::without) == 2);
    switch (int(constraint)) {
    case 1:
        return question();
    case 2:
        return !question();
    default:
        return true;
    }
}

bool tagValuesPass(const Filter::StringConstraint& constraint, const Filter::Candidate& candidate)
{
    if (constraint.kind() == Filter::StringConstraint::Case::none)
        return true;
    const QList<ostrak::TagName> names = candidate.tagNames();
    for (const ostrak::TagName& name : names) {
        const std::optional<QString> value = candidate.currentValue(name);
        if (value && constraint.test(*value))
            return true;
    }
    return false;
}

} // namespace

MetadataFileListFilter::StringConstraint::StringConstraint(Case kind, const QString& text)
    : case_(kind), text_(text)
{
    if (kind == Case::contains)
        words_ = wordsOf(text);
    else if (kind == Case::matches)
        expression_ = QRegularExpression(text, QRegularExpression::UseUnicodePropertiesOption);
}

MetadataFileListFilter::StringConstraint MetadataFileListFilter::StringConstraint::contains(const QString& words)
{
    return StringConstraint(Case::contains, words);
}

MetadataFileListFilter::StringConstraint MetadataFileListFilter::StringConstraint::matches(const QString& pattern)
{
    return StringConstraint(Case::matches, pattern);
}

bool MetadataFileListFilter::StringConstraint::test(const QString& candidate) const
{
    switch (case_) {
    case Case::none:
        return true;
    case Case::contains:
        return brisa::containsAllWords(words_, candidate);
    case Case::matches:
        return expression_.isValid() && expression_.match(candidate).hasMatch();
    }
    return true;
}

size_t qHash(const MetadataFileListFilter::StringConstraint& constraint, size_t seed) noexcept
{
    seed = qHashMulti(seed, int(constraint.kind()));
    if (constraint.kind() != MetadataFileListFilter::StringConstraint::Case::none)
        seed = qHash(constraint.text(), seed);
    return seed;
}

QString MetadataFileListFilter::title(FileEditionConstraint constraint)
{
    switch (constraint) {
    case FileEditionConstraint::ignore:
        return localizedString(QStringLiteral("EditionFileFilterIgnoreFileEditionTitle"));
    case FileEditionConstraint::edited:
        return localizedString(QStringLiteral("EditionFileFilterEditedFileEditionTitle"));
    case FileEditionConstraint::unedited:
        return localizedString(QStringLiteral("EditionFileFilterUneditedFileEditionTitle"));
    }
    return {};
}

QString MetadataFileListFilter::title(FileMediaConstraint constraint)
{
    switch (constraint) {
    case FileMediaConstraint::ignore:
        return localizedString(QStringLiteral("EditionFileFilterIgnoreFileMediaTitle"));
    case FileMediaConstraint::files:
        return localizedString(QStringLiteral("EditionFileFilterFilesMediaTitle"));
    case FileMediaConstraint::folders:
        return localizedString(QStringLiteral("EditionFileFilterFoldersMediaTitle"));
    }
    return {};
}

QString MetadataFileListFilter::title(GpsEditionConstraint constraint)
{
    switch (constraint) {
    case GpsEditionConstraint::ignore:
        return localizedString(QStringLiteral("EditionFileFilterIgnoreGpsEditionTitle"));
    case GpsEditionConstraint::edited:
        return localizedString(QStringLiteral("EditionFileFilterEditedGpsEditionTitle"));
    case GpsEditionConstraint::unedited:
        return localizedString(QStringLiteral("EditionFileFilterUneditedGpsEditionTitle"));
    }
    return {};
}

QString MetadataFileListFilter::title(GpsValueConstraint constraint)
{
    switch (constraint) {
    case GpsValueConstraint::ignore:
        return localizedString(QStringLiteral("EditionFileFilterIgnoreGpsValueTitle"));
    case GpsValueConstraint::with:
        return localizedString(QStringLiteral("EditionFileFilterWithGpsValueTitle"));
    case GpsValueConstraint::without:
        return localizedString(QStringLiteral("EditionFileFilterWithoutGpsValueTitle"));
    }
    return {};
}

bool MetadataFileListFilter::matches(const MetadataFile& file) const
{
    return matches(EditorCandidate(file));
}

bool MetadataFileListFilter::matches(const Candidate& candidate) const
{
    return (filenameConstraint.kind() == StringConstraint::Case::none || filenameConstraint.test(candidate.filename()))
           && passes(fileEditionConstraint, [&] { return candidate.hasEdits(); })
           && passes(fileMediaConstraint, [&] { return !candidate.isFolder(); })
           && tagValuesPass(tagValueConstraint, candidate)
           && passes(gpsEditionConstraint, [&] { return candidate.oneOrMoreExifLocationTagsAreEdited(); })
           && passes(gpsValueConstraint, [&] { return candidate.hasOneOrMoreExifLocationValues(); });
}

bool MetadataFileListFilter::isEmpty() const
{
    return *this == MetadataFileListFilter();
}

} // namespace corvelle

using corvelle::MetadataFileListFilter;

#define CORVELLE_FILTER_ENUM_TABLE(Type, ...)                                                      \
    const QList<std::pair<MetadataFileListFilter::Type, QString>>&                                 \
    brisa::EnumStrings<MetadataFileListFilter::Type>::table()                                      \
    {                                                                                              \
        using E = MetadataFileListFilter::Type;                                                    \
        static const QList<std::pair<E, QString>> entries{__VA_ARGS__};                            \
        return entries;                                                                            \
    }

CORVELLE_FILTER_ENUM_TABLE(FileEditionConstraint, {E::ignore, QStringLiteral("ignore")},
                           {E::edited, QStringLiteral("edited")}, {E::unedited, QStringLiteral("unedited")})
CORVELLE_FILTER_ENUM_TABLE(FileMediaConstraint, {E::ignore, QStringLiteral("ignore")},
                           {E::files, QStringLiteral("files")}, {E::folders, QStringLiteral("folders")})
CORVELLE_FILTER_ENUM_TABLE(GpsEditionConstraint, {E::ignore, QStringLiteral("ignore")},
                           {E::edited, QStringLiteral("edited")}, {E::unedited, QStringLiteral("unedited")})
CORVELLE_FILTER_ENUM_TABLE(GpsValueConstraint, {E::ignore, QStringLiteral("ignore")},
                           {E::with, QStringLiteral("with")}, {E::without, QStringLiteral("without")})

#undef CORVELLE_FILTER_ENUM_TABLE

namespace {

const QString filenameKey = QStringLiteral("filenameConstraint");
const QString fileEditionKey = QStringLiteral("fileEditionConstraint");
const QString fileMediaKey = QStringLiteral("fileMediaConstraint");
const QString tagValueKey = QStringLiteral("tagValueConstraint");
const QString gpsEditionKey = QStringLiteral("gpsEditionConstraint");
const QString gpsValueKey = QStringLiteral("gpsValueConstraint");

} // namespace

QJsonValue brisa::JsonCoding<MetadataFileListFilter::StringConstraint>::encode(
    const MetadataFileListFilter::StringConstraint& value)
{
    using Case = MetadataFileListFilter::StringConstraint::Case;
    switch (value.kind()) {
    case Case::none:
        break;
    case Case::contains:
        return KeyedJson::encodeCase(QStringLiteral("contains"), value.text());
    case Case::matches:
        return KeyedJson::encodeCase(QStringLiteral("matches"), value.text());
    }
    return KeyedJson::encodeCase(QStringLiteral("none"));
}

MetadataFileListFilter::StringConstraint brisa::JsonCoding<MetadataFileListFilter::StringConstraint>::decode(
    const QJsonValue& json, const QStringList& codingPath)
{
    using Constraint = MetadataFileListFilter::StringConstraint;
    const KeyedJson::Case found = KeyedJson::decodeCase(
        json, codingPath, {QStringLiteral("none"), QStringLiteral("contains"), QStringLiteral("matches")});
    if (found.name == QLatin1String("contains"))
        return Constraint::contains(found.payload<QString>());
    if (found.name == QLatin1String("matches"))
        return Constraint::matches(found.payload<QString>());
    return Constraint::none();
}

QJsonValue brisa::JsonCoding<MetadataFileListFilter>::encode(const MetadataFileListFilter& value)
{
    QJsonObject object;
    KeyedJson::encode(object, filenameKey, value.filenameConstraint);
    KeyedJson::encode(object, fileEditionKey, value.fileEditionConstraint);
    KeyedJson::encode(object, fileMediaKey, value.fileMediaConstraint);
    KeyedJson::encode(object, tagValueKey, value.tagValueConstraint);
    KeyedJson::encode(object, gpsEditionKey, value.gpsEditionConstraint);
    KeyedJson::encode(object, gpsValueKey, value.gpsValueConstraint);
    return object;
}

MetadataFileListFilter brisa::JsonCoding<MetadataFileListFilter>::decode(const QJsonValue& json,
                                                                         const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    MetadataFileListFilter filter;
    filter.filenameConstraint = object.decode<MetadataFileListFilter::StringConstraint>(filenameKey);
    filter.fileEditionConstraint = object.decode<MetadataFileListFilter::FileEditionConstraint>(fileEditionKey);
    filter.fileMediaConstraint = object.decode<MetadataFileListFilter::FileMediaConstraint>(fileMediaKey);
    filter.tagValueConstraint = object.decode<MetadataFileListFilter::StringConstraint>(tagValueKey);
    filter.gpsEditionConstraint = object.decode<MetadataFileListFilter::GpsEditionConstraint>(gpsEditionKey);
    filter.gpsValueConstraint = object.decode<MetadataFileListFilter::GpsValueConstraint>(gpsValueKey);
    return filter;
}
