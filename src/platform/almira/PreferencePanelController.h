#pragma once

#include "platform/almira/PreferencePanel.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class QActionGroup;
class QToolBar;
class QVBoxLayout;
class QWidget;

namespace almira {

// The preferences window: a toolbar with one entry per pane and, below it, the view of the
// chosen pane. The window takes the size of the pane it shows, and the chosen pane is
// remembered in the settings for the next time the window is made.
//
// A subclass supplies its panes in setupInitialPanels(), which runs once, on the first use
// of the window or of the pane list (a constructor cannot reach a subclass's override).
class PreferencePanelController : public QObject {
    Q_OBJECT

public:
    using PanelList = std::vector<std::unique_ptr<PreferencePanel>>;

    PreferencePanelController();
    ~PreferencePanelController() override;

    // The one controller of class `Controller`, made on first use and kept until the process ends.
    template<class Controller>
    static Controller& shared()
    {
        static Controller* const instance = new Controller();
        return *instance;
    }

    // The window, made on first use.
    QWidget* window();
    // Shows the window in front of the others, as the active window.
    void showWindow();
    // Centres the window on the available area of its screen.
    void centerWindow();

    // Whether the pane entries stand together in the middle of the toolbar, like one control,
    // rather than from its leading edge.
    bool showToolbarAsControl() const;
    void setShowToolbarAsControl(bool asControl);

    const PanelList& panels();
    void setPanels(PanelList panels);

    // The pane on show in the window; null before the window is made or without panes.
    PreferencePanel* selectedPanel() const;
    // Shows the pane with that identifier, as choosing its toolbar entry does; an unknown
    // identifier changes nothing.
    void selectPanel(const QString& identifier);

    // Settings key of the identifier of the pane last chosen.
    static const QString selectedPanelIdentifierKey;

protected:
    virtual void setupInitialPanels();

private:
    void setUpOnce();
    void buildWindow();
    void rebuildToolbar();
    // The pane chosen last time when there is one, else the first.
    void showInitialPanel();
    void showPanel(PreferencePanel* panel);
    PreferencePanel* panelWithIdentifier(const QString& identifier) const;

    bool setUp_ = false;
    bool showToolbarAsControl_ = false;
    // Declared before the panes: the panes, and with them their views, go first.
    std::unique_ptr<QWidget> window_;
    PanelList panels_;
    QToolBar* toolbar_ = nullptr;
    QActionGroup* entries_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    PreferencePanel* selected_ = nullptr;
    QPointer<QWidget> shownView_;
};

} // namespace almira
