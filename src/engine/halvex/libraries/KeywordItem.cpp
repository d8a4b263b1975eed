#include "engine/halvex/libraries/KeywordItem.h"

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
    for (const KeywordItemPtr& child : std::as_const(children_))
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

template<class T>
T KeywordItem::locked(const T& member) const
{
    const QMutexLocker lock(&mutex_);
    return member;
}

template<class T>
void KeywordItem::setInfo(T& member, const T& value)
{
    {
        const QMutexLocker lock(&mutex_);
        member = value;
    }
    brisa::NotificationCenter::defaultCenter().post(didChangeInfoNotification, this);
}

QString KeywordItem::name() const
{
    return locked(name_);
}

void KeywordItem::setName(const QString& name)
{
    setInfo(name_, name);
}

bool KeywordItem::isHeader() const
{
    return locked(isHeader_);
}

void KeywordItem::setIsHeader(bool isHeader)
{
    setInfo(isHeader_, isHeader);
}

bool KeywordItem::isPerson() const
{
    return locked(isPerson_);
}

void KeywordItem::setIsPerson(bool isPerson)
{
    setInfo(isPerson_, isPerson);
}

QStringList KeywordItem::synonyms() const
{
    return locked(synonyms_);
}

void KeywordItem::setSynonyms(const QStringList& synonyms)
{
    setInfo(synonyms_, synonyms);
}

QList<KeywordItemPtr> KeywordItem::children() const
{
    return locked(children_);
}

KeywordItem* KeywordItem::parent() const
{
    return locked(parent_);
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
