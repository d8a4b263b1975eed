#include "widgets/LibraryWindowController.h"

#include "platform/brisa/ui/DynamicToolbar.h"
#include "platform/brisa/ui/DynamicToolbarItemSet.h"
#include "platform/brisa/ui/DynamicTouchBarItemButtonSettings.h"
#include "widgets/ApplicationCommands.h"
#include "widgets/TextLocalizer.h"

#include <QAction>
#include <QPointer>
#include <QToolBar>

namespace corvelle {

LibraryWindowController::LibraryWindowController(QWidget* parent)
    : QMainWindow(parent)
    , toolbar_(new brisa::DynamicToolbar(this))
{
}

LibraryWindowController::~LibraryWindowController() = default;

void LibraryWindowController::makeCommandActions(const QList<std::pair<QString, QString>>& commands)
{
    for (const auto& [command, key] : commands) {
        auto* action = new QAction(localizedString(key), this);
        action->setObjectName(command);
        connect(action, &QAction::triggered, this, [this, command] { performCommand(command); });
        actions_.insert(command, action);
    }
}

void LibraryWindowController::installToolbar()
{
    addToolBar(toolbar_->toolbar());
    toolbar_->toolbar()->setMovable(false);
    toolbar_->toolbar()->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
}

void LibraryWindowController::refreshCommands()
{
    for (auto action = actions_.cbegin(); action != actions_.cend(); ++action)
        (*action)->setEnabled(validateCommand(action.key()));
    toolbar_->reloadDisplayedItems();
    touchBar_.reloadDisplayedItems();
}

void LibraryWindowController::setTitles(const QString& title, const QString& subtitle)
{
    setWindowTitle(title + QStringLiteral(" — ") + subtitle);
}

void LibraryWindowController::setUpPlaceholder(QWidget* placeholder)
{
    placeholder->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeholder->setForegroundRole(QPalette::PlaceholderText);
}

void LibraryWindowController::addToolbarCommand(brisa::DynamicToolbarItemSet& set, const QString& titleKey,
                                                const QString& symbol, const QString& command, bool navigational)
{
    // The button triggers the command's action and follows its state, as the menus holding it do.
    const QPointer<LibraryWindowController> self(this);
    brisa::DynamicToolbarItemContainer::ImageButtonSettings settings{localizedString(titleKey), symbol, {}, navigational};
    settings.command = commandAction(command);
    if (!settings.command) {
        settings.action = [self, command] {
            if (self)
                self->performCommand(command);
        };
    }
    set.addItem(settings, [self, command](brisa::DynamicToolbarItem& item, QWidget*) {
        item.setEnabled(self && self->validateCommand(command));
    });
}

void LibraryWindowController::addToolbarHelpMenu(brisa::DynamicToolbarItemSet& set, const QString& titleKey)
{
    ApplicationCommands* application = ApplicationCommands::current();
    set.addItem(brisa::DynamicToolbarItemContainer::MenuButtonSettings{
        localizedString(titleKey), QStringLiteral("questionmark.circle"),
        application ? application->toolbarItemHelpMenu() : nullptr});
}

void LibraryWindowController::addTouchBarCommand(brisa::DynamicTouchBarItemContainer& set, const QString& symbol,
                                                 const QString& command)
{
    const QPointer<LibraryWindowController> self(this);
    set.addItem(
        [self, symbol, command](brisa::DynamicTouchBarItemButtonSettings& settings) {
            settings.symbolName = symbol;
            settings.action = [self, command] {
                if (self)
                    self->performCommand(command);
            };
        },
        [self, command](brisa::DynamicTouchBarItem& item) { item.setEnabled(self && self->validateCommand(command)); });
}

} // namespace corvelle
