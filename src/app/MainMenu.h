#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace corvelle {

// The application's main menu: its top-level menus in menu-bar order, each command item named
// by the action it sends ("copyEXIFTags:") as its object name and titled by a localisation key.
// The menus belong to this object and are shown in the menu bar of the editor window.
//
// Items are validated when their menu is about to open, and the items with a shortcut also
// before a key press is matched, so that a shortcut follows the same rules as its item.
class MainMenu : public QObject {
    Q_OBJECT

public:
    // Answers whether the item is enabled; may also set its check state or visibility.
    using Validator = std::function<bool(QAction* item)>;
    // Runs the chosen item's command.
    using Performer = std::function<void(QAction* item)>;

    // Identifiers (object names) of the menus that start-up fills.
    static const QString copyTagsSectionMenuIdentifier;
    static const QString restoreTagsSectionMenuIdentifier;
    static const QString clearTagsSectionMenuIdentifier;
    static const QString csvExportTagsSectionMenuIdentifier;
    static const QString presetsMenuIdentifier;

    MainMenu(Validator validator, Performer performer, QObject* parent = nullptr);
    ~MainMenu() override;

    const QList<QMenu*>& menus() const { return menus_; }
    void attach(QMenuBar* bar) const;

    // The first item sending `command`; null when there is none.
    QAction* item(const QString& command) const;
    // Every command item, in menu order (depth first).
    QList<QAction*> items() const;
    // The menu with this identifier; null when there is none.
    QMenu* menu(const QString& identifier) const;

    // A command item titled by the localised text of `titleKey`, sending `command` when chosen.
    QAction* makeItem(const QString& command, const QString& titleKey, QObject* parent);
    // The localisation key of a command item's title: "MainMenu" followed by the action's
    // name, capitalised, without its colon ("MainMenuCopyEXIFTags").
    static QString titleKey(const QString& command);

    QAction* appNameMenuItem() const { return appNameMenuItem_; }
    QAction* aboutAppMenuItem() const { return aboutAppMenuItem_; }
    QAction* hideAppMenuItem() const { return hideAppMenuItem_; }
    QAction* quitAppMenuItem() const { return quitAppMenuItem_; }
    QAction* helpAppMenuItem() const { return helpAppMenuItem_; }
    QAction* preferencesMenuItem() const { return preferencesMenuItem_; }
    // The menu that the Help buttons of the windows' toolbars show.
    QMenu* toolbarItemHelpMenu() const { return toolbarItemHelpMenu_; }

    // Shows the window's actions in place of the items of the same commands: the menu then
    // holds those very actions, which act and follow their rules by themselves. Each keeps the
    // title, mnemonic included, of the item it replaces.
    void adopt(const QList<QAction*>& actions);

    void validate(QMenu* menu) const;
    void validateItemsWithShortcuts() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A new plain menu unless `menu` is given; the main menu owns it.
    QMenu* addMenu(const QString& titleKey, QMenu* menu = nullptr);
    // A new plain submenu unless `menu` is given (made as a child of `parent`).
    QMenu* addSubmenu(QMenu* parent, const QString& titleKey, const QString& identifier = {}, QMenu* menu = nullptr);
    QAction* addItem(QMenu* menu, const QString& command, const QKeySequence& shortcut = {});
    // An item of the application as a whole, reachable from every window.
    QAction* addApplicationItem(QMenu* menu, const QString& command, const QKeySequence& shortcut = {});
    void watch(QMenu* menu);

    void buildApplicationMenu();
    void buildFileMenu();
    void buildEditMenu();
    void buildTagsMenu();
    void buildImageMenu();
    void buildDateMenu();
    void buildLocationMenu();
    void buildPresetsMenu();
    void buildViewMenu();
    void buildWindowMenu();
    void buildHelpMenus();

    Validator validator_;
    Performer performer_;
    QList<QMenu*> menus_;
    QMenu* toolbarItemHelpMenu_ = nullptr;
    QAction* appNameMenuItem_ = nullptr;
    QAction* aboutAppMenuItem_ = nullptr;
    QAction* hideAppMenuItem_ = nullptr;
    QAction* quitAppMenuItem_ = nullptr;
    QAction* helpAppMenuItem_ = nullptr;
    QAction* preferencesMenuItem_ = nullptr;
};

} // namespace corvelle
