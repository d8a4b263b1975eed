#pragma once

#include "editing/GenericEditionViewController.h"

#include <memory>

class QPlainTextEdit;

namespace Ui {
class TextEditionView;
}

namespace corvelle {

// Edits a free text, or a list of numbers written as text, in a text view with its own undo.
class TextEditionViewController : public GenericEditionViewController {
    Q_OBJECT

public:
    explicit TextEditionViewController(QWidget* parent = nullptr);
    ~TextEditionViewController() override;

    EditionKind editionKind() const override { return EditionKind::text; }

    static ContentValue contentValue(const halvex::TagValueTableRowValue& row);
    static QList<FlatPresetEdition> supportedPresetEditions();
    static bool supportsInsertion() { return true; }
    static ContentValue presetEditionContentValue(const PresetEditionRowValue& row);
    // How a custom-value entry of a text or list tag reads: the insertion as an action box, or
    // what an empty value comes to.
    static void describeCustomValue(ContentValue& value, const halvex::UseCustomValueSettings& settings,
                                    const ContentValue::Item& valueItem);

    void resetValue() override;
    void focus() override;
    std::optional<QString> editedValue() const override;
    void loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row) override;
    void loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet) override;

    QPlainTextEdit* textView() const;

protected:
    void setupViews() override;

private:
    void setWritable(bool writable);
    // Text the editor puts in the view, as opposed to what the user types.
    void setTextQuietly(const QString& text);

    std::unique_ptr<Ui::TextEditionView> ui_;
    std::optional<ostrak::TagItem> tagItem_;
    bool loading_ = false;
};

} // namespace corvelle
