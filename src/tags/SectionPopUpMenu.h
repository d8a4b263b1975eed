#pragma once

#include "engine/halvex/libraries/TagSet.h"
#include "engine/ostrak/TagName.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QList>
#include <QMenu>
#include <QPointer>

#include <functional>
#include <optional>

class QAction;

namespace corvelle {

// A menu of the sections of the displayed tag set (the chosen domain of the tag-set library),
// one item per section between the owner's fixed top and bottom items, with the tag names each
// section lists. It rebuilds itself whenever the tag-set library changes.
//
// A section item carries its section index as its tag (QAction::data); choosing it sends the
// apply-section action, with the item as sender, to the apply-section target, which must be a
// MenuResponder; the items are validated by the same target when the menu opens. The receiver
// finds the section's tag names with tagNamesOfSection(sender). A menu without any item shows one
// disabled "no section" item tagged -1. Made as a submenu of another menu, its own item there is
// enabled, each time that menu opens, only when one of its sections can be acted on.
class SectionPopUpMenu : public QMenu {
    Q_OBJECT

public:
    explicit SectionPopUpMenu(const QString& title = {}, QWidget* parent = nullptr);
    ~SectionPopUpMenu() override;

    // For section item i (in menu order), the tag names listed under that section.
    const QList<QList<ostrak::TagName>>& sectionNames() const { return sectionNames_; }

    // The fixed items are not owned unless the owner parents them to the menu; setting them, the
    // target or the action does not rebuild the menu: call reload() afterwards.
    QList<QAction*> topItems() const { return topItems_; }
    void setTopItems(const QList<QAction*>& items) { topItems_ = items; }
    QList<QAction*> bottomItems() const { return bottomItems_; }
    void setBottomItems(const QList<QAction*>& items) { bottomItems_ = items; }
    // Held weakly.
    QObject* applySectionTarget() const { return applySectionTarget_; }
    void setApplySectionTarget(QObject* target) { applySectionTarget_ = target; }
    QString applySectionAction() const { return applySectionAction_; }
    void setApplySectionAction(const QString& action) { applySectionAction_ = action; }
    // Called at the end of every rebuild.
    void setReloadCompletion(std::function<void()> completion) { reloadCompletion_ = std::move(completion); }

    void reload();

    // None for an index outside sectionNames() (the "no section" item's -1 included).
    std::optional<QList<ostrak::TagName>> tagNamesOfSection(int index) const;
    // The tag names of the section a section item stands for: the item's menu, or the menu of
    // its parent item, must be a section menu; none for any other item or index.
    static std::optional<QList<ostrak::TagName>> tagNamesOfSection(const QAction* sender);

    // The tag names of each section of the set, in order; names before the first section belong
    // to none and are left out.
    static QList<QList<ostrak::TagName>> sectionsOf(const halvex::TagSet& tagSet);

private:
    void removeAllSectionItems();
    void addSeparatorIfNeeded();
    void addSectionItems();
    void addEmptyItemIfNeeded();
    void sendApplySection(QAction* item);
    // True when some section item is enabled.
    bool validateSectionItems();

    QList<QList<ostrak::TagName>> sectionNames_;
    QList<QAction*> topItems_;
    QList<QAction*> bottomItems_;
    QPointer<QObject> applySectionTarget_;
    QString applySectionAction_;
    std::function<void()> reloadCompletion_;
    brisa::NoteSubscriber tagSetManagerDidEditSetsSubscriber_;
};

} // namespace corvelle
