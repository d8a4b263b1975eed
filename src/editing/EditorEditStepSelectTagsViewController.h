#pragma once

#include "editing/EditionEditStepViewController.h"
#include "editing/EditionKind.h"

class QAbstractButton;
class QLabel;

namespace Ui {
class EditorEditStepSelectTagsView;
}

namespace corvelle {

// The first page when the selected tags need different value editors: the tags in groups, one
// per kind of editor, each under a button that narrows the edition to the group and goes on to
// its value page. Tags of no group's kind (images, unknown types) are listed nowhere.
class EditorEditStepSelectTagsViewController : public EditionEditStepViewController {
    Q_OBJECT

public:
    struct Component {
        EditionKind kind;
        QAbstractButton* button;
        QLabel* field;
    };

    explicit EditorEditStepSelectTagsViewController(QWidget* parent = nullptr);
    ~EditorEditStepSelectTagsViewController() override;

    void setupViews() override;
    void configure(EditorEditValuesInterfaceController* host) override;
    void focus() override { focusSelf(); }
    std::optional<Step> step() const override { return Step::tagSelection; }
    std::optional<Step> nextStep() const override { return Step::tagEdition; }
    bool canContinue() const override { return false; }

    // The eight groups in their order.
    const QList<Component>& components() const { return components_; }
    // Narrows the edition to the group of the button and shows its value page.
    void editTagsBelow(QAbstractButton* sender);

protected:
    void loadView() override;

private:
    QList<ostrak::TagItem> tagItemsOf(EditionKind kind) const;

    std::unique_ptr<Ui::EditorEditStepSelectTagsView> ui_;
    QList<Component> components_;
    std::optional<EditorEditionCache::ValueSet> valueSet_;
};

} // namespace corvelle
