#pragma once

#include "engine/halvex/tags/TagValueTableFilter.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QDialog>

#include <memory>

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace Ui {
class TagFilterOptionsWindow;
} // namespace Ui

namespace corvelle {

// The sheet that edits a filter of tag rows: by the tag's name and by its value (a plain text
// or a regular expression), by whether the value was edited and by whether there is one. It
// only edits the filter; the caller sets it first and reads it back when the sheet ends with 1.
// A blank name or value text never constrains anything; an invalid regular expression is
// accepted here and matches no row.
class TagFilterOptionsWindowController : public QDialog {
    Q_OBJECT

public:
    explicit TagFilterOptionsWindowController(QWidget* parent = nullptr);
    ~TagFilterOptionsWindowController() override;

    const halvex::TagValueTableFilter& tagFilter() const { return tagFilter_; }
    // An equal filter leaves the controls alone.
    void setTagFilter(const halvex::TagValueTableFilter& filter);

    QLineEdit* tagNameTextField() const;
    QComboBox* tagNameMatchPopUp() const;
    QLineEdit* tagValueTextField() const;
    QComboBox* tagValueMatchPopUp() const;
    // Exclusive buttons, one per case, their ids the cases' ordinals.
    QButtonGroup* valueEditionSegmentControl() const { return valueEdition_; }
    QButtonGroup* valueStateSegmentControl() const { return valueState_; }
    brisa::DynamicTouchBar& dynamicTouchBar() { return dynamicTouchBar_; }

public Q_SLOTS:
    // The empty filter, shown at once; the sheet stays open.
    void resetFilter();
    void cancelSheet();
    // Reads the controls into the filter and ends with 1.
    void validateSheet();

private:
    void updateInterface();
    halvex::TagValueTableFilter readControls() const;

    std::unique_ptr<Ui::TagFilterOptionsWindow> ui_;
    QButtonGroup* valueEdition_ = nullptr;
    QButtonGroup* valueState_ = nullptr;
    brisa::DynamicTouchBar dynamicTouchBar_;
    halvex::TagValueTableFilter tagFilter_;
};

} // namespace corvelle
