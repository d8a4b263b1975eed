#pragma once

#include "engine/halvex/KeywordItem.h"

#include <QJsonDocument>
#include <QJsonObject>

// Keyword trees shared by the keyword library tests.
namespace keywordtrees {

inline halvex::KeywordItemPtr item(const QString& name, const QStringList& synonyms = {},
                                   const QList<halvex::KeywordItemPtr>& children = {}, bool isHeader = false,
                                   bool isPerson = false)
{
    return std::make_shared<halvex::KeywordItem>(name, isHeader, isPerson, synonyms, children);
}

// A hierarchy with synonyms, headers, persons, commas and text outside ASCII.
inline QList<halvex::KeywordItemPtr> sample()
{
    return {
        item(QStringLiteral("Animals"), {QStringLiteral("Fauna"), QStringLiteral("Wild life")},
             {item(QStringLiteral("Cat"), {QStringLiteral("Félin"), QStringLiteral("ネコ")},
                   {item(QStringLiteral("Kitten"))}),
              item(QStringLiteral("Dog, domestic"))}),
        item(QStringLiteral("Places"), {},
             {item(QStringLiteral("Paris, France"), {QStringLiteral("Paname")}), item(QStringLiteral("São Paulo"))},
             true),
        item(QStringLiteral("Ada Lovelace"), {QStringLiteral("Ada"), QStringLiteral("Countess, of Lovelace")}, {},
             false, true),
        item(QStringLiteral("Family 👪"), {}, {}, true, true),
    };
}

// The whole content of a tree, so that two trees compare (and print) as text.
inline QString describe(const QList<halvex::KeywordItemPtr>& items)
{
    return QString::fromUtf8(
        QJsonDocument(brisa::JsonCoding<QList<halvex::KeywordItemPtr>>::encode(items).toArray())
            .toJson(QJsonDocument::Indented));
}

} // namespace keywordtrees
