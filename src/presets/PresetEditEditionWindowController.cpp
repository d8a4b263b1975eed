#include "presets/PresetEditEditionWindowController.h"

#include "platform/brisa/ui/DynamicTouchBarItem.h"
#include "platform/brisa/ui/DynamicTouchBarItemButtonSettings.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "presets/PresetEditStepCopyOtherValueViewController.h"
#include "presets/PresetEditStepEditCurrentValueViewController.h"
#include "presets/PresetEditStepSearchAndReplaceViewController.h"
#include "presets/PresetEditStepSelectActionViewController.h"
#include "presets/PresetEditStepSelectTagsViewController.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_PresetEditEditionWindow.h"

#include <QApplication>

namespace corvelle {

using Step = PresetEditionCache::Step;

PresetEditEditionWindowController::PresetEditEditionWindowController(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::PresetEditEditionWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &PresetEditEditionWindowController::cancelEdition);
    connect(ui_->deleteButton, &QPushButton::clicked, this, &PresetEditEditionWindowController::deleteEdition);
    connect(ui_->goBackButton, &QPushButton::clicked, this, &PresetEditEditionWindowController::goBackEdition);
    connect(ui_->continueButton, &QPushButton::clicked, this, &PresetEditEditionWindowController::continueEdition);
    setupTouchBar();
    showStep(cache_.initialStep(), false);
    updateInterface();
}

PresetEditEditionWindowController::~PresetEditEditionWindowController()
{
    delete currentViewController_;
}

void PresetEditEditionWindowController::setupTouchBar()
{
    const QPointer<PresetEditEditionWindowController> self(this);
    auto button = [self](const QString& key, void (PresetEditEditionWindowController::*action)()) {
        return [self, key, action](brisa::DynamicTouchBarItemButtonSettings& settings) {
            settings.title = localizedString(key);
            settings.action = [self, action] {
                if (self)
                    (self.data()->*action)();
            };
        };
    };
    brisa::DynamicTouchBarItemSet& items = touchBar_.addItemSet({});
    items.addItem(button(QStringLiteral("PresetManagerCancelAction"), &PresetEditEditionWindowController::cancelEdition));
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    items.addItem(button(QStringLiteral("PresetManagerGoBackAction"), &PresetEditEditionWindowController::goBackEdition));
    items.addItem(button(QStringLiteral("PresetManagerContinueAction"), &PresetEditEditionWindowController::continueEdition));
}

void PresetEditEditionWindowController::setCache(const PresetEditionCache& cache)
{
    cache_ = cache;
    showStep(cache_.initialStep(), false);
}

void PresetEditEditionWindowController::setPresetManagerWindowController(QWidget* controller)
{
    if (controller == presetManagerWindowController_)
        return;
    presetManagerWindowController_ = controller;
    updateInterface();
}

void PresetEditEditionWindowController::showStep(std::optional<Step> step, bool animated)
{
    Q_UNUSED(animated);
    PresetEditStepViewController* page = nullptr;
    if (step == Step::tagSelection) {
        page = new PresetEditStepSelectTagsViewController();
    } else if (step == Step::actionSelection) {
        page = new PresetEditStepSelectActionViewController();
    } else if (step == Step::actionEdition && cache_.flatEdition) {
        switch (cache_.flatEdition->value()) {
        case FlatPresetEdition::copyOtherTagValue:
            page = new PresetEditStepCopyOtherValueViewController();
            break;
        case FlatPresetEdition::editCurrentValue:
            page = new PresetEditStepEditCurrentValueViewController();
            break;
        case FlatPresetEdition::searchAndReplace:
            page = new PresetEditStepSearchAndReplaceViewController();
            break;
        default:
            break;
        }
    }
    if (!page) {
        updateInterface();
        return;
    }
    PresetEditStepViewController* old = currentViewController_;
    currentViewController_ = page;
    brisa::FilledSubview::setFilledSubview(ui_->containerView, page->view());
    if (old)
        old->deleteLater();
    page->attachToPresetSheet(this);
    updateInterface();
}

bool PresetEditEditionWindowController::canGoBack() const
{
    return currentViewController_ && currentViewController_->previousStep().has_value();
}

bool PresetEditEditionWindowController::canDelete() const
{
    return (!currentViewController_ || !currentViewController_->previousStep()) && cache_.isEditingEntry();
}

bool PresetEditEditionWindowController::canContinue() const
{
    return currentViewController_ && currentViewController_->canContinue();
}

void PresetEditEditionWindowController::updateInterface()
{
    const bool hasNext = currentViewController_ && currentViewController_->nextStep().has_value();
    ui_->continueButton->setText(
        localizedString(hasNext ? QStringLiteral("PresetManagerContinueAction") : QStringLiteral("PresetManagerSaveAction")));
    const auto setState = [](QPushButton* button, bool enabled) {
        button->setEnabled(enabled);
        button->setVisible(enabled);
    };
    setState(ui_->cancelButton, canCancel());
    setState(ui_->continueButton, canContinue());
    setState(ui_->goBackButton, canGoBack());
    setState(ui_->deleteButton, canDelete());
    ui_->continueButton->setDefault(canContinue());
    touchBar_.reloadDisplayedItems();
}

void PresetEditEditionWindowController::cancelEdition()
{
    done(0);
}

void PresetEditEditionWindowController::closeEdition()
{
    done(1);
}

void PresetEditEditionWindowController::goBackEdition()
{
    if (!canGoBack())
        return;
    showStep(currentViewController_->previousStep(), true);
}

void PresetEditEditionWindowController::deleteEdition()
{
    if (!canDelete())
        return;
    cache_.deleteEntry();
    done(1);
}

void PresetEditEditionWindowController::continueEdition()
{
    if (!canContinue())
        return;
    // A field being typed in hands over its text before the page stores it.
    if (QWidget* focused = QApplication::focusWidget(); focused && isAncestorOf(focused))
        focused->clearFocus();
    PresetEditStepViewController* page = currentViewController_;
    const std::optional<Step> next = page->nextStep();
    if (next) {
        page->storeIntoCache(false);
        showStep(next, true);
        updateInterface();
        return;
    }
    page->storeIntoCache(true);
    done(1);
}

} // namespace corvelle
