#pragma once

#include "editing/DateParsingSettings.h"
#include "editing/EditionEditStepViewController.h"

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;

namespace Ui {
class EditorEditStepDateParsingView;
}

namespace corvelle {

// The last page of date parsing: each selected file gets, in the selected date tags, the date
// read out of the text of one of its own tags (by default its name) with a regular expression.
// A preview shows the first file's text and its date. Files whose text is empty, does not match
// or forms no date are left as they are, one by one; a tag whose type cannot take the date keeps
// its value.
class EditorEditStepDateParsingViewController : public EditionEditStepViewController {
    Q_OBJECT

public:
    explicit EditorEditStepDateParsingViewController(QWidget* parent = nullptr);
    ~EditorEditStepDateParsingViewController() override;

    void updateInterface() override;
    void configure(EditorEditValuesInterfaceController* host) override;
    void focus() override { focusSelf(); }
    std::optional<Step> step() const override { return Step::actionEdition; }
    std::optional<Step> previousStep() const override { return Step::actionSelection; }
    bool canContinue() const override { return true; }
    void leave(bool finishing) override;

    const DateParsingSettings& parsingSettings() const { return parsingSettings_; }
    void setSourceTagName(const ostrak::TagName& tagName);

    QLineEdit* tagNameField() const;
    QLineEdit* regexField() const;
    // Year, month, day, hour, minute, second; each item's data is its match number.
    QList<QComboBox*> matchPopUpButtons() const;
    QLabel* testingValueTextField() const;
    QLabel* testingResultTextField() const;
    QWidget* testingStackView() const;

public Q_SLOTS:
    void searchTag();
    void changeRegex();
    void changeMatches();

protected:
    void loadView() override;

private:
    std::unique_ptr<Ui::EditorEditStepDateParsingView> ui_;
    std::optional<EditorEditionCache::ValueSet> valueSet_;
    DateParsingSettings parsingSettings_;
    bool isUpdating_ = false;
};

} // namespace corvelle
