#pragma once

#include "platform/brisa/ui/DynamicTouchBar.h"
#include "presets/PresetEditStepViewController.h"
#include "presets/PresetEditionCache.h"

#include <QDialog>
#include <QPointer>

#include <memory>
#include <optional>

namespace Ui {
class PresetEditEditionWindow;
}

namespace corvelle {


// The preset entry sheet: edits one entry of a preset page by page (the tag, the operation, then
// the settings of the three operations that have some). The pages say which page comes before and
// after them; the sheet keeps the cache, swaps the pages and sets its buttons, and the last page
// commits the entry. It ends with 1 after a commit, a delete or a close, with 0 after a cancel.
class PresetEditEditionWindowController : public QDialog {
    Q_OBJECT

public:
    explicit PresetEditEditionWindowController(QWidget* parent = nullptr);
    ~PresetEditEditionWindowController() override;

    PresetEditionCache& cache() { return cache_; }
    // Restarts the sheet on the cache's first page.
    void setCache(const PresetEditionCache& cache);
    // The window that opened the sheet; held weakly.
    QWidget* presetManagerWindowController() const { return presetManagerWindowController_; }
    void setPresetManagerWindowController(QWidget* controller);

    PresetEditStepViewController* currentViewController() const { return currentViewController_; }
    // A new page of the step's class each time; for an action edition without settings page
    // nothing changes but the buttons.
    void showStep(std::optional<PresetEditionCache::Step> step, bool animated);
    void updateInterface();

    bool canCancel() const { return true; }
    bool canClose() const { return true; }
    bool canGoBack() const;
    bool canDelete() const;
    bool canContinue() const;

    brisa::DynamicTouchBar& dynamicTouchBar() { return touchBar_; }

public Q_SLOTS:
    void cancelEdition();
    void closeEdition();
    void goBackEdition();
    void deleteEdition();
    void continueEdition();

private:
    void setupTouchBar();

    std::unique_ptr<Ui::PresetEditEditionWindow> ui_;
    QPointer<QWidget> presetManagerWindowController_;
    QPointer<PresetEditStepViewController> currentViewController_;
    brisa::DynamicTouchBar touchBar_;
    PresetEditionCache cache_;
};

} // namespace corvelle
