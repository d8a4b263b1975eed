#pragma once

#include "editing/GenericEditionViewController.h"

#include <memory>

class QLineEdit;
class QToolButton;

namespace Ui {
class SpeedEditionView;
}

namespace corvelle {

// Edits a speed shown as a fraction of a second: a number field, and four menus of common
// speeds 1 / N, grouped by order of magnitude, that put 1/N into the field.
class SpeedEditionViewController : public GenericEditionViewController {
    Q_OBJECT

public:
    explicit SpeedEditionViewController(QWidget* parent = nullptr);
    ~SpeedEditionViewController() override;

    EditionKind editionKind() const override { return EditionKind::speed; }

    static ContentValue contentValue(const halvex::TagValueTableRowValue& row);
    static QList<FlatPresetEdition> supportedPresetEditions();
    static bool supportsInsertion() { return false; }
    static ContentValue presetEditionContentValue(const PresetEditionRowValue& row);

    void resetValue() override;
    void focus() override;
    // The field's number as the tag stores it; what the converter makes of no value when the
    // field holds none; none before a tag is loaded.
    std::optional<QString> editedValue() const override;
    void loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row) override;
    void loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet) override;
    void setVerticalLayout(bool vertical) override;

    // Puts 1/denominator into the field, as the menus do; nothing for a denominator below 1.
    void changeValue(int denominator);

    QLineEdit* speedValueField() const;
    // The menu buttons, by order of magnitude.
    QList<QToolButton*> speedPopUpButtons() const;

protected:
    void setupViews() override;

private:
    void showValue(const QString& value);

    std::unique_ptr<Ui::SpeedEditionView> ui_;
    std::optional<ostrak::TagItem> tagItem_;
    bool loading_ = false;
};

} // namespace corvelle
