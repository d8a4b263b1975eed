#pragma once

#include "editing/GenericEditionViewController.h"
#include "engine/halvex/dates/DateEdition.h"

#include <functional>
#include <memory>

class QCheckBox;
class QDateTimeEdit;
class QPushButton;
class QSpinBox;

namespace Ui {
class DateTimeActionView;
}

namespace corvelle {

// Builds a date action instead of a value: select a whole date, set chosen components to fixed
// numbers, or shift chosen components by signed amounts. Each of the three keeps its own
// edition while the user switches between them; the value given is the selected one's text
// form.
class DateTimeActionViewController : public GenericEditionViewController {
    Q_OBJECT

public:
    enum Segment { selectDate = 0, updateDate = 1, shiftDate = 2 };

    explicit DateTimeActionViewController(QWidget* parent = nullptr);
    ~DateTimeActionViewController() override;

    EditionKind editionKind() const override { return EditionKind::dateTimeAction; }

    static ContentValue contentValue(const halvex::TagValueTableRowValue& row);
    static QList<FlatPresetEdition> supportedPresetEditions();
    static bool supportsInsertion() { return false; }
    static ContentValue presetEditionContentValue(const PresetEditionRowValue& row);

    bool hasDateComponents() const;
    bool hasTimeComponents() const;

    void updateInterface() override;
    void focus() override;
    std::optional<QString> editedValue() const override;
    void loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row) override;
    void loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet) override;
    void setVerticalLayout(bool vertical) override;

    // The edition of the selected segment; none without one.
    std::optional<halvex::DateEdition> selectedEdition() const;
    // An empty shift, selected: what a host shows when the user asks to shift dates.
    void selectEmptyShiftEdition();
    void setEditionTypeChangeHandler(std::function<void()> handler) { editionTypeChangeHandler_ = std::move(handler); }
    void loadModifyDateValues(const halvex::DateValues& values);
    halvex::DateValues modifyDateValues() const;
    // The edition a text stands for: its own description, or a select of the date it holds
    // (now when it holds none).
    halvex::DateEdition editionFromValue(const QString& value) const;

    int selectedSegment() const;
    void selectSegment(int segment);
    QDateTimeEdit* selectDatePicker() const;
    // Day, month, year, hour, minute, second.
    QList<QCheckBox*> componentButtons() const;
    QList<QSpinBox*> componentFields() const;

protected:
    void setupViews() override;

private:
    void loadEdition(const halvex::DateEdition& edition);
    void storeDisplayedEdition();
    void reloadModifyDateFields();
    void editionTypeDidChange();
    bool anyTagItem(bool (*test)(ostrak::TagType)) const;

    std::unique_ptr<Ui::DateTimeActionView> ui_;
    QList<ostrak::TagItem> tagItems_;
    bool isReloading_ = false;
    halvex::DateEdition defaultSelectEdition_ = halvex::DateEdition::select(halvex::DateValues(std::optional<QDateTime>(QDateTime::currentDateTime())));
    halvex::DateEdition defaultUpdateEdition_ = halvex::DateEdition::update({});
    halvex::DateEdition defaultShiftEdition_ = halvex::DateEdition::shift({});
    std::function<void()> editionTypeChangeHandler_;
};

} // namespace corvelle
