#include "engine/halvex/libraries/KeywordManager.h"
#include "engine/halvex/libraries/ThesaurusReader.h"
#include "engine/halvex/libraries/ThesaurusWriter.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include "LibraryTestSupport.h"

#include <QProcess>
#include <QScopeGuard>
#include <QtConcurrent>

#include <clocale>
#include <QtTest>

using namespace halvex;
using librarytest::describe;
using librarytest::errorOf;
using librarytest::item;
using librarytest::put;

class ThesaurusTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writtenTextIsReadable()
    {
        const QString expected = QStringLiteral("Animals {Fauna} {Wild life}\n"
                                                "\tCat {Félin} {ネコ}\n"
                                                "\t\tKitten\n"
                                                "\tDog, domestic\n"
                                                "[Places]\n"
                                                "\tParis, France {Paname}\n"
                                                "\tSão Paulo\n"
                                                "@Ada Lovelace {Ada} {Countess, of Lovelace}\n"
                                                "@[Family 👪]\n");
        QCOMPARE(ThesaurusWriter::string(librarytest::sample()), expected);
        QCOMPARE(describe(ThesaurusReader::read(expected)), describe(librarytest::sample()));
    }

    void oddTextReadsBackExactly_data()
    {
        QTest::addColumn<QString>("text");
        const QList<std::pair<const char*, QString>> texts{
            {"empty", QString()},
            {"spaces at the ends", QStringLiteral("  padded ")},
            {"only spaces", QStringLiteral("   ")},
            {"brackets and braces", QStringLiteral("[a] {b} ]{[")},
            {"backslashes", QStringLiteral("C:\\dir\\ \\t \\")},
            {"quotes", QStringLiteral("\"quoted\" and \"")},
            {"leading at sign", QStringLiteral("@handle")},
            {"line breaks and tabs", QStringLiteral("one\ntwo\r\nthree\tfour\t")},
            {"commas", QStringLiteral("Paris, France,")},
            {"no-break spaces", QStringLiteral("\u00A0a\u00A0")},
            {"other scripts", QStringLiteral("Ελλάδα 東京 🎞")},
        };
        for (const auto& [name, text] : texts)
            QTest::newRow(name) << text;
    }

    void oddTextReadsBackExactly()
    {
        QFETCH(QString, text);
        const QList<KeywordItemPtr> items{
            item(text, {text, QStringLiteral("plain"), text}, {item(text, {}, {item(text, {text})})}),
            item(text, {text}, {}, true),
            item(text, {}, {}, false, true),
            item(text, {text}, {item(text, {}, {}, true, true)}, true, true),
        };
        const QString written = ThesaurusWriter::string(items);
        QCOMPARE(written.count(u'\n'), 7); // one line per keyword: no raw line break inside one
        QCOMPARE(describe(ThesaurusReader::read(written)), describe(items));
    }

    void handWrittenLayoutIsAccepted()
    {
        const QString text = QStringLiteral("\uFEFFAnimals   {Fauna}{ Wild life }  \r\n"
                                            "\r\n"
                                            "\tCat\t{Félin}  {ネコ}\r\n"
                                            "\t\tKitten\r\n"
                                            "\t\t\r\n"
                                            "\tDog, domestic\r"
                                            "[ Places ]\n"
                                            "\tParis, France {Paname}\n"
                                            "\tSão Paulo\n"
                                            "@ Ada Lovelace {Ada} {Countess, of Lovelace}\n"
                                            "@[Family 👪]");
        QCOMPARE(describe(ThesaurusReader::read(text)), describe(librarytest::sample()));
        QCOMPARE(ThesaurusReader::read(QStringLiteral("\n\n")).size(), 0);
    }

    void malformedTextNamesTheLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("indented first keyword") << QStringLiteral("\n\tCat") << QStringLiteral("KeywordFileIndentedFirstLineError(2, 1)");
        QTest::newRow("level skipped") << QStringLiteral("Animals\n\t\tKitten") << QStringLiteral("KeywordFileIndentSkipError(2, 1)");
        QTest::newRow("spaces as indentation") << QStringLiteral("Animals\n    Cat") << QStringLiteral("KeywordFileSpaceIndentError(2, 1)");
        QTest::newRow("unclosed synonym") << QStringLiteral("Cat {Feline") << QStringLiteral("KeywordFileMissingCharacterError(1, 12, })");
        QTest::newRow("unclosed header") << QStringLiteral("[Places") << QStringLiteral("KeywordFileMissingCharacterError(1, 8, ])");
        QTest::newRow("stray bracket") << QStringLiteral("Cat]") << QStringLiteral("KeywordFileUnescapedCharacterError(1, 4, ])");
        QTest::newRow("brace in synonym") << QStringLiteral("Cat {a{b}") << QStringLiteral("KeywordFileUnescapedCharacterError(1, 7, {)");
        QTest::newRow("text after header") << QStringLiteral("[Places] Paris") << QStringLiteral("KeywordFileUnexpectedCharacterError(1, 10, P)");
        QTest::newRow("text after quotes") << QStringLiteral("\"Cat\" Dog") << QStringLiteral("KeywordFileUnexpectedCharacterError(1, 7, D)");
        QTest::newRow("unclosed quote") << QStringLiteral("Cat {\"Feline}") << QStringLiteral("KeywordFileOpenQuoteError(1, 6)");
        QTest::newRow("unknown escape") << QStringLiteral("a\\qb") << QStringLiteral("KeywordFileUnknownEscapeError(1, 2, q)");
        QTest::newRow("backslash at the end") << QStringLiteral("ab\\") << QStringLiteral("KeywordFileTrailingBackslashError(1, 3)");

        QString deep;
        for (int depth = 0; depth <= ThesaurusReader::maximumDepth; ++depth)
            deep += QString(depth, u'\t') + QStringLiteral("k\n");
        QTest::newRow("too deep") << deep << QStringLiteral("KeywordFileTooDeepError(257, 1, 256)");
    }

    void malformedTextNamesTheLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        QCOMPARE(errorOf([&text] { ThesaurusReader::read(text); }), error);
    }

    void fileRoundTrip()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("keywords.txt"));
        put(path, "old export");
        ThesaurusWriter::write(librarytest::sample(), path);
        QCOMPARE(describe(ThesaurusReader::readFile(path)), describe(librarytest::sample()));

        // Other encodings are recognised by their byte-order mark.
        QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        put(path, utf16(ThesaurusWriter::string(librarytest::sample())));
        QCOMPARE(describe(ThesaurusReader::readFile(path)), describe(librarytest::sample()));
    }

    void failedExportKeepsTheOldFile()
    {
        QTemporaryDir folder;
        const QString notAFolder = folder.filePath(QStringLiteral("export"));
        put(notAFolder, "old export");
        const QString path = notAFolder + QStringLiteral("/keywords.txt");
        QCOMPARE(errorOf([&path] { ThesaurusWriter::write(librarytest::sample(), path); }),
                 QStringLiteral("FileFolderCreationError(%1, %2)").arg(path, notAFolder));
        QCOMPARE(librarytest::contents(notAFolder), QByteArray("old export"));
    }

    void importOfAMalformedFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // %1: the file
        QTest::newRow("malformed") << QByteArray("New\n\tGood {x}\n\t\t\tLost\n")
                                   << QStringLiteral("KeywordFileError(%1) KeywordFileIndentSkipError(3, 1)");
        QTest::newRow("not UTF-8") << QByteArray("Caf\xe9\n") << QStringLiteral("KeywordFileEncodingError(%1)");
        QTest::newRow("a folder") << QByteArray() << QStringLiteral("FileFolderError(%1)");
    }

    void importOfAMalformedFileChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("import.txt"));
        if (bytes.isEmpty())
            QVERIFY(QDir().mkdir(path));
        else
            put(path, bytes);
        KeywordManager manager(folder.filePath(QStringLiteral("Keywords.json")));
        manager.setItems(librarytest::sample());
        manager.save();
        int notes = 0;
        brisa::NoteSubscriber subscriber;
        subscriber.subscribe(KeywordManager::didChangeItemsNotification, &manager,
                             [&notes](const brisa::Notification&) { ++notes; });

        // The window's import: parse, then append what was read.
        QCOMPARE(errorOf([&] { manager.insertItems(ThesaurusReader::readFile(path), int(manager.items().size())); }),
                 error.arg(path));
        QCOMPARE(notes, 0);
        QCOMPARE(describe(manager.items()), describe(librarytest::sample()));
        KeywordManager stored(folder.filePath(QStringLiteral("Keywords.json")));
        stored.load();
        QCOMPARE(describe(stored.items()), describe(librarytest::sample()));
    }

    void fileInTheLocalesLegacyEncodingIsRead()
    {
        // A Cyrillic keyword file written by an older tool on a KOI8-R system: no byte-order
        // mark, not UTF-8, and no Latin-1 reading gives these letters.
        const QString text = QStringLiteral("Кошки {Коты}\n\tКотёнок\n");
        QByteArray bytes;
        for (const QChar c : text) {
            // KOI8-R: the ASCII controls as they are, then the letters used here.
            static const QHash<QChar, char> letters{
                    {u'К', '\xeb'}, {u'о', '\xcf'}, {u'ш', '\xdb'}, {u'к', '\xcb'}, {u'и', '\xc9'}, {u'т', '\xd4'},
                    {u'ы', '\xd9'}, {u'ё', '\xa3'}, {u'н', '\xce'}, {u'{', '{'},   {u'}', '}'},   {u' ', ' '},
                    {u'\n', '\n'},  {u'\t', '\t'}};
            QVERIFY2(letters.contains(c), qPrintable(QString(c)));
            bytes += letters.value(c);
        }
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("legacy.txt"));
        put(path, bytes);

        // The same file under a UTF-8 locale cannot be read.
        QCOMPARE(errorOf([&path] { ThesaurusReader::readFile(path); }),
                 QStringLiteral("KeywordFileEncodingError(%1)").arg(path));

        // Under a KOI8-R locale, built here from the system's locale sources.
        QTemporaryDir locales;
        QProcess localedef;
        localedef.start(QStringLiteral("localedef"), {QStringLiteral("-i"), QStringLiteral("ru_RU"), QStringLiteral("-f"),
                                                      QStringLiteral("KOI8-R"), locales.filePath(QStringLiteral("ru_RU.KOI8-R"))});
        if (!localedef.waitForFinished(60000) || !QFileInfo(locales.filePath(QStringLiteral("ru_RU.KOI8-R"))).isDir())
            QSKIP("localedef cannot build a KOI8-R locale here (the locales package is missing)");
        const QByteArray oldLocPath = qgetenv("LOCPATH");
        const std::string oldLocale = setlocale(LC_CTYPE, nullptr);
        const auto restore = qScopeGuard([&] {
            setlocale(LC_CTYPE, oldLocale.c_str());
            if (oldLocPath.isNull())
                qunsetenv("LOCPATH");
            else
                qputenv("LOCPATH", oldLocPath);
        });
        qputenv("LOCPATH", QFile::encodeName(locales.path()));
        QVERIFY(setlocale(LC_CTYPE, "ru_RU.KOI8-R"));
        const QList<KeywordItemPtr> items = ThesaurusReader::readFile(path);
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first()->name(), QStringLiteral("Кошки"));
        QCOMPARE(items.first()->synonyms(), QStringList{QStringLiteral("Коты")});
        QCOMPARE(items.first()->children().size(), 1);
        QCOMPARE(items.first()->children().first()->name(), QStringLiteral("Котёнок"));
    }

    void readingOffTheMainThreadPostsNothing()
    {
        int notes = 0;
        brisa::NoteSubscriber children;
        children.subscribe(KeywordItem::didChangeChildrenNotification, nullptr,
                           [&notes](const brisa::Notification&) { ++notes; });
        brisa::NoteSubscriber info;
        info.subscribe(KeywordItem::didChangeInfoNotification, nullptr, [&notes](const brisa::Notification&) { ++notes; });

        const QString text = ThesaurusWriter::string(librarytest::sample());
        const QList<KeywordItemPtr> items = QtConcurrent::run([text] { return ThesaurusReader::read(text); }).result();
        QCoreApplication::processEvents();
        QCOMPARE(notes, 0);
        QCOMPARE(describe(items), describe(librarytest::sample()));
    }
};

QTEST_GUILESS_MAIN(ThesaurusTest)
#include "ThesaurusTest.moc"
