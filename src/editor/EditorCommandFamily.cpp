#include "editor/EditorCommandFamily.h"

namespace corvelle {

const EditorCommand* EditorCommandFamily::command(const QString& action) const
{
    for (const EditorCommand& row : commands_) {
        if (row.name == action)
            return &row;
    }
    return nullptr;
}

MenuValidation EditorCommandFamily::validateItem(const QString& action) const
{
    const EditorCommand* row = command(action);
    if (!row)
        return MenuValidation::notMine;
    return row->isEnabled() ? MenuValidation::enabled : MenuValidation::disabled;
}

void EditorCommandFamily::perform(const QString& action)
{
    const EditorCommand* row = command(action);
    if (row && row->isEnabled())
        row->run();
}

std::optional<bool> EditorCommandFamily::itemState(const QString& action) const
{
    const EditorCommand* row = command(action);
    if (!row || !row->isChecked)
        return std::nullopt;
    return row->isChecked();
}

QString EditorCommandFamily::menuTextKey(const QString& action)
{
    QString key = action.chopped(1);
    if (!key.isEmpty())
        key[0] = key[0].toUpper();
    return QStringLiteral("MainMenu") + key;
}

} // namespace corvelle
