#pragma once

#include "engine/halvex/libraries/PresetLibraryObject.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QDialog>

#include <memory>

class QPushButton;

namespace corvelle {

// The base of the sheets that edit one text property of a preset group or a preset (its name, its
// description). The value is written only when the user validates (return code 1); a change of
// the edited object made elsewhere while the sheet is open shows at once in the field.
class PresetEditPropertyWindowController : public QDialog {
    Q_OBJECT

public:
    ~PresetEditPropertyWindowController() override;

    // The edited group or preset; setting it loads its value.
    const std::shared_ptr<halvex::PresetLibraryObject>& item() const { return item_; }
    void setItem(const std::shared_ptr<halvex::PresetLibraryObject>& item);

    brisa::DynamicTouchBar& dynamicTouchBar() { return touchBar_; }

public Q_SLOTS:
    void cancelEdition();
    void validateEdition();

protected:
    explicit PresetEditPropertyWindowController(QWidget* parent);

    // Subclasses call it once their form is set up.
    void setupSheet(QPushButton* cancelButton, QPushButton* validateButton);
    virtual void loadValues() = 0;
    virtual void applyValues() = 0;

private:
    void itemDidChangeInfo(const void* object);

    std::shared_ptr<halvex::PresetLibraryObject> item_;
    brisa::DynamicTouchBar touchBar_;
    brisa::NoteSubscriber groupDidChangeInfoSubscriber_;
    brisa::NoteSubscriber presetDidChangeInfoSubscriber_;
};

} // namespace corvelle
