#pragma once

#include "engine/halvex/libraries/PhotosRemoteProfile.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QDialog>

class QPushButton;

namespace corvelle {

// The base of the sheets that edit one property of a remote profile: the Cancel and Save
// buttons and their touch-bar twins, the profile being edited, and the controls kept in step
// with it while the sheet is open (a change made to that profile elsewhere replaces what the
// controls show). Nothing is written into the profile before Save, which ends the sheet with 1
// after saveValue(); Cancel ends it with 0.
//
// A subclass sets up its form (named after nibName()) in its constructor, then calls
// windowDidLoad() with the form's widget.
class RCEditPropertyWindowController : public QDialog {
    Q_OBJECT

public:
    ~RCEditPropertyWindowController() override;

    virtual QString nibName() const = 0;

    QPushButton* cancelButton() const { return cancelButton_; }
    QPushButton* validateButton() const { return validateButton_; }
    brisa::DynamicTouchBar& dynamicTouchBar() { return touchBar_; }

    const halvex::PhotosRemoteProfilePtr& profile() const { return profile_; }
    // Loads the controls from the profile (also when it is the same one).
    void setProfile(const halvex::PhotosRemoteProfilePtr& profile);

    void cancelEdition();
    // Commits the field being edited, writes the controls into the profile, ends with 1.
    void validateEdition();

    virtual void updateInterface();
    void reload();

protected:
    explicit RCEditPropertyWindowController(QWidget* parent = nullptr);

    void windowDidLoad(QWidget* content);

    virtual void setupViews() {}
    // Copies the property from the profile (none: the empty state) into the controls.
    virtual void loadValue() {}
    // Writes the controls into the profile; nothing without one.
    virtual void saveValue() {}

private:
    void setupTouchBar();
    void profileDidChange(const brisa::Notification& note);

    QPushButton* cancelButton_ = nullptr;
    QPushButton* validateButton_ = nullptr;
    brisa::DynamicTouchBar touchBar_;
    halvex::PhotosRemoteProfilePtr profile_;
    brisa::NoteSubscriber profileDidChangeInfoSubscriber_;
    brisa::NoteSubscriber profileDidChangeValuesSubscriber_;
};

} // namespace corvelle
