#include "presets/PresetPopUpMenu.h"

#include "engine/halvex/libraries/PresetManager.h"
#include "platform/brisa/core/StringHelpers.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/MenuTree.h"
#include "widgets/MenuResponder.h"
#include "widgets/TextLocalizer.h"
#include "widgets/settings/GeneralSettings.h"

#include <QAction>

namespace corvelle {

namespace {

const char* const presetItemProperty = "corvellePresetItem";

} // namespace

PresetPopUpMenu::PresetPopUpMenu(const QString& title, QWidget* parent)
    : QMenu(title, parent)
{
    presetDidChangeDataSubscriber_.subscribe(
        {halvex::PresetManager::didChangeGroupsNotification, halvex::PresetGroup::didChangeInfoNotification,
         halvex::PresetGroup::didChangePresetsNotification, halvex::PresetItem::didChangeInfoNotification,
         halvex::PresetItem::didChangeEntriesNotification},
        nullptr, [this](const brisa::Notification&) { reloadItems(); });
    userSettingsDidSetKeySubscriber_.subscribe(
        brisa::UserDefaults::didSetKeyNotification, &brisa::UserDefaults::standard(),
        [this](const brisa::Notification& note) {
            if (brisa::UserDefaults::editedKeyName(note) == Settings::generalUserChoicePresetGroups().name())
                reloadItems();
        });
    connect(this, &QMenu::aboutToShow, this, [this] { validatePresetItems(this); });
    reloadItems();
}

PresetPopUpMenu::~PresetPopUpMenu()
{
    presetDidChangeDataSubscriber_.unsubscribe();
    userSettingsDidSetKeySubscriber_.unsubscribe();
}

int PresetPopUpMenu::tag(const QAction* item)
{
    bool isNumber = false;
    const int value = item ? item->data().toInt(&isNumber) : -1;
    return isNumber ? value : -1;
}

halvex::PresetItemPtr PresetPopUpMenu::presetItem(int index) const
{
    if (index < 0 || index >= presetItems_.size())
        return nullptr;
    return presetItems_.at(index);
}

halvex::PresetItemPtr PresetPopUpMenu::presetItem(const QAction* sender)
{
    if (!sender || !sender->property(presetItemProperty).toBool())
        return nullptr;
    // A preset item sits in the menu or in one of its group submenus.
    for (QObject* owner = sender->parent(); owner; owner = owner->parent()) {
        if (auto* menu = qobject_cast<PresetPopUpMenu*>(owner))
            return menu->presetItem(tag(sender));
    }
    return nullptr;
}

void PresetPopUpMenu::reloadItems()
{
    presetItems_.clear();
    removeAllItems();
    addActions(topItems_);
    appendSeparatorIfNeeded();
    addPresetItems();
    appendSeparatorIfNeeded();
    addActions(bottomItems_);
    addEmptyItems();
    if (reloadCompletion_)
        reloadCompletion_();
}

void PresetPopUpMenu::removeAllItems()
{
    brisa::MenuTree::removeAllItems(this, topItems_ + bottomItems_ + emptyItems_);
}

void PresetPopUpMenu::appendSeparatorIfNeeded()
{
    brisa::MenuTree::appendSeparatorIfNeeded(this);
}

void PresetPopUpMenu::addPresetItems()
{
    const bool grouped = brisa::UserDefaults::standard().value(Settings::generalUserChoicePresetGroups())
                         == PresetGroupsGeneralUserChoice::showGroups;
    const QString untitled = localizedString(QStringLiteral("PresetItemUntitledName"));
    for (const halvex::PresetGroupPtr& group : halvex::PresetManager::shared().groups()) {
        QMenu* menu = this;
        if (grouped) {
            menu = new QMenu(brisa::nonBlank(group->name()).value_or(untitled), this);
            menu->menuAction()->setData(-1);
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { validatePresetItems(menu); });
            addMenu(menu);
        }
        for (const halvex::PresetItemPtr& preset : group->presets())
            menu->addAction(makePresetItem(preset, menu, untitled));
    }
}

QAction* PresetPopUpMenu::makePresetItem(const halvex::PresetItemPtr& preset, QMenu* menu, const QString& untitled)
{
    const int index = int(presetItems_.size());
    presetItems_.append(preset);
    auto* item = new QAction(brisa::nonBlank(preset->name()).value_or(untitled), menu);
    item->setData(index);
    item->setProperty(presetItemProperty, true);
    connect(item, &QAction::triggered, this, [this, item] { sendApplyPreset(item); });
    return item;
}

void PresetPopUpMenu::addEmptyItems()
{
    if (actions().isEmpty() && !emptyItems_.isEmpty())
        addActions(emptyItems_);
}

void PresetPopUpMenu::sendApplyPreset(QAction* item)
{
    auto* responder = dynamic_cast<MenuResponder*>(applyPresetTarget_.data());
    if (!responder || applyPresetAction_.isEmpty())
        return;
    if (responder->validateMenuCommand(applyPresetAction_, item) == MenuValidation::enabled)
        responder->performMenuCommand(applyPresetAction_, item);
}

void PresetPopUpMenu::validatePresetItems(QMenu* menu)
{
    auto* responder = dynamic_cast<MenuResponder*>(applyPresetTarget_.data());
    for (QAction* item : menu->actions()) {
        if (!item->property(presetItemProperty).toBool())
            continue;
        item->setEnabled(responder && !applyPresetAction_.isEmpty()
                         && responder->validateMenuCommand(applyPresetAction_, item) == MenuValidation::enabled);
    }
}

} // namespace corvelle
