#include "tags/TagsSettings.h"

namespace corvelle {

const Settings::EnumKey<ReducedTagSetUserChoice>& Settings::reducedTagSetUserChoice()
{
    static const EnumKey<ReducedTagSetUserChoice> key(QStringLiteral("ReducedTagSetUserChoice"), [] { return ReducedTagSetUserChoice::choosen; });
    return key;
}

const Settings::TagStreamsKey& Settings::copyTagsChosenStreams()
{
    static const TagStreamsKey key(QStringLiteral("CopyTagsChosenStreams"), [] { return QList<ostrak::TagStream>(); });
    return key;
}

const Settings::TagStreamsKey& Settings::restoreTagsChosenStreams()
{
    static const TagStreamsKey key(QStringLiteral("RestoreTagsChosenStreams"), [] { return QList<ostrak::TagStream>(); });
    return key;
}

const Settings::TagStreamsKey& Settings::eraseTagsChosenStreams()
{
    static const TagStreamsKey key(QStringLiteral("EraseTagsChosenStreams"), [] { return QList<ostrak::TagStream>(); });
    return key;
}

const Settings::TagStreamsKey& Settings::deleteBlocksChosenStreams()
{
    static const TagStreamsKey key(QStringLiteral("DeleteBlocksChosenStreams"), [] { return QList<ostrak::TagStream>(); });
    return key;
}

const Settings::TagStreamsKey& Settings::tagsImportChosenStreams()
{
    static const TagStreamsKey key(QStringLiteral("TagsImportChosenStreams"), [] { return QList<ostrak::TagStream>(); });
    return key;
}

const Settings::TagNamesKey& Settings::tagsImportChosenNames()
{
    static const TagNamesKey key(QStringLiteral("TagsImportChosenNames"), [] { return QList<ostrak::TagName>(); });
    return key;
}

const Settings::TagNamesKey& Settings::tagsImportCSVTableNames()
{
    static const TagNamesKey key(QStringLiteral("TagsImportCSVTableNames"), [] { return QList<ostrak::TagName>(); });
    return key;
}

const Settings::JSONKey<ostrak::TagName>& Settings::syncDateTimeChosenName()
{
    static const JSONKey<ostrak::TagName> key(QStringLiteral("SyncDateTimeChosenName"), [] { return ostrak::TagItem::itemEXIFDateTimeOriginal().tagName(); });
    return key;
}

const Settings::JSONKey<QList<halvex::TagSyncPair>>& Settings::lastTagCopies()
{
    static const JSONKey<QList<halvex::TagSyncPair>> key(QStringLiteral("LastTagCopies"), [] { return QList<halvex::TagSyncPair>(); });
    return key;
}

const Settings::JSONKey<halvex::TagValueTableFilter>& Settings::lastTagSelection()
{
    static const JSONKey<halvex::TagValueTableFilter> key(QStringLiteral("LastTagSelection"), [] { return halvex::TagValueTableFilter(); });
    return key;
}

const Settings::JSONKey<halvex::TagValueTableFilter>& Settings::lastTagFilter()
{
    static const JSONKey<halvex::TagValueTableFilter> key(QStringLiteral("LastTagFilter"), [] { return halvex::TagValueTableFilter(); });
    return key;
}

} // namespace corvelle
