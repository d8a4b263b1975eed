#pragma once

#include "engine/halvex/tags/TagItemSearchEngine.h"
#include "tags/SingleTagPicker.h"

#include <functional>
#include <memory>

namespace Ui {
class TagNamePickerWindow;
}

namespace corvelle {

// The sheet that picks one tag: the search field and the tag-set pop-up fill the list of tags;
// the picked tag carries the check mark; Apply, or a double click, ends the sheet with 1 once a
// tag is picked. A caller may preset the pick and narrow the list with a predicate:
//
//     auto* picker = new TagNamePickerWindowController;
//     picker->setInstructions(localizedString("SelectOneTagNamePickerTitle"));
//     picker->selectTagItem(lastItem);
//     picker->setAdditionalFiltering([](const ostrak::TagItem& item) { return item.isWritable(); });
//     brisa::SheetPresenter::presentSheet(host, picker, [picker](int code) { ... picker->selectedTagItem() ... });
class TagNamePickerWindowController : public SingleTagPicker<ostrak::TagItem, halvex::TagItemSearchEngine> {
    Q_OBJECT

public:
    using Filtering = std::function<bool(const ostrak::TagItem&)>;

    explicit TagNamePickerWindowController(QWidget* parent = nullptr);
    ~TagNamePickerWindowController() override;

    const std::optional<ostrak::TagItem>& selectedTagItem() const { return selectedElement(); }
    // Nothing happens for the tag already picked (the same tag name).
    void selectTagItem(const std::optional<ostrak::TagItem>& item) { selectElement(item); }

    // Narrows the list to the tags the predicate keeps, and searches again. The predicate runs on
    // the search thread: it must not reach into a window.
    void setAdditionalFiltering(Filtering filtering);

    void search() override;

    Ui::TagNamePickerWindow& form() { return *ui_; }

private:
    std::unique_ptr<Ui::TagNamePickerWindow> ui_;
    Filtering additionalFiltering_;
};

} // namespace corvelle
