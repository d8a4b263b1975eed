#pragma once

#include "engine/halvex/libraries/KeywordItem.h"
#include "engine/halvex/libraries/LibraryError.h"
#include "engine/halvex/libraries/LibraryListEdition.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include "support/TestEnvironment.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

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

// What a library file holds, next to the library itself.
inline QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// Whether `error` (as errorOf() gives it) is a failure to write the file at `path`: where the
// disk fills up decides whether the write fails or ends short.
inline bool isWriteError(const QString& error, const QString& path)
{
    return error.startsWith(QStringLiteral("FileShortWriteError(%1, ").arg(path))
           || error.startsWith(QStringLiteral("FileWriteError(%1, ").arg(path));
}

// The files that the library stored at `path` was kept aside as, with their folder.
inline QStringList keptAside(const QString& path)
{
    const QFileInfo info(path);
    QStringList paths;
    for (const QString& name : info.dir().entryList(
             {info.completeBaseName() + QStringLiteral(".unreadable-*.") + info.suffix()}, QDir::Files))
        paths.append(info.dir().filePath(name));
    return paths;
}

// Writes beyond `bytes` fail (EFBIG) for this process, even as root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

// A library whose stored file holds `bytes`: its manager's load throws `error` (as errorOf()
// gives it) and leaves the items in place; reset (no items, then save) keeps the file aside with
// its bytes, and a fresh load finds no items.
template<class Manager, class Item>
void verifyUnreadableLibraryIsKeptAside(const QString& path, const QByteArray& bytes, const QString& error,
                                        const QList<Item>& items, void (Manager::*setItems)(const QList<Item>&),
                                        const QList<Item>& (Manager::*getItems)() const)
{
    Manager manager(path);
    (manager.*setItems)(items);
    put(path, bytes);

    QCOMPARE(errorOf([&manager] { manager.load(); }), error);
    QCOMPARE((manager.*getItems)(), items);
    QCOMPARE(contents(path), bytes);

    (manager.*setItems)({});
    manager.save();
    Manager reloaded(path);
    reloaded.load();
    QVERIFY((reloaded.*getItems)().isEmpty());
    const QStringList aside = keptAside(path);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(contents(aside.at(0)), bytes);
}

// A save that fails, once `grow` has made the library larger than the disk allows, is reported
// and leaves the file saved before as it was, with nothing beside it.
template<class Manager, class Grow>
void verifyFailedSaveKeepsTheOldFile(Manager& manager, const QString& path, Grow grow)
{
    manager.save();
    const QByteArray old = contents(path);
    grow();
    QString error;
    {
        const FileSizeLimit limit(old.size());
        error = errorOf([&manager] { manager.save(); });
    }
    QVERIFY2(isWriteError(error, path), qPrintable(error));
    QCOMPARE(contents(path), old);
    QCOMPARE(folderEntries(QFileInfo(path).absolutePath()), QStringList{QFileInfo(path).fileName()});
}

// Both lists hold equal items in the same order; an item that differs is shown as its JSON.
template<class ItemPtr>
void verifySameItems(const QList<ItemPtr>& actual, const QList<ItemPtr>& expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(*actual.at(i) == *expected.at(i), brisa::encodeJson(actual.at(i)).constData());
}

// The notes of the given names posted, in order, with the edition (a LibraryListEdition or a
// KeywordEdition) each carried.
template<class Edition>
class NoteRecorder {
public:
    struct Note {
        QString name;
        const void* object;
        std::optional<Edition> edition;
    };

    explicit NoteRecorder(const QStringList& names)
    {
        for (const QString& name : names) {
            subscribers_.push_back(std::make_unique<brisa::NoteSubscriber>());
            subscribers_.back()->subscribe(name, nullptr, [this](const brisa::Notification& note) {
                notes_.append({note.name, note.object, Edition::from(note)});
            });
        }
    }

    QList<Note> take() { return std::exchange(notes_, {}); }

    // The notes since the last take are `count` selection changes, each of `object`.
    void expectSelections(int count, const void* object)
    {
        const QList<Note> notes = take();
        QCOMPARE(notes.size(), count);
        for (const Note& note : notes) {
            QCOMPARE(note.object, object);
            QCOMPARE(note.edition, Edition::selection());
        }
    }

    // The notes since the last take are exactly one, of that name, object and edition.
    void expectOne(const QString& name, const void* object, const std::optional<Edition>& edition)
    {
        const QList<Note> notes = take();
        QCOMPARE(notes.size(), 1);
        QCOMPARE(notes.at(0).name, name);
        QCOMPARE(notes.at(0).object, object);
        QCOMPARE(notes.at(0).edition, edition);
    }

private:
    std::vector<std::unique_ptr<brisa::NoteSubscriber>> subscribers_;
    QList<Note> notes_;
};

using ListRecorder = NoteRecorder<halvex::LibraryListEdition>;

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
