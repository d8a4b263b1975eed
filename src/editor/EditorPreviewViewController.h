#pragma once

#include "editor/EditorViewController.h"
#include "editor/FileTableCellType.h"

#include <memory>

namespace Ui {
class EditorPreviewView;
} // namespace Ui

namespace corvelle {

class EditorFileListBarController;
class EditorWindowController;

// The section that lists the open files with a summary of each: thumbnail, name and folder,
// tag counts, QuickTime name and date, GPS position and a save button.
class EditorPreviewViewController : public EditorViewController {
    Q_OBJECT

public:
    explicit EditorPreviewViewController(EditorWindowHost* editorWindowController);
    ~EditorPreviewViewController() override;

    WindowTitleVisibility windowTitleVisibility() const override { return WindowTitleVisibility::hidden; }
    QString windowTitle() const override;
    // The number of open files.
    QString windowSubtitle() const override;

    // The columns of the file table, in order.
    static QList<FileTableCellType> tableCellTypes();

    EditorFileListBarController* fileBarController();

    void setupViews() override;
    void addToolbarItems() override;
    void addTouchBarItems() override;
    void stopObserving() override;
    void saveScrollPosition() override;
    void restoreScrollPosition() override;
    void focusFileBar() override;
    std::optional<int> takePendingDropIndex() override;

protected:
    // The compiled form EditorPreviewView, set up on this widget.
    void loadView() override;

private:
    EditorWindowController* windowController() const;

    std::unique_ptr<Ui::EditorPreviewView> ui_;

    EditorFileListBarController* fileBarController_ = nullptr;
    // The menus of the toolbar's Sync Dates, Edit Tags, Edit Location and Sidecars buttons.
    QMenu* clockToolbarMenu_ = nullptr;
    QMenu* tagToolbarMenu_ = nullptr;
    QMenu* gpsToolbarMenu_ = nullptr;
    QMenu* sidecarToolbarMenu_ = nullptr;
};

} // namespace corvelle
