#pragma once

#include "engine/halvex/libraries/KeywordItem.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QDialog>

#include <memory>

namespace Ui {
class KeywordEditItemWindow;
}

namespace corvelle {

class KeywordSynonymListModel;

// The sheet that edits one keyword: its name, header and person flags and its synonyms (added,
// deleted, edited in place and reordered by dragging). The item is written only by Save, which
// is enabled only for a name that is not blank; the sheet then ends with 1, Cancel with 0. A
// change of the item made elsewhere while the sheet is open reloads the fields.
class KeywordEditItemWindowController : public QDialog {
    Q_OBJECT

public:
    explicit KeywordEditItemWindowController(QWidget* parent = nullptr);
    ~KeywordEditItemWindowController() override;

    halvex::KeywordItemPtr keywordItem() const { return keywordItem_; }
    // Sets the item and loads it into the fields.
    void setKeywordItem(const halvex::KeywordItemPtr& item);

    // The item's values into the fields; empty fields without an item.
    void loadItem();
    void updateControls();

    bool canValidate() const;
    bool canAddSynonym() const;
    bool canDeleteSynonym() const;

    void validate();
    void cancel();
    void addSynonym();
    void deleteSynonym();

    KeywordSynonymListModel* synonymModel() const { return synonyms_; }
    brisa::DynamicTouchBar& touchBar() { return touchBar_; }

private:
    void writeItem();
    void keywordDidChangeInfo(const brisa::Notification& note);

    std::unique_ptr<Ui::KeywordEditItemWindow> ui_;
    KeywordSynonymListModel* synonyms_;
    halvex::KeywordItemPtr keywordItem_;
    brisa::DynamicTouchBar touchBar_;
    brisa::NoteSubscriber infoSubscriber_;
    // Set while Save writes the item, whose own notifications must not reload the fields.
    bool writing_ = false;
};

} // namespace corvelle
