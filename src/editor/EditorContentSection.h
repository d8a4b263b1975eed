#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "platform/brisa/core/JsonCoding.h"

#include <QJsonValue>
#include <QStringList>

#include <iterator>
#include <optional>
#include <stdexcept>

namespace corvelle {

// The sections of the editor window, one shown at a time.
enum class EditorContentSection {
    welcome,
    preview,
    tags,
    map,
    raw,
};

// The position of a section in the toolbar's section switcher (preview 0 to raw 3); the
// welcome section is never offered there.
inline std::optional<int> switcherIndex(EditorContentSection section)
{
    switch (section) {
    case EditorContentSection::welcome: return std::nullopt;
    case EditorContentSection::preview: return 0;
    case EditorContentSection::tags: return 1;
    case EditorContentSection::map: return 2;
    case EditorContentSection::raw: return 3;
    }
    return std::nullopt;
}

// The section at a switcher position; none for any other index, negative ones included.
inline std::optional<EditorContentSection> sectionAtSwitcherIndex(int index)
{
    static const EditorContentSection sections[] = {EditorContentSection::preview, EditorContentSection::tags,
                                                    EditorContentSection::map, EditorContentSection::raw};
    if (index < 0 || index >= int(std::size(sections)))
        return std::nullopt;
    return sections[index];
}

// Raised when a stored section is a string that names no section. An error of the JSON itself
// (not a string at all) is brisa's DecodingError instead.
class EditorContentSectionDecodingError : public std::runtime_error {
public:
    enum class Code { rawValueMismatch };

    explicit EditorContentSectionDecodingError(Code code = Code::rawValueMismatch)
        : std::runtime_error("Raw value mismatch"), code_(code)
    {
    }

    Code code() const { return code_; }
    QString rawValue() const { return QString::fromLatin1(what()); }

private:
    Code code_;
};

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::EditorContentSection> {
    static const QList<std::pair<corvelle::EditorContentSection, QString>>& table()
    {
        using E = corvelle::EditorContentSection;
        static const QList<std::pair<E, QString>> entries{
            {E::welcome, QStringLiteral("welcome")},
            {E::preview, QStringLiteral("preview")},
            {E::tags, QStringLiteral("tags")},
            {E::map, QStringLiteral("map")},
            {E::raw, QStringLiteral("raw")},
        };
        return entries;
    }
};

// A section is coded as its raw string alone.
template<>
struct brisa::JsonCoding<corvelle::EditorContentSection> {
    static QJsonValue encode(const corvelle::EditorContentSection& value) { return brisa::rawValue(value); }

    static corvelle::EditorContentSection decode(const QJsonValue& json, const QStringList& codingPath)
    {
        const QString raw = JsonCoding<QString>::decode(json, codingPath);
        if (const auto section = brisa::caseFromRawValue<corvelle::EditorContentSection>(raw))
            return *section;
        throw corvelle::EditorContentSectionDecodingError();
    }
};
