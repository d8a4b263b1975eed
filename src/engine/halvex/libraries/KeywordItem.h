#pragma once

#include "engine/halvex/libraries/KeywordEdition.h"
#include "platform/brisa/core/JsonCoding.h"

#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace halvex {

class KeywordItem;
using KeywordItemPtr = std::shared_ptr<KeywordItem>;

// One keyword of the keyword library: its name, header and person flags, synonyms and ordered
// child keywords. Items are compared by identity; an item sits in at most one place of a tree.
//
// Edits are made on the main thread and post their notification (object = the item) inside
// the editing call. Reads are internally locked, so that a thesaurus export may read a tree on
// another thread.
class KeywordItem {
public:
    using ChildrenEdition = KeywordEdition;

    // Posted by each write of name, header flag, person flag or synonyms.
    static const QString didChangeInfoNotification;
    // Posted by insertChildren() and removeChildren(), with a ChildrenEdition; object = the parent.
    static const QString didChangeChildrenNotification;

    // A new detached item without flags, synonyms or children.
    explicit KeywordItem(const QString& name);
    // A whole item with its subtree, posting nothing: readers build trees off the main thread.
    // The children must be detached.
    KeywordItem(const QString& name, bool isHeader, bool isPerson, const QStringList& synonyms,
                const QList<KeywordItemPtr>& children);
    ~KeywordItem();
    KeywordItem(const KeywordItem&) = delete;
    KeywordItem& operator=(const KeywordItem&) = delete;

    QString name() const;
    void setName(const QString& name);
    bool isHeader() const;
    void setIsHeader(bool isHeader);
    bool isPerson() const;
    void setIsPerson(bool isPerson);
    QStringList synonyms() const;
    void setSynonyms(const QStringList& synonyms);

    QList<KeywordItemPtr> children() const;
    // The item whose child this is; null for a top-level or detached item.
    KeywordItem* parent() const;

    // `items` must be detached and must not contain this item or one of its ancestors.
    // The index is clamped to the children.
    void insertChildren(const QList<KeywordItemPtr>& items, int index);
    // Positions beyond the children are ignored. The removed items become detached.
    void removeChildren(const brisa::IndexSet& indexes);
    // Whether `item` is this item or lies in its subtree.
    bool contains(const KeywordItem* item) const;

    // The change a didChangeChildrenNotification carries; none for another note.
    static std::optional<ChildrenEdition> childrenEdition(const brisa::Notification& note);

private:
    template<class T>
    T locked(const T& member) const;
    // Writes one piece of information and posts didChangeInfoNotification.
    template<class T>
    void setInfo(T& member, const T& value);
    void setParent(KeywordItem* parent);

    mutable QMutex mutex_;
    QString name_;
    bool isHeader_ = false;
    bool isPerson_ = false;
    QStringList synonyms_;
    QList<KeywordItemPtr> children_;
    KeywordItem* parent_ = nullptr;
};

} // namespace halvex

// The stored form of an item with its subtree:
// {"name": "…", "isHeader": false, "isPerson": false, "synonyms": […], "children": […]}.
// Only "name" is required.
template<>
struct brisa::JsonCoding<halvex::KeywordItemPtr> {
    static QJsonValue encode(const halvex::KeywordItemPtr& item);
    static halvex::KeywordItemPtr decode(const QJsonValue& json, const QStringList& codingPath);
};
