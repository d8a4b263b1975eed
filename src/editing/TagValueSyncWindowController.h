#pragma once

#include "engine/halvex/editions/TagSyncPair.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QDialog>

#include <memory>
#include <optional>

class QAction;
class QLineEdit;
class QPushButton;
class QTableView;

namespace Ui {
class TagValueSyncWindow;
}

namespace corvelle {

class TagValueSyncPairListModel;

// The sheet that builds the ordered pairs of a tag value synchronisation, each a source and a
// destination tag: both tags are picked in the tag name picker, then added as a pair; pairs are
// removed (delete, the row's more menu, the table's menu) and reordered by dragging. It only
// edits the list: the caller sets tagCopies first and reads it back when the sheet ends with 1,
// which needs at least one pair.
class TagValueSyncWindowController : public QDialog {
    Q_OBJECT

public:
    explicit TagValueSyncWindowController(QWidget* parent = nullptr);
    ~TagValueSyncWindowController() override;

    QList<halvex::TagSyncPair> tagCopies() const;
    // An equal list leaves the table alone.
    void setTagCopies(const QList<halvex::TagSyncPair>& pairs);
    const std::optional<ostrak::TagName>& tagSource() const { return tagSource_; }
    const std::optional<ostrak::TagName>& tagDest() const { return tagDest_; }
    // What a pick in the tag name picker does: the tag waits to be paired.
    void setTagSource(const std::optional<ostrak::TagName>& tagName);
    void setTagDest(const std::optional<ostrak::TagName>& tagName);

    TagValueSyncPairListModel* model() const { return model_; }
    QTableView* valueTableView() const;
    QLineEdit* tagSourceTextField() const;
    QLineEdit* tagDestTextField() const;
    QPushButton* addTagPairButton() const;
    QPushButton* cancelButton() const;
    QPushButton* validateButton() const;
    // The table's contextual delete, enabled while rows are selected.
    QAction* deletePairsAction() const { return deletePairsAction_; }
    brisa::DynamicTouchBar& dynamicTouchBar() { return dynamicTouchBar_; }

public Q_SLOTS:
    void searchTagSource();
    void searchTagDest();
    void addPair();
    // Removes the selected pairs.
    void deletePairs();
    // Removes the pair of one row, as its more menu does.
    void deletePair(int row);
    void resetFilter();
    void cancelSheet();
    void validateSheet();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pickTag(bool source);
    void showRowMenu(int row, const QPoint& globalPosition);
    void updateInterface();

    std::unique_ptr<Ui::TagValueSyncWindow> ui_;
    TagValueSyncPairListModel* model_ = nullptr;
    QAction* deletePairsAction_ = nullptr;
    brisa::DynamicTouchBar dynamicTouchBar_;
    std::optional<ostrak::TagName> tagSource_;
    std::optional<ostrak::TagName> tagDest_;
};

} // namespace corvelle
