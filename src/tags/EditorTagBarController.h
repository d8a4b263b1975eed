#pragma once

#include "editor/EditorBarController.h"
#include "engine/halvex/tags/TagValueTableContent.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "widgets/controls/RightClickTableViewDelegate.h"

#include <QIcon>

#include <memory>

class QMenu;
class QTableView;
class QToolButton;

namespace Ui {
class EditorTagBar;
} // namespace Ui

namespace brisa {
struct Notification;
} // namespace brisa

namespace corvelle {

class ContentHeaderTableCellView;
class ContentTableRowView;
class ContentValueTableCellView;
class EditorTagsViewController;
class RightClickTableView;
class TagValueTableModel;

// The tag table of the tags section: the rows of the window's tag value table, section headings
// and one card per tag, each as tall as its title and value need at the table's width. The bar
// owns no tag data: it shows the table's content as the table's reload notes say (everything,
// some rows, or only the selection), and a selection the user makes goes back to the table as a
// new request; one the bar makes itself never does. Above the table: a pop-up that jumps to a
// section, and the select, select-dates, filter and displayed-tags buttons, which send the
// window's commands. A placeholder stands in for an empty table.
class EditorTagBarController : public EditorBarController, public RightClickTableViewDelegate {
    Q_OBJECT

public:
    static constexpr qreal sectionRowHeight = 38;
    // The window commands of the four buttons.
    static const QString selectTagsCommand;
    static const QString selectDatesCommand;
    static const QString filterTagsCommand;
    static const QString manageTagsCommand;

    explicit EditorTagBarController(EditorViewController* editorViewController);
    ~EditorTagBarController() override;

    EditorTagsViewController* tagsViewController() const;

    QTableView* valueTableView() const;
    QWidget* placeholderView() const;
    QToolButton* selectTagsButton() const;
    QToolButton* selectDatesButton() const;
    QToolButton* filterTagsButton() const;
    QToolButton* manageTagsButton() const;
    QToolButton* jumpPopUpButton() const;
    QMenu* jumpMenu() const { return jumpMenu_.get(); }
    TagValueTableModel* model() const { return model_; }
    ContentHeaderTableCellView* headerCell() const { return headerCell_; }
    ContentValueTableCellView* valueCell() const { return valueCell_; }
    QMenu* contextMenu() const { return contextMenu_.get(); }

    // The filter icon shows a set filter.
    bool showsActiveFilter() const { return showsActiveFilter_; }
    bool isReloadingTable() const { return isReloadingTable_; }

    void setupViews() override;
    void updateInterface() override;
    void saveScrollPosition() override;
    void restoreScrollPosition() override;
    void focus() override;
    void revealSelection() override;
    void windowDidEndLiveResize() override;
    void splitViewDidEndResizing() override;
    void startObserving() override;
    void stopObserving() override;

    // Reloads every row and selects the content's selected rows.
    void reloadTableAndSelection();
    // Gives these rows their values and heights again, in place.
    void reloadRows(const brisa::IndexSet& rows);
    void updateContentInsets();
    void reloadJumpPopUpButton();
    // Measures every row again at the table's width.
    void updateRowHeights();
    // Scrolls the section heading that the jump menu's item at `menuIndex` names to the top.
    void jumpToSection(int menuIndex);

    // --- Actions

    void selectAll();
    void deselectAll();
    // "selectAll:", "deselectAll:", "copy:", "cut:", "paste:", "deleteBackward:",
    // "deleteForward:"; anything else is disabled.
    bool validateUserInterfaceItem(const QString& action) const;

    // RightClickTableViewDelegate
    bool shouldRightClickRow(QAbstractItemView* view, const QModelIndex& row) override;
    void willDisplayMenu(QAbstractItemView* view, QMenu* menu) override;

protected:
    void loadView() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tableDidReloadEntries(const brisa::Notification& note);
    void userDefaultsDidSetKey(const brisa::Notification& note);
    void tableSelectionDidChange();
    void selectRows(const brisa::IndexSet& rows);
    void sendCommand(const QString& command);
    bool keyPressed(QKeyEvent* event);
    std::optional<halvex::TagValueTableContent> currentContent() const;
    void updateRowHeight(int row, qreal width);
    void scheduleRowHeights();

    std::unique_ptr<Ui::EditorTagBar> ui_;
    TagValueTableModel* model_ = nullptr;
    ContentTableRowView* rowView_ = nullptr;
    ContentHeaderTableCellView* headerCell_ = nullptr;
    ContentValueTableCellView* valueCell_ = nullptr;
    std::unique_ptr<QMenu> jumpMenu_;
    std::unique_ptr<QMenu> contextMenu_;
    QIcon selectDateTagsImage_;
    QIcon activatedFilterImage_;
    QIcon desactivatedFilterImage_;
    bool showsActiveFilter_ = false;
    bool isReloadingTable_ = false;
    // The bar itself changes the selection: not handed to the table.
    bool isSelectingRows_ = false;
    bool rowHeightsScheduled_ = false;
    int measuredWidth_ = -1;
    brisa::NoteSubscriber userSettingsDidSyncKeySubscriber_;
    brisa::NoteSubscriber tableDidReloadEntriesSubscriber_;
};

} // namespace corvelle
