#pragma once

#include "editor/EditorViewController.h"
#include "engine/halvex/tags/TagComparatorSource.h"
#include "widgets/controls/RightClickTableViewDelegate.h"

#include <QHash>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QLineEdit;
class QMenu;
class QTableView;

namespace Ui {
class EditorRawView;
} // namespace Ui

namespace corvelle {

class EditorRawTableModel;
class EditorWindowController;
class InspectorGroupTableCellView;
class InspectorValueTableCellView;

// The raw section of the editor window: every tag of the files selected when it opened, side
// by side, one column per file after the tags' titles, under their groups' headings. It reads
// the files' stored values once, off the main thread, and does not follow later changes: enter
// the section again to see them. A search narrows the rows and marks the matches; the table
// exports as TXT, RTF or CSV; the selected tags' names can be copied, or added to the tags the
// Tags section shows.
class EditorRawViewController : public EditorViewController, public RightClickTableViewDelegate {
    Q_OBJECT

public:
    enum class ExportFormat { txt, rtf, csv };

    // The section's own commands, also its actions' object names.
    static const QStringList commandNames;
    static QString fileExtension(ExportFormat format);

    explicit EditorRawViewController(EditorWindowHost* editorWindowController);
    ~EditorRawViewController() override;

    const halvex::TagComparatorSource& dataSource() const { return dataSource_; }
    bool isLoadingDataSource() const { return isLoadingDataSource_; }
    QTableView* tableView() const;
    QWidget* placeholderView() const;
    QWidget* progressView() const;
    QLineEdit* searchField() const { return searchField_; }
    QMenu* tagsMenu() const { return tagsMenu_.get(); }
    QMenu* exportMenu() const { return exportMenu_.get(); }
    // The action of one of commandNames; null for another name.
    QAction* action(const QString& command) const { return actions_.value(command); }

    WindowTitleVisibility windowTitleVisibility() const override { return WindowTitleVisibility::hidden; }
    QString windowTitle() const override;
    QString windowSubtitle() const override;
    void setupViews() override;
    void addToolbarItems() override;
    void addTouchBarItems() override;
    void updateInterface() override;
    bool validateUserInterfaceItem(const QString& action) const override;

    // Reads the selected files' tags into a new comparison off the main thread; `completion`
    // runs once it is shown. Ignored while a load runs.
    void reloadDataSource(std::function<void()> completion);
    // One column per comparison column, as wide as the view allows (260 each at least once
    // there are more than two), then every row again.
    void updateColumns();
    // The height of a row: 38 for a heading, else what its tallest value needs (22 at least).
    int heightOfRow(int row) const;

    // --- Actions

    void searchValue(const QString& text);
    void goBack();
    void focusSearchField();
    // Asks where to save, then writes the rows shown in the format; an alert names a failure.
    void exportTable(ExportFormat format);
    // The names of the selected tags, in row order, joined by ", ", onto the tag pasteboard.
    void copyTagsNames();
    // Appends the selected tags to the displayed tag list and stores it.
    void addToDisplayedTags();

    // RightClickTableViewDelegate
    bool shouldRightClickRow(QAbstractItemView* view, const QModelIndex& row) override;
    void willDisplayMenu(QAbstractItemView* view, QMenu* menu) override;

protected:
    void loadView() override;

private:
    EditorWindowController* windowController() const;
    // The selected rows in ascending order, and whether one of them is a tag.
    QList<int> selectedRows() const;
    bool hasSelectedTagRow() const;
    void makeActions();
    void refreshActions();
    void installTable(std::shared_ptr<const halvex::TagComparatorTable> table);
    void updateRowHeights();
    void columnDidResize(int column, int newWidth);
    void showExportError(const QString& reason);

    std::unique_ptr<Ui::EditorRawView> ui_;
    halvex::TagComparatorSource dataSource_;
    EditorRawTableModel* model_ = nullptr;
    InspectorGroupTableCellView* groupCell_ = nullptr;
    InspectorValueTableCellView* valueCell_ = nullptr;
    bool isLoadingDataSource_ = false;
    bool isUpdatingColumns_ = false;
    QPointer<QLineEdit> searchField_;
    std::unique_ptr<QMenu> tagsMenu_;
    std::unique_ptr<QMenu> exportMenu_;
    QHash<QString, QAction*> actions_;
    // The rows drawn by the heading cell, which spans them.
    QList<int> headingRows_;
};

} // namespace corvelle
