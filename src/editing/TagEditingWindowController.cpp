#include "editing/TagEditingWindowController.h"

#include "editing/EditionEditStepViewController.h"
#include "editing/EditionValueActions.h"
#include "editing/EditorEditStepEditValueViewController.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/brisa/ui/WindowControl.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_TagEditingWindow.h"

#include <QAction>
#include <QPointer>

namespace corvelle {

TagEditingWindowController::TagEditingWindowController(QWidget* parent)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::TagEditingWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    actions_ = new EditionValueActions(this);
    actions_->addSegmentButtons(ui_->actionsSegmentControl);
    const QList<void (TagEditingWindowController::*)()> bodies{
        &TagEditingWindowController::copyValues,    &TagEditingWindowController::cutValues,
        &TagEditingWindowController::pasteValues,   &TagEditingWindowController::clearValues,
        &TagEditingWindowController::restoreValues, &TagEditingWindowController::useQuickActions,
        &TagEditingWindowController::rawEditValues, &TagEditingWindowController::forceValues};
    for (int index = 0; index < bodies.size(); ++index)
        connect(actions_->segment(index), &QAction::triggered, this, bodies.at(index));
    connect(actions_->goBackAction(), &QAction::triggered, this, &TagEditingWindowController::goBackEdition);
    connect(actions_->continueAction(), &QAction::triggered, this, &TagEditingWindowController::continueEdition);
    connect(ui_->cancelButton, &QAbstractButton::clicked, this, &TagEditingWindowController::cancelEdition);
    connect(ui_->goBackButton, &QAbstractButton::clicked, this, &TagEditingWindowController::goBackEdition);
    connect(ui_->continueButton, &QAbstractButton::clicked, this, &TagEditingWindowController::continueEdition);
    setupTouchBar();
    showStep(cache_.firstStep(), false);
}

TagEditingWindowController::~TagEditingWindowController() = default;

TagEditingWindowController* TagEditingWindowController::present(QWidget* host, const EditorEditionCache& cache,
                                                                std::optional<Step> step)
{
    if (!brisa::SheetPresenter::canHostSheet(host))
        return nullptr;
    auto* sheet = new TagEditingWindowController;
    sheet->setCache(cache);
    if (step == Step::actionSelection)
        sheet->showQuickActions();
    else if (step == Step::rawEdition)
        sheet->showRawEdition();
    else if (step && *step != cache.firstStep())
        sheet->showStep(*step, false);
    QPointer<TagEditingWindowController> weakSheet(sheet);
    if (!brisa::SheetPresenter::presentSheet(host, sheet, [weakSheet](int) {
            if (weakSheet)
                weakSheet->deleteLater();
        })) {
        delete sheet;
        return nullptr;
    }
    return sheet;
}

QWidget* TagEditingWindowController::actionsSegmentControl() const { return ui_->actionsSegmentControl; }
QPushButton* TagEditingWindowController::cancelButton() const { return ui_->cancelButton; }
QPushButton* TagEditingWindowController::goBackButton() const { return ui_->goBackButton; }
QPushButton* TagEditingWindowController::continueButton() const { return ui_->continueButton; }

void TagEditingWindowController::setupTouchBar()
{
    QPointer<TagEditingWindowController> weakSelf(this);
    brisa::DynamicTouchBarItemSet& items = dynamicTouchBar_.addItemSet({});
    const auto button = [&items, weakSelf](const char* titleKey, void (TagEditingWindowController::*body)()) {
        items.addItem([weakSelf, titleKey, body](brisa::DynamicTouchBarItemButtonSettings& settings) {
            settings.title = localizedString(QString::fromLatin1(titleKey));
            settings.action = [weakSelf, body] {
                if (weakSelf)
                    (weakSelf.data()->*body)();
            };
        });
    };
    button("PresetManagerCancelAction", &TagEditingWindowController::cancelEdition);
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    button("PresetManagerGoBackAction", &TagEditingWindowController::goBackEdition);
    button("PresetManagerContinueAction", &TagEditingWindowController::continueEdition);
}

void TagEditingWindowController::setCache(const EditorEditionCache& cache)
{
    cache_ = cache;
    showStep(cache_.firstStep(), false);
}

void TagEditingWindowController::showQuickActions()
{
    showStep(Step::actionSelection, false);
    updateInterface();
}

void TagEditingWindowController::showRawEdition()
{
    showStep(Step::rawEdition, false);
    updateInterface();
}

void TagEditingWindowController::showStep(Step step, bool animated)
{
    Q_UNUSED(animated);
    std::unique_ptr<EditionEditStepViewController> page = EditionEditStepViewController::makeStep(step, cache_.flatEdition());
    if (page) {
        // The page left may be the one asking for this step: it goes once its call returned.
        if (EditionEditStepViewController* old = currentViewController_.release()) {
            old->hide();
            old->deleteLater();
        }
        currentViewController_ = std::move(page);
        EditionEditStepViewController* shown = currentViewController_.get();
        brisa::FilledSubview::setFilledSubview(ui_->containerView, shown->view());
        if (auto* valuePage = qobject_cast<EditorEditStepEditValueViewController*>(shown)) {
            connect(valuePage, &EditorEditStepEditValueViewController::shiftDateComponentsRequested, this,
                    &TagEditingWindowController::shiftDateComponents);
            connect(valuePage, &EditorEditStepEditValueViewController::cancelEditionRequested, this,
                    &TagEditingWindowController::cancelEdition);
        }
        shown->configure(this);
        shown->focus();
        QPointer<TagEditingWindowController> weakSelf(this);
        shown->setChangesHandler([weakSelf] {
            if (weakSelf)
                weakSelf->updateInterface();
        });
    }
    updateInterface();
}

bool TagEditingWindowController::canGoBack() const
{
    return currentViewController_ && currentViewController_->previousStep();
}

bool TagEditingWindowController::canContinue() const
{
    return currentViewController_ && currentViewController_->canContinue();
}

bool TagEditingWindowController::hasDateTimeTag() const
{
    return cache_.hasDateTimeTags();
}

void TagEditingWindowController::updateInterface()
{
    const EditionEditStepViewController* page = currentViewController_.get();
    const std::optional<Step> step = page ? page->step() : std::nullopt;
    const std::optional<Step> next = page ? page->nextStep() : std::nullopt;
    ui_->actionsSegmentControl->setVisible(step == Step::tagSelection || step == Step::tagEdition);
    actions_->updateSegments(cache_);
    actions_->updateContinue(ui_->continueButton, next, page && page->hasValueChanges(), canContinue());
    ui_->continueButton->setVisible(canContinue());
    actions_->updateGoBack(ui_->goBackButton, canGoBack());
    ui_->cancelButton->setEnabled(true);
    dynamicTouchBar_.reloadDisplayedItems();
}

void TagEditingWindowController::endSheet(int returnCode)
{
    done(returnCode);
}

void TagEditingWindowController::cancelEdition()
{
    endSheet(QDialog::Rejected);
}

void TagEditingWindowController::closeEdition()
{
    endSheet(QDialog::Accepted);
}

void TagEditingWindowController::goBackEdition()
{
    if (const std::optional<Step> previous = currentViewController_ ? currentViewController_->previousStep() : std::nullopt)
        showStep(*previous, true);
}

void TagEditingWindowController::continueEdition()
{
    if (!canContinue())
        return;
    // A field being typed in hands its value over first.
    brisa::WindowControl::forceEndEditing(this);
    EditionEditStepViewController* page = currentViewController_.get();
    if (const std::optional<Step> next = page->nextStep()) {
        page->leave(false);
        showStep(*next, true);
        updateInterface();
        return;
    }
    page->leave(true);
    endSheet(QDialog::Accepted);
}

void TagEditingWindowController::restoreValues()
{
    if (!cache_.isWritable())
        return;
    cache_.restoreValues();
    endSheet(QDialog::Accepted);
}

void TagEditingWindowController::clearValues()
{
    if (!cache_.isWritable())
        return;
    cache_.clearValues();
    endSheet(QDialog::Accepted);
}

void TagEditingWindowController::forceValues()
{
    if (!cache_.isWritable())
        return;
    cache_.forceValues();
    endSheet(QDialog::Accepted);
}

void TagEditingWindowController::copyValues()
{
    if (!cache_.hasSingleValue())
        return;
    cache_.copyValues();
    endSheet(QDialog::Accepted);
}

void TagEditingWindowController::cutValues()
{
    if (!cache_.canCut())
        return;
    cache_.cutValues();
    endSheet(QDialog::Accepted);
}

void TagEditingWindowController::pasteValues()
{
    if (!cache_.isWritable())
        return;
    cache_.pasteValues();
    endSheet(QDialog::Accepted);
}

void TagEditingWindowController::useQuickActions()
{
    showWritableStep(Step::actionSelection, this);
}

void TagEditingWindowController::rawEditValues()
{
    showWritableStep(Step::rawEdition, this);
}

void TagEditingWindowController::shiftDateComponents()
{
    showDateShift(this);
}

void TagEditingWindowController::segmentActions(int index)
{
    if (QAction* action = actions_->segment(index))
        action->trigger();
}

} // namespace corvelle
