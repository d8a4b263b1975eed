#include "tags/EditorTagSidebarController.h"

#include "editing/EditionEditStepViewController.h"
#include "editing/EditionValueActions.h"
#include "editing/EditorEditStepEditValueViewController.h"
#include "editor/EditorViewController.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "platform/brisa/ui/WindowControl.h"
#include "widgets/FormTexts.h"

#include "ui_EditorTagSidebar.h"

#include <QAction>
#include <QPointer>

namespace corvelle {

EditorTagSidebarController::EditorTagSidebarController(EditorViewController* editorViewController)
    : EditorBarController(editorViewController)
{
}

EditorTagSidebarController::~EditorTagSidebarController()
{
    tableDidReloadEntriesSubscriber_.unsubscribe();
}

void EditorTagSidebarController::loadView()
{
    ui_ = std::make_unique<Ui::EditorTagSidebar>();
    ui_->setupUi(this);
    FormTexts::localize(this);
    actions_ = new EditionValueActions(this);
    actions_->addSegmentButtons(ui_->actionsSegmentControl);
    // Wide enough for the row of value actions, whichever part is shown.
    const QMargins margins = layout()->contentsMargins();
    setMinimumWidth(std::max(260, ui_->actionsSegmentControl->sizeHint().width() + margins.left() + margins.right()));
    ui_->copyValueButton->setDefaultAction(actions_->segment(EditionValueActions::copy));
    ui_->cutValueButton->setDefaultAction(actions_->segment(EditionValueActions::cut));
    ui_->pasteValueButton->setDefaultAction(actions_->segment(EditionValueActions::paste));
    const QList<void (EditorTagSidebarController::*)()> bodies{
        &EditorTagSidebarController::copyValues,    &EditorTagSidebarController::cutValues,
        &EditorTagSidebarController::pasteValues,   &EditorTagSidebarController::clearValues,
        &EditorTagSidebarController::restoreValues, &EditorTagSidebarController::useQuickActions,
        &EditorTagSidebarController::rawEditValues, &EditorTagSidebarController::forceValues};
    for (int index = 0; index < bodies.size(); ++index)
        connect(actions_->segment(index), &QAction::triggered, this, bodies.at(index));
    connect(actions_->goBackAction(), &QAction::triggered, this, &EditorTagSidebarController::goBackEdition);
    connect(actions_->continueAction(), &QAction::triggered, this, &EditorTagSidebarController::continueEdition);
    connect(ui_->editionGoBackButton, &QAbstractButton::clicked, this, &EditorTagSidebarController::goBackEdition);
    connect(ui_->editionContinueButton, &QAbstractButton::clicked, this, &EditorTagSidebarController::continueEdition);
}

QWidget* EditorTagSidebarController::editionView() const { return ui_ ? ui_->editionView : nullptr; }
QWidget* EditorTagSidebarController::placeholderView() const { return ui_ ? ui_->placeholderView : nullptr; }
QWidget* EditorTagSidebarController::actionsSegmentControl() const { return ui_ ? ui_->actionsSegmentControl : nullptr; }
QToolButton* EditorTagSidebarController::copyValueButton() const { return ui_ ? ui_->copyValueButton : nullptr; }
QToolButton* EditorTagSidebarController::cutValueButton() const { return ui_ ? ui_->cutValueButton : nullptr; }
QToolButton* EditorTagSidebarController::pasteValueButton() const { return ui_ ? ui_->pasteValueButton : nullptr; }
QPushButton* EditorTagSidebarController::editionGoBackButton() const { return ui_ ? ui_->editionGoBackButton : nullptr; }
QPushButton* EditorTagSidebarController::editionContinueButton() const { return ui_ ? ui_->editionContinueButton : nullptr; }

void EditorTagSidebarController::setupViews()
{
    reloadEdition();
}

void EditorTagSidebarController::startObserving()
{
    halvex::TagValueTable* table = tagValueTable();
    if (!table)
        return;
    QPointer<EditorTagSidebarController> weakSelf(this);
    tableDidReloadEntriesSubscriber_.subscribe(halvex::TagValueTable::didReloadNotification, table,
                                               [weakSelf](const brisa::Notification&) {
                                                   if (weakSelf)
                                                       weakSelf->reloadEdition();
                                               });
}

void EditorTagSidebarController::stopObserving()
{
    tableDidReloadEntriesSubscriber_.unsubscribe();
}

void EditorTagSidebarController::reloadEdition()
{
    halvex::TagValueTable* table = tagValueTable();
    if (!table)
        return;
    const halvex::TagValueTable::Content content = table->content();
    const EditorEditionCache::ValueSet& valueSet = content.valueSet();
    // The same values: the edition in progress goes on as it is.
    if (cache_.valueSet() && *cache_.valueSet() == valueSet)
        return;
    cache_ = EditorEditionCache(valueSet);
    if (isViewLoaded())
        showStep(cache_.firstStep(), false);
}

void EditorTagSidebarController::showQuickActions()
{
    view();
    showStep(Step::actionSelection, false);
}

void EditorTagSidebarController::showRawEdition()
{
    view();
    showStep(Step::rawEdition, false);
}

void EditorTagSidebarController::showStep(Step step, bool animated)
{
    Q_UNUSED(animated);
    std::unique_ptr<EditionEditStepViewController> page = EditionEditStepViewController::makeStep(step, cache_.flatEdition());
    if (!page)
        return;
    // The page left may be the one asking for this step: it goes once its call returned.
    if (EditionEditStepViewController* old = currentViewController_.release()) {
        old->hide();
        old->deleteLater();
    }
    currentViewController_ = std::move(page);
    EditionEditStepViewController* shown = currentViewController_.get();
    brisa::FilledSubview::setFilledSubview(ui_->editionContainerView, shown->view());
    if (auto* valuePage = qobject_cast<EditorEditStepEditValueViewController*>(shown)) {
        connect(valuePage, &EditorEditStepEditValueViewController::shiftDateComponentsRequested, this,
                &EditorTagSidebarController::shiftDateComponents);
    }
    shown->configure(this);
    QPointer<EditorTagSidebarController> weakSelf(this);
    shown->setChangesHandler([weakSelf] {
        if (weakSelf)
            weakSelf->updateControls();
    });
    updateControls();
}

void EditorTagSidebarController::updateInterface()
{
    EditorBarController::updateInterface();
    updateControls();
}

void EditorTagSidebarController::focus()
{
    if (currentViewController_)
        currentViewController_->focus();
}

bool EditorTagSidebarController::hasValueChanges() const
{
    return currentViewController_ && currentViewController_->hasValueChanges();
}

bool EditorTagSidebarController::canGoBack() const
{
    return currentViewController_ && currentViewController_->previousStep();
}

bool EditorTagSidebarController::canContinue() const
{
    return currentViewController_ && currentViewController_->canContinue();
}

bool EditorTagSidebarController::canShiftDateComponents() const
{
    return cache_.hasDateTimeTags();
}

void EditorTagSidebarController::updateControls()
{
    if (!ui_)
        return;
    const EditionEditStepViewController* page = currentViewController_.get();
    const std::optional<Step> step = page ? page->step() : std::nullopt;
    const std::optional<Step> next = page ? page->nextStep() : std::nullopt;
    ui_->segmentsView->setVisible(step == Step::tagSelection || step == Step::tagEdition);
    actions_->updateSegments(cache_);
    actions_->updateContinue(ui_->editionContinueButton, next, hasValueChanges(), canContinue());
    actions_->updateGoBack(ui_->editionGoBackButton, canGoBack());
    const std::optional<EditorEditionCache::ValueSet>& set = cache_.valueSet();
    const bool editable = set && !set->editors().isEmpty() && !set->tagItems().isEmpty();
    ui_->editionView->setVisible(editable);
    ui_->placeholderView->setVisible(!editable);
}

void EditorTagSidebarController::goBackEdition()
{
    if (const std::optional<Step> previous = currentViewController_ ? currentViewController_->previousStep() : std::nullopt)
        showStep(*previous, true);
}

void EditorTagSidebarController::continueEdition()
{
    if (!canContinue())
        return;
    // A field being typed in hands its value over first.
    brisa::WindowControl::forceEndEditing(this);
    EditionEditStepViewController* page = currentViewController_.get();
    if (const std::optional<Step> next = page->nextStep()) {
        page->leave(false);
        showStep(*next, true);
        updateControls();
        return;
    }
    page->leave(true);
    // The new values come back with the table's reload.
    if (EditorViewController* section = editorViewController())
        section->focusTagTable();
}

void EditorTagSidebarController::continueOrFocusEdition()
{
    if (!currentViewController_)
        return;
    if (currentViewController_->hasValueChanges())
        continueEdition();
    else
        currentViewController_->focus();
}

void EditorTagSidebarController::restoreValues()
{
    if (cache_.isWritable())
        cache_.restoreValues();
}

void EditorTagSidebarController::clearValues()
{
    if (cache_.isWritable())
        cache_.clearValues();
}

void EditorTagSidebarController::forceValues()
{
    if (cache_.isWritable())
        cache_.forceValues();
}

void EditorTagSidebarController::copyValues()
{
    if (cache_.hasSingleValue())
        cache_.copyValues();
}

void EditorTagSidebarController::cutValues()
{
    if (cache_.canCut())
        cache_.cutValues();
}

void EditorTagSidebarController::pasteValues()
{
    if (cache_.isWritable())
        cache_.pasteValues();
}

void EditorTagSidebarController::useQuickActions()
{
    showWritableStep(Step::actionSelection, this);
}

void EditorTagSidebarController::rawEditValues()
{
    showWritableStep(Step::rawEdition, this);
}

void EditorTagSidebarController::shiftDateComponents()
{
    showDateShift(this);
}

void EditorTagSidebarController::segmentActions(int index)
{
    if (QAction* action = actions_->segment(index))
        action->trigger();
}

} // namespace corvelle
