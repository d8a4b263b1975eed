#pragma once

#include "editor/ViewController.h"
#include "engine/halvex/libraries/PresetEdition.h"
#include "presets/PresetEditionCache.h"

#include <QPointer>

#include <optional>

namespace corvelle {

class EditorEditValuesInterfaceController;
class PresetEditEditionWindowController;

// A page of the preset entry sheet: the tag, the operation, or the settings of one operation
// (copy another tag's value, a custom value, search and replace). The three settings pages are
// also hosted by the edit flow's action-settings step, where they read the edition in progress
// and apply their settings to its tags. A page is attached to one host only.
class PresetEditStepViewController : public ViewController {
    Q_OBJECT

public:
    using Step = PresetEditionCache::Step;

    explicit PresetEditStepViewController(QWidget* parent = nullptr);
    ~PresetEditStepViewController() override;

    // The preset sheet: keeps it weakly; pages then load their state from its cache and focus
    // their main control.
    virtual void attachToPresetSheet(PresetEditEditionWindowController* sheet);
    PresetEditEditionWindowController* presetWindowController() const;
    virtual std::optional<Step> step() const { return std::nullopt; }
    // None: the first page.
    virtual std::optional<Step> previousStep() const { return std::nullopt; }
    // None: the last page, whose continuing commits the entry.
    virtual std::optional<Step> nextStep() const { return std::nullopt; }
    virtual bool canContinue() const { return false; }
    // Writes the page's choice into the sheet's cache, then with `commit` writes the entry into
    // the preset.
    virtual void storeIntoCache(bool commit) { Q_UNUSED(commit); }
    virtual void focus() {}

    // The editor host: keeps the host weakly and loads the page's values from its edition cache.
    virtual void attachToEditorHost(EditorEditValuesInterfaceController* host);
    // Whether the host may finish with this page; false here.
    virtual bool canContinueInEditorHost() const { return false; }
    // With true, builds the page's edition from its controls and applies it to the tags of the
    // host's value set as one edition task; nothing here.
    virtual void applyToEditorHost(bool finishing) { Q_UNUSED(finishing); }

protected:
    // The attached host, or none once it is gone.
    EditorEditValuesInterfaceController* editorHost() const;
    // The cache of the attached sheet; none without a sheet.
    PresetEditionCache* sheetCache() const;
    // Queues one edition task applying `edition` to every tag of the host's value set, over the
    // set's editors; nothing without a host or a value set.
    void applyEditionToEditorHost(const halvex::PresetEdition& edition) const;
    // The tag items of the host's value set (the filtered one, else the original); empty
    // without a host or a value set.
    QList<ostrak::TagItem> editorHostTagItems() const;
    bool editorHostHasValueSet() const;

private:
    PresetEditEditionWindowController* presetWindowController_ = nullptr;
    QPointer<QObject> presetWindowGuard_;
    EditorEditValuesInterfaceController* editorHost_ = nullptr;
    QPointer<QObject> editorHostGuard_;
};

} // namespace corvelle
