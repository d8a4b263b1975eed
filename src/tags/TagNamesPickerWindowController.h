#pragma once

#include "engine/halvex/tags/TagItemSearchEngine.h"
#include "tags/MultiTagPicker.h"

#include <memory>

namespace Ui {
class TagNamesPickerWindow;
}

namespace corvelle {

// The sheet that builds an ordered list of tags: the search field and the tag-set pop-up fill the
// list of tags on the left; the chosen tags stand on the right (see MultiTagPicker). Preset the
// list with selectTagItems(), and read selectedTagItems() when the sheet ends with 1.
class TagNamesPickerWindowController : public MultiTagPicker<ostrak::TagItem, halvex::TagItemSearchEngine> {
    Q_OBJECT

public:
    explicit TagNamesPickerWindowController(QWidget* parent = nullptr);
    ~TagNamesPickerWindowController() override;

    const QList<ostrak::TagItem>& selectedTagItems() const { return selectedElements(); }
    void selectTagItems(const QList<ostrak::TagItem>& items) { selectElements(items); }

    void search() override;

    // The private drag types of the two lists, made once per launch.
    static const QString& availableRowType();
    static const QString& chosenRowType();

    Ui::TagNamesPickerWindow& form() { return *ui_; }

private:
    std::unique_ptr<Ui::TagNamesPickerWindow> ui_;
};

} // namespace corvelle
