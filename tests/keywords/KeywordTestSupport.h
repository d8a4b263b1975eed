#pragma once

#include "engine/halvex/libraries/KeywordItem.h"
#include "keywordmodel/KeywordOutlineModel.h"

#include <QStringList>

// Keyword trees written as text: "A(A1,A2),B" is A with the children A1 and A2, then B.
namespace keywordtest {

inline QList<halvex::KeywordItemPtr> tree(const QString& text)
{
    QList<QList<halvex::KeywordItemPtr>> levels{{}};
    QString name;
    const auto flush = [&] {
        if (!name.isEmpty())
            levels.last().append(std::make_shared<halvex::KeywordItem>(name));
        name.clear();
    };
    for (QChar c : text) {
        if (c == u'(') {
            flush();
            levels.append(QList<halvex::KeywordItemPtr>());
        } else if (c == u')') {
            flush();
            const QList<halvex::KeywordItemPtr> children = levels.takeLast();
            levels.last().last()->insertChildren(children, 0);
        } else if (c == u',') {
            flush();
        } else {
            name += c;
        }
    }
    flush();
    return levels.first();
}

inline QString describe(const QList<halvex::KeywordItemPtr>& items)
{
    QStringList parts;
    for (const halvex::KeywordItemPtr& item : items) {
        const QList<halvex::KeywordItemPtr> children = item->children();
        parts << item->name() + (children.isEmpty() ? QString() : u'(' + describe(children) + u')');
    }
    return parts.join(u',');
}

// The rows of the model, written the same way from its display texts.
inline QString describe(const QAbstractItemModel& model, const QModelIndex& parent = {})
{
    QStringList parts;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        const QString children = describe(model, index);
        parts << index.data().toString() + (children.isEmpty() ? QString() : u'(' + children + u')');
    }
    return parts.join(u',');
}

// The first item of that name, depth first.
inline halvex::KeywordItemPtr find(const QList<halvex::KeywordItemPtr>& items, const QString& name)
{
    for (const halvex::KeywordItemPtr& item : items) {
        if (item->name() == name)
            return item;
        if (halvex::KeywordItemPtr found = find(item->children(), name))
            return found;
    }
    return nullptr;
}

} // namespace keywordtest
