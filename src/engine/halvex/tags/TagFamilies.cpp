#include "engine/halvex/tags/TagFamilies.h"

#include "engine/halvex/tags/MediaType.h"
#include "engine/halvex/tags/TagEditor.h"

#include <QRegularExpression>
#include <QStringList>

namespace halvex {

namespace {

const QStringList& quicktimeTypes()
{
    static const QStringList types{"MOV", "MP4", "M4V", "3GP", "3G2", "F4V", "LRV", "MQV", "CRM",
                                   "360", "INSV", "M4A", "M4B", "M4P", "AAX"};
    return types;
}

// Types ExifTool writes IPTC into.
const QStringList& iptcTypes()
{
    static const QStringList types{"JPEG", "MPO", "THM", "TIFF", "PSD", "DNG", "EXV", "MIE", "EPS", "PS"};
    return types;
}

// Images that have no EXIF block.
const QStringList& imagesWithoutExif()
{
    static const QStringList types{"GIF", "PPM", "BMP", "ICO", "EXR", "XCF"};
    return types;
}

} // namespace

std::optional<TagFamilies::Family> TagFamilies::familyOf(const ostrak::TagName& tagName)
{
    const QString group = tagName.group();
    if (group.startsWith(QLatin1String("XMP")))
        return Family::xmp;
    if (group == QLatin1String("IPTC"))
        return Family::iptc;
    static const QRegularExpression exif(QStringLiteral("^(IFD\\d+|ExifIFD|GPS|InteropIFD|SubIFD\\d*)$"));
    if (exif.match(group).hasMatch())
        return Family::exif;
    static const QRegularExpression quicktime(QStringLiteral("^(QuickTime|ItemList|Keys|UserData|Track\\d+)$"));
    if (quicktime.match(group).hasMatch())
        return Family::quicktime;
    return std::nullopt;
}

std::optional<bool> TagFamilies::typeCanHold(const MediaType& type, Family family)
{
    if (type.isFolder())
        return std::nullopt;
    const QString& id = type.identifier();
    switch (family) {
    case Family::xmp:
        return true;
    case Family::exif:
        return (type.kind() == MediaKind::image && !imagesWithoutExif().contains(id))
               || (type.kind() == MediaKind::sidecar && id != u"XMP");
    case Family::quicktime:
        return quicktimeTypes().contains(id);
    case Family::iptc:
        return iptcTypes().contains(id);
    }
    return std::nullopt;
}

bool TagFamilies::canHold(const TagEditor& editor, const ostrak::TagName& tagName)
{
    const std::optional<Family> family = familyOf(tagName);
    if (!family || editor.isFolder())
        return true;
    const std::optional<MediaType> type = MediaType::type(editor.source().url());
    if (!type)
        return true;
    if (typeCanHold(*type, *family).value_or(true))
        return true;
    // What the file holds already, its format holds.
    return editor.currentValue(tagName).has_value();
}

} // namespace halvex
