#pragma once

#include "engine/halvex/tags/TagStreamSearchEngine.h"
#include "tags/MultiTagPicker.h"

#include <memory>

namespace Ui {
class TagStreamsPickerWindow;
}

namespace corvelle {

// The sheet that builds an ordered list of tag streams: every stream, narrowed by the search
// field, on the left; the chosen streams on the right (see MultiTagPicker). Preset the list with
// selectTagStreams(), and read selectedTagStreams() when the sheet ends with 1.
class TagStreamsPickerWindowController : public MultiTagPicker<ostrak::TagStream, halvex::TagStreamSearchEngine> {
    Q_OBJECT

public:
    explicit TagStreamsPickerWindowController(QWidget* parent = nullptr);
    ~TagStreamsPickerWindowController() override;

    const QList<ostrak::TagStream>& selectedTagStreams() const { return selectedElements(); }
    void selectTagStreams(const QList<ostrak::TagStream>& streams) { selectElements(streams); }

    void search() override;

    static const QString& availableRowType();
    static const QString& chosenRowType();

    Ui::TagStreamsPickerWindow& form() { return *ui_; }

private:
    std::unique_ptr<Ui::TagStreamsPickerWindow> ui_;
};

} // namespace corvelle
