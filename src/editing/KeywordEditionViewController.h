#pragma once

#include "editing/GenericEditionViewController.h"

#include <memory>

class QPushButton;
class QTreeView;

namespace Ui {
class KeywordEditionView;
}

namespace corvelle {

class KeywordOutlineModel;
class TokenField;

// Edits a list of words in a token field, beside the keyword library from which selected
// keywords are added. The words travel as a list: a keyword holding a comma stays one.
class KeywordEditionViewController : public GenericEditionViewController {
    Q_OBJECT

public:
    explicit KeywordEditionViewController(QWidget* parent = nullptr);
    ~KeywordEditionViewController() override;

    EditionKind editionKind() const override { return EditionKind::keyword; }

    // A single value as its words.
    static ContentValue contentValue(const halvex::TagValueTableRowValue& row);
    static bool supportsInsertion() { return true; }
    static ContentValue presetEditionContentValue(const PresetEditionRowValue& row);

    void resetValue() override;
    void focus() override;
    // The words as one text, as the tag's converter joins them; "" without a tag.
    std::optional<QString> editedValue() const override;
    std::optional<QStringList> editedValues() const override;
    void loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row) override;
    void loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet) override;
    void setVerticalLayout(bool vertical) override;

    bool canAddKeywords() const;
    // Adds the names of the keywords selected in the library, in row order.
    void addSelectedKeywords();

    TokenField* valueTokenField() const;
    QTreeView* keywordsOutlineView() const;
    QPushButton* keywordsAddButton() const;

protected:
    void setupViews() override;

private:
    void showWords(const std::optional<QStringList>& words);
    void setWritable(bool writable);

    std::unique_ptr<Ui::KeywordEditionView> ui_;
    KeywordOutlineModel* library_ = nullptr;
    std::optional<ostrak::TagItem> tagItem_;
    bool loading_ = false;
};

} // namespace corvelle
