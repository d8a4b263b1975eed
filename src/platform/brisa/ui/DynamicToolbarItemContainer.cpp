#include "platform/brisa/ui/DynamicToolbarItemContainer.h"

#include "platform/brisa/ui/SymbolIcons.h"

#include <QAction>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace brisa {

namespace {

// A button without its symbol still has to say what it does.
void setSymbolOrTitle(QToolButton* button, const QString& symbolName, const QString& title)
{
    const QIcon icon = SymbolIcons::icon(symbolName);
    button->setIcon(icon);
    button->setText(title);
    button->setToolTip(title);
    button->setAccessibleName(title);
    button->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
}

} // namespace

DynamicToolbarItemContainer::~DynamicToolbarItemContainer() = default;

DynamicToolbarItem& DynamicToolbarItemContainer::addItem(std::unique_ptr<DynamicToolbarItem> item)
{
    return appendItem(std::move(item));
}

DynamicToolbarItem& DynamicToolbarItemContainer::addItem(const QString& identifier)
{
    if (identifier == DynamicToolbarItem::flexibleSpaceIdentifier)
        return appendItem(DynamicToolbarItem::makeFlexibleSpace());
    return appendItem(std::make_unique<DynamicToolbarItem>(uniqueIdentifier(identifier), false, QString(), new QWidget));
}

DynamicToolbarItem& DynamicToolbarItemContainer::addItem(const QString& identifier, bool isNavigational,
                                                         const QString& displayName,
                                                         const DynamicToolbarItem::CreateView& createView,
                                                         DynamicToolbarItem::Update update)
{
    QWidget* view = createView ? createView() : nullptr;
    return appendItem(std::make_unique<DynamicToolbarItem>(uniqueIdentifier(identifier), isNavigational,
                                                           displayName, view, std::move(update)));
}

DynamicToolbarItem& DynamicToolbarItemContainer::addItem(const ImageButtonSettings& settings,
                                                         DynamicToolbarItem::Update update)
{
    return appendItem(std::make_unique<DynamicToolbarItem>(uniqueIdentifier({}), settings.isNavigational,
                                                           settings.title, createImageButton(settings),
                                                           std::move(update)));
}

DynamicToolbarItem& DynamicToolbarItemContainer::addItem(const MenuButtonSettings& settings,
                                                         DynamicToolbarItem::Update update)
{
    return appendItem(std::make_unique<DynamicToolbarItem>(uniqueIdentifier({}), settings.isNavigational,
                                                           settings.title, createMenuButton(settings),
                                                           std::move(update)));
}

DynamicToolbarItem& DynamicToolbarItemContainer::addItem(const SearchFieldSettings& settings,
                                                         DynamicToolbarItem::Update update)
{
    return appendItem(std::make_unique<DynamicToolbarItem>(uniqueIdentifier({}), false, settings.label,
                                                           createSearchField(settings), std::move(update)));
}

DynamicToolbarItem& DynamicToolbarItemContainer::addItem(const TitleGroupSettings& settings,
                                                         DynamicToolbarItem::Update update)
{
    return appendItem(std::make_unique<DynamicToolbarItem>(uniqueIdentifier({}), false, settings.label,
                                                           createTitleGroup(settings), std::move(update)));
}

QToolButton* DynamicToolbarItemContainer::createImageButton(const ImageButtonSettings& settings)
{
    auto* button = new QToolButton;
    setSymbolOrTitle(button, settings.symbolName, settings.title);
    button->setAutoRaise(true);
    if (QAction* command = settings.command) {
        // The button takes its picture from the action: a command without one gets the button's
        // symbol, kept out of the menus that show the same action.
        if (command->icon().isNull() && !button->icon().isNull()) {
            command->setIcon(button->icon());
            command->setIconVisibleInMenu(false);
        }
        button->setDefaultAction(command);
        return button;
    }
    if (settings.action)
        QObject::connect(button, &QToolButton::clicked, button, [action = settings.action] { action(); });
    return button;
}

QToolButton* DynamicToolbarItemContainer::createMenuButton(const MenuButtonSettings& settings)
{
    auto* button = new QToolButton;
    setSymbolOrTitle(button, settings.symbolName, settings.title);
    button->setAutoRaise(true);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setMenu(settings.menu);
    return button;
}

QLineEdit* DynamicToolbarItemContainer::createSearchField(const SearchFieldSettings& settings)
{
    auto* field = new QLineEdit;
    field->setPlaceholderText(settings.label);
    field->setToolTip(settings.toolTip);
    field->setAccessibleName(settings.label);
    field->setClearButtonEnabled(true);
    field->addAction(SymbolIcons::icon(QStringLiteral("magnifyingglass")), QLineEdit::LeadingPosition);
    if (settings.action) {
        QObject::connect(field, &QLineEdit::textEdited, field,
                         [action = settings.action](const QString& text) { action(text); });
    }
    return field;
}

QWidget* DynamicToolbarItemContainer::createTitleGroup(const TitleGroupSettings& settings)
{
    auto* group = new QWidget;
    group->setAccessibleName(settings.label);
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* buttons = new QButtonGroup(group);
    buttons->setExclusive(true);
    for (int index = 0; index < settings.titles.size(); ++index) {
        auto* button = new QToolButton(group);
        button->setText(settings.titles.at(index));
        button->setCheckable(true);
        button->setChecked(index == settings.selectedIndex);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        buttons->addButton(button, index);
        layout->addWidget(button);
    }
    if (settings.action) {
        QObject::connect(buttons, &QButtonGroup::idClicked, group,
                         [action = settings.action](int index) { action(index); });
    }
    return group;
}

QString DynamicToolbarItemContainer::uniqueIdentifier(const QString& identifier) const
{
    if (!identifier.isEmpty())
        return identifier;
    return QStringLiteral("DynamicToolbarItem%1").arg(itemCount());
}

} // namespace brisa
