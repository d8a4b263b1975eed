#pragma once

#include "editing/ChoiceListEditionViewController.h"

#include <memory>

namespace Ui {
class EnumEditionView;
}

namespace corvelle {

// Picks one of a tag's enumerated values from a searchable list of "value: description" rows.
class EnumEditionViewController : public ChoiceListEditionViewController {
    Q_OBJECT

public:
    explicit EnumEditionViewController(QWidget* parent = nullptr);
    ~EnumEditionViewController() override;

    EditionKind editionKind() const override { return EditionKind::enumeration; }

    static ContentValue contentValue(const halvex::TagValueTableRowValue& row);
    static QList<FlatPresetEdition> supportedPresetEditions();
    static bool supportsInsertion() { return false; }
    static ContentValue presetEditionContentValue(const PresetEditionRowValue& row);

    // The picked value; "" when nothing was picked.
    std::optional<QString> editedValue() const override;
    void loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row) override;
    void loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet) override;

protected:
    void setupViews() override;

private:
    // The stored value of a choice given by its value or by its description.
    static QString storedValue(const ostrak::TagItem& tagItem, const QString& value);
    void showChoices(const ostrak::TagItem::Choices& choices);

    std::unique_ptr<Ui::EnumEditionView> ui_;
};

} // namespace corvelle
