#pragma once

#include "editing/EditionEditStepViewController.h"

#include <QDateTime>

#include <memory>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QDoubleSpinBox;

namespace Ui {
class EditorEditStepDateDistributionView;
}

namespace corvelle {

// The last page of the date distribution: gives each selected file its own date in the chosen
// date tags, in file order, either spread evenly from a first to a last date (split), or from a
// first date on by a fixed increment per file. Units are fixed lengths: a year is 365 days, a
// month 30 days and 10 hours. Continuing queues one edition task whose files are written in
// parallel, one editor each.
class EditorEditStepDateDistributionViewController : public EditionEditStepViewController {
    Q_OBJECT

public:
    enum Method { split = 0, increment = 1 };

    explicit EditorEditStepDateDistributionViewController(QWidget* parent = nullptr);
    ~EditorEditStepDateDistributionViewController() override;

    void setupViews() override;
    void updateInterface() override { updateMethodContainers(); }
    void configure(EditorEditValuesInterfaceController* host) override;
    void focus() override { focusSelf(); }
    std::optional<Step> step() const override { return Step::actionEdition; }
    std::optional<Step> previousStep() const override { return Step::actionSelection; }
    bool canContinue() const override { return true; }
    void leave(bool finishing) override;

    // The increment the ticked units make, in seconds.
    double incrementSeconds() const;

    QComboBox* methodPopUpButton() const;
    QDateTimeEdit* distributeStartPicker() const;
    QDateTimeEdit* distributeEndPicker() const;
    QDateTimeEdit* incrementStartPicker() const;
    // Year, month, day, hour, minute, second.
    QList<QCheckBox*> unitButtons() const;
    QList<QDoubleSpinBox*> unitFields() const;
    QWidget* splitMethodContainer() const;
    QWidget* incrementMethodContainer() const;

protected:
    void loadView() override;

private:
    void updateMethodContainers();
    // Queues the task that gives file i the date start + i × step seconds.
    void queueDistribution(const EditorEditionCache::ValueSet& valueSet, QDateTime start, double step) const;

    std::unique_ptr<Ui::EditorEditStepDateDistributionView> ui_;
    std::optional<EditorEditionCache::ValueSet> valueSet_;
};

} // namespace corvelle
