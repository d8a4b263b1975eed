#pragma once

#include "engine/halvex/KeywordItem.h"
#include "engine/halvex/LibraryError.h"

#include "support/TestEnvironment.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QXmlStreamReader>
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

// The English texts of the translation table by key.
inline const QHash<QString, QString>& englishTexts()
{
    static const QHash<QString, QString> texts = [] {
        QHash<QString, QString> table;
        QFile file(corvelle::test::fixturesDir() + QStringLiteral("/../../resources/i18n/corvelle_en.ts"));
        if (!file.open(QIODevice::ReadOnly))
            return table;
        QXmlStreamReader reader(&file);
        QString id;
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement() && reader.name() == QLatin1String("message"))
                id = reader.attributes().value(QLatin1String("id")).toString();
            else if (reader.isStartElement() && reader.name() == QLatin1String("source"))
                table.insert(id, reader.readElementText());
        }
        return table;
    }();
    return texts;
}

// Each text is in the translation table with a placeholder for each argument.
inline void verifyTranslatable(const QList<halvex::LocalizedText>& texts)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
    for (const halvex::LocalizedText& text : texts) {
        QVERIFY2(englishTexts().contains(text.key), qPrintable(text.key + QStringLiteral(" is not translated")));
        int highest = 0;
        for (const QRegularExpressionMatch& match : placeholder.globalMatch(englishTexts().value(text.key)))
            highest = std::max(highest, match.captured(1).toInt());
        QVERIFY2(highest == text.arguments.size(), qPrintable(text.key + QStringLiteral(": arguments and placeholders differ")));
    }
}

// The keys and arguments of the LibraryError that `work` throws, as "Key(argument, …)".
template<class Work>
QString errorOf(Work work)
{
    try {
        work();
    } catch (const halvex::LibraryError& error) {
        verifyTranslatable(error.texts());
        return QString::fromStdString(error.what());
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
