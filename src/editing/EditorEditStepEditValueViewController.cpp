#include "editing/EditorEditStepEditValueViewController.h"

#include "editing/DateTimeEditionViewController.h"
#include "editing/EditionKindTraits.h"
#include "editing/EditorEditValuesInterfaceController.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_EditorEditStepEditValueView.h"

namespace corvelle {

EditorEditStepEditValueViewController::EditorEditStepEditValueViewController(QWidget* parent)
    : EditionEditStepViewController(parent)
{
    view();
}

EditorEditStepEditValueViewController::~EditorEditStepEditValueViewController() = default;

void EditorEditStepEditValueViewController::loadView()
{
    ui_ = std::make_unique<Ui::EditorEditStepEditValueView>();
    ui_->setupUi(this);
    FormTexts::localize(this);
}

QString EditorEditStepEditValueViewController::editStepTitle(const EditorEditionCache::ValueSet& valueSet)
{
    const QList<ostrak::TagItem>& items = valueSet.tagItems();
    const bool single = items.size() == 1;
    if (valueSet.isWritable()) {
        return single ? localizedString(QStringLiteral("EditSingleTagTitle"), {items.first().tagName().rawValue()})
                      : localizedString(QStringLiteral("EditSeveralTagsTitle"), {int(items.size())});
    }
    return single ? localizedString(QStringLiteral("CannotEditSingleTagTitle"), {items.first().tagName().rawValue()})
                  : localizedString(QStringLiteral("CannotEditSeveralTagsTitle"), {int(items.size())});
}

QString EditorEditStepEditValueViewController::title() const
{
    return ui_->tagTitleTextField->text();
}

void EditorEditStepEditValueViewController::updateInterface()
{
    ui_->tagTitleTextField->setText(valueSet_ ? editStepTitle(*valueSet_)
                                              : localizedString(QStringLiteral("EditionViewTagCannotBeEditedTitle")));
}

bool EditorEditStepEditValueViewController::hasValueChanges() const
{
    return editor_ && editor_->hasValueChanges();
}

void EditorEditStepEditValueViewController::setChangesHandler(std::function<void()> handler)
{
    if (editor_)
        editor_->setChangesHandler(std::move(handler));
}

void EditorEditStepEditValueViewController::configure(EditorEditValuesInterfaceController* host)
{
    EditionEditStepViewController::configure(host);
    valueSet_ = host ? host->cache().valueSet() : std::nullopt;
    reloadEditor();
}

void EditorEditStepEditValueViewController::reloadEditor()
{
    std::unique_ptr<GenericEditionViewController> editor;
    if (valueSet_ && !valueSet_->tagItems().isEmpty()) {
        const EditionKind kind = EditionKindTraits::editionViewControllerKind(valueSet_->tagItems().first());
        editor = EditionKindTraits::of(kind).make(ui_->valueContainerView);
    }
    if (editor_)
        editor_->hide();
    editor_ = std::move(editor);
    if (!editor_) {
        brisa::FilledSubview::removeAllSubviews(ui_->valueContainerView);
        updateInterface();
        return;
    }
    brisa::FilledSubview::setFilledSubview(ui_->valueContainerView, editor_.get());
    EditorEditValuesInterfaceController* host = valuesInterfaceController();
    editor_->loadValueSet(valueSet_);
    editor_->setVerticalLayout(host && host->prefersVerticalLayout());
    if (auto* dateEditor = qobject_cast<DateTimeEditionViewController*>(editor_.get())) {
        connect(dateEditor, &DateTimeEditionViewController::shiftDateComponentsRequested, this,
                &EditorEditStepEditValueViewController::shiftDateComponentsRequested);
    }
    connect(editor_.get(), &GenericEditionViewController::cancelEditionRequested, this,
            &EditorEditStepEditValueViewController::cancelEditionRequested);
    connect(editor_.get(), &GenericEditionViewController::validateEditionRequested, this, [this] {
        if (EditorEditValuesInterfaceController* host = valuesInterfaceController())
            host->continueEdition();
    });
    updateInterface();
}

void EditorEditStepEditValueViewController::focus()
{
    focusSelf();
    if (editor_)
        editor_->focus();
}

std::optional<EditionEditStepViewController::Step> EditorEditStepEditValueViewController::previousStep() const
{
    EditorEditValuesInterfaceController* host = valuesInterfaceController();
    if (host && host->cache().originalValueSet() && EditorEditionCache(host->cache().originalValueSet()).hasMixedEditionTypes())
        return Step::tagSelection;
    return std::nullopt;
}

bool EditorEditStepEditValueViewController::canContinue() const
{
    return !valueSet_ || valueSet_->isWritable();
}

void EditorEditStepEditValueViewController::leave(bool finishing)
{
    EditorEditValuesInterfaceController* host = valuesInterfaceController();
    if (!host || !editor_)
        return;
    const bool changed = editor_->hasValueChanges();
    // Resetting the flag runs the changes handler when it was set.
    editor_->setHasValueChanges(false);
    if (finishing && changed)
        host->cache().applyValue(editor_->editedValue());
}

} // namespace corvelle
