#pragma once

#include "editing/ChoiceListEditionViewController.h"

#include <memory>

namespace Ui {
class CountryEditionView;
}

namespace corvelle {

// Picks a country from a searchable list sorted by name, and writes its code.
class CountryEditionViewController : public ChoiceListEditionViewController {
    Q_OBJECT

public:
    explicit CountryEditionViewController(QWidget* parent = nullptr);
    ~CountryEditionViewController() override;

    EditionKind editionKind() const override { return EditionKind::country; }

    static ContentValue contentValue(const halvex::TagValueTableRowValue& row);
    static QList<FlatPresetEdition> supportedPresetEditions();
    static bool supportsInsertion() { return false; }
    static ContentValue presetEditionContentValue(const PresetEditionRowValue& row);

    // Also empties the search.
    void resetValue() override;
    // The picked country's code; none when no country is picked, so that the tag stays as it is.
    std::optional<QString> editedValue() const override;
    void loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row) override;
    void loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet) override;

protected:
    void setupViews() override;

private:
    std::unique_ptr<Ui::CountryEditionView> ui_;
};

} // namespace corvelle
