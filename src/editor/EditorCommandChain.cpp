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

MenuValidation EditorCommandChain::validateItem(const QString& action) const
{
    EditorCommandFamily* family = owner(action);
    return family ? family->validateItem(action) : MenuValidation::notMine;
}

bool EditorCommandChain::validateUserInterfaceItem(const QString& action) const
{
    return validateItem(action) == MenuValidation::enabled;
}

void EditorCommandChain::perform(const QString& action) const
{
    if (EditorCommandFamily* family = owner(action))
        family->perform(action);
}

} // namespace corvelle
