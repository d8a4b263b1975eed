#include "editor/EditorCommandChain.h"

#include "editor/EditorCommandFamily.h"

namespace corvelle {

void EditorCommandChain::append(EditorCommandFamily* family)
{
    if (family && !families_.contains(family))
        families_ << family;
}

EditorCommandFamily* EditorCommandChain::owner(const QString& action) const
{
    for (EditorCommandFamily* family : families_) {
        if (family->validateItem(action) != MenuValidation::notMine)
            return family;
    }
    return nullptr;
}

MenuValidation EditorCommandChain::validateItem(const QString& action, QAction* item) const
{
    EditorCommandFamily* family = owner(action);
    return family ? family->validateItem(action, item) : MenuValidation::notMine;
}

bool EditorCommandChain::validateUserInterfaceItem(const QString& action, QAction* item) const
{
    return validateItem(action, item) == MenuValidation::enabled;
}

void EditorCommandChain::perform(const QString& action, QAction* sender) const
{
    if (EditorCommandFamily* family = owner(action))
        family->perform(action, sender);
}

} // namespace corvelle
