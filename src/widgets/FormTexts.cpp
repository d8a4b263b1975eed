#include "widgets/FormTexts.h"

#include "widgets/TextLocalizer.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>

namespace corvelle {

namespace {

QString localized(const QString& key)
{
    return key.isEmpty() ? key : localizedString(key);
}

void localizeWidget(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->textFormat() != Qt::RichText)
        label->setText(localized(label->text()));
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(localized(button->text()));
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(localized(group->title()));
    else if (auto* field = qobject_cast<QLineEdit*>(widget))
        field->setPlaceholderText(localized(field->placeholderText()));
    else if (auto* menu = qobject_cast<QMenu*>(widget))
        menu->setTitle(localized(menu->title()));
    widget->setToolTip(localized(widget->toolTip()));
    if (widget->isWindow())
        widget->setWindowTitle(localized(widget->windowTitle()));
}

} // namespace

void FormTexts::localize(QWidget* root)
{
    if (!root)
        return;
    localizeWidget(root);
    for (QWidget* child : root->findChildren<QWidget*>())
        localizeWidget(child);
    // A menu's own action carries its title, done with the menu.
    for (QAction* action : root->findChildren<QAction*>()) {
        if (!action->menu() && !action->isSeparator())
            action->setText(localized(action->text()));
    }
}

} // namespace corvelle
