#pragma once

#include "engine/cobbin/MetadataSearch.h"
#include "mediainfo/StoreInformationRow.h"
#include "mediainfo/StoreSearchTarget.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QDialog>
#include <QList>
#include <QThreadPool>

#include <memory>
#include <optional>

namespace Ui {
class DownloadInfoWindow;
} // namespace Ui

namespace halvex {
class AbstractTask;
class TagEditor;
} // namespace halvex

namespace corvelle {

class ArtworkListModel;
class StoreMediaInformationModel;
class StoreMediaResultsModel;

// The sheet that finds a movie or a show in an online database and hands its values, and an
// artwork as cover art, to the selected files. Two pages: the search page (target, language,
// name, season and episode, the results and the values to write) and the artwork page.
//
// Searches, record loads and the chosen artwork's download run one at a time on the sheet's own
// worker; while one runs the sheet is busy and refuses every action that changes its state. A
// failure is shown on the page it happened on, naming the service and the reason. Ends with 1
// when the user applies (with or without artwork); the caller then calls applyResult().
class DownloadInfoWindowController : public QDialog {
    Q_OBJECT

public:
    enum class Page { search, artworks };

    explicit DownloadInfoWindowController(QWidget* parent = nullptr);
    ~DownloadInfoWindowController() override;

    Ui::DownloadInfoWindow& ui() const { return *ui_; }
    // The page's buttons: Cancel and Continue on the search page, No Artwork and With Artwork
    // on the artwork page, each enabled by the rule of its action.
    brisa::DynamicTouchBar& dynamicTouchBar() { return dynamicTouchBar_; }

    // The first text that the files' QuickTime Name, else Title, else DisplayName holds.
    void loadInitialSearchTitle(const QList<std::shared_ptr<halvex::TagEditor>>& editors);
    const QString& initialSearchTitle() const { return initialSearchTitle_; }
    // Queues one edition task that writes the shown values, and the cover art when one was
    // chosen, into the editors; null when there is nothing to write.
    std::shared_ptr<halvex::AbstractTask> applyResult(const QList<std::shared_ptr<halvex::TagEditor>>& editors) const;

    // --- State

    bool isSearchingMetadata() const { return isSearchingMetadata_; }
    bool isShowingArtworks() const;
    StoreSearchTarget searchTarget() const { return searchTarget_; }
    const std::optional<cobbin::MetadataSearch>& lastSearch() const { return lastSearch_; }
    const QList<cobbin::MetadataResult>& searchResults() const { return searchResults_; }
    const std::optional<cobbin::MetadataResult>& selectedResult() const { return selectedResult_; }
    const std::optional<QList<StoreInformationRow>>& infoValues() const { return infoValues_; }
    const std::optional<QString>& artworkB64() const { return artworkB64_; }
    // The failure shown on the search page, or on the artwork page; empty when none.
    QString searchMessage() const;
    QString artworkMessage() const;

    // --- Rules

    bool canSearch() const;
    bool canCancel() const;
    bool canContinue() const;
    bool canGoBack() const;
    bool canApply() const;
    bool canApplyWithoutArtwork() const;
    bool canApplyWithArtwork() const;

    // --- Actions (each does nothing unless its rule holds)

    void performSearch();
    void loadSelectedResult();
    void selectService();
    void selectLanguage();
    void goBack();
    void cancel();
    void apply();
    void applyWithoutArtwork();
    void applyWithSelectedArtwork();
    // Shows the page; refused while busy. Answers whether the page is on show.
    bool showPage(Page page);

    void updateInterface();

Q_SIGNALS:
    // A search, a record load or an artwork download has ended and its outcome is shown.
    void operationFinished();

private:
    void setupViews();
    void setupTouchBar();
    void reloadServiceMenu();
    void reloadLanguageMenu();
    void reloadResults();
    void resultSelectionDidChange();
    void setInformation();
    QString currentLanguage() const;
    void showSearchMessage(const QString& text);
    void showArtworkMessage(const QString& text);
    // Runs `work` on the worker, busy meanwhile; `done` gets the outcome on the main thread.
    void runOperation(std::function<std::function<void()>()> work);

    std::unique_ptr<Ui::DownloadInfoWindow> ui_;
    brisa::DynamicTouchBar dynamicTouchBar_;
    StoreMediaResultsModel* resultsModel_ = nullptr;
    StoreMediaInformationModel* informationModel_ = nullptr;
    ArtworkListModel* artworkModel_ = nullptr;
    QString initialSearchTitle_;
    bool isSearchingMetadata_ = false;
    std::optional<cobbin::MetadataSearch> lastSearch_;
    QList<cobbin::MetadataResult> searchResults_;
    std::optional<cobbin::MetadataResult> selectedResult_;
    std::optional<QList<StoreInformationRow>> infoValues_;
    std::optional<QString> artworkB64_;
    StoreSearchTarget searchTarget_ = StoreSearchTarget::movieAppleTV;
    // Last member: its destructor waits for the operation in flight, which reaches the others.
    QThreadPool searchOperationQueue_;
};

} // namespace corvelle
