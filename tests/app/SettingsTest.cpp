#include "app/settings/AdvancedSettings.h"
#include "editor/EditorSettings.h"
#include "engine/ostrak/TagItem.h"
#include "filebrowser/FileBrowserSettings.h"
#include "filemodel/settings/EditionSettings.h"
#include "filemodel/settings/FileModelSettings.h"
#include "map/MapSettings.h"
#include "mediainfo/MediaInfoSettings.h"
#include "photos/PhotosSettings.h"
#include "platform/brisa/core/NotificationCenter.h"
#include "platform/brisa/core/UserDefaults.h"
#include "tags/TagsSettings.h"
#include "widgets/settings/GeneralSettings.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <type_traits>

using namespace corvelle;
using brisa::UserDefaults;

namespace {

// A key's value as the tests compare it: enums by raw string, the map style by number.
template<class Coder>
QVariant comparable(const typename Coder::Value& value)
{
    using Value = typename Coder::Value;
    if constexpr (std::is_same_v<Value, MapType>)
        return static_cast<int>(value);
    else if constexpr (std::is_enum_v<Value>)
        return brisa::rawValue(value);
    else if constexpr (std::is_same_v<Value, MetadataFileListFilter> || std::is_same_v<Value, MetadataFileListSort>
                       || std::is_same_v<Value, QList<halvex::TagSyncPair>>)
        return brisa::JsonCoding<Value>::encode(value).toVariant();
    else if constexpr (std::is_same_v<Value, ostrak::TagName>)
        return value.rawValue();
    else if constexpr (std::is_same_v<Value, halvex::TagValueTableFilter>)
        return QString::fromUtf8(brisa::encodeJson(value));
    else if constexpr (std::is_same_v<Value, QList<ostrak::TagName>>
                       || std::is_same_v<Value, QList<ostrak::TagStream>>) {
        QStringList raw;
        for (const auto& item : value)
            raw << item.rawValue();
        return raw;
    }
    else
        return QVariant::fromValue(value);
}

template<class Coder>
QVariant read(const UserDefaults& domain, const brisa::EvaluedUserDefaultsKey<Coder>& key)
{
    return comparable<Coder>(domain.value(key));
}

using Reader = std::function<QVariant(const UserDefaults&)>;
using Writer = std::function<void(UserDefaults&)>;

template<class Coder>
Reader readerOf(const brisa::EvaluedUserDefaultsKey<Coder>& key)
{
    return [&key](const UserDefaults& domain) { return read(domain, key); };
}

template<class Coder>
Writer writerOf(const brisa::EvaluedUserDefaultsKey<Coder>& key,
                const typename Coder::Value& value)
{
    return [&key, value](UserDefaults& domain) { domain.set(key, value); };
}

QString nameOrEmpty(const auto* key)
{
    return key ? key->name() : QString();
}

} // namespace

Q_DECLARE_METATYPE(Reader)
Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(EditorContentSection)

class SettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    int domainCount_ = 0;

    // A domain of its own for each test, so that no stored value leaks between them.
    std::unique_ptr<UserDefaults> freshDomain()
    {
        return std::make_unique<UserDefaults>(
            folder_.filePath(QStringLiteral("Domain%1.json").arg(++domainCount_)));
    }

    template<class Coder>
    void addDefaultRow(const QString& expectedName, const brisa::EvaluedUserDefaultsKey<Coder>& key,
                       const QVariant& expected, const char* tag = nullptr)
    {
        const auto domain = freshDomain();
        QTest::newRow(tag ? tag : qPrintable(expectedName))
            << expectedName << key.name() << read(*domain, key) << expected;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(folder_.isValid()); }

    void defaultsOnFreshDomain_data()
    {
        QTest::addColumn<QString>("expectedName");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("expected");

        namespace S = Settings;
        const QString constrainsNothing = QStringLiteral(
            R"({"nameConstraint":{"none":{}},"valueConstraint":{"none":{}},"valueEdition":"ignore","valueState":"ignore"})");
        addDefaultRow("GeneralUserChoiceNotification", S::generalUserChoiceNotification(),
                      "all_notifications");
        addDefaultRow("GeneralUserChoiceDateStyle", S::generalUserChoiceDateStyle(), "medium");
        addDefaultRow("GeneralUserChoiceTimeStyle", S::generalUserChoiceTimeStyle(), "medium");
        addDefaultRow("GeneralUserChoiceGPSFormat", S::generalUserChoiceGPSFormat(), "ISO6709");
        addDefaultRow("GeneralUserChoicePresetGroups", S::generalUserChoicePresetGroups(),
                      "show_groups");
        addDefaultRow("EditionUserChoiceErrorAlert", S::editionUserChoiceErrorAlert(), "ignore");
        addDefaultRow("EditionUserChoiceErrorsBehavior", S::editionUserChoiceErrorsBehavior(),
                      "ignore");
        addDefaultRow("EditionUserChoiceCorrections", S::editionUserChoiceCorrections(),
                      "fix_invalid_offsets");
        addDefaultRow("EditionFileModifyDateUpdate", S::editionFileModifyDateUpdate(),
                      "update_manually");
        addDefaultRow("EditionUserChoiceIPTCDigest", S::editionUserChoiceIPTCDigest(),
                      "update_if_exists");
        addDefaultRow("EditionUserChoiceIPTCCharSet", S::editionUserChoiceIPTCCharSet(), "utf8");
        addDefaultRow("EditionUserChoiceXMPToolkit", S::editionUserChoiceXMPToolkit(), QString());
        addDefaultRow("UserQuickTimeItemListLevel", S::userQuickTimeItemListLevel(), 0);
        addDefaultRow("UserQuickTimeUserDataLevel", S::userQuickTimeUserDataLevel(), 1);
        addDefaultRow("UserQuickTimeKeysLevel", S::userQuickTimeKeysLevel(), 2);
        addDefaultRow("EnableDebuggingMode", S::enableDebuggingMode(), false);
        addDefaultRow("LastContentSection", S::lastContentSection(), "preview");
        addDefaultRow("FileSectionListScrollY", S::fileSectionListScrollY(), 0.0);
        addDefaultRow("FileSectionGridScrollY", S::fileSectionGridScrollY(), 0.0);
        addDefaultRow("TagsSectionListScrollY", S::tagsSectionListScrollY(), 0.0);
        addDefaultRow("TagEditingSidebarState", S::tagEditingSidebarState(), "disabled");
        addDefaultRow("TagsSectionFileViewSplitRatio", S::tagsSectionFileViewSplitRatio(), 0.5);
        addDefaultRow("TagsSectionFileViewMode", S::tagsSectionFileViewMode(), "grid");
        addDefaultRow("TagsSectionFileCollectionZoom", S::tagsSectionFileCollectionZoom(), 0.8);
        addDefaultRow("TagsSectionShowTagsInFileList", S::tagsSectionShowTagsInFileList(), true);
        addDefaultRow("MapEditingSidebarState", S::mapEditingSidebarState(), "disabled");
        addDefaultRow("TagsSectionFileViewSplitRatio", S::mapSectionFileViewSplitRatio(), 0.5,
                      "TagsSectionFileViewSplitRatio of the map section");
        addDefaultRow("MapSectionFileViewMode", S::mapSectionFileViewMode(), "list");
        addDefaultRow("MapSectionFileCollectionZoom", S::mapSectionFileCollectionZoom(), 0.8);
        addDefaultRow("MapSectionShowGPSInFileList", S::mapSectionShowGPSInFileList(), true);
        addDefaultRow("MapViewTypeValue", S::mapViewTypeValue(), 0);
        addDefaultRow("MapDisplayFilenameUserChoice", S::mapDisplayFilenameUserChoice(), "hide");
        addDefaultRow("MapDisplayOtherItemsUserChoice", S::mapDisplayOtherItemsUserChoice(),
                      "hide");
        addDefaultRow("MapAutomaticZoomUserChoice", S::mapAutomaticZoomUserChoice(), "zoom");
        addDefaultRow("UseUnfoldFoldersImport", S::useUnfoldFoldersImport(), false);
        addDefaultRow("UseRecursiveUnfoldImport", S::useRecursiveUnfoldImport(), false);
        addDefaultRow("UnfoldImportAllowedTypes", S::unfoldImportAllowedTypes(), QStringList());
        addDefaultRow("ReducedTagSetUserChoice", S::reducedTagSetUserChoice(), "choosen");
        addDefaultRow("PhotoCollectionZoom", S::photoCollectionZoom(), 0.8);
        addDefaultRow("QuickLookIsPinned", S::quickLookIsPinned(), true);
        addDefaultRow("LastVideoSearchTarget", S::lastVideoSearchTarget(), "Movie-AppleTV");
        addDefaultRow("CopyTagsChosenStreams", S::copyTagsChosenStreams(), QStringList());
        addDefaultRow("RestoreTagsChosenStreams", S::restoreTagsChosenStreams(), QStringList());
        addDefaultRow("EraseTagsChosenStreams", S::eraseTagsChosenStreams(), QStringList());
        addDefaultRow("DeleteBlocksChosenStreams", S::deleteBlocksChosenStreams(), QStringList());
        addDefaultRow("TagsImportChosenStreams", S::tagsImportChosenStreams(), QStringList());
        addDefaultRow("TagsImportChosenNames", S::tagsImportChosenNames(), QStringList());
        addDefaultRow("TagsImportCSVTableNames", S::tagsImportCSVTableNames(), QStringList());
        addDefaultRow("SyncDateTimeChosenName", S::syncDateTimeChosenName(),
                      ostrak::TagItem::itemEXIFDateTimeOriginal().tagName().rawValue());
        const QVariantMap empty;
        const QVariantMap ignore{{"ignore", empty}};
        const QVariantMap none{{"none", empty}};
        addDefaultRow("LastFileSelection", S::lastFileSelection(),
                      QVariantMap{{"filenameConstraint", none}, {"fileEditionConstraint", ignore},
                                  {"fileMediaConstraint", ignore}, {"tagValueConstraint", none},
                                  {"gpsEditionConstraint", ignore}, {"gpsValueConstraint", ignore}});
        addDefaultRow("LastFileSort", S::lastFileSort(),
                      QVariantMap{{"tagName", QVariantMap{{"group", "System"}, {"name", "FileName"}}},
                                  {"order", QVariantMap{{"ascending", empty}}}});
        addDefaultRow("LastTagCopies", S::lastTagCopies(), QVariantList());
        addDefaultRow("LastTagSelection", S::lastTagSelection(), constrainsNothing);
        addDefaultRow("LastTagFilter", S::lastTagFilter(), constrainsNothing);
    }

    void defaultsOnFreshDomain()
    {
        QFETCH(QString, expectedName);
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QFETCH(QVariant, expected);
        QCOMPARE(name, expectedName);
        QCOMPARE(value, expected);
    }

    void storedValuesRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<QVariant>("expected");

        namespace S = Settings;
        const auto row = [](const char* tag, const auto& key, const QVariant& stored,
                            const QVariant& expected) {
            QTest::newRow(tag) << key.name() << stored << readerOf(key) << expected;
        };
        row("unknown date style", S::generalUserChoiceDateStyle(), "gigantic", "medium");
        row("date style in other case", S::generalUserChoiceDateStyle(), "Full", "medium");
        row("date style as a number", S::generalUserChoiceDateStyle(), 3, "medium");
        row("tag set spelled chosen", S::reducedTagSetUserChoice(), "chosen", "choosen");
        row("capitalised section", S::lastContentSection(), "Tags", "preview");
        row("GPS format with an apostrophe", S::generalUserChoiceGPSFormat(),
            QStringLiteral("Post DD\u00B0MM'SS.s"), "ISO6709");
        row("digest case name in place of its raw string", S::editionUserChoiceIPTCDigest(),
            "updateIfExists", "update_if_exists");
        row("bool stored as text", S::tagsSectionShowTagsInFileList(), "false", true);
        row("level stored as text", S::userQuickTimeKeysLevel(), "7", 2);
        row("ratio stored as text", S::tagsSectionFileViewSplitRatio(), "0.3", 0.5);
        row("type list stored as one text", S::unfoldImportAllowedTypes(), "mov", QStringList());
        row("map style 9", S::mapViewTypeValue(), 9, 0);
        row("map style -1", S::mapViewTypeValue(), -1, 0);
        row("map style as text", S::mapViewTypeValue(), "2", 0);
        row("map style 3 is read", S::mapViewTypeValue(), 3, 3);
        row("map style 5 is read", S::mapViewTypeValue(), 5, 5);
        row("stream list as plain text", S::copyTagsChosenStreams(), "EXIF", QStringList());
        row("tag name without its group", S::syncDateTimeChosenName(),
            QVariantMap{{"name", "CreateDate"}},
            ostrak::TagItem::itemEXIFDateTimeOriginal().tagName().rawValue());
        row("tag name list with a number in it", S::tagsImportChosenNames(),
            QVariantList{QVariantMap{{"group", "XMP-dc"}, {"name", "Title"}}, 3}, QStringList());
        const QVariant neutralFilter = brisa::JsonCoding<MetadataFileListFilter>::encode({}).toVariant();
        QVariantMap twoCases = neutralFilter.toMap();
        twoCases.insert("fileMediaConstraint", QVariantMap{{"files", QVariantMap()}, {"folders", QVariantMap()}});
        row("file filter with two cases in one constraint", S::lastFileSelection(), twoCases, neutralFilter);
        row("file sort without its order", S::lastFileSort(),
            QVariantMap{{"tagName", QVariantMap{{"group", "IFD0"}, {"name", "Make"}}}},
            brisa::JsonCoding<MetadataFileListSort>::encode({}).toVariant());
        row("tag copy without its destination", S::lastTagCopies(),
            QVariantList{QVariantMap{{"source", QVariantMap{{"group", "IFD0"}, {"name", "Make"}}}}},
            QVariantList());
        const QString constrainsNothing = QString::fromUtf8(brisa::encodeJson(halvex::TagValueTableFilter()));
        const QVariantMap noConstraint{{"none", QVariantMap()}};
        const QVariantMap edited{{"nameConstraint", noConstraint}, {"valueConstraint", noConstraint}, {"valueEdition", "edited"},
                                 {"valueState", "ignore"}};
        row("tag filter as plain text", S::lastTagFilter(), "edited", constrainsNothing);
        row("tag filter without its value state", S::lastTagFilter(),
            QVariantMap{{"nameConstraint", noConstraint}, {"valueConstraint", noConstraint}, {"valueEdition", "edited"}},
            constrainsNothing);
        QVariantMap constraintAsText = edited;
        constraintAsText.insert("nameConstraint", "Title");
        row("tag filter with a constraint as a text", S::lastTagSelection(), constraintAsText, constrainsNothing);
    }

    // Unusable values read as the default; nothing is reported and nothing is rewritten.
    void storedValuesRead()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, stored);
        QFETCH(Reader, reader);
        QFETCH(QVariant, expected);
        const auto domain = freshDomain();
        domain->setObject(name, stored);
        QCOMPARE(reader(*domain), expected);
        QCOMPARE(domain->object(name), stored);
    }

    void writtenValuesReadBack_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("expectedRead");
        QTest::addColumn<QVariant>("expectedStored");

        namespace S = Settings;
        const auto row = [](const char* tag, const auto& key, const auto& value,
                            const QVariant& expectedRead, const QVariant& expectedStored) {
            QTest::newRow(tag) << writerOf(key, value) << readerOf(key) << key.name()
                               << expectedRead << expectedStored;
        };
        row("enum as its raw string", S::generalUserChoiceDateStyle(),
            DateStyleGeneralUserChoice::none, "none", "none");
        row("GPS format with its marks", S::generalUserChoiceGPSFormat(),
            GPSFormatGeneralUserChoice::formatPostDDMMSSs,
            QStringLiteral("Post DD\u00B0MM\u2019SS.s"), QStringLiteral("Post DD\u00B0MM\u2019SS.s"));
        row("engine digest choice", S::editionUserChoiceIPTCDigest(),
            halvex::IPTCDigestUpdate::delete_, "delete", "delete");
        row("search target", S::lastVideoSearchTarget(), StoreSearchTarget::showTheTVDB,
            "Show-TheTVDB", "Show-TheTVDB");
        row("bool", S::tagsSectionShowTagsInFileList(), false, false, false);
        row("int", S::userQuickTimeUserDataLevel(), 0, 0, 0);
        row("negative scroll position", S::fileSectionListScrollY(), -1.0, -1.0, -1.0);
        row("string", S::editionUserChoiceXMPToolkit(), QStringLiteral("Image::ExifTool 12.57"),
            "Image::ExifTool 12.57", "Image::ExifTool 12.57");
        row("string list", S::unfoldImportAllowedTypes(), QStringList{"mov", "mp4"},
            QStringList{"mov", "mp4"}, QVariant());
        row("map style 5 stores 5", S::mapViewTypeValue(), MapType::mutedStandard, 5, 5);
        row("chosen streams", S::restoreTagsChosenStreams(),
            QList<ostrak::TagStream>{ostrak::TagStream::streamXMP(), ostrak::TagStream::streamQuickTime()},
            QStringList{ostrak::TagStream::streamXMP().rawValue(),
                        ostrak::TagStream::streamQuickTime().rawValue()},
            QVariant());
        row("chosen date tag", S::syncDateTimeChosenName(), ostrak::TagName("Keys", "CreationDate"),
            "Keys:CreationDate", QVariant());
        MetadataFileListFilter filter;
        filter.filenameConstraint = MetadataFileListFilter::StringConstraint::contains("beach sunset");
        filter.gpsValueConstraint = MetadataFileListFilter::GpsValueConstraint::with;
        row("last file filter", S::lastFileSelection(), filter,
            brisa::JsonCoding<MetadataFileListFilter>::encode(filter).toVariant(), QVariant());
        const MetadataFileListSort sort(ostrak::TagName("Keys", "CreationDate"), MetadataFileListSort::SortOrder::descending);
        row("last file sort", S::lastFileSort(), sort,
            brisa::JsonCoding<MetadataFileListSort>::encode(sort).toVariant(), QVariant());
        // Duplicates are kept and the order holds.
        const halvex::TagSyncPair copy{ostrak::TagName("ExifIFD", "DateTimeOriginal"),
                                       ostrak::TagName("Keys", "CreationDate")};
        const QList<halvex::TagSyncPair> copies{copy, copy, {copy.destination, copy.source}};
        row("last tag copies", S::lastTagCopies(), copies,
            brisa::JsonCoding<QList<halvex::TagSyncPair>>::encode(copies).toVariant(), QVariant());
        const halvex::TagValueTableFilter tagFilter{
            halvex::TagValueTableFilter::StringConstraint::regularExpression(QStringLiteral("^ItemList:")),
            halvex::TagValueTableFilter::StringConstraint::plainText(QStringLiteral("Z\u00FCrich")),
            halvex::TagValueTableFilter::ValueEditionConstraint::edited,
            halvex::TagValueTableFilter::ValueStateConstraint::withValue};
        row("tag selection filter", S::lastTagSelection(), tagFilter, QString::fromUtf8(brisa::encodeJson(tagFilter)), QVariant());
        row("tag filter", S::lastTagFilter(), tagFilter, QString::fromUtf8(brisa::encodeJson(tagFilter)), QVariant());
        row("unknown map style stores 0", S::mapViewTypeValue(), static_cast<MapType>(9), 0, 0);
    }

    void writtenValuesReadBack()
    {
        QFETCH(Writer, writer);
        QFETCH(Reader, reader);
        QFETCH(QString, name);
        QFETCH(QVariant, expectedRead);
        QFETCH(QVariant, expectedStored);
        const auto domain = freshDomain();
        writer(*domain);
        QCOMPARE(reader(*domain), expectedRead);
        if (expectedStored.isValid())
            QCOMPARE(domain->object(name), expectedStored);
    }

    void sectionsShareTheSplitRatio()
    {
        const auto domain = freshDomain();
        QVERIFY(&Settings::tagsSectionFileViewSplitRatio()
                != &Settings::mapSectionFileViewSplitRatio());
        domain->set(*Settings::fileViewSplitRatioKey(EditorContentSection::tags), 0.3);
        QCOMPARE(domain->value(*Settings::fileViewSplitRatioKey(EditorContentSection::map)), 0.3);
    }

    void sectionKeys_data()
    {
        QTest::addColumn<EditorContentSection>("section");
        QTest::addColumn<QStringList>("names");
        const QStringList none{"", "", "", "", ""};
        QTest::newRow("welcome") << EditorContentSection::welcome << none;
        QTest::newRow("preview") << EditorContentSection::preview << none;
        QTest::newRow("tags") << EditorContentSection::tags
                              << QStringList{"TagsSectionFileViewMode",
                                             "TagsSectionFileViewSplitRatio",
                                             "TagsSectionFileCollectionZoom",
                                             "TagsSectionShowTagsInFileList",
                                             "TagEditingSidebarState"};
        QTest::newRow("map") << EditorContentSection::map
                             << QStringList{"MapSectionFileViewMode",
                                            "TagsSectionFileViewSplitRatio",
                                            "MapSectionFileCollectionZoom",
                                            "MapSectionShowGPSInFileList",
                                            "MapEditingSidebarState"};
        QTest::newRow("raw") << EditorContentSection::raw << none;
    }

    void sectionKeys()
    {
        QFETCH(EditorContentSection, section);
        QFETCH(QStringList, names);
        const QStringList actual{nameOrEmpty(Settings::fileViewModeKey(section)),
                                 nameOrEmpty(Settings::fileViewSplitRatioKey(section)),
                                 nameOrEmpty(Settings::fileCollectionZoomKey(section)),
                                 nameOrEmpty(Settings::showExtraColumnsInFileListKey(section)),
                                 nameOrEmpty(Settings::editingSidebarStateKey(section))};
        QCOMPARE(actual, names);
    }

    void eachWritePostsOneNotification()
    {
        const auto domain = freshDomain();
        QStringList editedNames;
        auto& center = brisa::NotificationCenter::defaultCenter();
        const auto token = center.addObserver(
            UserDefaults::didSetKeyNotification, domain.get(),
            [&](const brisa::Notification& note) {
                editedNames.append(UserDefaults::editedKeyName(note));
            });
        domain->set(Settings::generalUserChoiceDateStyle(), DateStyleGeneralUserChoice::long_);
        domain->set(Settings::mapSectionFileViewSplitRatio(), 0.25);
        domain->set(Settings::mapViewTypeValue(), MapType::hybrid);
        domain->set(Settings::generalUserChoiceDateStyle(), DateStyleGeneralUserChoice::long_);
        center.removeObserver(token);
        QCOMPARE(editedNames,
                 (QStringList{"GeneralUserChoiceDateStyle", "TagsSectionFileViewSplitRatio",
                              "MapViewTypeValue", "GeneralUserChoiceDateStyle"}));
    }
};

QTEST_GUILESS_MAIN(SettingsTest)

#include "SettingsTest.moc"
