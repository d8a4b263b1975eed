#pragma once

#include "engine/halvex/libraries/PhotosRemoteManager.h"

#include <QWidget>

#include <memory>

class QMenu;
class QTableView;

namespace Ui {
class RCProfilesView;
}

namespace corvelle {

class RCProfileListModel;
class RCWindowController;

// The left side of the remote-profiles window: the profiles, one row each. The table's
// selection is the library's selection list, in row order. Rows are reordered by dragging and
// deleted with Delete (only while the window is idle) or from a row's menu (its more button or
// a right click), which deletes that row's profile even during an apply.
class RCProfilesViewController : public QWidget {
    Q_OBJECT

public:
    RCProfilesViewController(RCWindowController& windowController, halvex::PhotosRemoteManager& manager,
                             QWidget* parent = nullptr);
    ~RCProfilesViewController() override;

    QTableView* tableView() const;
    RCProfileListModel* model() const { return model_; }
    // The contextual menu of a row; its delete command acts on `row`'s profile.
    QMenu* contextMenu(int row);
    // Deletes the row's profile, whatever the window is doing.
    void deleteProfileAtRow(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectSelectionList();
    void tableSelectionDidChange();

    RCWindowController& windowController_;
    halvex::PhotosRemoteManager& manager_;
    std::unique_ptr<Ui::RCProfilesView> ui_;
    RCProfileListModel* model_;
    QMenu* contextMenu_;
    QAction* deleteRowAction_;
    int menuRow_ = -1;
    bool selecting_ = false;
};

} // namespace corvelle
