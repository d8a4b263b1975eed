#pragma once

#include "engine/halvex/tags/TagStreamSearchEngine.h"
#include "tags/SingleTagPicker.h"

#include <memory>

namespace Ui {
class TagStreamPickerWindow;
}

namespace corvelle {

// The sheet that picks one tag stream (EXIF, XMP, QuickTime, ...): a search field narrows the
// list of streams; the picked one carries the check mark; Apply, or a double click, ends the
// sheet with 1 once a stream is picked. Read selectedTagStream() then.
class TagStreamPickerWindowController : public SingleTagPicker<ostrak::TagStream, halvex::TagStreamSearchEngine> {
    Q_OBJECT

public:
    explicit TagStreamPickerWindowController(QWidget* parent = nullptr);
    ~TagStreamPickerWindowController() override;

    const std::optional<ostrak::TagStream>& selectedTagStream() const { return selectedElement(); }
    void selectTagStream(const std::optional<ostrak::TagStream>& stream) { selectElement(stream); }

    void search() override;

    Ui::TagStreamPickerWindow& form() { return *ui_; }

private:
    std::unique_ptr<Ui::TagStreamPickerWindow> ui_;
};

} // namespace corvelle
