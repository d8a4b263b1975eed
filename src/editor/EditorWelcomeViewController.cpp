#include "editor/EditorWelcomeViewController.h"

#include "editor/EditorTouchBarItems.h"
#include "editor/EditorWindowController.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"
#include "widgets/controls/DropFilesView.h"

#include "ui_EditorWelcomeView.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvelle {

EditorWelcomeViewController::EditorWelcomeViewController(EditorWindowHost* editorWindowController)
    : EditorViewController(editorWindowController)
{
}

EditorWelcomeViewController::~EditorWelcomeViewController() = default;

void EditorWelcomeViewController::loadView()
{
    ui_ = std::make_unique<Ui::EditorWelcomeView>();
    ui_->setupUi(this);
    FormTexts::localize(this);
}

QString EditorWelcomeViewController::windowTitle() const
{
    return localizedString(QStringLiteral("EditorWelcomeCorvelleWindowTitle"));
}

QString EditorWelcomeViewController::windowSubtitle() const
{
    return localizedString(QStringLiteral("EditorWelcomeWindowSubtitle"));
}

EditorWindowController* EditorWelcomeViewController::windowController() const
{
    return qobject_cast<EditorWindowController*>(editorWindowController());
}

void EditorWelcomeViewController::setupViews()
{
    view();
    titleTextField_ = ui_->titleTextField;
    subtitleTextField_ = ui_->subtitleTextField;
    placeholderImageView_ = ui_->placeholderImageView;
    openFinderButton_ = ui_->openFinderButton;
    openPhotosButton_ = ui_->openPhotosButton;
    titleTextField_->setText(localizedString(QStringLiteral("EditorWelcomeCorvelleViewTitle")));
    subtitleTextField_->setText(localizedString(QStringLiteral("EditorWelcomeCorvelleViewSubtitle")));
    placeholderImageView_->setPixmap(brisa::SymbolIcons::icon(QStringLiteral("film")).pixmap(96, 96));

    // The form holds a plain area where the drop area goes: forms know no custom widgets.
    QWidget* area = ui_->dropFilesView;
    dropFilesView_ = new DropFilesView;
    dropFilesView_->setObjectName(QStringLiteral("dropFilesView"));
    area->setObjectName(QStringLiteral("dropFilesArea"));
    area->setAttribute(Qt::WA_StyledBackground);
    area->setStyleSheet(QStringLiteral("#dropFilesArea { border: 2px dashed palette(mid); border-radius: 14px; }"));
    auto* areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->addWidget(dropFilesView_);
    auto* dropLayout = new QVBoxLayout(dropFilesView_);
    dropLayout->addWidget(placeholderImageView_, 0, Qt::AlignCenter);

    QPointer<EditorWelcomeViewController> weakSelf(this);
    dropFilesView_->setCanImportHandler([weakSelf](const QList<QUrl>& urls) {
        EditorWindowController* controller = weakSelf ? weakSelf->windowController() : nullptr;
        return controller && controller->canOpenFiles(urls);
    });
    dropFilesView_->setImportHandler([weakSelf](const QList<QUrl>& urls) {
        if (EditorWindowController* controller = weakSelf ? weakSelf->windowController() : nullptr)
            controller->addFiles(urls);
        return true;
    });
    connect(openFinderButton_, &QPushButton::clicked, this, &EditorWelcomeViewController::openFilesFromFinder);
    connect(openPhotosButton_, &QPushButton::clicked, this, &EditorWelcomeViewController::openFilesFromPhotos);
}

void EditorWelcomeViewController::addToolbarItems()
{
    addOpenFilesToolbarItem();
    addFlexibleSpaceToolbarItem();
    addTasksToolbarItem();
    addToolbarItem(ToolbarCommand::photosRemote);
    addToolbarItem(ToolbarCommand::managePresets);
    addHelpToolbarItem();
}

void EditorWelcomeViewController::addTouchBarItems()
{
    brisa::DynamicTouchBarItemSet& items = dynamicTouchBar().addItemSet({});
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    EditorTouchBarItems::addWelcomeItems(items, windowController());
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
}

void EditorWelcomeViewController::updateInterface()
{
    EditorViewController::updateInterface();
    if (openFinderButton_)
        openFinderButton_->setEnabled(canOpenFilesFromFinder());
    if (openPhotosButton_)
        openPhotosButton_->setEnabled(canOpenFilesFromPhotos());
}

void EditorWelcomeViewController::openFilesFromFinder()
{
    if (EditorWindowHost* controller = editorWindowController())
        controller->performCommand(QStringLiteral("openFilesFromFinder:"), nullptr);
}

void EditorWelcomeViewController::openFilesFromPhotos()
{
    if (EditorWindowHost* controller = editorWindowController())
        controller->performCommand(QStringLiteral("openFilesFromPhotos:"), nullptr);
}

bool EditorWelcomeViewController::validateUserInterfaceItem(const QString& action) const
{
    if (action == QLatin1String("openFilesFromFinder:") || action == QLatin1String("openFilesFromPhotos:")) {
        EditorWindowHost* controller = editorWindowController();
        return controller && controller->validateUserInterfaceItem(action);
    }
    return EditorViewController::validateUserInterfaceItem(action);
}

} // namespace corvelle
