#pragma once

#include "engine/halvex/KeywordItem.h"
#include "engine/halvex/LibraryError.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// Files and keyword trees shared by the library tests.
namespace librarytest {

inline void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The message of the LibraryError that `work` throws.
template<class Work>
QString errorOf(Work work)
{
    try {
        work();
    } catch (const halvex::LibraryError& error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

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

} // namespace librarytest
