#pragma once

#include "editing/GenericEditionViewController.h"

#include <memory>

class QLineEdit;

namespace Ui {
class NumberEditionView;
}

namespace corvelle {

class IncrementStepper;

// Edits one number in a field written in the locale's form, with a stepper beside it.
class NumberEditionViewController : public GenericEditionViewController {
    Q_OBJECT

public:
    explicit NumberEditionViewController(QWidget* parent = nullptr);
    ~NumberEditionViewController() override;

    EditionKind editionKind() const override { return EditionKind::number; }

    static ContentValue contentValue(const halvex::TagValueTableRowValue& row);
    // Without the text-case and sort operations.
    static QList<FlatPresetEdition> supportedPresetEditions();
    static bool supportsInsertion() { return false; }
    static ContentValue presetEditionContentValue(const PresetEditionRowValue& row);

    void resetValue() override;
    void focus() override;
    std::optional<QString> editedValue() const override;
    void loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row) override;
    void loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet) override;

    QLineEdit* valueTextField() const;
    IncrementStepper* valueStepper() const;

protected:
    void setupViews() override;

private:
    void useTagItem(const ostrak::TagItem& tagItem);
    void showValue(const QString& value);

    std::unique_ptr<Ui::NumberEditionView> ui_;
    std::optional<ostrak::TagItem> tagItem_;
    bool loading_ = false;
};

} // namespace corvelle
