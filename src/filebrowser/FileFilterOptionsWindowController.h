#pragma once

#include "filemodel/MetadataFileListFilter.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QDialog>

#include <memory>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace Ui {
class FileFilterOptionsWindow;
} // namespace Ui

namespace corvelle {

// The sheet that composes a filter of the open files: a text in the file name and one in the tag
// values (words, or a regular expression), whether the file is edited, a file or a folder,
// whether its GPS tags are edited and whether it has any. It only edits the filter; the caller
// sets it first and reads it back when the sheet ends with 1. Every combination is a valid
// filter: a blank text constrains nothing, and an invalid expression is taken as typed.
class FileFilterOptionsWindowController : public QDialog {
    Q_OBJECT

public:
    explicit FileFilterOptionsWindowController(QWidget* parent = nullptr);
    ~FileFilterOptionsWindowController() override;

    const MetadataFileListFilter& fileFilter() const { return fileFilter_; }
    // An equal filter leaves the controls, and the user's edits in them, alone.
    void setFileFilter(const MetadataFileListFilter& filter);

    QLineEdit* filenameTextField() const;
    QComboBox* filenameMatchPopUp() const;
    QLineEdit* tagValueTextField() const;
    QComboBox* tagValueMatchPopUp() const;
    // Exclusive buttons, one per case, their ids the cases' ordinals.
    QButtonGroup* fileEditionSegmentControl() const { return fileEdition_; }
    QButtonGroup* fileMediaSegmentControl() const { return fileMedia_; }
    QButtonGroup* gpsEditionSegmentControl() const { return gpsEdition_; }
    QButtonGroup* gpsValueSegmentControl() const { return gpsValue_; }
    QAbstractButton* resetButton() const;
    QAbstractButton* cancelButton() const;
    QAbstractButton* validateButton() const;
    brisa::DynamicTouchBar& dynamicTouchBar() { return dynamicTouchBar_; }

public Q_SLOTS:
    // The empty filter, shown at once unless the filter is empty already; the sheet stays open.
    void resetFilter();
    void cancelSheet();
    // Reads the controls, the text being typed included, into the filter and ends with 1.
    void validateSheet();

private:
    void reloadControls();
    void readControls();

    std::unique_ptr<Ui::FileFilterOptionsWindow> ui_;
    QButtonGroup* fileEdition_ = nullptr;
    QButtonGroup* fileMedia_ = nullptr;
    QButtonGroup* gpsEdition_ = nullptr;
    QButtonGroup* gpsValue_ = nullptr;
    brisa::DynamicTouchBar dynamicTouchBar_;
    MetadataFileListFilter fileFilter_;
};

} // namespace corvelle
