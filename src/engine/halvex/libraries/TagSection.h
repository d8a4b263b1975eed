#pragma once

#include "engine/halvex/kit/LocalizedText.h"
#include "platform/brisa/core/JsonCoding.h"

#include <QMetaType>
#include <QString>

#include <optional>

namespace halvex {

// A heading in a tag set. Its stored title names it in menus as it stands; its localised name
// is what lists show: the translated name for the engine's own sections, the title itself for a
// section the user made or renamed.
class TagSection {
public:
    // A section titled by the user.
    explicit TagSection(QString title = {});
    // One of the engine's own sections, by its localisation key (see builtInKeys()).
    static TagSection builtIn(const QString& key);
    // The localisation keys of the engine's own sections. A stored section names one of them;
    // any other key is ignored, so a file cannot make the interface show an arbitrary text.
    static const QStringList& builtInKeys();

    const QString& title() const { return title_; }
    bool isBuiltIn() const { return localizationKey_.has_value(); }
    LocalizedText localizedName() const;

    friend bool operator==(const TagSection&, const TagSection&) = default;

private:
    TagSection(QString title, std::optional<QString> localizationKey);

    friend struct brisa::JsonCoding<TagSection>;

    QString title_;
    std::optional<QString> localizationKey_;
};

} // namespace halvex

// {"title": "Movie"}, with "localizationKey" for one of the engine's own sections.
template<>
struct brisa::JsonCoding<halvex::TagSection> {
    static QJsonValue encode(const halvex::TagSection& section);
    static halvex::TagSection decode(const QJsonValue& json, const QStringList& codingPath);
};

Q_DECLARE_METATYPE(halvex::TagSection)
