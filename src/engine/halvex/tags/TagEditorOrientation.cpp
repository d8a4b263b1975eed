#include "engine/halvex/tags/TagEditorOrientation.h"

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/tags/StagedValues.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/TagItem.h"

namespace halvex {

namespace {

const ostrak::TagName& exifOrientationName()
{
    static const ostrak::TagName name = ostrak::TagItem::itemEXIFOrientation().tagName();
    return name;
}

const ostrak::TagName& rotationName()
{
    static const ostrak::TagName name(QStringLiteral("Composite"), QStringLiteral("Rotation"));
    return name;
}

const ostrak::TagName& thumbnailName()
{
    static const ostrak::TagName name(QStringLiteral("IFD1"), QStringLiteral("ThumbnailImage"));
    return name;
}

std::optional<int> integerValue(const std::optional<QString>& text)
{
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

OrientationEditResult applied(bool changed, bool mirrorDropped)
{
    if (mirrorDropped)
        return OrientationEditResult::mirrorDropped;
    return changed ? OrientationEditResult::changed : OrientationEditResult::unchanged;
}

using Transform = ExifOrientation (ExifOrientation::*)() const;

OrientationEditResult transformed(TagEditor& editor, Transform transform)
{
    if (editor.prefersQuicktime())
        return setQuicktimeOrientation(editor, (quicktimeOrientation(editor).*transform)());
    return setExifOrientation(editor, (exifOrientation(editor).*transform)());
}

} // namespace

ExifOrientation exifOrientation(const TagEditor& editor)
{
    const std::optional<QString> text = StagedValues::numericValue(editor, exifOrientationName());
    std::optional<int> number = integerValue(text);
    // An edit typed as the printed choice ("Rotate 180").
    if (!number && text) {
        if (const auto value = ostrak::TagItem::itemEXIFOrientation().valueOfDescription(text->trimmed()))
            number = integerValue(*value);
    }
    return number ? ExifOrientation::fromExifNumber(*number).value_or(ExifOrientation::normal) : ExifOrientation::normal;
}

// Each public edit opens one edition (EditionManager::Scope), so that every tag it writes is
// reported by a single history flush.

OrientationEditResult setExifOrientation(TagEditor& editor, ExifOrientation orientation)
{
    const EditionManager::Scope oneEdition;
    const ostrak::TagName& name = exifOrientationName();
    // A file without the tag shows its picture as normal already.
    if (exifOrientation(editor) == orientation && !editor.isEdited(name))
        return OrientationEditResult::unchanged;
    return applied(StagedValues::stage(editor, name, QString::number(orientation.exifNumber())), false);
}

ExifOrientation quicktimeOrientation(const TagEditor& editor)
{
    const std::optional<int> degrees = integerValue(StagedValues::numericValue(editor, rotationName()));
    return degrees ? ExifOrientation::fromQuicktimeRotation(*degrees).value_or(ExifOrientation::normal)
                   : ExifOrientation::normal;
}

OrientationEditResult setQuicktimeOrientation(TagEditor& editor, ExifOrientation orientation)
{
    const EditionManager::Scope oneEdition;
    const bool mirrored = orientation.isMirrored();
    const ostrak::TagName& name = rotationName();
    // Without a video track there is no matrix to turn, and the write would fail at saving; nor
    // is there a picture whose mirroring could be lost.
    if (!editor.isFolder() && !editor.originalValue(name))
        return OrientationEditResult::unchanged;
    const ExifOrientation current = quicktimeOrientation(editor);
    ExifOrientation turn = orientation.withoutMirror();
    // A mirrored orientation is a horizontal mirror and a turn, or a vertical mirror and the
    // opposite turn: when the current turn is one of the two, a flip leaves it as it is rather
    // than turning the picture upside down.
    if (mirrored && turn.rotateRight().rotateRight() == current)
        turn = current;
    if (current == turn && !editor.isEdited(name))
        return applied(false, mirrored);
    return applied(StagedValues::stage(editor, name, QString::number(*turn.quicktimeRotation())), mirrored);
}

OrientationEditResult horizontalFlipOrientation(TagEditor& editor)
{
    const EditionManager::Scope oneEdition;
    return transformed(editor, &ExifOrientation::horizontalFlip);
}

OrientationEditResult verticalFlipOrientation(TagEditor& editor)
{
    const EditionManager::Scope oneEdition;
    return transformed(editor, &ExifOrientation::verticalFlip);
}

OrientationEditResult rotateLeftOrientation(TagEditor& editor)
{
    const EditionManager::Scope oneEdition;
    return transformed(editor, &ExifOrientation::rotateLeft);
}

OrientationEditResult rotateRightOrientation(TagEditor& editor)
{
    const EditionManager::Scope oneEdition;
    return transformed(editor, &ExifOrientation::rotateRight);
}

TaskMessage orientationMirrorDroppedMessage(const TagEditor& editor)
{
    const QString path = editor.source().url().toLocalFile();
    return TaskMessage::warning(path, QStringLiteral("OrientationMirrorDroppedWarning"), {editor.fileName()});
}

bool clearExifThumbnail(TagEditor& editor)
{
    const EditionManager::Scope oneEdition;
    return editor.clearValue(thumbnailName());
}

bool restoreExifThumbnail(TagEditor& editor)
{
    const EditionManager::Scope oneEdition;
    return editor.restoreValue(thumbnailName());
}

} // namespace halvex
