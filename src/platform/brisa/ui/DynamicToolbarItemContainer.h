#pragma once

#include "platform/brisa/ui/DynamicToolbarItem.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QLineEdit;
class QMenu;
class QToolButton;
class QWidget;

namespace brisa {

// What can receive toolbar items, with the factories of the common kinds. Each factory makes
// its view once, when the item is added; the update closure runs on every reload of the toolbar.
class DynamicToolbarItemContainer {
public:
    struct ImageButtonSettings {
        QString title;
        QString symbolName;
        std::function<void()> action;
        bool isNavigational = false;
        // The shared action of a command: the button triggers it and follows its states, as the
        // menus holding it do; `action` is not used then. Not owned.
        QAction* command = nullptr;
    };
    struct MenuButtonSettings {
        QString title;
        QString symbolName;
        QMenu* menu = nullptr; // not owned; none shows a button without menu
        bool isNavigational = false;
    };
    struct SearchFieldSettings {
        QString label;
        QString toolTip;
        // Sent with the field's text after every change the user makes, clearing included.
        std::function<void(const QString& text)> action;
    };
    // A row of exclusive title buttons; `selectedIndex` -1 selects none.
    struct TitleGroupSettings {
        QString label;
        QStringList titles;
        int selectedIndex = -1;
        std::function<void(int index)> action;
    };

    virtual ~DynamicToolbarItemContainer();

    DynamicToolbarItem& addItem(std::unique_ptr<DynamicToolbarItem> item);
    // A plain item: the flexible space for DynamicToolbarItem::flexibleSpaceIdentifier, else an
    // empty placeholder.
    DynamicToolbarItem& addItem(const QString& identifier);
    // A custom view; an empty identifier gets one that is unique within this container.
    DynamicToolbarItem& addItem(const QString& identifier, bool isNavigational, const QString& displayName,
                                const DynamicToolbarItem::CreateView& createView,
                                DynamicToolbarItem::Update update = {});
    DynamicToolbarItem& addItem(const ImageButtonSettings& settings, DynamicToolbarItem::Update update = {});
    DynamicToolbarItem& addItem(const MenuButtonSettings& settings, DynamicToolbarItem::Update update = {});
    DynamicToolbarItem& addItem(const SearchFieldSettings& settings, DynamicToolbarItem::Update update = {});
    DynamicToolbarItem& addItem(const TitleGroupSettings& settings, DynamicToolbarItem::Update update = {});

    static QToolButton* createImageButton(const ImageButtonSettings& settings);
    static QToolButton* createMenuButton(const MenuButtonSettings& settings);
    static QLineEdit* createSearchField(const SearchFieldSettings& settings);
    static QWidget* createTitleGroup(const TitleGroupSettings& settings);

protected:
    virtual DynamicToolbarItem& appendItem(std::unique_ptr<DynamicToolbarItem> item) = 0;
    virtual int itemCount() const = 0;

private:
    QString uniqueIdentifier(const QString& identifier) const;
};

} // namespace brisa
