#pragma once

#include "editing/EditionEditStepViewController.h"

#include <memory>

class QPlainTextEdit;

namespace Ui {
class EditorEditStepEditRawView;
}

namespace corvelle {

// The raw value page: the value as plain text, written unchanged into every tag of every file.
// The text field keeps its own undo history, apart from the window's. Tags that held several
// values, or none, show an empty text; continuing without touching it writes nothing.
class EditorEditStepEditRawViewController : public EditionEditStepViewController {
    Q_OBJECT

public:
    explicit EditorEditStepEditRawViewController(QWidget* parent = nullptr);
    ~EditorEditStepEditRawViewController() override;

    void setupViews() override;
    void updateInterface() override;
    void configure(EditorEditValuesInterfaceController* host) override;
    void focus() override;
    std::optional<Step> step() const override { return Step::rawEdition; }
    std::optional<Step> previousStep() const override;
    bool canContinue() const override { return true; }
    void leave(bool finishing) override;

    QPlainTextEdit* valueTextView() const;
    QString title() const;

protected:
    void loadView() override;

private:
    void reloadValue();

    std::unique_ptr<Ui::EditorEditStepEditRawView> ui_;
    std::optional<EditorEditionCache::ValueSet> valueSet_;
};

} // namespace corvelle
