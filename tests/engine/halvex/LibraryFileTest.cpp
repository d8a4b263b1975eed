#include "engine/halvex/libraries/LibraryFile.h"

#include "LibraryTestSupport.h"

#include <QtTest>

using namespace halvex;
using librarytest::contents;
using librarytest::errorOf;
using librarytest::FileSizeLimit;
using librarytest::folderEntries;
using librarytest::put;

class LibraryFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        folder_.reset(new QTemporaryDir);
        QVERIFY(folder_->isValid());
        path_ = folder_->filePath(QStringLiteral("Library.json"));
    }

    void dataPathIsInTheApplicationDataFolder()
    {
        const QString expected = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                                 + QStringLiteral("/Corvelle/Corvelle/Keywords.json");
        QCOMPARE(LibraryFile::dataPath(QStringLiteral("Keywords.json")), expected);
    }

    void missingFileStartsEmpty()
    {
        LibraryFile file(folder_->filePath(QStringLiteral("not yet/Library.json")));
        QVERIFY(!file.loadJson());
        QVERIFY(!file.load<QStringList>());
    }

    void savedValueLoadsBackUnchanged()
    {
        const QStringList value{QStringLiteral("Été, à Paris"), QStringLiteral("東京"), QString(),
                                QStringLiteral("tab\tand \"quotes\"")};
        LibraryFile file(folder_->filePath(QStringLiteral("new folder/Library.json")));
        file.save(value);
        QCOMPARE(LibraryFile(file.path()).load<QStringList>(), value);
        // Indented, so a person can read it.
        QVERIFY(contents(file.path()).count('\n') > value.size());

        file.save(QStringList{QStringLiteral("second")});
        QCOMPARE(LibraryFile(file.path()).load<QStringList>(), QStringList{QStringLiteral("second")});
        QCOMPARE(folderEntries(QFileInfo(file.path()).absolutePath()), QStringList{QStringLiteral("Library.json")});
    }

    void unreadableFileThrowsThenIsKeptAsideBySave_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // %1: the file
        QTest::newRow("broken JSON") << QByteArray("[\n  \"a\",\n  oops\n]\n")
                                     << QStringLiteral("LibraryFileJSONError(%1, illegal number, 3, 3)");
        QTest::newRow("cut short") << QByteArray("[\"é\", \"b")
                                   << QStringLiteral("LibraryFileJSONError(%1, unterminated string, 1, 9)");
        QTest::newRow("empty") << QByteArray(" \n") << QStringLiteral("LibraryFileEmptyError(%1)");
        QTest::newRow("wrong shape")
            << QByteArray("{\"a\": 1}")
            << QStringLiteral("LibraryFileTopContentError(%1)");
        QTest::newRow("wrong element")
            << QByteArray("[\"a\", 3]")
            << QStringLiteral("LibraryFileWrongValueError(%1, Index 1)");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe", 4) << QStringLiteral("LibraryFileJSONError(%1, illegal value, 1, 2)");
    }

    void unreadableFileThrowsThenIsKeptAsideBySave()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        put(path_, bytes);

        LibraryFile file(path_);
        QCOMPARE(errorOf([&file] { file.load<QStringList>(); }), error.arg(path_));
        QCOMPARE(contents(path_), bytes);

        // Reset: the library starts empty and is saved; the unreadable bytes stay on disk.
        file.save(QStringList());
        QCOMPARE(LibraryFile(path_).load<QStringList>(), QStringList());
        const QStringList entries = folderEntries(folder_->path());
        QCOMPARE(entries.size(), 2);
        const QString aside = entries.at(0) == QStringLiteral("Library.json") ? entries.at(1) : entries.at(0);
        QVERIFY2(QRegularExpression(QStringLiteral("^Library\\.unreadable-\\d{8}-\\d{6}\\.json$")).match(aside).hasMatch(),
                 qPrintable(aside));
        QCOMPARE(contents(folder_->filePath(aside)), bytes);
    }

    void folderInPlaceOfTheFileIsUnreadableAndKeptAside()
    {
        QVERIFY(QDir().mkpath(path_ + QStringLiteral("/inside")));
        LibraryFile file(path_);
        QCOMPARE(errorOf([&file] { file.loadJson(); }), QStringLiteral("FileFolderError(%1)").arg(path_));
        file.save(QStringList{QStringLiteral("a")});
        QCOMPARE(LibraryFile(path_).load<QStringList>(), QStringList{QStringLiteral("a")});
        QCOMPARE(folderEntries(folder_->path()).size(), 2);
    }

    void resetKeepsEveryEarlierFile()
    {
        LibraryFile file(path_);
        QCOMPARE(file.resetKeepingAside(), QString());

        put(path_, "first");
        const QString first = file.resetKeepingAside();
        put(path_, "second");
        const QString second = file.resetKeepingAside();
        QVERIFY(first != second);
        QVERIFY(!QFile::exists(path_));
        QCOMPARE(contents(first), QByteArray("first"));
        QCOMPARE(contents(second), QByteArray("second"));
    }

    void saveIntoAFileInPlaceOfTheFolderFails()
    {
        const QString notAFolder = folder_->filePath(QStringLiteral("Corvelle"));
        put(notAFolder, "not a folder");
        LibraryFile file(notAFolder + QStringLiteral("/Library.json"));
        QCOMPARE(errorOf([&file] { file.save(QStringList{QStringLiteral("a")}); }),
                 QStringLiteral("FileFolderCreationError(%1, %2)").arg(file.path(), notAFolder));
        QCOMPARE(contents(notAFolder), QByteArray("not a folder"));
    }

    void failedWriteLeavesTheOldFileIntact()
    {
        LibraryFile file(path_);
        file.save(QStringList{QStringLiteral("old")});
        const QByteArray old = contents(path_);
        QString error;
        {
            const FileSizeLimit limit(4096);
            error = errorOf([&file] { file.save(QStringList(1000, QStringLiteral("a longer library than the limit"))); });
        }
        QVERIFY2(error.startsWith(QStringLiteral("FileShortWriteError(%1, 4096, ").arg(path_)), qPrintable(error));
        QCOMPARE(contents(path_), old);
        QCOMPARE(folderEntries(folder_->path()), QStringList{QStringLiteral("Library.json")});
    }

    void exportReplacesAndImportReads()
    {
        const QString exported = folder_->filePath(QStringLiteral("export.txt"));
        LibraryFile::writeFile(exported, "old");
        LibraryFile::writeFile(exported, "new");
        QCOMPARE(LibraryFile::readFile(exported), QByteArray("new"));

        const QString missing = folder_->filePath(QStringLiteral("missing.txt"));
        QCOMPARE(errorOf([&missing] { LibraryFile::readFile(missing); }),
                 QStringLiteral("FileReadError(%1, No such file or directory)").arg(missing));
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
    QString path_;
};

QTEST_GUILESS_MAIN(LibraryFileTest)
#include "LibraryFileTest.moc"
