#pragma once

#include "editor/ViewController.h"

#include <QPointer>

namespace corvelle {

class EditorEditValuesInterfaceController;

// A page of the preset entry sheet: the settings of one operation (copy another tag's value, a
// custom value, search and replace). The same pages are hosted by the edit flow's action-settings
// step, where they read the edition in progress and apply their settings to its tags.
class PresetEditStepViewController : public ViewController {
    Q_OBJECT

public:
    explicit PresetEditStepViewController(QWidget* parent = nullptr);
    ~PresetEditStepViewController() override;

    // Keeps the host weakly and loads the page's values from its edition cache.
    virtual void attachToEditorHost(EditorEditValuesInterfaceController* host);
    // Whether the host may finish with this page; false here.
    virtual bool canContinueInEditorHost() const { return false; }
    // With true, builds the page's edition from its controls and applies it to the tags of the
    // host's value set as one edition task; nothing here.
    virtual void applyToEditorHost(bool finishing) { Q_UNUSED(finishing); }

protected:
    // The attached host, or none once it is gone.
    EditorEditValuesInterfaceController* editorHost() const;

private:
    EditorEditValuesInterfaceController* editorHost_ = nullptr;
    QPointer<QObject> editorHostGuard_;
};

} // namespace corvelle
