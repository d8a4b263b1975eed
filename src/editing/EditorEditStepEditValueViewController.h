#pragma once

#include "editing/EditionEditStepViewController.h"

#include <memory>

namespace Ui {
class EditorEditStepEditValueView;
}

namespace corvelle {

class GenericEditionViewController;

// The value page: a title naming the tags and the value editor of their kind. Continuing from
// it writes the editor's value through each tag's converter, and only a value the user changed:
// an editor that shows several values, or none, as empty controls (or today's date) never
// overwrites the files untouched.
class EditorEditStepEditValueViewController : public EditionEditStepViewController {
    Q_OBJECT

public:
    explicit EditorEditStepEditValueViewController(QWidget* parent = nullptr);
    ~EditorEditStepEditValueViewController() override;

    // "Edit Title", "Edit 3 tags", or their cannot-edit forms for tags that cannot be written.
    static QString editStepTitle(const EditorEditionCache::ValueSet& valueSet);

    void updateInterface() override;
    bool hasValueChanges() const override;
    void setChangesHandler(std::function<void()> handler) override;
    void configure(EditorEditValuesInterfaceController* host) override;
    void focus() override;
    std::optional<Step> step() const override { return Step::tagEdition; }
    std::optional<Step> previousStep() const override;
    bool canContinue() const override;
    void leave(bool finishing) override;

    GenericEditionViewController* editionViewController() const { return editor_.get(); }
    QString title() const;

Q_SIGNALS:
    // The hosted date editor asks to shift the dates instead.
    void shiftDateComponentsRequested();
    // The hosted editor asks to close the edition without applying.
    void cancelEditionRequested();

protected:
    void loadView() override;

private:
    void reloadEditor();

    std::unique_ptr<Ui::EditorEditStepEditValueView> ui_;
    std::unique_ptr<GenericEditionViewController> editor_;
    std::optional<EditorEditionCache::ValueSet> valueSet_;
};

} // namespace corvelle
