#pragma once

#include "engine/halvex/libraries/PresetEdition.h"
#include "engine/halvex/libraries/PresetLibraryObject.h"
#include "engine/ostrak/TagName.h"
#include "platform/brisa/core/IndexSet.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace halvex {

class PresetItem;
using PresetItemPtr = std::shared_ptr<PresetItem>;

// One preset of the preset library: a name, a description and the ordered entries that say what
// it does to each tag. Compared by identity.
//
// Edited on the main thread; each change posts its notification (object = the preset) inside
// the changing call, and only when something changed.
class PresetItem : public PresetLibraryObject {
public:
    // One tag edit of a preset; equal when the tag names and the editions are equal.
    struct Entry {
        Entry(const ostrak::TagName& tagName, const PresetEdition& edition) : tagName(tagName), edition(edition) {}

        ostrak::TagName tagName;
        PresetEdition edition;

        friend bool operator==(const Entry&, const Entry&) = default;
    };

    // Posted by setName() and setDetail().
    static const QString didChangeInfoNotification;
    // Posted by insertEntries(), removeEntries() and modifyEntries().
    static const QString didChangeEntriesNotification;

    PresetItem(const QString& name, const QString& detail, const QList<Entry>& entries);
    // A new preset with the same name, description and entries.
    explicit PresetItem(const PresetItem& presetItem);

    const QList<Entry>& entries() const { return entries_; }
    // The index is clamped to the entries.
    void insertEntries(const QList<Entry>& entries, int index);
    // Positions beyond the entries are ignored.
    void removeEntries(const brisa::IndexSet& indexes);
    // Changes the entries in place (append, brisa::move …).
    void modifyEntries(const std::function<void(QList<Entry>&)>& change);

private:
    void postEntriesChange();

    QList<Entry> entries_;
};

} // namespace halvex

// {"tagName": {"group": …, "name": …}, "edition": {…}} (see PresetEdition).
template<>
struct brisa::JsonCoding<halvex::PresetItem::Entry> {
    static QJsonValue encode(const halvex::PresetItem::Entry& entry);
    static halvex::PresetItem::Entry decode(const QJsonValue& json, const QStringList& codingPath);
};

// {"name": "…", "detail": "…", "entries": […]}; only the name is required.
template<>
struct brisa::JsonCoding<halvex::PresetItemPtr> {
    static QJsonValue encode(const halvex::PresetItemPtr& preset);
    static halvex::PresetItemPtr decode(const QJsonValue& json, const QStringList& codingPath);
};
