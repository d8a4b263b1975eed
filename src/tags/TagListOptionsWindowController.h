#pragma once

#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/TagItemSearchEngine.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QDialog>

#include <memory>

class QAbstractButton;
class QLineEdit;
class QListView;
class QMimeData;

namespace Ui {
class TagListOptionsWindow;
} // namespace Ui

namespace corvelle {

class TagListAvailableTagsModel;
class TagListDisplayedEntriesModel;

// The sheet that composes the displayed tag list: the tags of the database on the left,
// narrowed by a search, and the list the Tags section shows on the right, sections and tags in
// order. Tags and sections are inserted at the selected row (at the top when none is), renamed
// in place, deleted, moved and dragged between rows; the default list is restored, and the
// list is imported from or exported to a tag-set file. Every change is stored at once in the
// tag-set library, and a change that cannot be stored says so; the sheet has no cancel and
// ends with 1.
class TagListOptionsWindowController : public QDialog {
    Q_OBJECT

public:
    static const QString tagSetFileExtension;
    static const QString tagSetsFileExtension;

    explicit TagListOptionsWindowController(QWidget* parent = nullptr,
                                            halvex::TagSetManager& manager = halvex::TagSetManager::shared());
    ~TagListOptionsWindowController() override;

    halvex::TagSetManager::Domain selectedDomain() const { return selectedDomain_; }
    void selectDomain(halvex::TagSetManager::Domain domain);

    QListView* availableTagsTableView() const;
    QListView* displayedEntriesTableView() const;
    TagListAvailableTagsModel* availableTagsModel() const { return availableModel_; }
    TagListDisplayedEntriesModel* displayedEntriesModel() const { return displayedModel_; }
    QLineEdit* tagsSearchField() const;
    QLineEdit* sectionTextField() const;
    QAbstractButton* insertTagsButton() const;
    QAbstractButton* insertSectionButton() const;
    QAbstractButton* deleteEntriesButton() const;
    brisa::DynamicTouchBar& dynamicTouchBar() { return dynamicTouchBar_; }
    const halvex::TagItemSearchEngine& searchEngine() const { return searchEngine_; }

    // Whether the action ("insertSelectedTags:", ...) can run now.
    bool validateUserInterfaceItem(const QString& action) const;

    // Reads a tag-set file into the list; an alert names a file that cannot be read, and the
    // list then stays as it was.
    void importTagSet(const QString& path);
    // Writes the list as a tag-set file; an existing file is replaced only once the new one is
    // written, and an alert names a failure.
    void exportTagSet(const QString& path);
    // Takes rows dragged from either list before `row`; rows no longer in their list are skipped.
    bool acceptDrop(const QMimeData* data, int row);

public Q_SLOTS:
    void insertSelectedTags();
    void insertNewSection();
    void deleteSelectedEntries();
    void moveUpSelectedEntry();
    void moveDownSelectedEntry();
    void restoreTagSet();
    // Searches the tag database for the search field's words; the results arrive later.
    void searchTagItems();
    // The file dialogs.
    void importTagSetFile();
    void exportTagSetFile();
    void closeSheet();
    void updateInterface();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    halvex::TagSet tagSet() const;
    // The first selected displayed row, or 0.
    int insertionRow() const;
    QList<int> selectedRows(const QListView* view) const;
    QList<halvex::TagSet::FlatEntry> availableEntries(const QList<int>& rows) const;
    // Stores the domain; an alert names a failure.
    bool commit();
    void reloadTables();
    void setupTouchBar();

    std::unique_ptr<Ui::TagListOptionsWindow> ui_;
    halvex::TagSetManager& manager_;
    halvex::TagSetManager::Domain selectedDomain_ = halvex::TagSetManager::Domain::chosen;
    TagListAvailableTagsModel* availableModel_ = nullptr;
    TagListDisplayedEntriesModel* displayedModel_ = nullptr;
    brisa::DynamicTouchBar dynamicTouchBar_;
    brisa::NoteSubscriber tagSetDidEditEntriesSubscriber_;
    // Last, so that it stops before the models its results go to.
    halvex::TagItemSearchEngine searchEngine_;
};

} // namespace corvelle
