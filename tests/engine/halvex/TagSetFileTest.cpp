#include "engine/halvex/libraries/TagSetFile.h"

#include "LibraryTestSupport.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace halvex;
using librarytest::contents;
using librarytest::errorOf;
using librarytest::put;
using ostrak::TagName;

namespace {

TagSet sample()
{
    return TagSet({
        TagSection::builtIn(QStringLiteral("TagSetSectionMovie")),
        TagName(QStringLiteral("ItemList"), QStringLiteral("Title")),
        TagName(QStringLiteral("Track1:Copy1"), QStringLiteral("Title-fr")),
        TagSection(QStringLiteral("Mes tags ⭐, \"quoted\"")),
        TagName(QStringLiteral("XMP-dc"), QStringLiteral("Subject")),
        TagSection(QString()),
        TagName(QStringLiteral("Track#"), QStringLiteral("HandlerType")),
    });
}

} // namespace

class TagSetFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        folder_.reset(new QTemporaryDir);
        QVERIFY(folder_->isValid());
        path_ = folder_->filePath(QStringLiteral("Tags.cvtagset"));
    }

    void exportedSetImportsBackUnchanged()
    {
        sample().exportTo(path_);
        QCOMPARE(TagSetFile::from(path_).tagSet(), sample());

        // Export over an existing file replaces it.
        const TagSet other({TagSection(QStringLiteral("Other"))});
        other.exportTo(path_);
        QCOMPARE(TagSetFile::from(path_).tagSet(), other);
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{QStringLiteral("Tags.cvtagset")});
    }

    // The form other programs and older files rely on.
    void fileFormIsStable()
    {
        put(path_, R"({"entries": [
            {"section": {"_0": {"title": "Movie", "localizationKey": "TagSetSectionMovie"}}},
            {"tag": {"_0": {"group": "ItemList", "name": "Title"}}},
            {"section": {"_0": {"title": "Mine"}}}
        ]})");
        const TagSet read = TagSetFile::from(path_).tagSet();
        QCOMPARE(read, TagSet({TagSection::builtIn(QStringLiteral("TagSetSectionMovie")),
                               TagName(QStringLiteral("ItemList"), QStringLiteral("Title")),
                               TagSection(QStringLiteral("Mine"))}));
        TagSetFile(read).write(path_);
        QCOMPARE(TagSetFile::from(path_).tagSet(), read);
    }

    // A file cannot make the interface show an arbitrary localisation key.
    void unknownLocalizationKeyMakesAUserSection()
    {
        put(path_, R"({"entries": [{"section": {"_0": {"title": "Odd", "localizationKey": "QuitGenericMainMenuItem"}}}]})");
        const TagSet read = TagSetFile::from(path_).tagSet();
        QCOMPARE(read, TagSet({TagSection(QStringLiteral("Odd"))}));
    }

    void malformedFilesAreRefusedNamingTheFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QString notJSON = QStringLiteral("TagSetFileJSONError(%1)");
        QTest::newRow("empty") << QByteArray() << notJSON;
        QTest::newRow("not JSON") << QByteArray("entries: none") << notJSON;
        QTest::newRow("cut short") << QByteArray(R"({"entries": [)") << notJSON;
        QTest::newRow("a preset file") << QByteArray(R"({"groups": []})")
                                       << QStringLiteral("TagSetFileMissingValueError(%1, entries)");
        QTest::newRow("a list") << QByteArray("[]")
                                << QStringLiteral("TagSetFileTopContentError(%1)");
        QTest::newRow("two cases") << QByteArray(R"({"entries": [{"section": {"_0": {"title": "A"}}, "tag": {"_0": {"group": "IFD0", "name": "Make"}}}]})")
                                   << QStringLiteral("TagSetFileWrongValueError(%1, entries / Index 0)");
        QTest::newRow("title not text") << QByteArray(R"({"entries": [{"section": {"_0": {"title": 7}}}]})")
                                        << QStringLiteral("TagSetFileWrongValueError(%1, entries / Index 0 / section / _0 / title)");
        QTest::newRow("option as group") << QByteArray(R"({"entries": [{"tag": {"_0": {"group": "-overwrite_original", "name": "Title"}}}]})")
                                         << QStringLiteral("TagSetFileInvalidValueError(%1, entries / Index 0 / tag / _0, \"-overwrite_original:Title\" is not a tag name.)");
        QTest::newRow("line break in name") << QByteArray(R"({"entries": [{"tag": {"_0": {"group": "IFD0", "name": "Make\n-all="}}}]})")
                                            << QStringLiteral("TagSetFileInvalidValueError(%1, entries / Index 0 / tag / _0, \"IFD0:Make\n-all=\" is not a tag name.)");
        QTest::newRow("no group") << QByteArray(R"({"entries": [{"tag": {"_0": {"group": "", "name": "Make"}}}]})")
                                  << QStringLiteral("TagSetFileInvalidValueError(%1, entries / Index 0 / tag / _0, \"Make\" is not a tag name.)");
    }

    void malformedFilesAreRefusedNamingTheFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        put(path_, bytes);
        const QString thrown = errorOf([this] { TagSetFile::from(path_); });
        QVERIFY2(thrown.startsWith(error.arg(path_)), qPrintable(thrown));
        QCOMPARE(contents(path_), bytes);
    }

    void unreadablePlacesAreRefusedNamingThem()
    {
        QCOMPARE(errorOf([this] { TagSetFile::from(path_); }),
                 QStringLiteral("FileReadError(%1, No such file or directory)").arg(path_));
        QCOMPARE(errorOf([this] { TagSetFile::from(folder_->path()); }),
                 QStringLiteral("FileFolderError(%1)").arg(folder_->path()));
    }

    void failedExportIsReportedAndKeepsTheOldFile()
    {
        TagSet({TagSection(QStringLiteral("Old"))}).exportTo(path_);
        const QByteArray old = contents(path_);

        QList<TagSet::FlatEntry> many;
        for (int i = 0; i < 500; ++i)
            many.append(TagName(QStringLiteral("XMP-dc"), QStringLiteral("Tag%1").arg(i)));
        // Writes beyond 1 KiB fail for this process, even as root.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &limit);
        const QString error = errorOf([this, &many] { TagSet(many).exportTo(path_); });
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY2(error.startsWith(QStringLiteral("FileShortWriteError(%1, ").arg(path_))
                     || error.startsWith(QStringLiteral("FileWriteError(%1, ").arg(path_)),
                 qPrintable(error));
        QCOMPARE(contents(path_), old);
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{QStringLiteral("Tags.cvtagset")});

        const QString notAFolder = folder_->filePath(QStringLiteral("file"));
        put(notAFolder, "a file");
        const QString inside = notAFolder + QStringLiteral("/Tags.cvtagset");
        QCOMPARE(errorOf([&inside] { sample().exportTo(inside); }),
                 QStringLiteral("FileFolderCreationError(%1, %2)").arg(inside, notAFolder));
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
    QString path_;
};

QTEST_GUILESS_MAIN(TagSetFileTest)
#include "TagSetFileTest.moc"
