#pragma once

#include "editor/EditorCommandFamily.h"
#include "engine/ostrak/TagName.h"

#include <QList>
#include <QString>

class QAction;

namespace corvelle {

class EditorWindowController;

// The Tags-menu commands on one section of the displayed tag set, sent by the items of the copy,
// restore and clear section menus (SectionPopUpMenu), each standing for its section: copy the
// section's tags of the selected files onto the tag pasteboard, restore them, or clear them.
//
// Each queues one edition task over the editors selected when it runs; nothing acts in the raw
// section, without a selection, or for an item that stands for no section or an empty one.
class EditorTagSectionActions : public EditorCommandFamily {
public:
    explicit EditorTagSectionActions(EditorWindowController& controller);

    using EditorCommandFamily::perform;
    using EditorCommandFamily::validateItem;
    MenuValidation validateItem(const QString& action, QAction* item) const override;
    void perform(const QString& action, QAction* sender) override;

private:
    enum class Operation { copy, restore, clear };

    bool canActOnSection(const QAction* sectionItem) const;
    void actOnChosenSection(Operation operation, const QAction* sender);

    EditorWindowController& controller_;
};

} // namespace corvelle
