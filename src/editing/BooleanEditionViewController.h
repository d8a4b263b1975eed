#pragma once

#include "editing/GenericEditionViewController.h"

#include <memory>

class QComboBox;

namespace Ui {
class BooleanEditionView;
}

namespace corvelle {

// Edits a yes/no tag with a pop-up of two items, yes then no, that may show no choice.
class BooleanEditionViewController : public GenericEditionViewController {
    Q_OBJECT

public:
    explicit BooleanEditionViewController(QWidget* parent = nullptr);
    ~BooleanEditionViewController() override;

    EditionKind editionKind() const override { return EditionKind::boolean; }

    static QList<FlatPresetEdition> supportedPresetEditions();
    static bool supportsInsertion() { return false; }
    static ContentValue presetEditionContentValue(const PresetEditionRowValue& row);

    void resetValue() override;
    void focus() override;
    std::optional<QString> editedValue() const override;
    void loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row) override;
    void loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet) override;

    // 0 yes, 1 no, -1 neither (or no tag yet).
    int indexForValue(const QString& value) const;
    // The stored text of an index; "" for -1 or without a tag.
    QString valueForIndex(int index) const;

    QComboBox* valuePopUpButton() const;

protected:
    void setupViews() override;

private:
    void selectQuietly(int index);

    std::unique_ptr<Ui::BooleanEditionView> ui_;
    std::optional<ostrak::TagItem> tagItem_;
    bool loading_ = false;
};

} // namespace corvelle
