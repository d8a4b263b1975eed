#pragma once

#include "filemodel/FilePreviewer.h"
#include "filemodel/MetadataFile.h"
#include "filemodel/ThumbnailQueue.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "widgets/MenuValidation.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QAbstractButton;
class QKeyEvent;
class QLabel;
class QProgressBar;

namespace Ui {
class QuickLookWindow;
} // namespace Ui

namespace corvelle {

class MetadataFileList;
class QuickLookPlayerView;
class QuickLookWindow;

// The floating preview of the first selected file of a file list: a picture turned by the file's
// EXIF orientation, a looping player for movies and sounds, or a text saying there is none. It
// follows the list's selection while shown, steps through the files with the arrow keys and its
// buttons, and closes when another window becomes active unless "QuickLookIsPinned" is set.
//
// Previews are made on a queue of their own, one at a time; a newer selection cancels the loads
// that have not started. Closing forgets the preview, so that the next showing loads afresh.
class QuickLookWindowController : public QObject {
    Q_OBJECT

public:
    using FileViewerCall = std::function<void(const QList<QUrl>& urls)>;

    // The list is the caller's and must outlive the controller.
    explicit QuickLookWindowController(MetadataFileList* fileList, QObject* parent = nullptr);
    ~QuickLookWindowController() override;

    MetadataFileList* fileList() const { return fileList_; }
    // The panel, made with its form on first request.
    QuickLookWindow* window();
    bool isWindowLoaded() const { return !window_.isNull(); }
    bool isShown() const;

    // Brings the panel to the front, loads the selected file and plays it; nothing when shown.
    void showWindow();
    void hideWindow();
    void toggleWindow();
    // Loads the first selected file unless it is the one loaded; nothing while hidden.
    void reloadSelectedFile();
    void updateInterface();

    // --- Actions

    void selectPreviousFile();
    void selectNextFile();
    void pinWindow();
    void unpinWindow();
    void exifHorizontalFlip();
    void exifVerticalFlip();
    void exifRotateLeft();
    void exifRotateRight();
    void revealFileInFinder();
    // Escape and space close, the arrows step through the files; false for any other key.
    bool keyDown(QKeyEvent* event);
    // For "selectPreviousFile:", "pinWindow:", "exifRotateLeft:", ...; notMine for the others.
    MenuValidation validateAction(const QString& action) const;

    // The file manager call of revealFileInFinder(); FileViewer::activateSelecting by default.
    void setFileViewer(FileViewerCall call) { fileViewer_ = std::move(call); }
    // The window the panel first opens over (the active window when none is set).
    void setAnchorWindow(QWidget* window) { anchorWindow_ = window; }

    // --- State

    const MetadataFilePointer& loadedFile() const { return loadedFile_; }
    int processingCount() const { return processingCount_; }
    const std::optional<FilePreviewer::Content>& orientedContent() const { return orientedContent_; }
    QLabel* filenameTextField() const { return filenameTextField_; }
    QLabel* noPreviewTextField() const { return noPreviewTextField_; }
    QLabel* imageView() const { return imageView_; }
    QAbstractButton* previousButton() const { return previousButton_; }
    QAbstractButton* nextButton() const { return nextButton_; }
    QAbstractButton* pinButton() const { return pinButton_; }
    QAbstractButton* unpinButton() const { return unpinButton_; }
    QuickLookPlayerView* playerView() const { return playerView_; }
    // The player of the movie or sound shown; null for the others.
    const FilePreviewer::Player& activePlayer() const { return activePlayer_; }
    // How many times the active player went back to its start.
    int loopCount() const { return loopCount_; }

    static constexpr int animationMilliseconds = 250;
    // Space left around the picture.
    static constexpr int imageInset = 20;

private:
    void windowDidLoad();
    void load(const MetadataFilePointer& file);
    void loadDidEnd(const MetadataFilePointer& file, const std::optional<FilePreviewer::Content>& content);
    void orientContent();
    void showImage();
    void playPlayer();
    // Pauses the former player and makes `player` loop.
    void setActivePlayer(const FilePreviewer::Player& player);
    // The orientation a movie's frames are shown in: its track's rotation where the file keeps it.
    int playerOrientation() const;
    void placeOverAnchorWindow();
    void windowWillClose();
    void windowDidResignKey();
    void historyDidFlush(const brisa::Notification& note);
    bool isPinned() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    MetadataFileList* fileList_;
    QPointer<QuickLookWindow> window_;
    std::unique_ptr<Ui::QuickLookWindow> ui_;
    QLabel* filenameTextField_ = nullptr;
    QLabel* noPreviewTextField_ = nullptr;
    QLabel* imageView_ = nullptr;
    QProgressBar* progressIndicator_ = nullptr;
    QAbstractButton* closeButton_ = nullptr;
    QAbstractButton* previousButton_ = nullptr;
    QAbstractButton* nextButton_ = nullptr;
    QAbstractButton* pinButton_ = nullptr;
    QAbstractButton* unpinButton_ = nullptr;
    QuickLookPlayerView* playerView_ = nullptr;

    ThumbnailQueue loadingQueue_;
    std::optional<ThumbnailQueue::Ticket> loadingTicket_;
    MetadataFilePointer loadedFile_;
    int processingCount_ = 0;
    std::optional<FilePreviewer::Content> thumbnailContent_;
    std::optional<FilePreviewer::Content> orientedContent_;
    FileViewerCall fileViewer_;
    QMetaObject::Connection playerEndConnection_;
    FilePreviewer::Player activePlayer_;
    int loopCount_ = 0;
    QPointer<QWidget> anchorWindow_;
    bool placed_ = false;

    brisa::NoteSubscriber userDefaultsDidSetKeySubscriber_;
    brisa::NoteSubscriber filesManagerDidUpdateSubscriber_;
    brisa::NoteSubscriber editionsManagerDidFlushHistorySubscriber_;
};

} // namespace corvelle
