#include "editor/EditorWelcomeViewController.h"

#include "app/TextLocalizer.h"
#include "app/controls/DropFilesView.h"
#include "editor/EditorWindowController.h"
#include "editor/FormLoader.h"
#include "platform/brisa/ui/SymbolIcons.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvelle {

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
    QWidget* root = view();
    titleTextField_ = FormLoader::outlet<QLabel>(root, "titleTextField");
    subtitleTextField_ = FormLoader::outlet<QLabel>(root, "subtitleTextField");
    placeholderImageView_ = FormLoader::outlet<QLabel>(root, "placeholderImageView");
    openFinderButton_ = FormLoader::outlet<QPushButton>(root, "openFinderButton");
    titleTextField_->setText(localizedString(QStringLiteral("EditorWelcomeCorvelleViewTitle")));
    subtitleTextField_->setText(localizedString(QStringLiteral("EditorWelcomeCorvelleViewSubtitle")));
    placeholderImageView_->setPixmap(brisa::SymbolIcons::icon(QStringLiteral("film")).pixmap(96, 96));

    // The form holds a plain area where the drop area goes: forms know no custom widgets.
    QWidget* area = FormLoader::outlet<QWidget>(root, "dropFilesView");
    dropFilesView_ = new DropFilesView;
    dropFilesView_->setObjectName(QStringLiteral("dropFilesView"));
    area->setObjectName(QStringLiteral("dropFilesArea"));
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
}

void EditorWelcomeViewController::addToolbarItems()
{
    QPointer<EditorWelcomeViewController> weakSelf(this);
    toolbarItemSet().addItem(brisa::DynamicToolbarItemContainer::ImageButtonSettings{
        localizedString(QStringLiteral("EditorWindowToolbarOpenFiles")), QStringLiteral("plus"), [weakSelf] {
            if (weakSelf)
                weakSelf->openFilesFromFinder();
        }});
}

void EditorWelcomeViewController::updateInterface()
{
    EditorViewController::updateInterface();
    if (openFinderButton_)
        openFinderButton_->setEnabled(canOpenFilesFromFinder());
}

void EditorWelcomeViewController::openFilesFromFinder()
{
    if (EditorWindowController* controller = windowController())
        controller->openFilesFromFinder();
}

} // namespace corvelle
