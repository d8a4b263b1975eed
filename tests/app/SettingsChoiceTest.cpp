#include "app/settings/DocumentExtensions.h"
#include "app/settings/SupportedFileKinds.h"
#include "editor/EditingSidebarState.h"
#include "editor/EditorContentSection.h"
#include "editor/FileViewModeUserChoice.h"
#include "engine/halvex/tags/MediaKind.h"
#include "filemodel/settings/CorrectionsEditionUserChoice.h"
#include "filemodel/settings/ErrorAlertEditionUserChoice.h"
#include "filemodel/settings/ErrorsBehaviorEditionUserChoice.h"
#include "filemodel/settings/FileModifyDateUpdateUserChoice.h"
#include "filemodel/settings/IPTCCharSetEditionUserChoice.h"
#include "filemodel/settings/IPTCDigestUpdateTitle.h"
#include "map/MapAutomaticZoomUserChoice.h"
#include "map/MapDisplayFilenameUserChoice.h"
#include "map/MapDisplayOtherItemsUserChoice.h"
#include "mediainfo/StoreSearchTarget.h"
#include "tags/ReducedTagSetUserChoice.h"
#include "widgets/TextLocalizer.h"
#include "widgets/settings/DateStyleGeneralUserChoice.h"
#include "widgets/settings/GPSFormatGeneralUserChoice.h"
#include "widgets/settings/NotificationGeneralUserChoice.h"
#include "widgets/settings/PresetGroupsGeneralUserChoice.h"
#include "widgets/settings/TimeStyleGeneralUserChoice.h"

#include <QTest>

using namespace corvelle;

namespace {

// The raw strings in case order, and whether each converts back to its own case.
struct RawStrings {
    QStringList inOrder;
    bool roundTrips = true;
};

template<class E>
RawStrings rawStringsOf()
{
    RawStrings result;
    for (E value : brisa::allCases<E>()) {
        const QString raw = brisa::rawValue(value);
        result.inOrder.append(raw);
        if (brisa::caseFromRawValue<E>(raw) != value)
            result.roundTrips = false;
    }
    return result;
}

template<class E>
QStringList titlesOf()
{
    QStringList titles;
    for (E value : brisa::allCases<E>())
        titles.append(title(value));
    return titles;
}

} // namespace

Q_DECLARE_METATYPE(RawStrings)

class SettingsChoiceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rawStrings_data()
    {
        QTest::addColumn<RawStrings>("actual");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("EditingSidebarState")
            << rawStringsOf<EditingSidebarState>() << QStringList{"enabled", "disabled"};
        QTest::newRow("NotificationGeneralUserChoice")
            << rawStringsOf<NotificationGeneralUserChoice>()
            << QStringList{"no_notification", "all_notifications"};
        const QStringList styles{"none", "short", "medium", "long", "full"};
        QTest::newRow("DateStyleGeneralUserChoice")
            << rawStringsOf<DateStyleGeneralUserChoice>() << styles;
        QTest::newRow("TimeStyleGeneralUserChoice")
            << rawStringsOf<TimeStyleGeneralUserChoice>() << styles;
        QTest::newRow("GPSFormatGeneralUserChoice")
            << rawStringsOf<GPSFormatGeneralUserChoice>()
            << QStringList{QStringLiteral("DD.dddddd\u00B0"),
                           QStringLiteral("Pre DD.dddddd\u00B0"),
                           QStringLiteral("Pre DD\u00B0MM.mmm\u2019"),
                           QStringLiteral("Pre DD\u00B0MM\u2019SS.s"),
                           QStringLiteral("Post DD.dddddd\u00B0"),
                           QStringLiteral("Post DD\u00B0MM.mmm\u2019"),
                           QStringLiteral("Post DD\u00B0MM\u2019SS.s"),
                           QStringLiteral("ISO6709")};
        QTest::newRow("FileModifyDateUpdateUserChoice")
            << rawStringsOf<FileModifyDateUpdateUserChoice>()
            << QStringList{"update_with_each_save", "update_manually"};
        QTest::newRow("PresetGroupsGeneralUserChoice")
            << rawStringsOf<PresetGroupsGeneralUserChoice>()
            << QStringList{"show_groups", "hide_groups"};
        QTest::newRow("CorrectionsEditionUserChoice")
            << rawStringsOf<CorrectionsEditionUserChoice>()
            << QStringList{"no_correction", "fix_invalid_offsets"};
        QTest::newRow("ErrorAlertEditionUserChoice")
            << rawStringsOf<ErrorAlertEditionUserChoice>() << QStringList{"display", "ignore"};
        QTest::newRow("ErrorsBehaviorEditionUserChoice")
            << rawStringsOf<ErrorsBehaviorEditionUserChoice>() << QStringList{"stop", "ignore"};
        QTest::newRow("IPTCCharSetEditionUserChoice")
            << rawStringsOf<IPTCCharSetEditionUserChoice>() << QStringList{"none", "utf8"};
        QTest::newRow("ReducedTagSetUserChoice")
            << rawStringsOf<ReducedTagSetUserChoice>()
            << QStringList{"all", "choosen", "popular"};
        QTest::newRow("FileViewModeUserChoice")
            << rawStringsOf<FileViewModeUserChoice>() << QStringList{"list", "grid"};
        QTest::newRow("MapDisplayFilenameUserChoice")
            << rawStringsOf<MapDisplayFilenameUserChoice>() << QStringList{"display", "hide"};
        QTest::newRow("MapDisplayOtherItemsUserChoice")
            << rawStringsOf<MapDisplayOtherItemsUserChoice>() << QStringList{"display", "hide"};
        QTest::newRow("MapAutomaticZoomUserChoice")
            << rawStringsOf<MapAutomaticZoomUserChoice>()
            << QStringList{"none", "zoom", "center"};
        QTest::newRow("IPTCDigestUpdate")
            << rawStringsOf<halvex::IPTCDigestUpdate>()
            << QStringList{"ignore", "delete", "update", "update_if_exists"};
        QTest::newRow("MediaKind") << rawStringsOf<halvex::MediaKind>()
                                   << QStringList{"audio", "image", "movie", "sidecar", "other"};
        QTest::newRow("EditorContentSection")
            << rawStringsOf<EditorContentSection>()
            << QStringList{"welcome", "preview", "tags", "map", "raw"};
        QTest::newRow("StoreSearchTarget")
            << rawStringsOf<StoreSearchTarget>()
            << QStringList{"Movie-AppleTV", "Movie-TheMovieDB", "Movie-iTunes", "Show-AppleTV",
                           "Show-TheMovieDB", "Show-TheTVDB", "Show-iTunes"};
    }

    void rawStrings()
    {
        QFETCH(RawStrings, actual);
        QFETCH(QStringList, expected);
        QCOMPARE(actual.inOrder, expected);
        QVERIFY(actual.roundTrips);
    }

    void unknownRawStringsNameNoCase()
    {
        // An apostrophe in place of the right single quotation mark is another string.
        QCOMPARE(brisa::caseFromRawValue<GPSFormatGeneralUserChoice>(
                     QStringLiteral("Post DD\u00B0MM'SS.s")),
                 std::nullopt);
        QCOMPARE(brisa::caseFromRawValue<GPSFormatGeneralUserChoice>(
                     QStringLiteral("Post DD\u00B0MM\u2019SS.s")),
                 GPSFormatGeneralUserChoice::formatPostDDMMSSs);
        QCOMPARE(brisa::caseFromRawValue<ReducedTagSetUserChoice>(QStringLiteral("chosen")),
                 std::nullopt);
        QCOMPARE(brisa::caseFromRawValue<EditorContentSection>(QStringLiteral("RAW")),
                 std::nullopt);
        QCOMPARE(brisa::caseFromRawValue<DateStyleGeneralUserChoice>(QString()), std::nullopt);
    }

    void titles_data()
    {
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("keys");

        QTest::newRow("EditingSidebarState")
            << titlesOf<EditingSidebarState>()
            << QStringList{"GeneralUserChoiceEnableEditionSidebar",
                           "GeneralUserChoiceDisableEditionSidebar"};
        QTest::newRow("NotificationGeneralUserChoice")
            << titlesOf<NotificationGeneralUserChoice>()
            << QStringList{"GeneralUserChoiceNoNotification", "GeneralUserChoiceAllNotifications"};
        QTest::newRow("DateStyleGeneralUserChoice")
            << titlesOf<DateStyleGeneralUserChoice>()
            << QStringList{"GeneralUserChoiceDateStyleNone", "GeneralUserChoiceDateStyleShort",
                           "GeneralUserChoiceDateStyleMedium", "GeneralUserChoiceDateStyleLong",
                           "GeneralUserChoiceDateStyleFull"};
        QTest::newRow("TimeStyleGeneralUserChoice")
            << titlesOf<TimeStyleGeneralUserChoice>()
            << QStringList{"GeneralUserChoiceTimeStyleNone", "GeneralUserChoiceTimeStyleShort",
                           "GeneralUserChoiceTimeStyleMedium", "GeneralUserChoiceTimeStyleLong",
                           "GeneralUserChoiceTimeStyleFull"};
        QTest::newRow("FileModifyDateUpdateUserChoice")
            << titlesOf<FileModifyDateUpdateUserChoice>()
            << QStringList{"EditionUserChoiceUpdateFileModifyDateWithEachSave",
                           "EditionUserChoiceUpdateFileModifyDateManually"};
        QTest::newRow("PresetGroupsGeneralUserChoice")
            << titlesOf<PresetGroupsGeneralUserChoice>()
            << QStringList{"GeneralUserChoicePresetGroupsShow", "GeneralUserChoicePresetGroupsHide"};
        QTest::newRow("CorrectionsEditionUserChoice")
            << titlesOf<CorrectionsEditionUserChoice>()
            << QStringList{"EditionUserChoiceCorrectionsNone", "EditionUserChoiceCorrectionsFix"};
        QTest::newRow("ErrorAlertEditionUserChoice")
            << titlesOf<ErrorAlertEditionUserChoice>()
            << QStringList{"EditionUserChoiceErrorsAlertDisplay",
                           "EditionUserChoiceErrorsAlertIgnore"};
        QTest::newRow("ErrorsBehaviorEditionUserChoice")
            << titlesOf<ErrorsBehaviorEditionUserChoice>()
            << QStringList{"EditionUserChoiceErrorsBehaviorStop",
                           "EditionUserChoiceErrorsBehaviorContinue"};
        QTest::newRow("IPTCCharSetEditionUserChoice")
            << titlesOf<IPTCCharSetEditionUserChoice>()
            << QStringList{"EditionUserChoiceErrorsIPTCCharSetNone",
                           "EditionUserChoiceErrorsIPTCCharSetUTF8"};
        QTest::newRow("ReducedTagSetUserChoice")
            << titlesOf<ReducedTagSetUserChoice>()
            << QStringList{"ReducedTagSetUserChoiceAll", "ReducedTagSetUserChoiceChoosen",
                           "ReducedTagSetUserChoicePopular"};
        QTest::newRow("MapDisplayFilenameUserChoice")
            << titlesOf<MapDisplayFilenameUserChoice>()
            << QStringList{"MapUserChoiceDisplayFilename", "MapUserChoiceHideFilename"};
        QTest::newRow("MapDisplayOtherItemsUserChoice")
            << titlesOf<MapDisplayOtherItemsUserChoice>()
            << QStringList{"MapUserChoiceDisplayOtherItems", "MapUserChoiceHideOtherItems"};
        QTest::newRow("IPTCDigestUpdate")
            << titlesOf<halvex::IPTCDigestUpdate>()
            << QStringList{"EditionUserChoiceIPTCDigestIgnore", "EditionUserChoiceIPTCDigestDelete",
                           "EditionUserChoiceIPTCDigestUpdate",
                           "EditionUserChoiceIPTCDigestUpdateIfExists"};
    }

    // Each title is the table's text of its key; a key missing from the table would show
    // as the key itself.
    void titles()
    {
        QFETCH(QStringList, titles);
        QFETCH(QStringList, keys);
        QCOMPARE(titles.size(), keys.size());
        for (qsizetype i = 0; i < keys.size(); ++i) {
            QCOMPARE(titles[i], localizedString(keys[i]));
            QVERIFY2(titles[i] != keys[i], qPrintable(keys[i] + " has no text"));
        }
    }

    void gpsFormatTitleIsItsRawString()
    {
        QCOMPARE(titlesOf<GPSFormatGeneralUserChoice>(),
                 rawStringsOf<GPSFormatGeneralUserChoice>().inOrder);
        QCOMPARE(defaultGPSFormat(), GPSFormatGeneralUserChoice::formatISO6709);
    }

    void supportedKindsAndExtensions()
    {
        using halvex::MediaKind;
        QCOMPARE(supportedFileKinds(), (QList<MediaKind>{MediaKind::movie, MediaKind::audio,
                                                         MediaKind::sidecar, MediaKind::other}));
        QCOMPARE(QString(tagSetFileExtension), QStringLiteral("cvtagset"));
        QCOMPARE(QString(tagSetsFileExtension), QStringLiteral("cvtagsset"));
        QCOMPARE(QString(presetsFileExtension), QStringLiteral("cvpresets"));
        QCOMPARE(QString(remoteProfilesFileExtension), QStringLiteral("rcprofiles"));
        QCOMPARE(QString(textFileExtension), QStringLiteral("txt"));
    }
};

QTEST_GUILESS_MAIN(SettingsChoiceTest)

#include "SettingsChoiceTest.moc"
