#pragma once

#include "platform/almira/PreferencePanelController.h"

namespace corvelle {

// The preferences window with its General, Edition and Advanced panes. One instance, made on
// first use and kept until the process ends.
class PreferencesController : public almira::PreferencePanelController {
    Q_OBJECT

public:
    static PreferencesController& shared();

    // Brings the window to the front, as the active window, and centres it again.
    void showPreferences();

protected:
    void setupInitialPanels() override;

private:
    friend class almira::PreferencePanelController;
    PreferencesController() = default;
};

} // namespace corvelle
