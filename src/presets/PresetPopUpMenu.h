#pragma once

#include "engine/halvex/libraries/PresetItem.h"
#include "platform/brisa/core/MultiNoteSubscriber.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QList>
#include <QMenu>
#include <QPointer>

#include <functional>

class QAction;

namespace corvelle {

// A menu of the stored presets, one item per preset, inside one submenu per preset group or as
// one flat list ("GeneralUserChoicePresetGroups"), between the owner's fixed top and bottom
// items. It rebuilds itself whenever the preset library or the grouping setting changes.
//
// A preset item carries its index in presetItems() as its tag (QAction::data); choosing it sends
// the apply-preset action, with the item as sender, to the apply-preset target, which must be a
// MenuResponder. The receiver finds the preset with presetItem(sender).
class PresetPopUpMenu : public QMenu {
    Q_OBJECT

public:
    explicit PresetPopUpMenu(const QString& title = {}, QWidget* parent = nullptr);
    ~PresetPopUpMenu() override;

    const QList<halvex::PresetItemPtr>& presetItems() const { return presetItems_; }

    // The fixed items are not owned unless the owner parents them to the menu; setting them
    // does not rebuild the menu: call reloadItems() afterwards.
    QList<QAction*> topItems() const { return topItems_; }
    void setTopItems(const QList<QAction*>& items) { topItems_ = items; }
    QList<QAction*> bottomItems() const { return bottomItems_; }
    void setBottomItems(const QList<QAction*>& items) { bottomItems_ = items; }
    // Shown only when the menu would have no item at all.
    QList<QAction*> emptyItems() const { return emptyItems_; }
    void setEmptyItems(const QList<QAction*>& items) { emptyItems_ = items; }
    // Held weakly.
    QObject* applyPresetTarget() const { return applyPresetTarget_; }
    void setApplyPresetTarget(QObject* target) { applyPresetTarget_ = target; }
    QString applyPresetAction() const { return applyPresetAction_; }
    void setApplyPresetAction(const QString& action) { applyPresetAction_ = action; }
    // Called at the end of every rebuild.
    void setReloadCompletion(std::function<void()> completion) { reloadCompletion_ = std::move(completion); }

    void reloadItems();
    // None for an index outside presetItems().
    halvex::PresetItemPtr presetItem(int index) const;
    // The preset that a preset item of some preset menu stands for; none for any other item.
    static halvex::PresetItemPtr presetItem(const QAction* sender);

    // The tag of an item: its data as a number, -1 when it has none.
    static int tag(const QAction* item);

protected:
    void appendSeparatorIfNeeded();
    void addPresetItems();
    void addEmptyItems();

private:
    QAction* makePresetItem(const halvex::PresetItemPtr& preset, QMenu* menu, const QString& untitled);
    void removeAllItems();
    void sendApplyPreset(QAction* item);
    void validatePresetItems(QMenu* menu);

    QList<halvex::PresetItemPtr> presetItems_;
    QList<QAction*> topItems_;
    QList<QAction*> bottomItems_;
    QList<QAction*> emptyItems_;
    QPointer<QObject> applyPresetTarget_;
    QString applyPresetAction_;
    std::function<void()> reloadCompletion_;
    brisa::MultiNoteSubscriber presetDidChangeDataSubscriber_;
    brisa::NoteSubscriber userSettingsDidSetKeySubscriber_;
};

} // namespace corvelle
