#include "engine/halvex/libraries/PhotosRemoteEditionTask.h"

#include "engine/halvex/dates/DateEdition.h"
#include "engine/halvex/dates/TagEditorDates.h"
#include "engine/halvex/places/TagEditorLocation.h"
#include "engine/halvex/tags/MediaType.h"
#include "engine/halvex/tags/TagEditor.h"
#include "platform/brisa/core/JsonCoding.h"

#include <QFileInfo>

namespace halvex {

namespace {

using ostrak::TagName;

TagName tag(const char* group, const char* name)
{
    return TagName(QString::fromLatin1(group), QString::fromLatin1(name));
}

const QStringList& iptcTypes()
{
    static const QStringList types{"JPEG", "MPO", "THM", "TIFF", "PSD", "DNG"};
    return types;
}

// Where the edits of one file go: the tags always written, and those written only when the
// file holds them already, so that no family keeps an old value.
struct Targets {
    QList<TagName> titles;
    QList<TagName> heldTitles;
    QList<TagName> descriptions;
    QList<TagName> heldDescriptions;
    QList<TagName> dates;
    QList<TagName> keywords;
};

Targets targetsOf(const MediaType& type)
{
    const TagName xmpTitle = tag("XMP-dc", "Title");
    const TagName xmpDescription = tag("XMP-dc", "Description");
    Targets targets;
    targets.keywords << tag("XMP-dc", "Subject");
    if (iptcTypes().contains(type.identifier()))
        targets.keywords << tag("IPTC", "Keywords");
    if (type.kind() == MediaKind::movie || type.kind() == MediaKind::audio) {
        // The writable movie and audio types are QuickTime files.
        targets.titles << tag("ItemList", "Title");
        targets.heldTitles << tag("Keys", "Title") << tag("UserData", "Title") << xmpTitle;
        targets.descriptions << tag("ItemList", "Description");
        targets.heldDescriptions << tag("Keys", "Description") << xmpDescription;
        targets.dates << tag("QuickTime", "CreateDate") << tag("Keys", "CreationDate");
    } else if (type.kind() == MediaKind::image) {
        targets.titles << xmpTitle;
        targets.descriptions << xmpDescription << tag("IFD0", "ImageDescription");
        if (iptcTypes().contains(type.identifier())) {
            targets.titles << tag("IPTC", "ObjectName");
            targets.descriptions << tag("IPTC", "Caption-Abstract");
        }
        targets.dates << tag("ExifIFD", "DateTimeOriginal") << tag("ExifIFD", "CreateDate");
    } else {
        targets.titles << xmpTitle;
        targets.descriptions << xmpDescription;
        targets.dates << tag("XMP-exif", "DateTimeOriginal") << tag("XMP-xmp", "CreateDate");
    }
    return targets;
}

bool holds(const TagEditor& editor, const TagName& name)
{
    return editor.currentValue(name).has_value();
}

// An empty text erases the tags.
void writeText(TagEditor& editor, const QString& text, const QList<TagName>& always, const QList<TagName>& held)
{
    for (const TagName& name : always + held) {
        const bool isHeld = holds(editor, name);
        if (!always.contains(name) && !isHeld)
            continue;
        if (text.isEmpty()) {
            if (isHeld)
                editor.clearValue(name);
        } else {
            editor.setValue(text, name);
        }
    }
}

} // namespace

PhotosRemoteEditionTask::Edits PhotosRemoteEditionTask::Edits::of(const PhotosRemoteProfile& profile)
{
    Edits edits;
    edits.fileName = profile.fileNameEdition();
    edits.photoDescription = profile.photoDescriptionEdition();
    if (profile.dateTimeEdition())
        edits.date = profile.dateTimeEdition()->date();
    edits.keywords = profile.keywordEdition();
    edits.location = profile.locationEdition();
    return edits;
}

PhotosRemoteEditionTask::Edits PhotosRemoteEditionTask::Edits::fromDescription(const QJsonObject& description)
{
    // The description is a profile's stored form without its name.
    QJsonObject object = description;
    object.insert(QStringLiteral("name"), QString());
    try {
        const PhotosRemoteProfilePtr profile = brisa::JsonCoding<PhotosRemoteProfilePtr>::decode(object, {});
        return of(*profile);
    } catch (const std::exception&) {
        return {};
    }
}

PhotosRemoteEditionTask::PhotosRemoteEditionTask(const TagEditorList& editors, const Edits& edits)
    : EditionTask(editors, [this, edits](const std::shared_ptr<TagEditor>& editor) {
        for (const TaskMessage& message : edit(*editor, edits))
            addMessage(message);
    })
{
}

QList<TaskMessage> PhotosRemoteEditionTask::edit(TagEditor& editor, const Edits& edits)
{
    const QString path = editor.source().url().toLocalFile();
    if (editor.isFolder())
        return {TaskMessage::error(path, QString::fromLatin1(folderKey))};
    const std::optional<MediaType> type = MediaType::type(editor.source().url());
    if (!type || !type->isWritable())
        return {TaskMessage::error(path, QString::fromLatin1(notWritableKey))};
    const Targets targets = targetsOf(*type);
    QList<TaskMessage> messages;

    if (edits.fileName) {
        const QString title = edits.fileName->kind() == PhotosRemoteFileNameEdition::Kind::keepCurrentName
                                  ? QFileInfo(editor.fileName()).completeBaseName()
                                  : edits.fileName->name();
        writeText(editor, title, targets.titles, targets.heldTitles);
    }
    if (edits.photoDescription)
        writeText(editor, *edits.photoDescription, targets.descriptions, targets.heldDescriptions);
    if (edits.date)
        editDate(editor, DateEdition::select(DateValues(edits.date)), targets.dates);
    if (edits.keywords) {
        for (const TagName& name : targets.keywords) {
            if (edits.keywords->isEmpty()) {
                if (holds(editor, name))
                    editor.clearValue(name);
            } else {
                editor.setValues(*edits.keywords, name);
            }
        }
    }
    if (edits.location) {
        if (edits.location->isValid())
            setGPSCoordinate(editor, TypedValue(*edits.location));
        else
            messages << TaskMessage::error(path, QString::fromLatin1(invalidLocationKey),
                                           {edits.location->latitude(), edits.location->longitude()});
    }
    return messages;
}

} // namespace halvex
