#pragma once

#include "editor/ViewController.h"

#include <QPointer>

namespace brisa {
class UserDefaults;
} // namespace brisa

namespace halvex {
class TagValueTable;
} // namespace halvex

namespace corvelle {

class EditorViewController;
class EditorWindowHost;
class MetadataFileList;

// The base of every bar and sidebar that a section view places around its content. A bar
// reaches the window's model through the section view that owns it, and answers nothing once
// that view or its window controller is gone.
//
// When the view loads: setupViews(), startObserving(), updateInterface(); updateInterface()
// again each time the view is shown. The owner calls stopObserving() before it deletes a bar.
class EditorBarController : public ViewController {
    Q_OBJECT

public:
    explicit EditorBarController(EditorViewController* editorViewController);
    ~EditorBarController() override;

    EditorViewController* editorViewController() const;
    void setEditorViewController(EditorViewController* controller);

    virtual EditorWindowHost* editorWindowController() const;
    virtual MetadataFileList* metadataFileList() const;
    virtual halvex::TagValueTable* tagValueTable() const;
    // The standard settings while attached to a window controller.
    virtual brisa::UserDefaults* userDefaults() const;

    virtual void setupViews() {}
    // Refreshes the owning section view.
    virtual void updateInterface();
    virtual void saveScrollPosition() {}
    virtual void restoreScrollPosition() {}
    virtual void focus() {}
    virtual void revealSelection() {}
    virtual void windowWillStartLiveResize() {}
    virtual void windowDidEndLiveResize() {}
    // The owning section's split view starts and ends a resize by the user.
    virtual void splitViewWillStartResizing() {}
    virtual void splitViewDidEndResizing() {}
    virtual void startObserving() {}
    virtual void stopObserving() {}

protected:
    void viewDidLoad() override;
    void viewDidAppear() override;

private:
    QPointer<EditorViewController> editorViewController_;
};

} // namespace corvelle
