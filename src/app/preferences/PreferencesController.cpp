#include "app/preferences/PreferencesController.h"

#include "app/preferences/AdvancedPreferencesViewController.h"
#include "app/preferences/EditionPreferencesViewController.h"
#include "app/preferences/GeneralPreferencesViewController.h"
#include "app/preferences/ServicesPreferencesViewController.h"

namespace corvelle {

PreferencesController& PreferencesController::shared()
{
    return PreferencePanelController::shared<PreferencesController>();
}

void PreferencesController::showPreferences()
{
    showWindow();
    centerWindow();
}

void PreferencesController::setupInitialPanels()
{
    setShowToolbarAsControl(true);
    PanelList panes;
    panes.push_back(std::make_unique<GeneralPreferencesViewController>());
    panes.push_back(std::make_unique<EditionPreferencesViewController>());
    panes.push_back(std::make_unique<ServicesPreferencesViewController>());
    panes.push_back(std::make_unique<AdvancedPreferencesViewController>());
    setPanels(std::move(panes));
}

} // namespace corvelle
