#include "tags/SectionPopUpMenu.h"

#include "engine/halvex/libraries/TagSetManager.h"
#include "widgets/MenuResponder.h"
#include "widgets/TextLocalizer.h"

#include <QAction>

namespace corvelle {

namespace {

const char* const sectionItemProperty = "corvelleSectionItem";

int tagOf(const QAction* item)
{
    bool isNumber = false;
    const int value = item ? item->data().toInt(&isNumber) : -1;
    return isNumber ? value : -1;
}

} // namespace

SectionPopUpMenu::SectionPopUpMenu(const QString& title, QWidget* parent)
    : QMenu(title, parent)
{
    tagSetManagerDidEditSetsSubscriber_.subscribe(halvex::TagSetManager::didEditSetsNotification,
                                                  &halvex::TagSetManager::shared(),
                                                  [this](const brisa::Notification&) { reload(); });
    connect(this, &QMenu::aboutToShow, this, [this] { validateSectionItems(); });
    // As a submenu, it is offered only while one of its sections can be acted on.
    if (auto* parentMenu = qobject_cast<QMenu*>(parent))
        connect(parentMenu, &QMenu::aboutToShow, this, [this] { menuAction()->setEnabled(validateSectionItems()); });
    reload();
}

SectionPopUpMenu::~SectionPopUpMenu()
{
    tagSetManagerDidEditSetsSubscriber_.unsubscribe();
}

QList<QList<ostrak::TagName>> SectionPopUpMenu::sectionsOf(const halvex::TagSet& tagSet)
{
    QList<QList<ostrak::TagName>> sections;
    for (const halvex::TagSet::FlatEntry& entry : tagSet.entries()) {
        if (entry.isSection())
            sections.append(QList<ostrak::TagName>());
        else if (const auto name = entry.tagName(); name && !sections.isEmpty())
            sections.last().append(*name);
    }
    return sections;
}

void SectionPopUpMenu::reload()
{
    removeAllSectionItems();
    addActions(topItems_);
    addSeparatorIfNeeded();
    addSectionItems();
    addSeparatorIfNeeded();
    addActions(bottomItems_);
    addEmptyItemIfNeeded();
    if (reloadCompletion_)
        reloadCompletion_();
}

std::optional<QList<ostrak::TagName>> SectionPopUpMenu::tagNamesOfSection(int index) const
{
    if (index < 0 || index >= sectionNames_.size())
        return std::nullopt;
    return sectionNames_.at(index);
}

std::optional<QList<ostrak::TagName>> SectionPopUpMenu::tagNamesOfSection(const QAction* sender)
{
    if (!sender || !sender->property(sectionItemProperty).toBool())
        return std::nullopt;
    for (QObject* owner = sender->parent(); owner; owner = owner->parent()) {
        if (auto* menu = qobject_cast<SectionPopUpMenu*>(owner))
            return menu->tagNamesOfSection(tagOf(sender));
    }
    return std::nullopt;
}

void SectionPopUpMenu::removeAllSectionItems()
{
    sectionNames_.clear();
    const QList<QAction*> items = actions();
    for (auto item = items.crbegin(); item != items.crend(); ++item) {
        QAction* action = *item;
        removeAction(action);
        if (topItems_.contains(action) || bottomItems_.contains(action))
            continue;
        // Later: the item may be the sender of the action that led to this rebuild.
        if (action->parent() == this)
            action->deleteLater();
    }
}

void SectionPopUpMenu::addSeparatorIfNeeded()
{
    const QList<QAction*> items = actions();
    if (!items.isEmpty() && !items.last()->isSeparator())
        addSeparator();
}

void SectionPopUpMenu::addSectionItems()
{
    const halvex::TagSet tagSet = halvex::TagSetManager::shared().chosenTagSet();
    sectionNames_ = sectionsOf(tagSet);
    int index = 0;
    for (const halvex::TagSet::FlatEntry& entry : tagSet.entries()) {
        if (!entry.isSection())
            continue;
        auto* item = new QAction(entry.section().title(), this);
        item->setData(index++);
        item->setProperty(sectionItemProperty, true);
        connect(item, &QAction::triggered, this, [this, item] { sendApplySection(item); });
        addAction(item);
    }
}

void SectionPopUpMenu::addEmptyItemIfNeeded()
{
    if (!actions().isEmpty())
        return;
    auto* item = new QAction(localizedString(QStringLiteral("NoDefinedSectionTitle")), this);
    item->setData(-1);
    item->setEnabled(false);
    addAction(item);
}

void SectionPopUpMenu::sendApplySection(QAction* item)
{
    auto* responder = dynamic_cast<MenuResponder*>(applySectionTarget_.data());
    if (!responder || applySectionAction_.isEmpty())
        return;
    if (responder->validateMenuCommand(applySectionAction_, item) == MenuValidation::enabled)
        responder->performMenuCommand(applySectionAction_, item);
}

bool SectionPopUpMenu::validateSectionItems()
{
    auto* responder = dynamic_cast<MenuResponder*>(applySectionTarget_.data());
    bool anyEnabled = false;
    for (QAction* item : actions()) {
        if (!item->property(sectionItemProperty).toBool())
            continue;
        item->setEnabled(responder && !applySectionAction_.isEmpty()
                         && responder->validateMenuCommand(applySectionAction_, item) == MenuValidation::enabled);
        anyEnabled = anyEnabled || item->isEnabled();
    }
    return anyEnabled;
}

} // namespace corvelle
