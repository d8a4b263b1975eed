#include "mediainfo/DownloadInfoWindowController.h"

#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "mediainfo/ArtworkDownload.h"
#include "mediainfo/ArtworkListModel.h"
#include "mediainfo/DownloadInfoApplyTask.h"
#include "mediainfo/MediaInfoSettings.h"
#include "mediainfo/MetadataServiceKeys.h"
#include "mediainfo/StoreMediaInformationModel.h"
#include "mediainfo/StoreMediaResultsModel.h"
#include "mediainfo/StoreResultTagMap.h"
#include "mediainfo/StoreSearchTargets.h"
#include "platform/brisa/core/UserDefaults.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_DownloadInfoWindow.h"

#include <QHeaderView>

namespace corvelle {

namespace {

QString errorText(const cobbin::MetadataError& error)
{
    return localizedString(QStringLiteral("StoreImporterServiceError"),
                           {error.service, localizedString(error.reason.key, error.reason.arguments)});
}

// A whole base-10 integer, nothing around it; none otherwise.
std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || text.isEmpty() || text.front().isSpace() || text.back().isSpace())
        return std::nullopt;
    return value;
}

} // namespace

DownloadInfoWindowController::DownloadInfoWindowController(QWidget* parent)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::DownloadInfoWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    resultsModel_ = new StoreMediaResultsModel(this);
    informationModel_ = new StoreMediaInformationModel(this);
    artworkModel_ = new ArtworkListModel(this);
    setupViews();
    setupTouchBar();
    // Keys changed since the last sheet (in the preferences, or in the keychain itself).
    MetadataServiceKeys::reload(this);
    updateInterface();
}

DownloadInfoWindowController::~DownloadInfoWindowController()
{
    searchOperationQueue_.clear();
}

void DownloadInfoWindowController::setupViews()
{
    searchOperationQueue_.setMaxThreadCount(1);
    searchTarget_ = brisa::UserDefaults::standard().value(Settings::lastVideoSearchTarget());
    reloadServiceMenu();
    reloadLanguageMenu();
    ui_->contentContainerView->setCurrentWidget(ui_->searchContentView);
    ui_->nameSearchField->setText(initialSearchTitle_);

    ui_->titleTableView->setModel(resultsModel_);
    ui_->infoTableView->setModel(informationModel_);
    ui_->infoTableView->horizontalHeader()->setStretchLastSection(true);
    ui_->infoTableView->horizontalHeader()->setSectionResizeMode(StoreMediaInformationModel::nameColumn,
                                                                 QHeaderView::ResizeToContents);
    ui_->infoTableView->verticalHeader()->setVisible(false);
    ui_->infoTableView->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui_->artworkCollectionView->setModel(artworkModel_);
    ui_->resultsSplitter->setStretchFactor(0, 2);
    ui_->resultsSplitter->setStretchFactor(1, 3);

    connect(ui_->searchButton, &QPushButton::clicked, this, &DownloadInfoWindowController::performSearch);
    connect(ui_->nameSearchField, &QLineEdit::returnPressed, this, &DownloadInfoWindowController::performSearch);
    for (QLineEdit* field : {ui_->nameSearchField, ui_->seasonSearchField, ui_->episodeSearchField})
        connect(field, &QLineEdit::textChanged, this, [this] { updateInterface(); });
    connect(ui_->servicePopUpButton, qOverload<int>(&QComboBox::activated), this,
            &DownloadInfoWindowController::selectService);
    connect(ui_->languagePopUpButton, qOverload<int>(&QComboBox::activated), this,
            &DownloadInfoWindowController::selectLanguage);
    connect(ui_->titleTableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DownloadInfoWindowController::resultSelectionDidChange);
    connect(ui_->artworkCollectionView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateInterface(); });
    connect(ui_->artworkCollectionView, &QAbstractItemView::doubleClicked, this, [this] {
        if (canApply())
            apply();
    });
    connect(ui_->titleTableView, &QAbstractItemView::doubleClicked, this, &DownloadInfoWindowController::loadSelectedResult);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &DownloadInfoWindowController::cancel);
    connect(ui_->continueButton, &QPushButton::clicked, this, &DownloadInfoWindowController::loadSelectedResult);
    connect(ui_->goBackButton, &QPushButton::clicked, this, &DownloadInfoWindowController::goBack);
    connect(ui_->noArtworkButton, &QPushButton::clicked, this, &DownloadInfoWindowController::applyWithoutArtwork);
    connect(ui_->withArtworkButton, &QPushButton::clicked, this,
            &DownloadInfoWindowController::applyWithSelectedArtwork);
}

void DownloadInfoWindowController::setupTouchBar()
{
    dynamicTouchBar_.addItemSet([this] { return !isShowingArtworks(); })
            .addSheetButtons(this, localizedString(QStringLiteral("StoreImporterCancelAction")), [this] { cancel(); },
                             localizedString(QStringLiteral("StoreImporterContinueAction")),
                             [this] { loadSelectedResult(); }, [this] { return canContinue(); },
                             [this] { return canCancel(); });
    dynamicTouchBar_.addItemSet([this] { return isShowingArtworks(); })
            .addSheetButtons(this, localizedString(QStringLiteral("StoreImporterNoArtworkAction")),
                             [this] { applyWithoutArtwork(); },
                             localizedString(QStringLiteral("StoreImporterWithArtworkAction")),
                             [this] { applyWithSelectedArtwork(); }, [this] { return canApplyWithArtwork(); },
                             [this] { return canApplyWithoutArtwork(); });
}

// --- Opening and applying

void DownloadInfoWindowController::loadInitialSearchTitle(const QList<std::shared_ptr<halvex::TagEditor>>& editors)
{
    initialSearchTitle_.clear();
    const halvex::TagEditorList list(editors);
    for (const ostrak::TagItem& item : {ostrak::TagItem::itemQuickTimeName(), ostrak::TagItem::itemQuickTimeTitle(),
                                        ostrak::TagItem::itemQuickTimeDisplayName()}) {
        const QStringList values = list.currentOrEmptyValues(item.tagName());
        const auto found = std::find_if(values.begin(), values.end(), [](const QString& value) { return !value.isEmpty(); });
        if (found != values.end()) {
            initialSearchTitle_ = *found;
            break;
        }
    }
    ui_->nameSearchField->setText(initialSearchTitle_);
    updateInterface();
}

std::shared_ptr<halvex::AbstractTask>
DownloadInfoWindowController::applyResult(const QList<std::shared_ptr<halvex::TagEditor>>& editors) const
{
    if (!infoValues_)
        return nullptr;
    QList<StoreInformationRow> rows = *infoValues_;
    if (artworkB64_)
        rows << StoreInformationRow{ostrak::TagItem::itemQuickTimeCoverArt(), QStringLiteral("base64:") + *artworkB64_};
    if (rows.isEmpty() || editors.isEmpty())
        return nullptr;
    auto task = std::make_shared<DownloadInfoApplyTask>(halvex::TagEditorList(editors), rows);
    halvex::TaskManager::shared().add(task);
    return task;
}

// --- State and rules

bool DownloadInfoWindowController::isShowingArtworks() const
{
    return ui_->contentContainerView->currentWidget() == ui_->searchArtworksView;
}

QString DownloadInfoWindowController::searchMessage() const
{
    return ui_->searchMessageLabel->isHidden() ? QString() : ui_->searchMessageLabel->text();
}

QString DownloadInfoWindowController::artworkMessage() const
{
    return ui_->artworkMessageLabel->isHidden() ? QString() : ui_->artworkMessageLabel->text();
}

bool DownloadInfoWindowController::canSearch() const
{
    return !isSearchingMetadata_ && !ui_->nameSearchField->text().trimmed().isEmpty();
}

bool DownloadInfoWindowController::canCancel() const
{
    return !isSearchingMetadata_ && !isShowingArtworks();
}

bool DownloadInfoWindowController::canContinue() const
{
    return !isSearchingMetadata_ && !isShowingArtworks() && lastSearch_.has_value();
}

bool DownloadInfoWindowController::canGoBack() const
{
    return !isSearchingMetadata_ && isShowingArtworks();
}

bool DownloadInfoWindowController::canApply() const
{
    return canGoBack();
}

bool DownloadInfoWindowController::canApplyWithoutArtwork() const
{
    return canGoBack();
}

bool DownloadInfoWindowController::canApplyWithArtwork() const
{
    return canGoBack() && selectedResult_ && !selectedResult_->artworks().isEmpty()
        && ui_->artworkCollectionView->selectionModel()->hasSelection();
}

// --- Menus

void DownloadInfoWindowController::reloadServiceMenu()
{
    QComboBox* menu = ui_->servicePopUpButton;
    const QSignalBlocker block(menu);
    menu->clear();
    const QList<StoreSearchTarget>& targets = StoreSearchTargets::allCases();
    for (int index = 0; index < targets.size(); ++index) {
        if (index == 3)
            menu->insertSeparator(menu->count());
        menu->addItem(StoreSearchTargets::title(targets.at(index)), index);
    }
    const int found = menu->findData(StoreSearchTargets::index(searchTarget_));
    menu->setCurrentIndex(found >= 0 ? found : 0);
}

void DownloadInfoWindowController::reloadLanguageMenu()
{
    QComboBox* menu = ui_->languagePopUpButton;
    const QSignalBlocker block(menu);
    menu->clear();
    const std::shared_ptr<cobbin::MetadataService> service = StoreSearchTargets::service(searchTarget_);
    const QStringList languages = service->languages();
    for (int index = 0; index < languages.size(); ++index)
        menu->addItem(service->languageTitle(languages.at(index)), index);
    const int found = menu->findText(service->languageTitle(StoreSearchTargets::savedLanguage(searchTarget_)));
    menu->setCurrentIndex(found >= 0 ? found : 0);
}

QString DownloadInfoWindowController::currentLanguage() const
{
    const std::shared_ptr<cobbin::MetadataService> service = StoreSearchTargets::service(searchTarget_);
    const QStringList languages = service->languages();
    bool ok = false;
    const int tag = ui_->languagePopUpButton->currentData().toInt(&ok);
    return ok && tag >= 0 && tag < languages.size() ? languages.at(tag) : service->defaultLanguage();
}

void DownloadInfoWindowController::selectService()
{
    if (isSearchingMetadata_)
        return;
    bool ok = false;
    const int tag = ui_->servicePopUpButton->currentData().toInt(&ok);
    searchTarget_ = StoreSearchTargets::atIndex(ok ? tag : -1);
    brisa::UserDefaults::standard().set(Settings::lastVideoSearchTarget(), searchTarget_);
    reloadServiceMenu();
    reloadLanguageMenu();
    updateInterface();
}

void DownloadInfoWindowController::selectLanguage()
{
    if (isSearchingMetadata_)
        return;
    StoreSearchTargets::setSavedLanguage(searchTarget_, currentLanguage());
}

// --- Searching and loading

void DownloadInfoWindowController::runOperation(std::function<std::function<void()>()> work)
{
    searchOperationQueue_.clear();
    isSearchingMetadata_ = true;
    updateInterface();
    searchOperationQueue_.start([this, work = std::move(work)] {
        std::function<void()> done = work();
        QMetaObject::invokeMethod(
            this,
            [this, done = std::move(done)] {
                isSearchingMetadata_ = false;
                done();
                updateInterface();
                Q_EMIT operationFinished();
            },
            Qt::QueuedConnection);
    });
}

void DownloadInfoWindowController::performSearch()
{
    if (isSearchingMetadata_)
        return;
    const QString name = ui_->nameSearchField->text();
    if (name.trimmed().isEmpty())
        return;
    const QString language = currentLanguage();
    const std::shared_ptr<cobbin::MetadataService> service = StoreSearchTargets::service(searchTarget_);
    const std::optional<cobbin::MetadataSearch> search =
        StoreSearchTargets::isShow(searchTarget_)
            ? cobbin::MetadataSearch::show(service, name, wholeNumber(ui_->seasonSearchField->text()),
                                           wholeNumber(ui_->episodeSearchField->text()), language)
            : cobbin::MetadataSearch::movie(service, name, language);
    if (!search)
        return;
    showSearchMessage({});
    runOperation([this, search = *search]() -> std::function<void()> {
        cobbin::MetadataError error;
        const QList<cobbin::MetadataResult> results = search.run(&error);
        return [this, search, results, error] {
            lastSearch_ = search;
            searchResults_ = results;
            artworkB64_.reset();
            reloadResults();
            if (error.isSet())
                showSearchMessage(errorText(error));
            else if (results.isEmpty())
                showSearchMessage(localizedString(QStringLiteral("StoreImporterNothingFound"),
                                                  {search.service()->displayName(), search.name()}));
            ui_->titleTableView->setFocus();
        };
    });
}

void DownloadInfoWindowController::reloadResults()
{
    resultsModel_->setResults(searchResults_);
    if (!searchResults_.isEmpty()) {
        ui_->titleTableView->selectionModel()->select(resultsModel_->index(0),
                                                      QItemSelectionModel::ClearAndSelect);
        ui_->titleTableView->setCurrentIndex(resultsModel_->index(0));
    }
    selectedResult_ = searchResults_.isEmpty() ? std::nullopt : std::optional(searchResults_.first());
    setInformation();
}

void DownloadInfoWindowController::resultSelectionDidChange()
{
    const QModelIndexList rows = ui_->titleTableView->selectionModel()->selectedIndexes();
    const int row = rows.isEmpty() ? -1 : rows.first().row();
    selectedResult_ = row >= 0 && row < searchResults_.size() ? std::optional(searchResults_.at(row)) : std::nullopt;
    setInformation();
    updateInterface();
}

void DownloadInfoWindowController::setInformation()
{
    infoValues_ = selectedResult_ ? std::optional(StoreResultTagMap::informationRows(*selectedResult_)) : std::nullopt;
    informationModel_->setRows(infoValues_.value_or(QList<StoreInformationRow>()));
}

void DownloadInfoWindowController::loadSelectedResult()
{
    if (isSearchingMetadata_ || isShowingArtworks() || !lastSearch_ || !selectedResult_)
        return;
    showSearchMessage({});
    runOperation([this, search = *lastSearch_, result = *selectedResult_]() -> std::function<void()> {
        cobbin::MetadataError error;
        const cobbin::MetadataResult loaded = search.load(result, &error);
        return [this, loaded, error] {
            if (error.isSet()) {
                // The results stay, so that the user can pick another or search again.
                showSearchMessage(errorText(error));
                return;
            }
            // The values written are those the user saw; the record brings the artworks.
            selectedResult_ = loaded;
            showArtworkMessage({});
            artworkModel_->setArtworks(loaded.artworks());
            showPage(Page::artworks);
            if (!loaded.artworks().isEmpty())
                ui_->artworkCollectionView->setCurrentIndex(artworkModel_->index(0));
        };
    });
}

// --- Pages and ending

bool DownloadInfoWindowController::showPage(Page page)
{
    if (!isSearchingMetadata_) {
        ui_->contentContainerView->setCurrentWidget(page == Page::artworks ? ui_->searchArtworksView
                                                                           : ui_->searchContentView);
        updateInterface();
    }
    return isShowingArtworks() == (page == Page::artworks);
}

void DownloadInfoWindowController::goBack()
{
    if (canGoBack())
        showPage(Page::search);
}

void DownloadInfoWindowController::cancel()
{
    if (canCancel())
        done(QDialog::Rejected);
}

void DownloadInfoWindowController::apply()
{
    if (canApply())
        done(QDialog::Accepted);
}

void DownloadInfoWindowController::applyWithoutArtwork()
{
    if (!canApplyWithoutArtwork())
        return;
    artworkB64_.reset();
    done(QDialog::Accepted);
}

void DownloadInfoWindowController::applyWithSelectedArtwork()
{
    if (!canApplyWithArtwork())
        return;
    const int row = ui_->artworkCollectionView->selectionModel()->selectedIndexes().first().row();
    if (row < 0 || row >= selectedResult_->artworks().size())
        return;
    const cobbin::MetadataArtwork artwork = selectedResult_->artworks().at(row);
    showArtworkMessage({});
    runOperation([this, artwork]() -> std::function<void()> {
        const std::optional<QImage> image = ArtworkDownload::coverImage(artwork);
        const std::optional<QString> text = image ? ArtworkDownload::coverArtText(*image) : std::nullopt;
        return [this, artwork, text] {
            artworkB64_ = text;
            if (!text) {
                // The sheet stays: the user may try again, pick another artwork or go on without.
                showArtworkMessage(localizedString(QStringLiteral("StoreImporterArtworkFailed"),
                                                   {artwork.url.host(), artwork.url.toString()}));
                return;
            }
            if (isShowingArtworks())
                done(QDialog::Accepted);
        };
    });
}

// --- Interface

void DownloadInfoWindowController::showSearchMessage(const QString& text)
{
    ui_->searchMessageLabel->setText(text);
    ui_->searchMessageLabel->setVisible(!text.isEmpty());
}

void DownloadInfoWindowController::showArtworkMessage(const QString& text)
{
    ui_->artworkMessageLabel->setText(text);
    ui_->artworkMessageLabel->setVisible(!text.isEmpty());
}

void DownloadInfoWindowController::updateInterface()
{
    dynamicTouchBar_.reloadDisplayedItems();
    const bool busy = isSearchingMetadata_;
    const bool artworks = isShowingArtworks();
    ui_->progressIndicator->setVisible(busy);
    ui_->titleTextField->setText(localizedString(artworks ? QStringLiteral("StoreImporterChooseArtwork")
                                                          : QStringLiteral("StoreImporterSearchMovie")));
    ui_->cancelButton->setEnabled(canCancel());
    ui_->cancelButton->setVisible(!artworks);
    ui_->continueButton->setEnabled(canContinue());
    ui_->continueButton->setVisible(!artworks);
    ui_->noArtworkButton->setEnabled(canApplyWithoutArtwork());
    ui_->noArtworkButton->setVisible(artworks);
    ui_->withArtworkButton->setEnabled(canApplyWithArtwork());
    ui_->withArtworkButton->setVisible(artworks);
    ui_->goBackButton->setEnabled(canGoBack());
    ui_->goBackButton->setVisible(artworks);
    ui_->servicePopUpButton->setEnabled(!busy);
    ui_->languagePopUpButton->setEnabled(!busy);
    const bool show = StoreSearchTargets::isShow(searchTarget_);
    ui_->seasonSearchField->setVisible(show);
    ui_->episodeSearchField->setVisible(show);
    ui_->searchButton->setEnabled(canSearch());
    for (QLineEdit* field : {ui_->nameSearchField, ui_->seasonSearchField, ui_->episodeSearchField})
        field->setEnabled(!busy);
    // The lists refuse a new selection while busy.
    ui_->titleTableView->setEnabled(!busy);
    ui_->artworkCollectionView->setEnabled(!busy);
    if (canContinue())
        ui_->continueButton->setDefault(true);
    else if (canApplyWithArtwork())
        ui_->withArtworkButton->setDefault(true);
}

} // namespace corvelle
