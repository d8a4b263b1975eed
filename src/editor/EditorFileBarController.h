#pragma once

#include "editor/EditorBarController.h"
#include "platform/brisa/core/IndexSet.h"

#include <optional>

class QAbstractItemView;
class QDropEvent;
class QKeyEvent;
class QMimeData;

namespace corvelle {

// What the two file bars, the table and the grid, share: their keys (space for Quick Look,
// with or without a modifier; Delete removes the selected files), the validation of their
// selection commands, and what a drop does: rows dragged inside the bar move the list's files,
// file URLs from outside are opened and go where they were dropped.
//
// The bar never changes the file list for a command: it asks the window controller, which acts
// on the list. Without a window controller every command does nothing and is disabled.
class EditorFileBarController : public EditorBarController {
    Q_OBJECT

public:
    using EditorBarController::EditorBarController;

    // Where the files of the last drop of files are to go, handed out once.
    std::optional<int> takeDropFilesIndex();
    std::optional<int> pendingDropIndex() { return takeDropFilesIndex(); }

    // "selectAll:", "deselectAll:", "selectPrevious:", "selectNext:", "deleteBackward:" by the
    // list's selection; every other action is disabled.
    bool validateUserInterfaceItem(const QString& action) const;
    // Sends the window controller's command of one of the actions above ("selectAll:" sends
    // "selectAllFiles:", ...).
    void performBarCommand(const QString& action);

protected:
    // The bar's view: it gets the keys, and its viewport the drops.
    virtual QAbstractItemView* fileItemView() const = 0;
    // The private type of the rows dragged inside this bar.
    virtual QString rowDragType() const = 0;
    // Where rows or files dropped at this point of the viewport go; none refuses the drop.
    virtual std::optional<int> dropDestination(QDropEvent* event, bool movesRows) const = 0;

    // Call from setupViews(): installs the key and drop handling on the view.
    void installFileItemViewHandling();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(QKeyEvent* event);
    bool dragMoved(QDropEvent* event);
    bool dropped(QDropEvent* event);

    std::optional<int> dropFilesIndex_;
};

} // namespace corvelle
