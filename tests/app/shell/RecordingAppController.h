#pragma once

#include "app/AppController.h"
#include "app/LaunchLibrary.h"

// The application controller with a record of the launch steps as they run: each step's name,
// each library by its identifier.
class RecordingAppController : public corvelle::AppController {
public:
    using AppController::AppController;

    QStringList steps;

protected:
    void updateLaunchStatistics() override
    {
        steps << QStringLiteral("updateLaunchStatistics");
        AppController::updateLaunchStatistics();
    }
    void resetScrollPositions() override
    {
        steps << QStringLiteral("resetScrollPositions");
        AppController::resetScrollPositions();
    }
    void setMainMenuTitles() override
    {
        steps << QStringLiteral("setMainMenuTitles");
        AppController::setMainMenuTitles();
    }
    void configureEngines() override
    {
        steps << QStringLiteral("configureEngines");
        AppController::configureEngines();
    }
    void becomeNotificationDelegate() override
    {
        steps << QStringLiteral("becomeNotificationDelegate");
        AppController::becomeNotificationDelegate();
    }
    bool loadLibrary(const corvelle::LaunchLibrary& library) override
    {
        steps << library.identifier;
        return AppController::loadLibrary(library);
    }
    void checkOptionKey() override
    {
        steps << QStringLiteral("checkOptionKey");
        AppController::checkOptionKey();
    }
    void attachSectionMenus() override
    {
        steps << QStringLiteral("attachSectionMenus");
        AppController::attachSectionMenus();
    }
    void attachPresetsMenu() override
    {
        steps << QStringLiteral("attachPresetsMenu");
        AppController::attachPresetsMenu();
    }
};
