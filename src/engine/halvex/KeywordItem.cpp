#include "engine/halvex/KeywordItem.h"

#include "platform/brisa/core/ArrayHelpers.h"
#include "platform/brisa/core/KeyedJson.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <algorithm>

namespace halvex {

const QString KeywordItem::didChangeInfoNotification = QStringLiteral("HalvexKeywordItemDidChangeInfo");
const QString KeywordItem::didChangeChildrenNotification =
    QStringLiteral("HalvexKeywordItemDidChangeChildren");

KeywordItem::KeywordItem(const QString& name) : name_(name)
{
}

KeywordItem::KeywordItem(const QString& name, bool isHeader, bool isPerson, const QStringList& synonyms,
                         const QList<KeywordItemPtr>& children)
    : name_(name), isHeader_(isHeader), isPerson_(isPerson), synonyms_(synonyms), children_(children)
{
    for (const KeywordItemPtr& child : children_)
        child->setParent(this);
}

KeywordItem::~KeywordItem()
{
    // Children kept alive elsewhere must not point back at a dead parent.
    for (const KeywordItemPtr& child : std::as_const(children_)) {
        if (child->parent() == this)
            child->setParent(nullptr);
    }
}

QString KeywordItem::name() const
{
    const QMutexLocker lock(&mutex_);
    return name_;
}

void KeywordItem::setName(const QString& name)
{
    {
        const QMutexLocker lock(&mutex_);
        name_ = name;
    }
    postInfoChange();
}

bool KeywordItem::isHeader() const
{
    const QMutexLocker lock(&mutex_);
    return isHeader_;
}

void KeywordItem::setIsHeader(bool isHeader)
{
    {
        const QMutexLocker lock(&mutex_);
        isHeader_ = isHeader;
    }
    postInfoChange();
}

bool KeywordItem::isPerson() const
{
    const QMutexLocker lock(&mutex_);
    return isPerson_;
}

void KeywordItem::setIsPerson(bool isPerson)
{
    {
        const QMutexLocker lock(&mutex_);
        isPerson_ = isPerson;
    }
    postInfoChange();
}

QStringList KeywordItem::synonyms() const
{
    const QMutexLocker lock(&mutex_);
    return synonyms_;
}

void KeywordItem::setSynonyms(const QStringList& synonyms)
{
    {
        const QMutexLocker lock(&mutex_);
        synonyms_ = synonyms;
    }
    postInfoChange();
}

QList<KeywordItemPtr> KeywordItem::children() const
{
    const QMutexLocker lock(&mutex_);
    return children_;
}

KeywordItem* KeywordItem::parent() const
{
    const QMutexLocker lock(&mutex_);
    return parent_;
}

void KeywordItem::insertChildren(const QList<KeywordItemPtr>& items, int index)
{
    if (items.isEmpty())
        return;
    for (const KeywordItemPtr& item : items)
        Q_ASSERT(!item->parent() && !item->contains(this));
    {
        const QMutexLocker lock(&mutex_);
        index = std::clamp(index, 0, int(children_.size()));
        for (int i = 0; i < items.size(); ++i)
            children_.insert(index + i, items.at(i));
    }
    for (const KeywordItemPtr& item : items)
        item->setParent(this);
    brisa::NotificationCenter::defaultCenter().post(
        didChangeChildrenNotification, this,
        ChildrenEdition::insertion(brisa::IndexSet::range(index, int(items.size()))).userInfo());
}

void KeywordItem::removeChildren(const brisa::IndexSet& indexes)
{
    brisa::IndexSet removed;
    QList<KeywordItemPtr> detached;
    {
        const QMutexLocker lock(&mutex_);
        for (int index : indexes) {
            if (index < children_.size())
                removed.insert(index);
        }
        detached = brisa::at(children_, removed);
        brisa::remove(children_, removed);
    }
    if (removed.isEmpty())
        return;
    for (const KeywordItemPtr& item : std::as_const(detached))
        item->setParent(nullptr);
    brisa::NotificationCenter::defaultCenter().post(didChangeChildrenNotification, this,
                                                    ChildrenEdition::removal(removed).userInfo());
}

bool KeywordItem::contains(const KeywordItem* item) const
{
    if (item == this)
        return true;
    const QList<KeywordItemPtr> list = children();
    return std::any_of(list.cbegin(), list.cend(),
                       [item](const KeywordItemPtr& child) { return child->contains(item); });
}

std::optional<KeywordItem::ChildrenEdition> KeywordItem::childrenEdition(const brisa::Notification& note)
{
    if (note.name != didChangeChildrenNotification)
        return std::nullopt;
    return KeywordEdition::from(note);
}

void KeywordItem::postInfoChange()
{
    brisa::NotificationCenter::defaultCenter().post(didChangeInfoNotification, this);
}

void KeywordItem::setParent(KeywordItem* parent)
{
    const QMutexLocker lock(&mutex_);
    parent_ = parent;
}

} // namespace halvex

using halvex::KeywordItem;
using halvex::KeywordItemPtr;

QJsonValue brisa::JsonCoding<KeywordItemPtr>::encode(const KeywordItemPtr& item)
{
    QJsonObject object;
    KeyedJson::encode(object, QStringLiteral("name"), item->name());
    KeyedJson::encode(object, QStringLiteral("isHeader"), item->isHeader());
    KeyedJson::encode(object, QStringLiteral("isPerson"), item->isPerson());
    KeyedJson::encode(object, QStringLiteral("synonyms"), item->synonyms());
    KeyedJson::encode(object, QStringLiteral("children"), item->children());
    return object;
}

KeywordItemPtr brisa::JsonCoding<KeywordItemPtr>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    return std::make_shared<KeywordItem>(
        object.decode<QString>(QStringLiteral("name")),
        object.decodeIfPresent<bool>(QStringLiteral("isHeader")).value_or(false),
        object.decodeIfPresent<bool>(QStringLiteral("isPerson")).value_or(false),
        object.decodeIfPresent<QStringList>(QStringLiteral("synonyms")).value_or(QStringList()),
        object.decodeIfPresent<QList<KeywordItemPtr>>(QStringLiteral("children")).value_or(QList<KeywordItemPtr>()));
}
