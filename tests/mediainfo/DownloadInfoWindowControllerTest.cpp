#include "support/FixtureMetadataServices.h"
#include "engine/cobbin/MetadataServiceConfiguration.h"
#include "engine/halvex/EndToEndTestSupport.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "mediainfo/ArtworkListModel.h"
#include "mediainfo/DownloadInfoApplyTask.h"
#include "mediainfo/DownloadInfoWindowController.h"
#include "mediainfo/MediaInfoSettings.h"
#include "mediainfo/StoreSearchTargets.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/DynamicTouchBar.h"
#include "platform/brisa/ui/DynamicTouchBarItem.h"
#include "widgets/TextLocalizer.h"
#include "support/ui/WidgetDriver.h"

#include <QBuffer>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QImageReader>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

using corvelle::DownloadInfoWindowController;
using corvelle::StoreSearchTarget;
using corvelle::StoreSearchTargets;
using corvelle::test::FixtureHttpServer;
using corvelle::test::FixtureMetadataServices;
using Page = DownloadInfoWindowController::Page;

namespace {

template<class Widget>
Widget* widget(const QWidget* root, const char* name)
{
    return corvelle::test::WidgetDriver::child<Widget>(root, QString::fromLatin1(name));
}

} // namespace

Q_DECLARE_METATYPE(StoreSearchTarget)
Q_DECLARE_METATYPE(std::optional<int>)

// The download-info sheet against a local stand-in of the online services: searching, loading
// a record, choosing an artwork, and writing it all into real files.
class DownloadInfoWindowControllerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FixtureMetadataServices> services_;

    static void chooseTarget(DownloadInfoWindowController& sheet, StoreSearchTarget target)
    {
        QComboBox* menu = widget<QComboBox>(&sheet, "servicePopUpButton");
        menu->setCurrentIndex(menu->findData(StoreSearchTargets::index(target)));
        sheet.selectService();
        QCOMPARE(sheet.searchTarget(), target);
    }

    // Runs the action and waits until its operation has ended.
    template<class Action>
    static bool finish(DownloadInfoWindowController& sheet, Action action)
    {
        QSignalSpy finished(&sheet, &DownloadInfoWindowController::operationFinished);
        action();
        if (!sheet.isSearchingMetadata())
            return false;
        return finished.wait(20000) && !sheet.isSearchingMetadata();
    }

    static void search(DownloadInfoWindowController& sheet, const QString& name)
    {
        widget<QLineEdit>(&sheet, "nameSearchField")->setText(name);
        QVERIFY(finish(sheet, [&] { sheet.performSearch(); }));
    }

    // The touch bar's buttons as the sheet shows them now: "title" when enabled, "(title)" when not.
    static QStringList touchBarButtons(DownloadInfoWindowController& sheet)
    {
        QStringList buttons;
        for (brisa::DynamicTouchBarItem* item : sheet.dynamicTouchBar().touchBar()) {
            if (item->isFlexibleSpace())
                continue;
            const QString title = item->settings().title;
            buttons << (item->isEnabled() ? title : u'(' + title + u')');
        }
        return buttons;
    }

    // Presses the touch-bar button with that title.
    static void pressTouchBarButton(DownloadInfoWindowController& sheet, const QString& titleKey)
    {
        for (brisa::DynamicTouchBarItem* item : sheet.dynamicTouchBar().touchBar()) {
            if (item->settings().title == corvelle::localizedString(titleKey) && item->settings().action) {
                item->settings().action();
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no touch-bar button ") + titleKey));
    }

    static QStringList infoTags(const DownloadInfoWindowController& sheet)
    {
        QStringList tags;
        for (const auto& row : sheet.infoValues().value_or(QList<corvelle::StoreInformationRow>()))
            tags << row.tag.tagName().name();
        return tags;
    }

private Q_SLOTS:
    void init()
    {
        qunsetenv("CORVELLE_TMDB_API_KEY");
        services_ = std::make_unique<FixtureMetadataServices>();
        FixtureMetadataServices::setTimeout(30000);
        brisa::UserDefaults::standard().removeObject(corvelle::Settings::lastVideoSearchTarget().name());
    }
    void cleanup() { services_.reset(); }

    // Search, choose, continue, artwork, apply, save: ExifTool reads the values and the cover.
    void wholeRoadWritesValuesAndCoverArt()
    {
        halvex::test::EndToEnd files;
        const QString path = files.copy(QStringLiteral("movie.mp4"));
        const auto editors = files.open(QStringList{path});
        QCOMPARE(editors.size(), 1);
        // The fixture has a Name; without it the Title is the name searched for.
        editors.front()->setValue(std::nullopt, ostrak::TagItem::itemQuickTimeName().tagName());
        editors.front()->setValue(QStringLiteral("Glass Harbor"), ostrak::TagItem::itemQuickTimeTitle().tagName());

        DownloadInfoWindowController sheet;
        sheet.loadInitialSearchTitle(editors);
        QCOMPARE(widget<QLineEdit>(&sheet, "nameSearchField")->text(), QStringLiteral("Glass Harbor"));
        chooseTarget(sheet, StoreSearchTarget::movieiTunes);
        QVERIFY(widget<QLineEdit>(&sheet, "seasonSearchField")->isHidden());
        QVERIFY(finish(sheet, [&] { sheet.performSearch(); }));
        QCOMPARE(sheet.searchResults().size(), 1);
        QCOMPARE(sheet.searchMessage(), QString());
        QVERIFY(infoTags(sheet).contains(QStringLiteral("Genre")));
        QVERIFY(infoTags(sheet).contains(QStringLiteral("ContentRating")));
        QVERIFY(sheet.canContinue());

        QVERIFY(finish(sheet, [&] { sheet.loadSelectedResult(); }));
        QVERIFY(sheet.isShowingArtworks());
        QTRY_VERIFY(sheet.canApplyWithArtwork());
        QSignalSpy ended(&sheet, &QDialog::finished);
        QVERIFY(finish(sheet, [&] { sheet.applyWithSelectedArtwork(); }));
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.first().first().toInt(), 1);
        QVERIFY(sheet.artworkB64());

        const auto task = sheet.applyResult(editors);
        QVERIFY(task);
        QTRY_VERIFY_WITH_TIMEOUT(task->isDone(), 60000);
        // ExifTool cannot write the content rating: the task says so and writes the rest.
        QCOMPARE(task->messages().size(), 1);
        QCOMPARE(task->messages().first().reason.key, QString::fromLatin1(corvelle::DownloadInfoApplyTask::notWrittenKey));
        QVERIFY(task->messages().first().reason.arguments.first().toString().contains(QStringLiteral("ContentRating")));
        QCOMPARE(files.save(editors), QString());

        QCOMPARE(files.read(path, {QStringLiteral("ItemList:Title"), QStringLiteral("ItemList:Genre"),
                                   QStringLiteral("ItemList:Description"), QStringLiteral("ItemList:LongDescription")}),
                 QStringLiteral("Glass Harbor\nDrama\nA keeper, a map, the sea.\nA lighthouse keeper finds a map drawn in salt."));
        QProcess exiftool;
        exiftool.start(QStringLiteral("exiftool"), {QStringLiteral("-b"), QStringLiteral("-ItemList:CoverArt"), path});
        QVERIFY(exiftool.waitForFinished(60000));
        QByteArray cover = exiftool.readAllStandardOutput();
        QBuffer buffer(&cover);
        QImageReader reader(&buffer);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), FixtureMetadataServices::posterSize);
    }

    // A row the tag cannot take is named by the task and leaves the file's tag alone.
    void rowsThatCannotBeWrittenAreNamed()
    {
        halvex::test::EndToEnd files;
        const auto editor = files.open(files.copy(QStringLiteral("movie.mp4")));
        QVERIFY(editor);
        using ostrak::TagItem;
        const QList<corvelle::StoreInformationRow> rows{
            {TagItem::itemQuickTimeReleaseDate(), QStringLiteral("sometime in spring")},
            {TagItem::itemQuickTimeContentRating(), QStringLiteral("PG-13")},
            {TagItem::itemQuickTimeURL(), QStringLiteral("https://example.org/glass-harbor")},
            {TagItem::itemQuickTimePlaylistIndex(), QStringLiteral("5")},
            {TagItem::itemQuickTimeGenre(), QStringLiteral("Drama")},
            {TagItem::itemQuickTimeMediaType(), QStringLiteral("Movie")},
        };
        auto task = std::make_shared<corvelle::DownloadInfoApplyTask>(halvex::TagEditorList({editor}), rows);
        halvex::test::runTask(task);
        QStringList named;
        for (const halvex::TaskMessage& message : task->messages()) {
            QCOMPARE(message.severity, halvex::TaskMessage::Severity::warning);
            named << message.reason.arguments.first().toString().section(QLatin1Char(':'), -1);
        }
        QCOMPARE(named, QStringList({QStringLiteral("ReleaseDate"), QStringLiteral("ContentRating"), QStringLiteral("PlayListID")}));
        QVERIFY(!editor->isEdited(TagItem::itemQuickTimeReleaseDate().tagName()));
        QVERIFY(!editor->isEdited(TagItem::itemQuickTimePlaylistIndex().tagName()));
        QVERIFY(editor->isEdited(TagItem::itemQuickTimeURL().tagName()));
        QCOMPARE(editor->currentValue(TagItem::itemQuickTimeGenre().tagName()), std::optional<QString>(QStringLiteral("Drama")));
        QCOMPARE(editor->currentValue(TagItem::itemQuickTimeMediaType().tagName()), std::optional<QString>(QStringLiteral("9")));
    }

    void anArtworkThatFailsKeepsTheSheetOpen()
    {
        DownloadInfoWindowController sheet;
        chooseTarget(sheet, StoreSearchTarget::movieTheMovieDB);
        search(sheet, QStringLiteral("Glass Harbor"));
        QVERIFY(finish(sheet, [&] { sheet.loadSelectedResult(); }));
        QVERIFY(sheet.isShowingArtworks());
        QCOMPARE(sheet.selectedResult()->artworks().size(), 3);
        // One artwork's image and its other size are both missing.
        const QList<cobbin::MetadataArtwork>& artworks = sheet.selectedResult()->artworks();
        const auto missing = std::find_if(artworks.begin(), artworks.end(), [](const cobbin::MetadataArtwork& artwork) {
            return artwork.url.path().endsWith(QLatin1String("missing.png"));
        });
        QVERIFY(missing != artworks.end());
        QListView* grid = widget<QListView>(&sheet, "artworkCollectionView");
        grid->selectionModel()->select(grid->model()->index(int(missing - artworks.begin()), 0),
                                       QItemSelectionModel::ClearAndSelect);
        QSignalSpy ended(&sheet, &QDialog::finished);
        QVERIFY(finish(sheet, [&] { sheet.applyWithSelectedArtwork(); }));
        QCOMPARE(ended.size(), 0);
        QVERIFY(sheet.isShowingArtworks());
        QVERIFY(sheet.artworkMessage().contains(QStringLiteral("127.0.0.1")));
        QVERIFY(!sheet.artworkB64());
        QVERIFY(sheet.canApplyWithArtwork());

        // No artwork still ends with 1, and writes no cover.
        sheet.applyWithoutArtwork();
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.first().first().toInt(), 1);
        QVERIFY(!sheet.artworkB64());
    }

    void pagesChangeOnlyWhenNotBusy()
    {
        DownloadInfoWindowController sheet;
        chooseTarget(sheet, StoreSearchTarget::movieTheMovieDB);
        search(sheet, QStringLiteral("Glass Harbor"));
        const auto results = sheet.searchResults().size();
        const QStringList rows = infoTags(sheet);

        const auto text = [](const char* key) { return corvelle::localizedString(QString::fromLatin1(key)); };
        const QString cancel = text("StoreImporterCancelAction");
        const QString next = text("StoreImporterContinueAction");
        const QString none = text("StoreImporterNoArtworkAction");
        const QString with = text("StoreImporterWithArtworkAction");
        QCOMPARE(touchBarButtons(sheet), QStringList({cancel, next}));

        // While the record loads, no page change is taken; its end shows the artwork page.
        QSignalSpy finished(&sheet, &DownloadInfoWindowController::operationFinished);
        pressTouchBarButton(sheet, QStringLiteral("StoreImporterContinueAction"));
        QVERIFY(sheet.isSearchingMetadata());
        QCOMPARE(touchBarButtons(sheet), QStringList({u'(' + cancel + u')', u'(' + next + u')'}));
        QVERIFY(!sheet.showPage(Page::artworks));
        QVERIFY(!sheet.isShowingArtworks());
        sheet.performSearch(); // refused: nothing more is queued
        QVERIFY(finished.wait(20000));
        QVERIFY(sheet.isShowingArtworks());
        QCOMPARE(finished.size(), 1);
        // With Artwork waits for an artwork to be chosen.
        widget<QListView>(&sheet, "artworkCollectionView")->clearSelection();
        QCOMPARE(touchBarButtons(sheet), QStringList({none, u'(' + with + u')'}));
        widget<QListView>(&sheet, "artworkCollectionView")->setCurrentIndex(
                widget<QListView>(&sheet, "artworkCollectionView")->model()->index(0, 0));
        QCOMPARE(touchBarButtons(sheet), QStringList({none, with}));

        // Going back shows the same results and rows.
        sheet.goBack();
        QCOMPARE(touchBarButtons(sheet), QStringList({cancel, next}));
        QVERIFY(!sheet.isShowingArtworks());
        QCOMPARE(sheet.searchResults().size(), results);
        QCOMPARE(infoTags(sheet), rows);
        QVERIFY(sheet.canContinue());
    }

    void failuresAreNamedWhereTheResultsWouldBe_data()
    {
        QTest::addColumn<StoreSearchTarget>("target");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rate limit") << StoreSearchTarget::movieiTunes << "/itunes/search" << 429 << "iTunes: too many requests";
        QTest::newRow("key refused") << StoreSearchTarget::movieTheMovieDB << "/tmdb/3/search/movie" << 401
                                     << "TheMovieDB: the service refused the API key";
        QTest::newRow("malformed") << StoreSearchTarget::showTheTVDB << "/tvdb/v4/search" << 200
                                   << "TheTVDB: the answer could not be read";
        QTest::newRow("stalled") << StoreSearchTarget::showAppleTV << "/itunes/search" << 0 << "Apple TV: no answer within 1 seconds";
        QTest::newRow("nothing found") << StoreSearchTarget::movieTheMovieDB << QString() << 0 << "TheMovieDB found nothing";
    }
    void failuresAreNamedWhereTheResultsWouldBe()
    {
        QFETCH(StoreSearchTarget, target);
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QString, expected);
        FixtureMetadataServices::setTimeout(1000);
        if (!path.isEmpty()) {
            services_->override(path, status == 0 ? FixtureHttpServer::Response::stalled()
                                                  : FixtureHttpServer::Response::json(status == 200 ? "{\"data\": [" : "{}", status));
        }
        DownloadInfoWindowController sheet;
        chooseTarget(sheet, target);
        search(sheet, path.isEmpty() ? QStringLiteral("No Such Title") : QStringLiteral("Copper Valley"));
        QVERIFY(sheet.searchResults().isEmpty());
        QVERIFY2(sheet.searchMessage().startsWith(expected), qPrintable(sheet.searchMessage()));
        QVERIFY(!sheet.selectedResult());
        QVERIFY(!sheet.infoValues());
    }

    void missingKeyAndUnknownEpisodeAreNamed()
    {
        cobbin::MetadataServiceConfiguration::setStoredCredentials({}, {}, {});
        DownloadInfoWindowController sheet;
        chooseTarget(sheet, StoreSearchTarget::showTheMovieDB);
        search(sheet, QStringLiteral("Copper Valley"));
        QVERIFY(sheet.searchMessage().contains(QStringLiteral("CORVELLE_TMDB_API_KEY")));

        cobbin::MetadataServiceConfiguration::setStoredCredentials(FixtureMetadataServices::theMovieDBKey, {}, {});
        widget<QLineEdit>(&sheet, "seasonSearchField")->setText(QStringLiteral("9"));
        widget<QLineEdit>(&sheet, "episodeSearchField")->setText(QStringLiteral("1"));
        search(sheet, QStringLiteral("Copper Valley"));
        QCOMPARE(sheet.searchResults().size(), 1);
        QCOMPARE(sheet.searchMessage(), QString());
        QVERIFY(finish(sheet, [&] { sheet.loadSelectedResult(); }));
        QVERIFY(!sheet.isShowingArtworks());
        QVERIFY2(sheet.searchMessage().contains(QStringLiteral("Copper Valley 9x1")), qPrintable(sheet.searchMessage()));
        QCOMPARE(sheet.searchResults().size(), 1);
    }

    void seasonAndEpisodeAreWholeNumbers_data()
    {
        QTest::addColumn<QString>("season");
        QTest::addColumn<QString>("episode");
        QTest::addColumn<std::optional<int>>("expectedSeason");
        QTest::addColumn<std::optional<int>>("expectedEpisode");
        QTest::newRow("season only") << "3" << "" << std::optional(3) << std::optional<int>();
        QTest::newRow("leading space") << " 3" << "5" << std::optional<int>() << std::optional(5);
        QTest::newRow("not a number") << "two" << "5x" << std::optional<int>() << std::optional<int>();
    }
    void seasonAndEpisodeAreWholeNumbers()
    {
        QFETCH(QString, season);
        QFETCH(QString, episode);
        QFETCH(std::optional<int>, expectedSeason);
        QFETCH(std::optional<int>, expectedEpisode);
        DownloadInfoWindowController sheet;
        chooseTarget(sheet, StoreSearchTarget::showTheMovieDB);
        QVERIFY(!widget<QLineEdit>(&sheet, "seasonSearchField")->isHidden());
        widget<QLineEdit>(&sheet, "seasonSearchField")->setText(season);
        widget<QLineEdit>(&sheet, "episodeSearchField")->setText(episode);
        search(sheet, QStringLiteral("Copper Valley"));
        QVERIFY(sheet.lastSearch()->isShow());
        QCOMPARE(sheet.lastSearch()->season(), expectedSeason);
        QCOMPARE(sheet.lastSearch()->episode(), expectedEpisode);
    }

    void blankNamesAreNotSearched()
    {
        DownloadInfoWindowController sheet;
        widget<QLineEdit>(&sheet, "nameSearchField")->setText(QStringLiteral("   "));
        QVERIFY(!widget<QPushButton>(&sheet, "searchButton")->isEnabled());
        sheet.performSearch();
        QVERIFY(!sheet.isSearchingMetadata());
        QVERIFY(services_->server().requests().isEmpty());
        QVERIFY(!sheet.canContinue());
    }

    void theTargetAndLanguageAreRemembered()
    {
        DownloadInfoWindowController first;
        chooseTarget(first, StoreSearchTarget::movieTheMovieDB);
        search(first, QStringLiteral("Glass Harbor"));
        const int results = int(first.searchResults().size());
        chooseTarget(first, StoreSearchTarget::showTheTVDB);
        QCOMPARE(first.searchResults().size(), results);
        QComboBox* languages = widget<QComboBox>(&first, "languagePopUpButton");
        languages->setCurrentIndex(2);
        first.selectLanguage();
        const QString language = languages->currentText();

        DownloadInfoWindowController second;
        QCOMPARE(second.searchTarget(), StoreSearchTarget::showTheTVDB);
        QCOMPARE(widget<QComboBox>(&second, "languagePopUpButton")->currentText(), language);
        QCOMPARE(StoreSearchTargets::savedLanguage(StoreSearchTarget::showTheTVDB),
                 StoreSearchTargets::service(StoreSearchTarget::showTheTVDB)->languages().at(2));

        // A tag out of range picks the first target.
        widget<QComboBox>(&second, "servicePopUpButton")->setItemData(0, 42);
        widget<QComboBox>(&second, "servicePopUpButton")->setCurrentIndex(0);
        second.selectService();
        QCOMPARE(second.searchTarget(), StoreSearchTarget::movieAppleTV);
    }
};

QTEST_MAIN(DownloadInfoWindowControllerTest)
#include "DownloadInfoWindowControllerTest.moc"
