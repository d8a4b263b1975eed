#pragma once

#include "editing/EditionKind.h"
#include "editing/PresetEditionRowValue.h"
#include "engine/halvex/tags/TagValueTableRowValue.h"
#include "engine/halvex/tags/TagValueTableValueSet.h"
#include "presets/FlatPresetEdition.h"
#include "tags/ContentValue.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace corvelle {

// The base of every value editor: the view that shows and changes the value of one kind of tag.
//
// What a kind of editor answers without being on screen (a row's display value, the preset
// operations it supports, ...) are the static members below, hidden by each editor with its own,
// and gathered per kind in EditionKindTraits, which also chooses the kind for a tag.
//
// The host contract: the host makes the editor through EditionKindTraits::make() (the view is
// then loaded and set up), installs it, loads a value set or a preset entry, passes its layout
// and its changes handler, reads hasValueChanges() while the step shows and editedValue() when
// the step is left. The changes handler runs each time hasValueChanges() flips, and only then.
class GenericEditionViewController : public QWidget {
    Q_OBJECT

public:
    ~GenericEditionViewController() override;

    virtual EditionKind editionKind() const = 0;

    // The display value of a tag row: title, tag name, note, and the value, a placeholder for
    // several values or none, marked edited and not writable as the row is.
    static ContentValue contentValue(const halvex::TagValueTableRowValue& row);
    static QList<FlatPresetEdition> supportedPresetEditions();
    static bool supportsInsertion();
    // The display value of a preset entry: its operation described in words.
    static ContentValue presetEditionContentValue(const PresetEditionRowValue& row);

    // Runs setupViews() and startObserving() once; the factory does it before handing out the
    // editor.
    void loadView();

    virtual void updateInterface() {}
    virtual void resetValue();
    virtual void focus() {}
    bool hasValueChanges() const { return hasValueChanges_; }
    void setHasValueChanges(bool changed);
    void setChangesHandler(std::function<void()> handler);
    // The text to write; none when the editor gives no value (the tag stays as it is).
    virtual std::optional<QString> editedValue() const { return std::nullopt; }
    // The items of a list value, for hosts that write a list tag item by item (an item may hold
    // a comma); none where the editor gives one text.
    virtual std::optional<QStringList> editedValues() const { return std::nullopt; }
    virtual void loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row);
    virtual void loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet);
    virtual void setVerticalLayout(bool vertical);

    void markValueChanged();
    // Ask the hosting sheet to close without applying, or to go on; outside a sheet nobody
    // listens and nothing happens.
    void cancelHostEdition();
    void validateHostEdition();

public Q_SLOTS:
    void propagateEdition() { markValueChanged(); }

Q_SIGNALS:
    void cancelEditionRequested();
    void validateEditionRequested();

protected:
    explicit GenericEditionViewController(QWidget* parent = nullptr);

    virtual void setupViews() {}
    virtual void startObserving() {}
    // Editors that observe call it from their own destructor.
    virtual void stopObserving() {}

    // The preset operations without those given, in their order.
    static QList<FlatPresetEdition> presetEditionsWithout(const QList<FlatPresetEdition>& removed);
    // Without the letter-case and sort operations, which only texts take.
    static QList<FlatPresetEdition> presetEditionsWithoutTextOperations();
    // The custom value of a row whose edition sets one.
    static std::optional<halvex::UseCustomValueSettings> customValue(const PresetEditionRowValue& row);

private:
    std::function<void()> changesHandler_ = [] {};
    bool hasValueChanges_ = false;
    bool viewLoaded_ = false;
};

} // namespace corvelle
