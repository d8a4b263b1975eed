#include "platform/brisa/ui/DynamicToolbarItem.h"

#include <QWidget>
#include <QWidgetAction>

namespace brisa {

const QString DynamicToolbarItem::flexibleSpaceIdentifier = QStringLiteral("FlexibleSpaceItemIdentifier");

DynamicToolbarItem::DynamicToolbarItem(const QString& identifier, bool isNavigational,
                                       const QString& displayName, QWidget* view, Update update)
    : identifier_(identifier)
    , isNavigational_(isNavigational)
    , displayName_(displayName)
    , update_(std::move(update))
    , action_(std::make_unique<QWidgetAction>(nullptr))
{
    action_->setObjectName(identifier);
    action_->setText(displayName);
    action_->setIconText(displayName);
    if (view)
        action_->setDefaultWidget(view);
}

DynamicToolbarItem::~DynamicToolbarItem() = default;

std::unique_ptr<DynamicToolbarItem> DynamicToolbarItem::makeFlexibleSpace()
{
    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return std::make_unique<DynamicToolbarItem>(flexibleSpaceIdentifier, false, QString(), spacer);
}

QWidget* DynamicToolbarItem::view() const
{
    return action_->defaultWidget();
}

QAction* DynamicToolbarItem::action() const
{
    return action_.get();
}

bool DynamicToolbarItem::isEnabled() const
{
    return action_->isEnabled();
}

void DynamicToolbarItem::setEnabled(bool enabled)
{
    // The widget action passes the state on to its view.
    action_->setEnabled(enabled);
}

bool DynamicToolbarItem::isHidden() const
{
    return !action_->isVisible();
}

void DynamicToolbarItem::setHidden(bool hidden)
{
    action_->setVisible(!hidden);
}

QString DynamicToolbarItem::label() const
{
    return action_->text();
}

void DynamicToolbarItem::setLabel(const QString& label)
{
    action_->setText(label);
    action_->setIconText(label);
}

void DynamicToolbarItem::update()
{
    if (update_)
        update_(*this, view());
}

} // namespace brisa
