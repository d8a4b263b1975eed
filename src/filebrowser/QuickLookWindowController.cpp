#include "filebrowser/QuickLookWindowController.h"

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tags/TagEditorOrientation.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/TagItem.h"
#include "filebrowser/FileBrowserSettings.h"
#include "filebrowser/QuickLookPlayerView.h"
#include "filebrowser/QuickLookWindow.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"
#include "widgets/desktop/FileViewer.h"

#include "ui_QuickLookWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaPlayer>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>

#include <algorithm>

namespace corvelle {

namespace {

using OrientationChange = halvex::ExifOrientation (halvex::ExifOrientation::*)() const;

void queueOrientationChange(MetadataFileList& list, OrientationChange change)
{
    const QList<std::shared_ptr<halvex::TagEditor>> editors = list.selectedEditors();
    if (editors.isEmpty())
        return;
    halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>(
        halvex::TagEditorList(editors), [change](const std::shared_ptr<halvex::TagEditor>& editor) {
            halvex::setExifOrientation(*editor, (halvex::exifOrientation(*editor).*change)());
        }));
}

} // namespace

QuickLookWindowController::QuickLookWindowController(MetadataFileList* fileList, QObject* parent)
    : QObject(parent)
    , fileList_(fileList)
    , loadingQueue_(1)
    , fileViewer_(&FileViewer::activateSelecting)
{
    editionsManagerDidFlushHistorySubscriber_.subscribe(
        halvex::EditionManager::didFlushHistoryNotification, nullptr,
        [this](const brisa::Notification& note) { historyDidFlush(note); });
}

QuickLookWindowController::~QuickLookWindowController()
{
    userDefaultsDidSetKeySubscriber_.unsubscribe();
    filesManagerDidUpdateSubscriber_.unsubscribe();
    editionsManagerDidFlushHistorySubscriber_.unsubscribe();
    if (loadingTicket_)
        loadingQueue_.cancel(*loadingTicket_);
    setActivePlayer(nullptr);
    if (playerView_)
        playerView_->setPlayer(nullptr);
    delete window_.data();
}

QuickLookWindow* QuickLookWindowController::window()
{
    if (!window_) {
        auto* content = new QWidget;
        ui_ = std::make_unique<Ui::QuickLookWindow>();
        ui_->setupUi(content);
        FormTexts::localize(content);
        window_ = new QuickLookWindow(content);
        windowDidLoad();
    }
    return window_;
}

void QuickLookWindowController::windowDidLoad()
{
    filenameTextField_ = ui_->filenameTextField;
    noPreviewTextField_ = ui_->noPreviewTextField;
    imageView_ = ui_->imageView;
    progressIndicator_ = ui_->progressIndicator;
    closeButton_ = ui_->closeButton;
    previousButton_ = ui_->previousButton;
    nextButton_ = ui_->nextButton;
    pinButton_ = ui_->pinButton;
    unpinButton_ = ui_->unpinButton;
    playerView_ = new QuickLookPlayerView;
    brisa::FilledSubview::setFilledSubview(ui_->playerView, playerView_);
    progressIndicator_->hide();
    playerView_->parentWidget()->hide();
    imageView_->installEventFilter(this);

    connect(closeButton_, &QAbstractButton::clicked, this, &QuickLookWindowController::hideWindow);
    connect(previousButton_, &QAbstractButton::clicked, this, &QuickLookWindowController::selectPreviousFile);
    connect(nextButton_, &QAbstractButton::clicked, this, &QuickLookWindowController::selectNextFile);
    connect(pinButton_, &QAbstractButton::clicked, this, &QuickLookWindowController::pinWindow);
    connect(unpinButton_, &QAbstractButton::clicked, this, &QuickLookWindowController::unpinWindow);
    connect(window_, &QuickLookWindow::spaceKeyPressed, this, &QuickLookWindowController::hideWindow);
    connect(window_, &QuickLookWindow::keyPressed, this, [this](QKeyEvent* event) {
        if (keyDown(event))
            event->accept();
    });
    connect(window_, &QuickLookWindow::willClose, this, &QuickLookWindowController::windowWillClose);
    connect(window_, &QuickLookWindow::didResignKey, this, &QuickLookWindowController::windowDidResignKey);
    // A floating panel of an application the user left would stand over the other one's windows.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationInactive || state == Qt::ApplicationHidden)
            hideWindow();
    });

    // The orientation commands and the reveal, on the panel's context menu.
    struct MenuAction {
        const char* action;
        const char* titleKey;
        void (QuickLookWindowController::*method)();
    };
    const QList<MenuAction> menuActions{
        {"exifHorizontalFlip:", "QuickLookWindowHorizontalFlipMenuItem", &QuickLookWindowController::exifHorizontalFlip},
        {"exifVerticalFlip:", "QuickLookWindowVerticalFlipMenuItem", &QuickLookWindowController::exifVerticalFlip},
        {"exifRotateLeft:", "QuickLookWindowRotateLeftMenuItem", &QuickLookWindowController::exifRotateLeft},
        {"exifRotateRight:", "QuickLookWindowRotateRightMenuItem", &QuickLookWindowController::exifRotateRight},
        {"revealFileInFinder:", "QuickLookWindowRevealMenuItem", &QuickLookWindowController::revealFileInFinder},
    };
    for (const MenuAction& entry : menuActions) {
        auto* item = new QAction(localizedString(QString::fromLatin1(entry.titleKey)), window_);
        item->setObjectName(QString::fromLatin1(entry.action));
        connect(item, &QAction::triggered, this, entry.method);
        window_->addAction(item);
    }
    window_->setContextMenuPolicy(Qt::ActionsContextMenu);

    userDefaultsDidSetKeySubscriber_.subscribe(
        brisa::UserDefaults::didSetKeyNotification, &brisa::UserDefaults::standard(), [this](const brisa::Notification& note) {
            if (note.userInfo.value(brisa::UserDefaults::keyNameUserInfoKey).toString()
                == Settings::quickLookIsPinned().name())
                updateInterface();
        });
    filesManagerDidUpdateSubscriber_.subscribe(MetadataFileList::didChangeFilesNotification, fileList_,
                                               [this](const brisa::Notification&) {
                                                   updateInterface();
                                                   reloadSelectedFile();
                                               });
    updateInterface();
    reloadSelectedFile();
}

bool QuickLookWindowController::isShown() const
{
    return window_ && window_->isVisible();
}

void QuickLookWindowController::showWindow()
{
    if (isShown())
        return;
    window();
    placeOverAnchorWindow();
    window_->show();
    window_->raise();
    window_->activateWindow();
    reloadSelectedFile();
    playPlayer();
}

void QuickLookWindowController::hideWindow()
{
    if (isShown())
        window_->close();
}

void QuickLookWindowController::toggleWindow()
{
    if (isShown())
        hideWindow();
    else
        showWindow();
}

// --- Loading

void QuickLookWindowController::reloadSelectedFile()
{
    if (!isShown())
        return;
    const MetadataFilePointer file = fileList_->firstSelectedFile();
    if (file == loadedFile_)
        return;
    load(file);
}

void QuickLookWindowController::load(const MetadataFilePointer& file)
{
    if (loadingTicket_) {
        // A cancelled load never ends: it no longer counts.
        loadingQueue_.cancel(*loadingTicket_);
        --processingCount_;
        loadingTicket_.reset();
    }
    loadedFile_ = file;
    if (!file) {
        thumbnailContent_.reset();
        orientedContent_.reset();
        updateInterface();
        return;
    }
    ++processingCount_;
    updateInterface();
    loadingTicket_ = FilePreviewer(file).makeContentAsync(
        loadingQueue_, this, [this, file](const std::optional<FilePreviewer::Content>& content) {
            loadDidEnd(file, content);
        });
}

void QuickLookWindowController::loadDidEnd(const MetadataFilePointer& file,
                                           const std::optional<FilePreviewer::Content>& content)
{
    loadingTicket_.reset();
    processingCount_ = std::max(0, processingCount_ - 1);
    if (file != loadedFile_)
        return;
    thumbnailContent_ = content;
    orientContent();
    updateInterface();
    playPlayer();
}

void QuickLookWindowController::orientContent()
{
    if (!thumbnailContent_ || !loadedFile_) {
        orientedContent_ = thumbnailContent_;
        return;
    }
    // Content::oriented() keeps the picture as it is when it cannot be turned.
    orientedContent_ = thumbnailContent_->oriented(halvex::exifOrientation(*loadedFile_->editor()).exifNumber());
}

void QuickLookWindowController::playPlayer()
{
    if (activePlayer_ && isShown())
        activePlayer_->play();
}

void QuickLookWindowController::setActivePlayer(const FilePreviewer::Player& player)
{
    if (player == activePlayer_)
        return;
    disconnect(playerEndConnection_);
    if (activePlayer_)
        activePlayer_->pause();
    activePlayer_ = player;
    if (!player)
        return;
    // Loops: back to the start each time the end is reached.
    QMediaPlayer* raw = player.get();
    playerEndConnection_ = connect(raw, &QMediaPlayer::mediaStatusChanged, this, [this, raw](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia && activePlayer_.get() == raw) {
            ++loopCount_;
            raw->setPosition(0);
            raw->play();
        }
    });
}

int QuickLookWindowController::playerOrientation() const
{
    if (!loadedFile_)
        return 1;
    const halvex::TagEditor& editor = *loadedFile_->editor();
    return (editor.prefersQuicktime() ? halvex::quicktimeOrientation(editor) : halvex::exifOrientation(editor)).exifNumber();
}

void QuickLookWindowController::placeOverAnchorWindow()
{
    // Once: afterwards the panel stays where the user leaves it.
    if (placed_)
        return;
    QWidget* anchor = anchorWindow_ ? anchorWindow_.data() : QApplication::activeWindow();
    if (!anchor || anchor == window_ || !anchor->isVisible())
        return;
    placed_ = true;
    QRect frame = window_->frameGeometry();
    frame.moveCenter(anchor->frameGeometry().center());
    // Whole on the anchor's screen.
    if (const QScreen* screen = anchor->screen()) {
        const QRect room = screen->availableGeometry();
        frame.moveLeft(std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() - frame.width() + 1)));
        frame.moveTop(std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() - frame.height() + 1)));
    }
    window_->move(frame.topLeft());
}

// --- Interface

bool QuickLookWindowController::isPinned() const
{
    return brisa::UserDefaults::standard().value(Settings::quickLookIsPinned());
}

void QuickLookWindowController::updateInterface()
{
    if (!window_)
        return;
    const bool pinned = isPinned();
    previousButton_->setEnabled(validateAction(QStringLiteral("selectPreviousFile:")) == MenuValidation::enabled);
    nextButton_->setEnabled(validateAction(QStringLiteral("selectNextFile:")) == MenuValidation::enabled);
    pinButton_->setHidden(pinned);
    unpinButton_->setHidden(!pinned);

    const MetadataFilePointer selected = fileList_->firstSelectedFile();
    filenameTextField_->setText(selected ? selected->url().fileName()
                                         : localizedString(QStringLiteral("QuickLookWindowNoFileTitle")));
    progressIndicator_->setVisible(processingCount_ != 0);

    // A movie shows in the player view; a sound plays behind its picture.
    const bool isPlayer = orientedContent_ && orientedContent_->kind() == FilePreviewer::Content::Kind::player;
    noPreviewTextField_->setVisible(!orientedContent_);
    imageView_->setVisible(orientedContent_ && !isPlayer);
    playerView_->parentWidget()->setVisible(isPlayer);
    setActivePlayer(orientedContent_ ? orientedContent_->player() : nullptr);
    playerView_->setPlayer(isPlayer ? orientedContent_->player() : nullptr);
    playerView_->setOrientation(isPlayer ? playerOrientation() : 1);
    showImage();
    for (QAction* item : window_->actions())
        item->setEnabled(validateAction(item->objectName()) == MenuValidation::enabled);
}

void QuickLookWindowController::showImage()
{
    if (!imageView_)
        return;
    if (!orientedContent_ || orientedContent_->kind() == FilePreviewer::Content::Kind::player
        || orientedContent_->picture().isNull()) {
        imageView_->clear();
        return;
    }
    const QSize room = (imageView_->size() - QSize(2 * imageInset, 2 * imageInset)).expandedTo(QSize(1, 1));
    const QImage& picture = orientedContent_->picture();
    const QImage fitted = picture.width() > room.width() || picture.height() > room.height()
                              ? picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                              : picture;
    imageView_->setPixmap(QPixmap::fromImage(fitted));
}

bool QuickLookWindowController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == imageView_ && event->type() == QEvent::Resize)
        showImage();
    return QObject::eventFilter(watched, event);
}

// --- Window

void QuickLookWindowController::windowWillClose()
{
    if (loadingTicket_) {
        loadingQueue_.cancel(*loadingTicket_);
        loadingTicket_.reset();
    }
    processingCount_ = 0;
    loadedFile_.reset();
    thumbnailContent_.reset();
    orientedContent_.reset();
    updateInterface();
}

void QuickLookWindowController::windowDidResignKey()
{
    if (!isPinned() && isShown())
        window_->close();
}

void QuickLookWindowController::historyDidFlush(const brisa::Notification& note)
{
    if (!loadedFile_)
        return;
    const std::optional<halvex::HistoryEdition> history = halvex::EditionManager::history(note);
    if (!history || !history->tagNames({loadedFile_->editor()}).contains(ostrak::TagItem::itemEXIFOrientation().tagName()))
        return;
    orientContent();
    updateInterface();
}

// --- Actions

void QuickLookWindowController::selectPreviousFile()
{
    if (validateAction(QStringLiteral("selectPreviousFile:")) == MenuValidation::enabled)
        fileList_->selectPreviousFile(1);
}

void QuickLookWindowController::selectNextFile()
{
    if (validateAction(QStringLiteral("selectNextFile:")) == MenuValidation::enabled)
        fileList_->selectNextFile(1);
}

void QuickLookWindowController::pinWindow()
{
    brisa::UserDefaults::standard().set(Settings::quickLookIsPinned(), true);
}

void QuickLookWindowController::unpinWindow()
{
    brisa::UserDefaults::standard().set(Settings::quickLookIsPinned(), false);
}

void QuickLookWindowController::exifHorizontalFlip()
{
    queueOrientationChange(*fileList_, &halvex::ExifOrientation::horizontalFlip);
}

void QuickLookWindowController::exifVerticalFlip()
{
    queueOrientationChange(*fileList_, &halvex::ExifOrientation::verticalFlip);
}

void QuickLookWindowController::exifRotateLeft()
{
    queueOrientationChange(*fileList_, &halvex::ExifOrientation::rotateLeft);
}

void QuickLookWindowController::exifRotateRight()
{
    queueOrientationChange(*fileList_, &halvex::ExifOrientation::rotateRight);
}

void QuickLookWindowController::revealFileInFinder()
{
    if (loadedFile_ && fileViewer_)
        fileViewer_({loadedFile_->url()});
}

bool QuickLookWindowController::keyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Space:
        hideWindow();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Left:
        selectPreviousFile();
        return true;
    case Qt::Key_Down:
    case Qt::Key_Right:
        selectNextFile();
        return true;
    default:
        return false;
    }
}

MenuValidation QuickLookWindowController::validateAction(const QString& action) const
{
    const auto answer = [](bool enabled) { return enabled ? MenuValidation::enabled : MenuValidation::disabled; };
    const brisa::IndexSet& selection = fileList_->selection();
    if (action == QLatin1String("selectPreviousFile:"))
        return answer(!selection.isEmpty() && selection.first() >= 1);
    if (action == QLatin1String("selectNextFile:"))
        return answer(!selection.isEmpty() && selection.last() < fileList_->files().size() - 1);
    if (action == QLatin1String("pinWindow:"))
        return answer(!isPinned());
    if (action == QLatin1String("unpinWindow:"))
        return answer(isPinned());
    if (action == QLatin1String("exifHorizontalFlip:") || action == QLatin1String("exifVerticalFlip:")
        || action == QLatin1String("exifRotateLeft:") || action == QLatin1String("exifRotateRight:")
        || action == QLatin1String("revealFileInFinder:"))
        return answer(!selection.isEmpty());
    return MenuValidation::notMine;
}

} // namespace corvelle
