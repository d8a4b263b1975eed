#pragma once

#include "widgets/MenuValidation.h"

#include <QList>
#include <QString>

class QAction;

namespace corvelle {

class EditorCommandFamily;

// The command families of the editor window, asked in a fixed order: the first family whose
// answer is not notMine owns the action, so an action two families know belongs to the earlier.
class EditorCommandChain {
public:
    // The family is not owned; it must outlive the chain.
    void append(EditorCommandFamily* family);
    const QList<EditorCommandFamily*>& families() const { return families_; }

    // The first answer other than notMine; notMine when every family declines.
    // `item` is the menu item asked about, when there is one.
    MenuValidation validateItem(const QString& action, QAction* item = nullptr) const;
    // The item's enabled state: an action no family knows is disabled.
    bool validateUserInterfaceItem(const QString& action, QAction* item = nullptr) const;
    // The owning family performs the action (it checks its own rule).
    void perform(const QString& action, QAction* sender = nullptr) const;

private:
    EditorCommandFamily* owner(const QString& action) const;

    QList<EditorCommandFamily*> families_;
};

} // namespace corvelle
