#include "editor/EditorBarController.h"

#include "editor/EditorViewController.h"
#include "editor/EditorWindowHost.h"
#include "platform/brisa/core/UserDefaults.h"

namespace corvelle {

EditorBarController::EditorBarController(EditorViewController* editorViewController)
    : editorViewController_(editorViewController)
{
}

EditorBarController::~EditorBarController() = default;

EditorViewController* EditorBarController::editorViewController() const
{
    return editorViewController_;
}

void EditorBarController::setEditorViewController(EditorViewController* controller)
{
    editorViewController_ = controller;
}

EditorWindowHost* EditorBarController::editorWindowController() const
{
    return editorViewController_ ? editorViewController_->editorWindowController() : nullptr;
}

MetadataFileList* EditorBarController::metadataFileList() const
{
    EditorWindowHost* window = editorWindowController();
    return window ? window->metadataFileList() : nullptr;
}

halvex::TagValueTable* EditorBarController::tagValueTable() const
{
    EditorWindowHost* window = editorWindowController();
    return window ? window->tagValueTable() : nullptr;
}

brisa::UserDefaults* EditorBarController::userDefaults() const
{
    return editorWindowController() ? &brisa::UserDefaults::standard() : nullptr;
}

void EditorBarController::updateInterface()
{
    if (editorViewController_)
        editorViewController_->updateInterface();
}

void EditorBarController::viewDidLoad()
{
    setupViews();
    startObserving();
    updateInterface();
}

void EditorBarController::viewDidAppear()
{
    updateInterface();
}

} // namespace corvelle
